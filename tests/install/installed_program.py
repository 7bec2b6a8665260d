#!/usr/bin/python3
"""Installs Tabulon into a temporary prefix, moves the tree elsewhere, starts
the installed program through bin/tabulon from an unrelated directory under a
private X server (and the test run's private sound server), starts a quiz
with the keyboard, plays a few answers with real mouse clicks, checks that
the faces shown are the pictures of the install tree, and ends the program
with Alt+E.

usage: installed_program.py BUILD_DIR SOURCE_DIR
"""

import configparser
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

from PIL import Image

APP_ID = "example.tabulon.Tabulon"
MEDIA = ("0.wav", "smile.gif", "sad.gif")
WINDOW_TITLE = "Tabulon 1.1"

# Client-area pixel positions, from the main window's layout.
TABLE_LIST = (274, 68)
ANSWER_BUTTONS = ((123, 154), (202, 154), (280, 154))
PICTURE_ORIGIN = (188, 188)


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True,
                          timeout=60, **kwargs).stdout


def check_layout(prefix, source_dir):
    link = os.path.join(prefix, "bin", "tabulon")
    check(os.path.islink(link), "bin/tabulon is not a link")
    check(not os.path.isabs(os.readlink(link)),
          "bin/tabulon is an absolute link: " + os.readlink(link))
    program = os.path.realpath(link)
    check(os.path.isfile(program) and os.access(program, os.X_OK),
          "bin/tabulon does not lead to an executable")
    program_dir = os.path.dirname(program)
    check(program_dir.startswith(os.path.realpath(prefix) + os.sep),
          "the program lies outside the install tree: " + program_dir)
    for name in MEDIA:
        installed = os.path.join(program_dir, name)
        check(os.path.isfile(installed), name + " is not beside the program")
        with open(installed, "rb") as a, \
                open(os.path.join(source_dir, "media", name), "rb") as b:
            check(a.read() == b.read(), name + " differs from the source media")
    return program_dir


def check_desktop_entry(prefix):
    """The menu entry must start the installed command and name the installed
    icon, or the menu shows a broken or blank entry."""
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(os.path.join(prefix, "share", "applications", APP_ID + ".desktop"))
    desktop = entry["Desktop Entry"]
    command = desktop["Exec"].split()[0]
    check(os.path.exists(os.path.join(prefix, "bin", command)),
          "the desktop entry starts '%s', which is not in bin/" % command)
    icon = os.path.join(prefix, "share", "icons", "hicolor", "scalable", "apps",
                        desktop["Icon"] + ".svg")
    check(os.path.isfile(icon), "no icon named " + desktop["Icon"])


def recolour(path):
    """Swaps red and blue in a GIF's palette, so the picture on the screen
    can only have come from this very file."""
    with Image.open(path) as image:
        image.load()
        transparency = image.info.get("transparency")
        palette = image.getpalette()
        for i in range(0, len(palette), 3):
            palette[i], palette[i + 2] = palette[i + 2], palette[i]
        image.putpalette(palette)
        target = os.path.realpath(path)
        os.unlink(target)
        if transparency is None:
            image.save(target)
        else:
            image.save(target, transparency=transparency)


def opaque_pixels(path):
    with Image.open(path) as image:
        rgba = image.convert("RGBA")
    return {(x, y): rgba.getpixel((x, y))[:3]
            for y in range(rgba.height) for x in range(rgba.width)
            if rgba.getpixel((x, y))[3] == 255}


class XwdImage:
    """A window dump as written by xwd, for 24/32-bit true-colour screens."""

    def __init__(self, data):
        fields = struct.unpack(">25I", data[:100])
        header_size, bits_per_pixel = fields[0], fields[11]
        self.byte_order, self.bytes_per_line = fields[7], fields[12]
        self.masks = fields[14:17]
        self.width, self.height = fields[4], fields[5]
        colours = fields[19]
        check(bits_per_pixel == 32, "unexpected screen format: %d bits a pixel" % bits_per_pixel)
        self.pixels = data[header_size + 12 * colours:]

    def rgb(self, x, y):
        offset = y * self.bytes_per_line + 4 * x
        value = int.from_bytes(self.pixels[offset:offset + 4],
                               "little" if self.byte_order == 0 else "big")
        return tuple((value & mask) >> ((mask & -mask).bit_length() - 1) for mask in self.masks)


