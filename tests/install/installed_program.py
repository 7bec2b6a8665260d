#!/usr/bin/python3
"""Installs Tabulon into a temporary prefix and moves the tree, then starts
bin/tabulon from elsewhere on DISPLAY's X server (see private_x.py), answers by
keyboard until both faces, each the very picture of the tree, have shown, and
ends it with Alt+E. usage: installed_program.py BUILD_DIR SOURCE_DIR APP_ID
"""
import filecmp, os, pathlib, struct, subprocess, sys, tempfile, time
from PIL import Image

APP_ID = sys.argv[3]
X0, Y0 = 188, 188  # the picture box, in the window's layout


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, **kwargs).stdout


def check_tree(prefix, source_dir):
    """The program and the game's media lie in the tree; the menu entry runs bin/ and names the icon."""
    program_dir = os.path.dirname(os.path.realpath(os.path.join(prefix, "bin", "tabulon")))
    assert program_dir.startswith(os.path.realpath(prefix) + os.sep), "program outside the tree: " + program_dir
    for name in ("0.wav", "smile.gif", "sad.gif"):
        assert filecmp.cmp(os.path.join(program_dir, name), os.path.join(source_dir, "media", name), False), name
    entry = pathlib.Path(prefix, "share", "applications", APP_ID + ".desktop").read_text().splitlines()
    desktop = dict(line.split("=", 1) for line in entry if "=" in line)
    assert os.path.exists(os.path.join(prefix, "bin", desktop["Exec"].split()[0])), "Exec is not in bin/"
    assert os.path.isfile(os.path.join(prefix, "share/icons/hicolor/scalable/apps", desktop["Icon"] + ".svg"))
    return program_dir


def recolour(path):
    """Swaps red and blue in the GIF's palette, so that only this very file shows so; returns its opaque pixels."""
    with Image.open(path) as image:
        image.load()
    palette = image.getpalette()
    palette[0::3], palette[2::3] = palette[2::3], palette[0::3]
    image.putpalette(palette)
    os.unlink(target := os.path.realpath(path))
    image.save(target, transparency=image.info["transparency"])
    rgba = image.convert("RGBA")
    return {(i % rgba.width, i // rgba.width): p[:3] for i, p in enumerate(rgba.getdata()) if p[3] == 255}


def shown_face(window, faces):
    """The face in the picture box, as xwd dumps the window: 32 bits a pixel, blue first."""
    dump = run("xwd", "-silent", "-id", window)
    header = struct.unpack(">25I", dump[:100])
    width, height, bytes_per_line, colours = header[4], header[5], header[12], header[19]
    shot = Image.frombuffer("RGB", (width, height), dump[header[0] + 12 * colours:], "raw", "BGRX", bytes_per_line, 1)
    return next((name for name, pixels in faces.items()
                 if all(shot.getpixel((X0 + x, Y0 + y)) == colour for (x, y), colour in pixels.items())), None)


def play(prefix, faces, work):
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env.update(QT_QPA_PLATFORM="xcb", NO_AT_BRIDGE="1", HOME=work, XDG_CONFIG_HOME=work, XDG_RUNTIME_DIR=work)
    os.mkdir(elsewhere := os.path.join(work, "elsewhere"))
    tabulon = subprocess.Popen([os.path.join(prefix, "bin", "tabulon")], cwd=elsewhere, env=env)
    try:
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tabulon ", timeout=60).split()[0]
        run("xdotool", "windowfocus", "--sync", window)
        key = lambda *keys: run("xdotool", "key", "--clearmodifiers", *keys)
        key("Tab", "Tab", "Tab", "Down", "alt+s")  # from Start round to the table list, table 1, start
        time.sleep(0.3)
        assert shown_face(window, faces) is None, "a face shows before the first answer"
        # Keys 1, 2 and 3 in turn: one of them is always right, so both faces come in a few answers.
        seen, deadline = set(), time.monotonic() + 30
        for answer in range(30):
            key(str(answer % 3 + 1))
            while not (face := shown_face(window, faces)):
                assert time.monotonic() < deadline, "no face after %d answers" % (answer + 1)
            seen.add(face)
            if seen == set(faces):
                break
        assert seen == set(faces), "only %s shown in 30 answers" % sorted(seen)
        key("alt+e")
        assert tabulon.wait(timeout=10) == 0, "the program ended with an error"
    finally:
        tabulon.kill()
        tabulon.wait()


with tempfile.TemporaryDirectory(prefix="tabulon-install-") as work:
    run("cmake", "--install", sys.argv[1], "--prefix", os.path.join(work, "first"))
    prefix = os.path.join(work, "moved", "prefix")
    os.renames(os.path.join(work, "first"), prefix)
    program_dir = check_tree(prefix, sys.argv[2])
    play(prefix, {name: recolour(os.path.join(program_dir, name + ".gif")) for name in ("smile", "sad")}, work)
