"""Every bitmap and icon embedded in Blinkery.exe loads by its name with
LoadImage and has exactly the pixels of the pixel art (rescheck.exe compares
them with resgen's reference dump); the start-up sound lies beside the exe."""
import struct

import harness as h


def check_wave(path):
    data = path.read_bytes()
    assert data[:4] == b"RIFF" and data[8:16] == b"WAVEfmt ", f"{path} is not a wave file"
    form, channels, rate = struct.unpack("<HHI", data[20:28])
    assert form == 1 and channels == 1, f"{path}: format {form}, {channels} channels"
    seconds = struct.unpack("<I", data[40:44])[0] / (rate * 2)
    assert 0.1 < seconds < 1.0, f"{path} plays {seconds:.2f} s"


def resources(s):
    build = h.build_dir()
    check_wave(build / "Blinkery.wav")
    s.write_file(f"{h.APP_FOLDER}/rescheck.exe", (build / "rescheck.exe").read_bytes())
    s.write_file(f"{h.APP_FOLDER}/pictures.txt", (build / "resources" / "pictures.txt").read_bytes())
    app = s.start(f"C:\\{h.APP_FOLDER}\\Blinkery.exe", f"C:\\{h.APP_FOLDER}\\pictures.txt",
                  exe=f"C:\\{h.APP_FOLDER}\\rescheck.exe", name="rescheck")
    code = app.wait_exit(timeout=120)
    output = app.output()
    lines = [line for line in output.splitlines() if line.startswith(("match ", "DIFFERS "))]
    expected = sum(1 for line in (build / "resources" / "pictures.txt").read_text().splitlines()
                   if line.startswith(("bitmap ", "icon ")))
    assert code == 0, f"rescheck exited with {code}:\n{output}"
    assert len(lines) == expected and all(line.startswith("match ") for line in lines), output
    print(f"     {len(lines)} pictures match")


h.main(resources)
