"""End-to-end harness: runs Blinkery.exe under Wine and drives its windows.

Every scenario gets a fresh Wine prefix, copied from a template made once per
build and Windows version, and its own Xvfb server showing Wine's shared
virtual desktop. The window tool (wintool.exe) runs in the same prefix, so it
sees Blinkery's windows. A scenario file looks like this:

    import harness as h

    def scenario(s):
        s.write_ini(h.quiet_defaults(port=1))
        app = s.start()
        s.wait_window("Blinkery", cls="TMainWindow")
        s.close("Blinkery", cls="TMainWindow")
        assert app.wait_exit(timeout=10) == 0

    h.main(scenario)                # once in each Windows version

Environment (set by ctest): BLINKERY_EXE, BLINKERY_WINTOOL, BLINKERY_BUILD.
Only the standard library is used.
"""

import collections
import contextlib
import ctypes
import fcntl
import hashlib
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
from dataclasses import dataclass, field
from pathlib import Path

VERSIONS = ("win98", "nt40", "win2k")
# Wine's own default, as a modern Windows: for the scenarios that ask for it.
KNOWN_VERSIONS = VERSIONS + ("win10",)
SCREEN = "1024x768"
APP_FOLDER = "blinkery"             # C:\blinkery in the prefix
INI_NAME = "BLINKERY.INI"

WINE_FONTS = "/usr/share/wine/fonts"   # Debian's fonts-wine

# Bumped whenever the template recipe changes, so old templates are remade.
TEMPLATE_RECIPE = "5"

HERE = Path(__file__).resolve().parent
WINE = shutil.which("wine") or "/usr/bin/wine"
WINE64 = "/usr/lib/wine/wine64" if os.access("/usr/lib/wine/wine64", os.X_OK) else WINE
WINESERVER = shutil.which("wineserver") or "/usr/bin/wineserver"

# Guest address space for 32-bit processes under qemu-user: room for the
# 2 GB a Windows program sees plus the area Wine keeps at 0x7ffe0000.
QEMU_RESERVED_VA = "0x84000000"

# Seconds a scenario's wineserver waits for the next program.
SERVER_LINGER_S = 10


class ScenarioError(AssertionError):
    """A scenario step failed; the message says what was seen."""


# ---------------------------------------------------------------- settings

def build_dir():
    value = os.environ.get("BLINKERY_BUILD")
    if not value:
        raise ScenarioError("BLINKERY_BUILD is not set (run the scenarios through ctest)")
    return Path(value)


def exe_path():
    return _env_file("BLINKERY_EXE", "Blinkery.exe")


def wintool_path():
    return _env_file("BLINKERY_WINTOOL", "wintool.exe")


def _env_file(name, default_name):
    value = os.environ.get(name)
    path = Path(value) if value else build_dir() / default_name
    if not path.is_file():
        raise ScenarioError(f"{name}: {path} does not exist (build first)")
    return path


def e2e_dir():
    return build_dir() / "e2e"


# ------------------------------------------------------- 32-bit execution

def emulated_i386():
    """True when i386 programs run through qemu-user (binfmt_misc)."""
    try:
        text = Path("/proc/sys/fs/binfmt_misc/qemu-i386").read_text()
    except OSError:
        return False
    return text.startswith("enabled")


def _check_i386_runs():
    """Fails clearly when this machine cannot start a 32-bit program."""
    loader = "/usr/lib/wine/wine"
    if not os.path.exists(loader):
        raise ScenarioError(f"{loader} is missing: install wine32:i386 (scripts/setup)")
    try:
        subprocess.run([loader, "--version"], capture_output=True, timeout=60, check=True)
    except OSError as error:
        raise ScenarioError(
            f"{loader} cannot run here ({error}). This kernel does not run 32-bit code; "
            "scripts/setup registers qemu-i386 with binfmt_misc for that case") from None
    except subprocess.SubprocessError as error:
        raise ScenarioError(f"{loader} --version failed: {error}") from None


def _build_preload(folder):
    """Builds the qemu shim (32-bit) and a do-nothing twin (64-bit) in a
    folder named after the shim's source, laid out so that
    LD_PRELOAD=<that folder>/$LIB/wine_qemu_shim.so picks the right one.
    Gives that folder."""
    source = HERE / "emulation/wine_qemu_shim.c"
    folder = folder / hashlib.sha1(source.read_bytes()).hexdigest()[:12]
    lib32 = folder / "lib/i386-linux-gnu/wine_qemu_shim.so"
    lib64 = folder / "lib/x86_64-linux-gnu/wine_qemu_shim.so"
    if lib32.exists() and lib64.exists():
        return folder
    for lib in (lib32, lib64):
        lib.parent.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(dir=folder) as tmp:
        obj = Path(tmp) / "shim32.o"
        _run(["gcc", "-m32", "-O2", "-fPIC", "-ffreestanding", "-fno-stack-protector", "-Wall", "-Werror",
              "-c", str(source), "-o", str(obj)])
        _run(["ld", "-m", "elf_i386", "-shared", "-o", str(Path(tmp) / "32.so"), str(obj)])
        empty = Path(tmp) / "empty.c"
        empty.write_text("void blinkery_wine_qemu_shim_unused(void) {}\n")
        _run(["gcc", "-shared", "-fPIC", "-o", str(Path(tmp) / "64.so"), str(empty)])
        os.replace(Path(tmp) / "32.so", lib32)
        os.replace(Path(tmp) / "64.so", lib64)
    return folder


