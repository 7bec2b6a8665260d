#!/usr/bin/python3
"""Plays a whole quiz through AT-SPI alone, the way a screen reader sees the
game, on a private X server and D-Bus session. Usage: tst_atspi_quiz.py TABULON"""
import os, re, subprocess, sys, tempfile, time

TABLE, QUESTIONS = "7", 20


def outside(program):
    with tempfile.TemporaryDirectory(prefix="tabulon-atspi-") as tmp:
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"],
                                pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            display = os.fdopen(read_end).readline().strip()
            os.mkdir(tmp + "/run", 0o700)
            env = dict(os.environ, DISPLAY=":" + display, XDG_RUNTIME_DIR=tmp + "/run",
                       XDG_CONFIG_HOME=tmp + "/config", QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, "--inside",
                                   program], env=env, timeout=540).returncode
        finally:
            xvfb.kill()
            xvfb.wait()


def wait_for(what, probe, timeout=60):
    """Asks until probe() gives something; an AT-SPI error means "not yet"."""
    from gi.repository import GLib
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):  # the bus' news of new windows
            pass
        try:
            found = probe()
            if found:
                return found
        except Exception:
            pass
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def find(node, match):
    return node if match(node) else next(filter(None, (find(c, match) for c in node if c)), None)


def play(app):
    import pyatspi
    has = lambda node, state: node.getState().contains(state)
    press = lambda node: node.queryAction().doAction(0)  # Qt's first action is Press
    key = lambda keysym: pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    window = wait_for("the window", lambda: find(app, lambda n: n.name == "Tabulon 1.1"))
    button = lambda within, name: wait_for(name, lambda: find(within, lambda n: n.getRole(
        ) == pyatspi.ROLE_PUSH_BUTTON and n.name == name and has(n, pyatspi.STATE_SHOWING)))

    # No window manager gives the window the keyboard: a click does.
    x, y, _, _ = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + 2, y + 2, "b1c")
    wait_for("the window active", lambda: has(window, pyatspi.STATE_ACTIVE))
    # Qt's combo box has no action that chooses an entry: focus it, press Down.
    button(window, "Exit").queryAction().doAction(1)  # SetFocus
    combo = find(window, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX)
    key(0xFF09)  # Tab
    wait_for("the table list focused", lambda: has(combo, pyatspi.STATE_FOCUSED))
    while combo.name != TABLE:
        before = combo.name
        key(0xFF54)  # Down
        wait_for("the entry after " + before, lambda: combo.name != before)
    press(button(window, "Start"))

    question = lambda: wait_for("the question", lambda: find(window, lambda n: re.fullmatch(
        r"\d+ times \d+", n.name) and has(n, pyatspi.STATE_SHOWING)))
    answers = lambda: [n for n in question().parent if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    said = lambda prefix: wait_for(prefix, lambda: all(
        b.description.startswith(prefix) for b in answers()))
    for number in range(1, QUESTIONS + 1):
        first, second = map(int, question().name.split(" times "))
        product = str(first * second)
        if number == 1:
            press(next(b for b in answers() if b.name != product))
            said("Wrong, try again. ")
        press(next(b for b in answers() if b.name == product))
        if number < QUESTIONS:
            wait_for("answer %d counted" % number, lambda: find(
                window, lambda n: n.name == "Right answers: %d of %d" % (number, QUESTIONS)))
            said("Right. ")

    prompt = wait_for("the name prompt", lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_DIALOG))
    said("Quiz finished in ")
    name = find(prompt, lambda n: n.getRole() == pyatspi.ROLE_TEXT)
    name.queryEditableText().setTextContents("Ann")
    press(button(prompt, "OK"))
    listing = wait_for("the listing", lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_ALERT))
    assert find(listing, lambda n: "Ann (" in n.name), "the name is not in the listing"
    press(button(listing, "OK"))
    wait_for("the Start button", lambda: button(window, "Start").description.startswith("Quiz finished"))
    press(button(window, "Exit"))


def inside(program):
    import pyatspi
    from gi.repository import Atspi
    tabulon = subprocess.Popen([program])
    try:
        app = wait_for("Tabulon on the bus", lambda: next(
            a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "tabulon"))
        app.set_cache_mask(Atspi.Cache.NONE)  # names change: read them afresh
        play(app)
        assert tabulon.wait(timeout=60) == 0
        print("a whole quiz played through AT-SPI")
    finally:
        tabulon.kill()
        tabulon.wait()


if __name__ == "__main__":
    sys.exit(inside(sys.argv[2]) if sys.argv[1] == "--inside" else outside(sys.argv[1]))
