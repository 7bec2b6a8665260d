#!/usr/bin/python3
"""Installs Tabulon into a temporary prefix and moves the tree elsewhere, then
starts bin/tabulon from another directory on a private X server, answers by
keyboard until both faces have shown, each the very picture of the install
tree, and ends the program with Alt+E.

usage: installed_program.py BUILD_DIR SOURCE_DIR
"""
import configparser, filecmp, os, struct, subprocess, sys, tempfile, time
from PIL import Image

APP_ID = "example.tabulon.Tabulon"
PICTURE_ORIGIN = (188, 188)  # the picture box, in the window's layout


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, **kwargs).stdout


def wait_for(what, probe, timeout=10):
    deadline = time.monotonic() + timeout
    while not (found := probe()):
        assert time.monotonic() < deadline, "timed out waiting for " + what
        time.sleep(0.05)
    return found


def check_tree(prefix, source_dir):
    """The program lies in the tree with the game's own media beside it; the
    menu entry starts the installed command and names the installed icon."""
    program_dir = os.path.dirname(os.path.realpath(os.path.join(prefix, "bin", "tabulon")))
    assert program_dir.startswith(os.path.realpath(prefix) + os.sep), "program outside the tree: " + program_dir
    for name in ("0.wav", "smile.gif", "sad.gif"):
        assert filecmp.cmp(os.path.join(program_dir, name), os.path.join(source_dir, "media", name), shallow=False), \
            name + " differs from the source media"
    entry = configparser.ConfigParser(interpolation=None)
    entry.read(os.path.join(prefix, "share", "applications", APP_ID + ".desktop"))
    desktop = entry["Desktop Entry"]
    assert os.path.exists(os.path.join(prefix, "bin", desktop["Exec"].split()[0])), "Exec is not in bin/"
    icon = os.path.join(prefix, "share", "icons", "hicolor", "scalable", "apps", desktop["Icon"] + ".svg")
    assert os.path.isfile(icon), "no icon named " + desktop["Icon"]
    return program_dir


def recolour(path):
    """Swaps red and blue in the GIF's palette, so that a face on the screen
    can only have come from this very file; returns its opaque pixels."""
    with Image.open(path) as image:
        image.load()
    palette = image.getpalette()
    palette[0::3], palette[2::3] = palette[2::3], palette[0::3]
    image.putpalette(palette)
    target = os.path.realpath(path)
    os.unlink(target)
    image.save(target, transparency=image.info["transparency"])
    with Image.open(target) as saved:
        rgba = saved.convert("RGBA")
    return {(x, y): rgba.getpixel((x, y))[:3]
            for y in range(rgba.height) for x in range(rgba.width) if rgba.getpixel((x, y))[3] == 255}


def screenshot(window, env):
    """The window as xwd dumps it from Xvfb's 24-bit screen: 32 bits a
    pixel, least significant byte (blue) first."""
    dump = run("xwd", "-silent", "-id", window, env=env)
    header = struct.unpack(">25I", dump[:100])
    assert header[7] == 0 and header[11] == 32, "unexpected screen format"
    width, height, bytes_per_line, colours = header[4], header[5], header[12], header[19]
    return Image.frombuffer("RGB", (width, height), dump[header[0] + 12 * colours:], "raw", "BGRX", bytes_per_line, 1)


def shown_face(shot, faces):
    x0, y0 = PICTURE_ORIGIN
    return next((name for name, pixels in faces.items()
                 if all(shot.getpixel((x0 + x, y0 + y)) == colour for (x, y), colour in pixels.items())), None)


def play(prefix, faces, work):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env.update(DISPLAY=":" + os.fdopen(read_end).readline().strip(), QT_QPA_PLATFORM="xcb", NO_AT_BRIDGE="1",
               HOME=work, XDG_CONFIG_HOME=work, XDG_RUNTIME_DIR=work)
    os.mkdir(os.path.join(work, "elsewhere"))
    tabulon = None
    try:
        tabulon = subprocess.Popen([os.path.join(prefix, "bin", "tabulon")], cwd=os.path.join(work, "elsewhere"), env=env)
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", "Tabulon 1.1",
                     env=env, timeout=60).split()[0]
        run("xdotool", "windowfocus", "--sync", window, env=env)
        key = lambda *keys: run("xdotool", "key", "--clearmodifiers", *keys, env=env)
        key("Tab", "Tab", "Tab", "Down", "alt+s")  # from Start round to the table list, table 1, start
        time.sleep(0.3)
        assert shown_face(screenshot(window, env), faces) is None, "a face shows before the first answer"
        # One of the keys 1, 2 and 3 is always right, so going round them
        # brings right and wrong answers alike.
        seen = set()
        for answer in range(30):
            key(str(answer % 3 + 1))
            seen.add(wait_for("a face", lambda: shown_face(screenshot(window, env), faces)))
            if seen == set(faces):
                break
        assert seen == set(faces), "only %s shown in 30 answers" % sorted(seen)
        key("alt+e")
        assert tabulon.wait(timeout=10) == 0, "the program ended with an error"
    finally:
        if tabulon:
            tabulon.kill()
            tabulon.wait()
        xvfb.terminate()  # lets it remove its lock and socket
        xvfb.wait()


def main():
    build_dir, source_dir = map(os.path.abspath, sys.argv[1:3])
    with tempfile.TemporaryDirectory(prefix="tabulon-install-") as work:
        run("cmake", "--install", build_dir, "--prefix", os.path.join(work, "first"))
        prefix = os.path.join(work, "moved", "prefix")
        os.renames(os.path.join(work, "first"), prefix)
        program_dir = check_tree(prefix, source_dir)
        faces = {name: recolour(os.path.join(program_dir, name + ".gif")) for name in ("smile", "sad")}
        play(prefix, faces, work)


if __name__ == "__main__":
    main()