def run_captured(argv, env=None, cwd=None, timeout=None):
    """Runs a command and gives (exit code, stdout bytes, stderr bytes).
    Output goes through files, not pipes: a Wine program may start the
    desktop process or a wineserver, which would inherit a pipe and keep
    it open long after the program itself has ended."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        process = subprocess.Popen(argv, env=env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        try:
            code = process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
            raise
        out.seek(0)
        err.seek(0)
        return code, out.read(), err.read()


def _run(argv, env=None, cwd=None, timeout=None):
    code, out, err = run_captured([str(a) for a in argv], env=env, cwd=cwd, timeout=timeout)
    if code != 0:
        raise ScenarioError(f"{' '.join(map(str, argv))} failed ({code}):\n"
                            f"{out.decode(errors='replace')}{err.decode(errors='replace')}")
    return out.decode(errors="replace")


def wine_env(prefix, display=None):
    """The environment for every Wine command on the given prefix."""
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "WINEARCH", "WINELOADER", "WINESERVER"):
        env.pop(name, None)
    env["WINEPREFIX"] = str(prefix)
    env["WINEDEBUG"] = "-all"
    # No menu entries on the host, no Mono or Gecko installers.
    env["WINEDLLOVERRIDES"] = "winemenubuilder.exe=d;mscoree,mshtml="
    if display is not None:
        env["DISPLAY"] = display_name(display)
    if emulated_i386():
        folder = _build_preload(e2e_dir() / "preload")
        env["QEMU_RESERVED_VA"] = QEMU_RESERVED_VA
        env["LD_PRELOAD"] = f"{folder}/$LIB/wine_qemu_shim.so"
    return env


def display_name(display):
    """An X display as DISPLAY spells it: a number of ours, or a host's name."""
    return display if isinstance(display, str) else f":{display}"


class HostDisplay:
    """The X display the user already has (make run on a desktop)."""

    def __init__(self, name):
        self.display = name

    def stop(self):
        pass


def kill_wineserver(prefix):
    """Ends every process of this prefix (and nothing else) and waits until
    its wineserver has written the registry files. A new prefix has none
    until its wineserver ends, so the folder alone decides."""
    if not Path(prefix).is_dir():
        return
    env = wine_env(prefix)
    with contextlib.suppress(subprocess.SubprocessError, OSError):
        subprocess.run([WINESERVER, "-k"], env=env, capture_output=True, timeout=30)
    with contextlib.suppress(subprocess.SubprocessError, OSError):
        subprocess.run([WINESERVER, "-w"], env=env, capture_output=True, timeout=30)


def _die_with_parent():
    """Runs in a child before exec: the child gets SIGTERM when the harness
    dies (a ctest time-out, say), so no X server or program is left behind."""
    with contextlib.suppress(Exception):
        ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)   # PR_SET_PDEATHSIG


# ------------------------------------------------------------------ Xvfb

class Xvfb:
    """A private X server; it picks a free display number itself
    (-displayfd), so parallel scenarios never collide."""

    def __init__(self, screen=SCREEN):
        read_end, write_end = os.pipe()
        try:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
                 "-screen", "0", f"{screen}x24"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                start_new_session=True, preexec_fn=_die_with_parent)
        finally:
            os.close(write_end)
        try:
            self.display = self._read_display(read_end)
        except Exception:
            self.stop()
            raise
        finally:
            os.close(read_end)

    def _read_display(self, fd, timeout=20):
        deadline = time.monotonic() + timeout
        text = b""
        while b"\n" not in text:
            remaining = deadline - time.monotonic()
            if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
                raise ScenarioError("Xvfb did not start within %d s" % timeout)
            chunk = os.read(fd, 64)
            if not chunk:
                raise ScenarioError("Xvfb exited at start")
            text += chunk
        return int(text.strip())

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


# ------------------------------------------------------------- templates

REGISTRY_COMMON = r"""REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="{screen}"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
"mscoree"=""
"mshtml"=""
"""

REGISTRY_VERSION = r"""REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="{version}"
"""


def _template_stamp():
    wine_version = subprocess.run([WINE64, "--version"], capture_output=True, text=True).stdout.strip()
    return f"recipe {TEMPLATE_RECIPE}\n{wine_version}\nemulated {emulated_i386()}\n"


def _import_registry(prefix, text):
    reg = Path(prefix) / "blinkery-template.reg"
    reg.write_text(text.replace("\n", "\r\n"))
    try:
        _run([WINE64, "regedit", "/S", "Z:" + str(reg.resolve()).replace("/", "\\")],
             env=wine_env(prefix), timeout=120)
    finally:
        reg.unlink()


def _make_base(path):
    """A booted prefix with the shared desktop, warmed up by one 32-bit GUI
    start (fonts cached, desktop created), so scenario starts are quick."""
    env = wine_env(path)
    _run([WINE64, "wineboot", "-i"], env=env, timeout=600)
    # Wine's own fonts (Marlett draws the caption buttons) in the prefix's
    # font folder: a Wine run through qemu does not find its data folder,
    # where a native one takes them from, and both must draw alike.
    fonts = path / "drive_c" / "windows" / "Fonts"
    for font in Path(WINE_FONTS).glob("*.ttf"):
        shutil.copy2(font, fonts / font.name)
    # The user's folders link to the host's home; a program under test must
    # not write there.
    for link in (path / "drive_c" / "users").rglob("*"):
        if link.is_symlink() and os.path.isabs(os.readlink(link)):
            link.unlink()
            link.mkdir()
    _import_registry(path, REGISTRY_COMMON.format(screen=SCREEN))
    try:
        tool_source = wintool_path()
    except ScenarioError:
        kill_wineserver(path)           # a tree without the window tool: no warm-up
        return
    xvfb = Xvfb()
    try:
        tool = path / "drive_c" / APP_FOLDER / "wintool.exe"
        tool.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(tool_source, tool)
        code, out, err = run_captured([WINE, f"C:\\{APP_FOLDER}\\wintool.exe", "list"],
                                      env=wine_env(path, xvfb.display), timeout=300)
        if code != 0:
            raise ScenarioError(f"a 32-bit program does not run in the new prefix (exit {code}):\n"
                                f"{out.decode(errors='replace')}{err.decode(errors='replace')}")
        # The shared desktop shows a task bar; without it each program's
        # windows would be bare X windows.
        if not any(w.cls == "Shell_TrayWnd" for w in parse_wintool(out.decode("utf-8", errors="replace"))):
            raise ScenarioError("the new prefix shows no virtual desktop with a task bar; windows:\n"
                                + out.decode("utf-8", errors="replace"))
        shutil.rmtree(tool.parent)
    finally:
        kill_wineserver(path)
        xvfb.stop()


