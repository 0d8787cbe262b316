"""The stand-in modem: the stand-in port I/O library beside the exe serves
the UART registers that standin.ini next to it describes."""
import harness as h

CTS, DSR, RI, DCD = 0x10, 0x20, 0x40, 0x80


def install(s):
    """Copies the stand-in DLPortIO.dll beside Blinkery.exe."""
    library = h.exe_path().parent / "DLPortIO.dll"
    (s.app_dir / "DLPortIO.dll").write_bytes(library.read_bytes())


def set_registers(s, port, msr, mcr=0x03):
    (s.app_dir / "standin.ini").write_bytes(f"[COM{port}]\r\nMSR=0x{msr:02X}\r\nMCR=0x{mcr:02X}\r\n".encode())


def direct_access(port, **keys):
    """Settings for reading the UART directly: no helper VxD, no logo."""
    section = {"NoVxd": "1", "No Direct Hardware Acesss": "0"}
    section.update({k.replace("_", " "): str(v) for k, v in keys.items()})
    return {"Lampwatcher: Main": {"Default Port": str(port), "Show Logo at Startup": "0"},
            f"Lampwatcher on COM{port}": section}