class Session:
    def __init__(self, work):
        self.work = work
        self.xvfb = None
        self.program = None

    def start_display(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        check(number, "Xvfb did not start")
        self.display = ":" + number

    def environment(self):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "XDG_"))}
        runtime = os.path.join(self.work, "runtime")
        os.makedirs(runtime, mode=0o700)
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                   HOME=os.path.join(self.work, "home"),
                   XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                   XDG_RUNTIME_DIR=runtime, NO_AT_BRIDGE="1")
        return env

    def start_program(self, link, cwd):
        self.env = self.environment()
        self.log = open(os.path.join(self.work, "program.log"), "w+")
        self.program = subprocess.Popen([link], cwd=cwd, env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        try:
            found = run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                        WINDOW_TITLE, env=self.env)
        except subprocess.TimeoutExpired:
            fail("no window titled '%s' appeared; program output:\n%s"
                 % (WINDOW_TITLE, self.program_output()))
        self.window = found.split()[0]
        self.xdotool("windowfocus", "--sync", self.window)

    def program_output(self):
        self.log.seek(0)
        return self.log.read()

    def xdotool(self, *args):
        return run("xdotool", *args, env=self.env)

    def click(self, position):
        check(self.program.poll() is None,
              "the program ended; its output:\n" + self.program_output())
        self.xdotool("mousemove", "--window", self.window, str(position[0]), str(position[1]),
                     "click", "1")

    def screenshot(self):
        dump = subprocess.run(["xwd", "-silent", "-id", self.window], check=True,
                              capture_output=True, timeout=60, env=self.env).stdout
        return XwdImage(dump)

    def stop(self):
        for process in (self.program, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()


def shown_face(shot, faces):
    for name, pixels in faces.items():
        if all(shot.rgb(PICTURE_ORIGIN[0] + x, PICTURE_ORIGIN[1] + y) == colour
               for (x, y), colour in pixels.items()):
            return name
    return None


def wait_for_face(session, faces, previous, patience):
    """The face after a click: a change shows at once; an unchanged face
    (a second wrong answer in a row, say) is taken after the patience."""
    deadline = time.monotonic() + patience
    while True:
        face = shown_face(session.screenshot(), faces)
        if face != previous or time.monotonic() > deadline:
            return face
        time.sleep(0.05)


def play(session, faces):
    session.click(TABLE_LIST)
    session.xdotool("key", "--clearmodifiers", "Down", "Return")
    session.xdotool("key", "--clearmodifiers", "alt+s")
    time.sleep(0.3)
    check(shown_face(session.screenshot(), faces) is None,
          "a face shows before the first answer")

    # One of the three buttons is always right, so going round them brings
    # right and wrong answers alike.
    seen, face = set(), None
    for clicks in range(30):
        session.click(ANSWER_BUTTONS[clicks % 3])
        face = wait_for_face(session, faces, face, 1.0 if face else 10.0)
        check(face is not None,
              "no face shows after an answer; program output:\n" + session.program_output())
        seen.add(face)
        if seen == set(faces):
            print("both faces shown after %d answers" % (clicks + 1))
            return
    fail("only %s shown in 30 answers" % sorted(seen))


def main():
    build_dir, source_dir = map(os.path.abspath, sys.argv[1:3])
    work = tempfile.mkdtemp(prefix="tabulon-install-")
    session = Session(work)
    try:
        first = os.path.join(work, "first")
        run("cmake", "--install", build_dir, "--prefix", first)
        moved = os.path.join(work, "moved", "prefix")
        os.makedirs(os.path.dirname(moved))
        shutil.move(first, moved)

        program_dir = check_layout(moved, source_dir)
        check_desktop_entry(moved)

        faces = {}
        for name in ("smile", "sad"):
            recolour(os.path.join(program_dir, name + ".gif"))
            faces[name] = opaque_pixels(os.path.join(program_dir, name + ".gif"))

        elsewhere = os.path.join(work, "elsewhere")
        os.makedirs(elsewhere)
        session.start_display()
        session.start_program(os.path.join(moved, "bin", "tabulon"), elsewhere)
        play(session, faces)
        session.xdotool("key", "--clearmodifiers", "alt+e")
        try:
            status = session.program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fail("Alt+E did not end the program")
        check(status == 0, "the program ended with status %d" % status)
    finally:
        session.stop()
        shutil.rmtree(work, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
