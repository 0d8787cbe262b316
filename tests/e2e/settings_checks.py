"""What the settings scenarios know of BLINKERY.INI as Blinkery writes it."""
from pathlib import Path

MAIN = "Lampwatcher: Main"


def port_keys():
    """The per-port keys in write order, with the writer's spelling."""
    text = (Path(__file__).resolve().parent / "data" / "port_keys.txt").read_text()
    return [line for line in text.splitlines() if line and not line.startswith("#")]


def keys_of(ini, section):
    return [key for key, _ in ini.section(section) or []]


def assert_port_section_complete(ini, section, existing=()):
    """The section holds the existing keys first, in their places, then every
    other key in write order."""
    keys = keys_of(ini, section)
    lowered = {k.lower() for k in existing}
    expected = list(existing) + [k for k in port_keys() if k.lower() not in lowered]
    assert keys == expected, f"[{section}] keys differ:\n got {keys}\nwant {expected}"
