#!/usr/bin/python3
# Plays a whole quiz through AT-SPI alone, the way a screen reader sees the
# game, on a private X server of its own; run inside a private D-Bus session
# (dbus-run-session): tst_atspi_quiz.py TABULON
import atexit, contextlib, os, re, subprocess, sys, tempfile, time

read_end, write_end = os.pipe()
# No reset when the last client leaves: the game would find no server while it resets.
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                         "-screen", "0", "1024x768x24"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
os.close(write_end)


@atexit.register
def stop_x_server():
    xvfb.terminate()  # lets it remove its lock and socket
    xvfb.wait()


os.environ["DISPLAY"] = ":" + os.fdopen(read_end).readline().strip()
# The bus starts the AT-SPI registry, which makes the keys and clicks on it.
subprocess.run(["dbus-update-activation-environment", "DISPLAY"], check=True)

import pyatspi
from gi.repository import Atspi, GLib

TABLE, QUESTIONS = "7", 20
has = lambda node, state: node.getState().contains(state)
role = lambda r: lambda node: node.getRole() == r
press = lambda node: node.queryAction().doAction(0)  # Qt's first action is Press
key = lambda keysym: pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def wait_for(what, probe, timeout=60):
    """Asks until probe() gives something; an AT-SPI error means "not yet"."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):  # the bus' news of windows
            pass
        with contextlib.suppress(Exception):
            if found := probe():
                return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def find(node, match):
    return node if match(node) else next(filter(None, (find(c, match) for c in node if c)), None)


def button(within, name):
    return wait_for(name, lambda: find(within, lambda n: role(pyatspi.ROLE_PUSH_BUTTON)(n)
                                       and n.name == name and has(n, pyatspi.STATE_SHOWING)))


def choose_table(window):
    # No window manager gives the window the keyboard: a click does.
    x, y, _, _ = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + 2, y + 2, "b1c")
    wait_for("the window active", lambda: has(window, pyatspi.STATE_ACTIVE))
    # Qt's combo box has no action that chooses an entry: focus it, press Down.
    button(window, "Exit").queryAction().doAction(1)  # SetFocus
    combo = find(window, role(pyatspi.ROLE_COMBO_BOX))
    key(0xFF09)  # Tab
    wait_for("the table list focused", lambda: has(combo, pyatspi.STATE_FOCUSED))
    while combo.name != TABLE:
        before = combo.name
        key(0xFF54)  # Down
        wait_for("the entry after " + before, lambda: combo.name != before)


def play(app, window):
    choose_table(window)
    press(button(window, "Start"))
    question = lambda: wait_for("the question", lambda: find(window, lambda n: re.fullmatch(
        r"\d+ times \d+", n.name) and has(n, pyatspi.STATE_SHOWING)))
    answers = lambda: [n for n in question().parent if role(pyatspi.ROLE_PUSH_BUTTON)(n)]
    said = lambda start: wait_for(start, lambda: all(b.description.startswith(start) for b in answers()))
    for number in range(1, QUESTIONS + 1):
        first, second = map(int, question().name.split(" times "))
        if number == 1:
            press(next(b for b in answers() if b.name != str(first * second)))
            said("Wrong, try again. ")
        press(next(b for b in answers() if b.name == str(first * second)))
        if number < QUESTIONS:
            wait_for("answer %d counted" % number, lambda: find(
                window, lambda n: n.name == "Right answers: %d of %d" % (number, QUESTIONS)))
            said("Right. ")
    prompt = wait_for("the name prompt", lambda: find(app, role(pyatspi.ROLE_DIALOG)))
    said("Quiz finished in ")
    find(prompt, role(pyatspi.ROLE_TEXT)).queryEditableText().setTextContents("Ann")
    press(button(prompt, "OK"))
    listing = wait_for("the listing", lambda: find(app, role(pyatspi.ROLE_ALERT)))
    assert find(listing, lambda n: "Ann (" in n.name), "the name is not in the listing"
    press(button(listing, "OK"))
    wait_for("Start again", lambda: button(window, "Start").description.startswith("Quiz finished"))
    press(button(window, "Exit"))


with tempfile.TemporaryDirectory(prefix="tabulon-atspi-") as home:
    # Scores and runtime files stay in here.
    tabulon = subprocess.Popen([sys.argv[1]], env=dict(os.environ, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home))
    try:
        app = wait_for("Tabulon on the bus", lambda: next(
            a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "tabulon"))
        app.set_cache_mask(Atspi.Cache.NONE)  # names change: read them afresh
        play(app, wait_for("the window", lambda: find(app, lambda n: n.name == "Tabulon 1.1")))
        assert tabulon.wait(timeout=60) == 0, "Exit did not end the game"
    finally:
        tabulon.kill()
        tabulon.wait()