def template(version):
    """The template prefix for a Windows version, made once per build.
    Safe when several scenarios ask at once (lock file, build then rename).
    Copy it with clone_template, which holds the lock while copying."""
    with _template_lock() as root:
        return _ensure_template(root, version)


def clone_template(version, target):
    """Copies the template of a Windows version to a new prefix. The copy
    is made under the template lock, so a template being remade (another
    build's harness, a new Wine) is never copied half-way."""
    with _template_lock() as root:
        clone_prefix(_ensure_template(root, version), target)
    problem = registry_problem(target, version)
    if problem:
        raise ScenarioError(f"the new prefix {target} is not usable: {problem}")


@contextlib.contextmanager
def _template_lock():
    _check_i386_runs()
    root = e2e_dir() / "templates"
    root.mkdir(parents=True, exist_ok=True)
    with open(root / ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        yield root


def _ensure_template(root, version):
    if version not in KNOWN_VERSIONS:
        raise ScenarioError(f"unknown Windows version {version!r}; use one of {KNOWN_VERSIONS}")
    stamp = _template_stamp()
    target = root / version
    if _stamp_ok(target, stamp, version):
        return target
    base = root / "base"
    if not _stamp_ok(base, stamp, None):
        started = time.monotonic()
        _build_into(base, stamp, _make_base, None)
        print(f"harness: made the base prefix in {time.monotonic() - started:.1f} s", flush=True)

    def finish(path):
        clone_prefix(base, path)
        _import_registry(path, REGISTRY_VERSION.format(version=version))
        kill_wineserver(path)

    started = time.monotonic()
    _build_into(target, stamp, finish, version)
    print(f"harness: made the {version} template in {time.monotonic() - started:.1f} s", flush=True)
    return target


def _stamp_ok(path, stamp, version):
    try:
        if (path / ".blinkery-template").read_text() != stamp:
            return False
    except OSError:
        return False
    return registry_problem(path, version) is None


def read_user_registry(prefix):
    """The prefix's user registry as written by its wineserver:
    {key path: {value name: value text}}, key paths with single
    backslashes, both lower-cased; value texts as in the file."""
    keys = {}
    current = None
    text = Path(prefix, "user.reg").read_text(encoding="utf-8", errors="replace")
    for line in text.splitlines():
        if line.startswith("["):
            name = line[1:line.rindex("]")] if "]" in line else line[1:]
            current = keys.setdefault(name.replace("\\\\", "\\").lower(), {})
        elif current is not None and line.startswith(("\"", "@")) and "=" in line:
            if line.startswith("@"):
                name, value = "@", line.split("=", 1)[1]
            else:
                end = line.index("\"=")
                name, value = line[1:end], line[end + 2:]
            current[name.replace("\\\\", "\\").lower()] = value
    return keys


def registry_problem(prefix, version):
    """What is missing from a prefix's registry files for the scenarios
    (the shared virtual desktop, the Windows version, a booted system
    registry), or None. A prefix copied while its wineserver still held the
    registry in memory has next to nothing on disk, and Wine then runs
    without the desktop: every window a bare X window, screenshots black."""
    prefix = Path(prefix)
    try:
        system_size = (prefix / "system.reg").stat().st_size
        user = read_user_registry(prefix)
    except OSError as error:
        return f"no registry files ({error})"
    if system_size < 1_000_000:
        return f"system.reg holds only {system_size} bytes (not a booted prefix)"
    wanted = [("software\\wine\\explorer", "desktop", '"shell"'),
              ("software\\wine\\explorer\\desktops", "shell", f'"{SCREEN}"')]
    if version is not None:
        wanted.append(("software\\wine", "version", f'"{version}"'))
    for key, name, value in wanted:
        found = user.get(key, {}).get(name)
        if found != value:
            return f"HKCU\\{key} {name} is {found or 'missing'}, not {value}"
    return None


def _build_into(target, stamp, make, version):
    tmp = Path(tempfile.mkdtemp(prefix=f".{target.name}-", dir=target.parent))
    try:
        make(tmp)
        problem = registry_problem(tmp, version)
        if problem:
            raise ScenarioError(f"the new {target.name} prefix is not usable: {problem}")
        (tmp / ".blinkery-template").write_text(stamp)
        if target.exists():
            _remove_tree(target)
        os.rename(tmp, target)
    except BaseException:
        kill_wineserver(tmp)
        _remove_tree(tmp)
        raise


def _remove_tree(path):
    path = Path(path)
    if not path.exists() and not path.is_symlink():
        return
    if os.geteuid() == 0:
        subprocess.run(["chattr", "-R", "-i", str(path)], capture_output=True)
    subprocess.run(["chmod", "-R", "u+w", str(path)], capture_output=True)
    shutil.rmtree(path, ignore_errors=True)


# Files Wine only reads: a copied prefix shares them with its template
# through hard links instead of copying about 1.3 GB each time.
SHARED_SUFFIXES = {".dll", ".exe", ".nls", ".drv", ".sys", ".vxd", ".ocx", ".cpl", ".acm", ".tlb",
                   ".ds", ".com", ".ax", ".ttf", ".fon"}


def clone_prefix(source, target):
    """Copies a prefix; the system binaries are hard links to the source's
    (nothing writes them: a changed Wine version remakes the templates), all
    other files are real copies."""
    source, target = Path(source), Path(target)
    for folder, dirs, files in os.walk(source):
        rel = Path(folder).relative_to(source)
        out = target / rel
        out.mkdir(exist_ok=True)
        shutil.copystat(folder, out)
        for name in dirs + files:
            src, dst = Path(folder) / name, out / name
            if src.is_symlink():
                os.symlink(os.readlink(src), dst)
                if name in dirs:
                    dirs.remove(name)
            elif name in files:
                if src.suffix.lower() in SHARED_SUFFIXES:
                    try:
                        os.link(src, dst)
                        continue
                    except OSError:
                        pass
                shutil.copy2(src, dst)


# ------------------------------------------------------------ INI files

def quiet_defaults(port):
    """Keys that keep a start quiet: no logo, no helper VxD, no direct port
    access. A scenario merges them into its own settings when it wants them
    (and sets "Default Port" itself)."""
    return {
        "Lampwatcher: Main": {"Show Logo at Startup": "0"},
        f"Lampwatcher on COM{port}": {"NoVxd": "1", "No Direct Hardware Acesss": "1"},
    }


def merge_ini(*parts):
    """Merges section dicts; later values win, first appearance sets order."""
    merged = {}
    for part in parts:
        for section, keys in _sections_of(part):
            target = merged.setdefault(section, {})
            for key, value in keys:
                target[key] = value
    return merged


def ini_text(sections):
    """INI text (CR LF lines) from {section: {key: value}}, a list of
    (section, [(key, value)]) pairs, or ready text."""
    if isinstance(sections, str):
        return sections.replace("\r\n", "\n").replace("\n", "\r\n")
    lines = []
    for section, keys in _sections_of(sections):
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in keys)
    return "".join(line + "\r\n" for line in lines)


def _sections_of(sections):
    items = sections.items() if isinstance(sections, dict) else sections
    for section, keys in items:
        pairs = keys.items() if isinstance(keys, dict) else keys
        yield section, [(str(k), str(v)) for k, v in pairs]


class Ini:
    """A profile file as read back: sections and keys in file order, looked
    up without regard to case (the first of duplicates wins, as Windows
    does). Values are trimmed but otherwise kept as written."""

    def __init__(self, text):
        self.text = text
        self.sections = []          # [(name, [(key, value)])]
        current = None
        for raw in re.split(r"[\r\n]+", text):
            line = raw.strip(" \t\x0b\x0c\x1a")
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and "]" in line:
                current = (line[1:line.rindex("]")].strip(), [])
                self.sections.append(current)
            elif current is not None and "=" in line:
                key, value = line.split("=", 1)
                current[1].append((key.strip(), value.strip()))

    def section_names(self):
        return [name for name, _ in self.sections]

    def section(self, name):
        """The (key, value) pairs of a section in file order, or None."""
        for section, keys in self.sections:
            if section.lower() == name.lower():
                return keys
        return None

    def get(self, section, key, default=None):
        for name, value in self.section(section) or []:
            if name.lower() == key.lower():
                return value
        return default

    def __contains__(self, section):
        return self.section(section) is not None

    def __repr__(self):
        return f"Ini({self.sections!r})"


# -------------------------------------------------------------- windows

@dataclass
class Child:
    hwnd: int
    id: int
    visible: bool
    cls: str
    text: str


@dataclass
class Window:
    hwnd: int
    pid: int
    visible: bool
    cls: str
    caption: str
    children: list = field(default_factory=list)

    def texts(self, cls=None):
        """Texts of the child controls (optionally of one class, e.g. "Static")."""
        return [c.text for c in self.children if cls is None or c.cls.lower() == cls.lower()]

    def buttons(self):
        return self.texts("Button")


@dataclass
class Rect:
    left: int
    top: int
    right: int
    bottom: int
    client_left: int
    client_top: int
    client_width: int
    client_height: int


def _unescape(text):
    return re.sub(r"\\(.)", lambda m: {"t": "\t", "r": "\r", "n": "\n"}.get(m.group(1), m.group(1)), text)


def parse_wintool(output):
    """Windows from wintool's W/C lines."""
    windows = []
    for line in output.splitlines():
        fields = [_unescape(f) for f in line.split("\t")]
        if fields[0] == "W" and len(fields) == 6:
            windows.append(Window(int(fields[1], 16), int(fields[2]), fields[3] == "1", fields[4], fields[5]))
        elif fields[0] == "C" and len(fields) == 6 and windows:
            windows[-1].children.append(Child(int(fields[1], 16), int(fields[2]), fields[3] == "1",
                                              fields[4], fields[5]))
    return windows


def format_windows(windows):
    if not windows:
        return "  (no windows)"
    lines = []
    for w in windows:
        state = "" if w.visible else " hidden"
        lines.append(f"  {w.hwnd:#x} [{w.cls}]{state} {w.caption!r}")
        for c in w.children:
            state = "" if c.visible else " hidden"
            lines.append(f"      {c.cls} #{c.id}{state} {c.text!r}")
    return "\n".join(lines)


# ------------------------------------------------------------- scenario

class App:
    """A program started in a scenario's prefix."""

    def __init__(self, scenario, process, log):
        self.scenario = scenario
        self.process = process
        self.log = log

    @property
    def running(self):
        return self.process.poll() is None

    @property
    def returncode(self):
        return self.process.poll()

    def wait_exit(self, timeout=10):
        """Waits for the process to end and gives its exit code; fails with
        the windows still open when it does not end in time."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise ScenarioError(f"the program did not exit within {timeout} s; windows:\n"
                                f"{format_windows(self.scenario.list_windows(all=True))}") from None

    def output(self):
        """What Wine and the program wrote to stdout/stderr."""
        return Path(self.log).read_text(errors="replace")


def _escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\r", "\\r").replace("\n", "\\n")


class ToolServer:
    """A "wintool serve" process in a scenario's prefix: a command a line
    in, its output up to the E line out."""

    def __init__(self, scenario):
        self.log = open(scenario.folder / "wintool-serve.log", "ab")
        self.process = subprocess.Popen([WINE, f"C:\\{APP_FOLDER}\\wintool.exe", "serve"], env=scenario.env,
                                        cwd=scenario.app_dir, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=self.log, start_new_session=True, preexec_fn=_die_with_parent)
        self.pending = b""

    def ask(self, args, timeout):
        command = " ".join(args)
        try:
            self.process.stdin.write(("\t".join(map(_escape, args)) + "\n").encode("utf-8"))
            self.process.stdin.flush()
        except OSError:
            raise ScenarioError(f"wintool {command}: the tool has ended") from None
        deadline = time.monotonic() + timeout
        stream = self.process.stdout.fileno()
        while True:
            match = re.search(rb"(?:^|\n)E\t(\d+)\r?\n", self.pending)
            if match:
                out = self.pending[:match.start()]
                self.pending = self.pending[match.end():]
                return int(match.group(1)), out.decode("utf-8", errors="replace")
            left = deadline - time.monotonic()
            if left <= 0:
                raise ScenarioError(f"wintool {command} hung for {timeout} s")
            ready, _, _ = select.select([stream], [], [], left)
            if ready:
                chunk = os.read(stream, 65536)
                if not chunk:
                    raise ScenarioError(f"wintool {command}: the tool ended without an answer")
                self.pending += chunk

    def stop(self):
        with contextlib.suppress(OSError):
            self.process.stdin.close()
        if self.process.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.process.pid, signal.SIGKILL)
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.process.wait(timeout=10)
        self.process.stdout.close()
        self.log.close()


class Scenario:
    """One run in a fresh prefix of the given Windows version. Use it as a
    context manager: on leaving, every process of the prefix is ended
    (wineserver -k) and the X server stopped, whatever happened; on failure a
    screenshot and the window list are kept in the run folder."""

    def __init__(self, name, version="win98", display=None, folder=None):
        self.name = name
        self.version = version
        self.host_display = display
        self.folder = Path(folder) if folder else e2e_dir() / "run" / name
        self.prefix = self.folder / "prefix"
        self.xvfb = None
        self.apps = []
        self._immutable = []
        self._counter = 0
        self._tool = None

    # --- life cycle
    def __enter__(self):
        if self.prefix.exists():
            kill_wineserver(self.prefix)    # left over from a killed run
        _remove_tree(self.folder)
        self.folder.mkdir(parents=True)
        clone_template(self.version, self.prefix)
        self.app_dir.mkdir(parents=True, exist_ok=True)
        shutil.copy2(exe_path(), self.app_dir / "Blinkery.exe")
        shutil.copy2(wintool_path(), self.app_dir / "wintool.exe")
        try:
            self.xvfb = HostDisplay(self.host_display) if self.host_display else Xvfb()
            # The wineserver outlives short gaps between programs, but not a
            # killed harness by long.
            subprocess.run([WINESERVER, f"-p{SERVER_LINGER_S}"], env=self.env, check=True, timeout=60,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except BaseException:
            self._cleanup()
            raise
        return self

    def __exit__(self, kind, error, tb):
        if kind is not None and not issubclass(kind, Skipped) and self.xvfb is not None:
            with contextlib.suppress(Exception):
                shot = self.screenshot("failure")
                print(f"harness: screenshot at failure: {shot}", file=sys.stderr)
            with contextlib.suppress(Exception):
                windows = format_windows(self.list_windows(all=True))
                (self.folder / "failure-windows.txt").write_text(windows + "\n")
                print(f"harness: windows at failure:\n{windows}", file=sys.stderr)
        self._cleanup()
        return False

    def _cleanup(self):
        if self._tool is not None:
            self._tool.stop()
            self._tool = None
        kill_wineserver(self.prefix)
        for app in self.apps:
            if app.process.poll() is None:
                with contextlib.suppress(ProcessLookupError):
                    os.killpg(app.process.pid, signal.SIGKILL)
            with contextlib.suppress(subprocess.TimeoutExpired):
                app.process.wait(timeout=10)
        if self.xvfb is not None:
            self.xvfb.stop()
        for path in self._immutable:
            subprocess.run(["chattr", "-i", str(path)], capture_output=True)
        self._immutable.clear()

    # --- places
    @property
    def env(self):
        return wine_env(self.prefix, self.xvfb.display if self.xvfb else None)

    @property
    def drive_c(self):
        return self.prefix / "drive_c"

    @property
    def windows_dir(self):
        return self.drive_c / "windows"

    @property
    def app_dir(self):
        return self.drive_c / APP_FOLDER

    @property
    def display(self):
        return self.xvfb.display

    def _path(self, relpath, base=None):
        path = Path(relpath)
        return path if path.is_absolute() else (base or self.drive_c) / path

    # --- files
    def write_ini(self, sections, name=INI_NAME):
        """Writes a profile file into the Windows directory (CR LF lines)."""
        path = self.windows_dir / name
        path.write_bytes(ini_text(sections).encode("cp1252"))
        return path

    def read_ini(self, name=INI_NAME):
        """Reads a profile file back from the Windows directory; None when
        it does not exist."""
        path = self.windows_dir / name
        if not path.exists():
            return None
        return Ini(path.read_bytes().decode("cp1252", errors="replace"))

    def write_file(self, relpath, content):
        """Writes a file (relative to drive C:); str is written as cp1252."""
        path = self._path(relpath)
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(content.encode("cp1252") if isinstance(content, str) else content)
        return path

    def read_file(self, relpath):
        return self._path(relpath).read_bytes()

    def make_readonly(self, relpath):
        """Makes a file or folder (relative to drive C:) unwritable for the
        program. Wine runs as root here, which ignores mode bits, so the
        file is also marked immutable until the scenario ends."""
        path = self._path(relpath)
        path.chmod(path.stat().st_mode & ~0o222)
        if os.geteuid() == 0:
            _run(["chattr", "+i", str(path)])
            self._immutable.append(path)
        return path

    # --- registry
    def import_registry(self, text):
        """Imports REGEDIT4 text (keys and values) into the prefix."""
        _import_registry(self.prefix, text)

    def registry_value(self, key, name):
        """A value as a 32-bit program sees it (HKLM\\Software of the 32-bit
        view): (type, data) as `reg query` shows them, e.g. ("REG_BINARY",
        "05000000"); None when the key or the value is missing."""
        code, out, _ = run_captured([WINE, r"C:\windows\syswow64\reg.exe", "query", key, "/v", name],
                                    env=self.env, timeout=120)
        if code != 0:
            return None
        for line in out.decode(errors="replace").splitlines():
            fields = [f for f in line.strip().split("    ") if f]
            if len(fields) >= 2 and fields[0].lower() == name.lower():
                return fields[1], fields[2] if len(fields) > 2 else ""
        return None

    # --- programs
    def start(self, *args, exe=None, name="blinkery"):
        """Starts Blinkery.exe (or another exe, a Windows path) with the
        given arguments, its current directory being its own folder."""
        exe = exe or f"C:\\{APP_FOLDER}\\Blinkery.exe"
        self._counter += 1
        log = self.folder / f"{name}-{self._counter}.log"
        with open(log, "wb") as out:
            process = subprocess.Popen([WINE, exe, *map(str, args)], env=self.env, cwd=self.app_dir,
                                       stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                                       start_new_session=True, preexec_fn=_die_with_parent)
        app = App(self, process, log)
        self.apps.append(app)
        return app

    def wintool(self, *args, timeout=60):
        """Runs a wintool command in the prefix; gives (exit code, stdout).
        One wintool process serves the scenario's commands (each new Wine
        program costs about a second where 32-bit code is emulated); it
        is started again after it failed."""
        if self._tool is None:
            self._tool = ToolServer(self)
        try:
            code, out = self._tool.ask([str(a) for a in args], timeout)
        except ScenarioError:
            self._tool.stop()
            self._tool = None
            raise
        if code not in (0, 1):
            errors = "\n".join(_unescape(line[2:]) for line in out.splitlines() if line.startswith("X\t"))
            raise ScenarioError(f"wintool {' '.join(map(str, args))} failed ({code}): {errors}")
        return code, out

    @staticmethod
    def _filter(cls, match):
        options = []
        if cls is not None:
            options += ["--class", cls]
        if match != "exact":
            options += ["--match", match]
        return options

    def list_windows(self, all=False):
        """Top-level windows (visible ones, or all) with their children."""
        _, out = self.wintool("list", *(["--all"] if all else []))
        return parse_wintool(out)

    def find_window(self, caption, cls=None, match="exact"):
        """The window now on screen with that caption, or None."""
        code, out = self.wintool("wait", caption, *self._filter(cls, match))
        return parse_wintool(out)[0] if code == 0 else None

    def wait_window(self, caption, cls=None, timeout=20, match="exact", visible=True):
        """Waits for a top-level window; gives it with its child controls."""
        options = self._filter(cls, match) + (["--visible"] if visible else [])
        code, out = self.wintool("wait", caption, *options, "--timeout", int(timeout * 1000),
                                 timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no window {caption!r}{_cls_text(cls)} within {timeout} s; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")
        return parse_wintool(out)[0]

    def wait_gone(self, caption, cls=None, timeout=20, match="exact", visible=False):
        """Waits until no such window exists (visible: until none shows; a
        dialog that is only hidden, as the settings dialog, counts as gone)."""
        options = self._filter(cls, match) + (["--visible"] if visible else [])
        code, _ = self.wintool("gone", caption, *options, "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"window {caption!r}{_cls_text(cls)} still there after {timeout} s; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")

    def wait_message_box(self, caption="Blinkery", timeout=20):
        """Waits for a message box; gives (text, button texts, window)."""
        box = self.wait_window(caption, cls="#32770", timeout=timeout)
        statics = [t for t in box.texts("Static") if t]
        return ("\n".join(statics), box.buttons(), box)

    def press(self, caption, button, cls="#32770", timeout=10):
        """Presses a button ("OK", "&Yes", or "Yes") of a window, by default
        a message box or dialog."""
        code, _ = self.wintool("press", caption, button, *self._filter(cls, "exact"),
                               "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no button {button!r} in a window {caption!r}{_cls_text(cls)} "
                                f"within {timeout} s; windows:\n{format_windows(self.list_windows(all=True))}")

    def answer(self, caption, button, timeout=10):
        """Presses a message box button and waits until that box is gone,
        so that a following wait_message_box sees the next box."""
        code, out = self.wintool("press", caption, button, "--class", "#32770", "--visible",
                                 "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no button {button!r} in a message box {caption!r} within {timeout} s; "
                                f"windows:\n{format_windows(self.list_windows(all=True))}")
        box = parse_wintool(out)[0]
        self.wait_gone(f"hwnd:{box.hwnd:#x}", timeout=timeout)

    def close(self, caption, cls=None, timeout=10):
        """Posts WM_CLOSE to the top-level window(s) with that caption."""
        self.post(caption, "WM_CLOSE", cls=cls, timeout=timeout)

    def post(self, caption, msg, wparam=0, lparam=0, cls=None, timeout=10):
        """Posts a message (number or name such as "WM_COMMAND")."""
        code, _ = self.wintool("post", caption, msg, wparam, lparam, *self._filter(cls, "exact"),
                               "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no window {caption!r}{_cls_text(cls)} to post {msg} to; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")

    def send(self, caption, msg, wparam=0, lparam=0, cls=None, timeout=10):
        """Sends a message and gives the result."""
        code, out = self.wintool("send", caption, msg, wparam, lparam, *self._filter(cls, "exact"),
                                 "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no window {caption!r}{_cls_text(cls)} to send {msg} to; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")
        return int(out.strip().split("\t")[1])

    def click_control(self, caption, control_id, cls=None, timeout=10):
        """Posts BM_CLICK to the control with that id in a window (any depth:
        the pages of a dialog too)."""
        self._control("click", caption, control_id, cls=cls, timeout=timeout)

    def set_control_text(self, caption, control_id, text, cls=None, timeout=10):
        """Sets a control's text as typing would (the control reports the change)."""
        self._control("settext", caption, control_id, text, cls=cls, timeout=timeout)

    def tree_select(self, caption, index, cls=None, timeout=10):
        """Selects the index-th top-level node of a window's tree view."""
        self._control("tree-select", caption, index, cls=cls, timeout=timeout)

    def combo_select(self, caption, control_id, index, cls=None, timeout=10):
        """Chooses the index-th item of a combo box as a user would."""
        self._control("combo-select", caption, control_id, index, cls=cls, timeout=timeout)

    def list_items(self, caption, control_id, cls=None, timeout=10):
        """The items of the list or combo box with that id in a window (any depth)."""
        code, out = self.wintool("items", caption, control_id, *self._filter(cls, "exact"),
                                 "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no list {control_id} in a window {caption!r}{_cls_text(cls)}; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")
        return [_unescape(line.split("\t", 1)[1]) for line in out.splitlines() if line.startswith("I\t")]

    def control_checked(self, caption, control_id, cls=None, timeout=10):
        """Whether the check box with that id in a window (any depth) is checked."""
        code, out = self.wintool("checked", caption, control_id, *self._filter(cls, "exact"),
                                 "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no check box {control_id} in a window {caption!r}{_cls_text(cls)}")
        return out.strip().split("\t")[1] == "1"

    def locale_patterns(self):
        """The prefix's short date and long time pictures ("M/d/yyyy",
        "h:mm:ss tt") and its AM and PM texts, as the exe reads them."""
        code, out = self.wintool("locale")
        fields = next((line.split("\t")[1:] for line in out.splitlines() if line.startswith("L\t")), None)
        if code != 0 or fields is None or len(fields) != 4:
            raise ScenarioError(f"no locale from wintool: {out!r}")
        return [_unescape(f) for f in fields]

    def _control(self, command, caption, *args, cls=None, timeout=10):
        code, _ = self.wintool(command, caption, *args, *self._filter(cls, "exact"),
                               "--timeout", int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"{command} {args!r} failed in a window {caption!r}{_cls_text(cls)}; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")

    def rect(self, caption, cls=None, timeout=10, control_id=None):
        """Window rectangle and client area (screen coordinates); with
        control_id, those of the window's control with that id (any depth)."""
        ids = () if control_id is None else (control_id,)
        code, out = self.wintool("rect", caption, *ids, *self._filter(cls, "exact"), "--timeout",
                                 int(timeout * 1000), timeout=timeout + 60)
        if code != 0:
            raise ScenarioError(f"no window {caption!r}{_cls_text(cls)}; windows:\n"
                                f"{format_windows(self.list_windows(all=True))}")
        values = {}
        for line in out.splitlines():
            fields = line.split("\t")
            if fields[0] in ("R", "K"):
                values[fields[0]] = [int(v) for v in fields[1:5]]
        return Rect(*values["R"], *values["K"])

    def hold_file(self, path, seconds):
        """Another program keeps a file (Windows path) open with no sharing
        for that long, as one that locks it would; returns once it holds it."""
        log = self.folder / f"hold-{self._counter}.log"
        self._counter += 1
        with open(log, "wb") as out:
            process = subprocess.Popen([WINE, f"C:\\{APP_FOLDER}\\wintool.exe", "hold", path, str(int(seconds * 1000))],
                                       env=self.env, cwd=self.app_dir, stdin=subprocess.DEVNULL, stdout=out,
                                       stderr=subprocess.STDOUT, start_new_session=True, preexec_fn=_die_with_parent)
        deadline = time.monotonic() + 60
        while b"H" not in log.read_bytes():
            if process.poll() is not None or time.monotonic() > deadline:
                raise ScenarioError(f"wintool could not hold {path}: {log.read_bytes()!r}")
            time.sleep(0.1)
        return process

    def _xdotool(self, *commands):
        env = dict(os.environ, DISPLAY=display_name(self.xvfb.display))
        _run(["xdotool", *map(str, commands)], env=env, timeout=60)

    def click(self, point, button=1, repeat=1):
        """Clicks a mouse button at a screen point, as a user does (xdotool);
        repeat 2 is a double click."""
        self._xdotool("mousemove", point[0], point[1], "sleep", "0.3", "click", "--repeat", repeat,
                      "--delay", 80, button)

    def press_keys(self, *keys):
        """Presses keys in the focused window as a user does (xdotool key
        names: "Up", "Tab", "ctrl+c")."""
        self._xdotool("key", "--delay", 80, *keys)

    def drag(self, start, end, steps=10):
        """Drags with the left mouse button held, as a user does (xdotool);
        start and end are screen points."""
        (x0, y0), (x1, y1) = start, end
        commands = ["mousemove", str(x0), str(y0), "sleep", "0.3", "mousedown", "1", "sleep", "0.3"]
        for i in range(1, steps + 1):
            commands += ["mousemove", str(x0 + (x1 - x0) * i // steps), str(y0 + (y1 - y0) * i // steps),
                         "sleep", "0.05"]
        commands += ["sleep", "0.3", "mouseup", "1"]
        self._xdotool(*commands)

    def screenshot(self, name=None):
        """Saves the whole virtual screen as PNG in the run folder."""
        self._counter += 1
        path = self.folder / f"{name or 'shot'}-{self._counter}.png"
        _run(["import", "-display", display_name(self.display), "-window", "root", str(path)], timeout=60)
        return path

    def screenshot_pixels(self):
        """The screen as a Picture (also unpacks as width, height, RGB rows)."""
        result = subprocess.run(["import", "-display", display_name(self.display), "-window", "root",
                                 "-depth", "8", "ppm:-"],
                                capture_output=True, timeout=60)
        if result.returncode != 0:
            raise ScenarioError(f"import failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
        return Picture(*parse_ppm(result.stdout))

    def wait_screen(self, check, timeout=10, what="the expected picture"):
        """Takes screenshots until check(picture) is true and gives that
        picture. A window is listed before Wine has painted it (much later
        under emulation), so pixel checks wait for their condition. On time-out
        the last screen is saved in the run folder and the step fails."""
        deadline = time.monotonic() + timeout
        while True:
            picture = self.screenshot_pixels()
            if check(picture):
                return picture
            if time.monotonic() >= deadline:
                shot = self.screenshot("timeout")
                raise ScenarioError(f"{what} not on screen within {timeout} s; screenshot {shot}")
            time.sleep(0.2)


@dataclass
class Picture:
    """Screen pixels: RGB rows from the top, 3 bytes a pixel."""
    width: int
    height: int
    rgb: bytes

    def __iter__(self):
        return iter((self.width, self.height, self.rgb))

    def pixel(self, x, y):
        """(r, g, b) at a screen point."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise ScenarioError(f"pixel ({x}, {y}) is outside the {self.width}x{self.height} screen")
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])

    def colours(self, left, top, right, bottom):
        """How often each (r, g, b) occurs in a rectangle (right and bottom
        exclusive, clipped to the screen)."""
        left, top = max(left, 0), max(top, 0)
        right, bottom = min(right, self.width), min(bottom, self.height)
        counts = collections.Counter()
        for y in range(top, bottom):
            row = self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3]
            counts.update(zip(row[0::3], row[1::3], row[2::3]))
        return counts


def parse_ppm(data):
    """(width, height, rgb bytes) of a binary PPM (P6, 8-bit)."""
    tokens = []
    pos = 0
    while len(tokens) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        tokens.append(data[pos:end])
        pos = end
    if tokens[0] != b"P6" or int(tokens[3]) != 255:
        raise ScenarioError("not an 8-bit binary PPM")
    width, height = int(tokens[1]), int(tokens[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    return width, height, pixels


def _cls_text(cls):
    return f" (class {cls})" if cls else ""


# ---------------------------------------------------------------- runner

def gtest_failures(version, returncode, output):
    """What went wrong in a GoogleTest run under Wine: a hang (returncode
    None), a non-zero exit, no passing summary, or a test that skipped."""
    failures = []
    if returncode is None:
        failures.append(f"{version}: the tests hung and were ended")
    elif returncode != 0:
        failures.append(f"{version}: the tests exited with {returncode}")
    if "[  PASSED  ]" not in output:
        failures.append(f"{version}: no passing summary")
    for text in output.splitlines():
        if text.startswith("[  SKIPPED ]") and "." in text:
            failures.append(f"{version}: {text.split()[3]} was skipped")
    return failures


def scenario_name():
    return Path(sys.argv[0]).stem


SKIPPED = 77   # the exit code ctest reads as a skip (SKIP_RETURN_CODE)


class Skipped(Exception):
    """A part of a scenario that this machine cannot run; raised by skip()."""


def skip(reason):
    """Ends the running scenario as skipped: what ran before has passed, the
    rest cannot run on this machine. ctest shows the test as skipped."""
    raise Skipped(reason)


def main(body, versions=VERSIONS, name=None):
    """Runs body(scenario) once per Windows version, each in a fresh prefix;
    prints one line per run and exits non-zero when any failed (77, a skip
    for ctest, when none failed and some were skipped)."""
    name = name or scenario_name()
    failed = skipped = 0
    for version in versions:
        started = time.monotonic()
        try:
            with Scenario(f"{name}/{version}", version) as s:
                body(s)
        except Skipped as reason:
            skipped += 1
            print(f"SKIP {name} [{version}] after {time.monotonic() - started:.1f} s: {reason}", flush=True)
        except Exception as error:  # report every version, then fail
            failed += 1
            print(f"FAIL {name} [{version}] after {time.monotonic() - started:.1f} s: {error}", flush=True)
            if not isinstance(error, ScenarioError):
                traceback.print_exc()
        else:
            print(f"ok   {name} [{version}] {time.monotonic() - started:.1f} s", flush=True)
    print(f"{len(versions) - failed - skipped} passed, {failed} failed, {skipped} skipped", flush=True)
    sys.exit(1 if failed else SKIPPED if skipped else 0)
