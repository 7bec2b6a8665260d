#!/usr/bin/python3
# Plays a whole quiz by keyboard with the screen reader Orca (default
# settings) and checks what it says, and how soon after the key. Everything
# runs privately and stops at the end: an X server, a window manager, D-Bus
# and AT-SPI buses, and a speech server whose one voice writes down each
# utterance and takes as long as speaking it would, so that a phrase cut off
# shows. The answers are read off the screen through AT-SPI.
# tst_orca_quiz.py TABULON
import atexit, os, re, shutil, subprocess, sys, tempfile, time

# Seconds: the longest wait for what a key should make heard (longer in the
# sanitizer build, which checks memory there, not time).
PROMPT = float(os.environ.get("TABULON_PROMPT_SECONDS", 0.5))
home = tempfile.mkdtemp(prefix="tabulon-orca-")
said = os.path.join(home, "said")
os.environ.update(HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home + "/config",
                  XDG_DATA_HOME=home + "/data", XDG_CACHE_HOME=home + "/cache")
for own in ("AT_SPI_BUS_ADDRESS", "SPEECHD_ADDRESS", "WAYLAND_DISPLAY"):  # a desktop's, not ours
    os.environ.pop(own, None)
started, passed = [], False


@atexit.register
def stop_all():
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    if passed:
        shutil.rmtree(home)
    else:
        print("Kept, with Orca's debug log:", home)


def start(*command, **options):
    started.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options))
    return started[-1]


def read_from(*command):
    """Starts a server that writes where it listens on the pipe given last."""
    read_end, write_end = os.pipe()
    start(*command, str(write_end), pass_fds=[write_end])
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return pipe.readline().strip()


def write(path, text, mode=0o644):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as file:
        file.write(text)
    os.chmod(path, mode)


speech = home + "/config/speech-dispatcher/"
write(speech + "speechd.conf", 'AddModule "file" "sd_generic" "file.conf"\nDefaultModule file\n'
      'DefaultLanguage "en"\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
# One call for each utterance, whatever its sentences; 60 ms a character.
write(speech + "modules/file.conf", f'GenericExecuteSynth "{home}/voice \'$DATA\'"\n'
      'GenericLanguage "en" "en" "utf-8"\nAddVoice "en" "MALE1" "file"\n'
      'GenericDelimiters "~"\nGenericMaxChunkLength 10000\n')
write(home + "/voice", f'#!/bin/sh\necho "$(date +%s.%N) $(printf %s "$1" | tr "\\r\\n\\t" "   ")" >> {said}\n'
      f'sleep $(printf "%d.%02d" $((${{#1}} * 6 / 100)) $((${{#1}} * 6 % 100)))\necho done >> {said}\n', 0o755)
write(said, "")

os.environ["DISPLAY"] = ":" + read_from("Xvfb", "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24",
                                        "-displayfd")
os.environ["DBUS_SESSION_BUS_ADDRESS"] = read_from("dbus-daemon", "--session", "--nofork", "--print-address")
start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
start("xfwm4", "--compositor=off", "--sm-client-disable")  # Orca follows the active window
start("speech-dispatcher", "--run-single", "--timeout", "0")
for _ in range(600):  # else Orca would start a speech server of its own
    if os.path.exists(home + "/speech-dispatcher/speechd.sock"):
        break
    time.sleep(0.1)
start("orca", "--debug-file=" + home + "/orca.log")

keys = []  # (time, key name)


def heard_all():
    """What was said: (start time, text, spoken to its end)."""
    lines = open(said).read().split("\n")[:-1]  # whole lines only
    return [(float(line.split(" ", 1)[0]), line.split(" ", 1)[1].strip(), lines[i + 1:i + 2] == ["done"])
            for i, line in enumerate(lines) if line != "done"]


@atexit.register
def record():
    print("What Orca said, after which key and how long after it:")
    for t, text, whole in heard_all():
        key = max((k for k in keys if k[0] <= t), default=(t, ""))
        print("  %-7s +%.3f s  %s%s" % (key[1], t - key[0], text, "" if whole else "  [cut off]"))


def hear(pattern, since, prompt=False, whole=True, timeout=60):
    """Waits for an utterance that matches pattern, begun after since, and
    with whole until it has been spoken to its end; with prompt, it must
    begin within PROMPT."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for t, text, spoken in heard_all():
            if t >= since and (found := re.search(pattern, text)):
                assert not prompt or t - since < PROMPT, "%r began %.3f s after the key" % (text, t - since)
                if spoken or not whole:
                    time.sleep(0.2)  # for anything said after it
                    return found
        time.sleep(0.05)
    raise AssertionError("never heard %r to its end" % pattern)


def key(name):
    keys.append((time.time(), name))
    subprocess.run(["xdotool", "key", name], check=True)
    return keys[-1][0]


hear(r"^Screen reader on", 0, timeout=180)
import pyatspi
from gi.repository import Atspi

game = subprocess.Popen([sys.argv[1]])
try:
    hear(r"^Tabulon 1\.1 frame", 0)
    hear(r"^Start push button", 0)
    for _ in range(3):
        key("Tab")
    hear(r"^Choose Multiplication Table combo box", keys[-1][0])
    hear(r"^\(select table\)\. Choose a table", keys[-1][0])
    for name, entry in [("Down", 1), ("Down", 2), ("Down", 3), ("Up", 2)]:
        hear(r"^%d\.?$" % entry, key(name), prompt=True)
    hear(r"^\d+ push button", key("alt+s"))
    question = hear(r"^(\d+) times (\d+)\. Key 1", keys[-1][0])
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "tabulon")
    app.set_cache_mask(Atspi.Cache.NONE)  # captions change: read them afresh
    for number in range(1, 21):
        captions = [b.name for b in pyatspi.findAllDescendants(
            app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name.isdigit())]
        product = str(int(question[1]) * int(question[2]))
        assert captions.count(product) == 1, "%s times %s is not one of %s" % (*question.groups(), captions)
        if number == 1:
            wrong = next(c for c in captions if c != product)
            hear(r"^Wrong, try again\.?$", key(str(1 + captions.index(wrong))), prompt=True)
        last = key(str(1 + captions.index(product)))
        if number < 20:
            question = hear(r"^Right\. (\d+) times (\d+)\.?$", last, prompt=True)
        if number == 2:  # the next answer, with the question, and still keys
            hear(r"^\d+ push button", key("Tab"))
            hear(r"^%s times %s\. Key 2" % question.groups(), keys[-1][0])
        if number == 3:
            hear(r"^Right answers: 3 of 20\. Wrong answers: 1\. Time taken: \d+ seconds?\.?$", key("0"), prompt=True)
    hear(r"^Quiz finished in \d+ seconds?\.?$", last, prompt=True)
    hear(r"^You have created a new High score dialog", last)
    for letter in "Ann":
        hear(r"^%s$" % letter, key(letter))
    hear(r"Table 2 *Ann \( *\d+ sec", key("Return"), whole=False)
    hear(r"^Start push button", key("Return"))
    key("alt+e")
    assert game.wait(timeout=60) == 0, "Exit did not end the game"
finally:
    game.kill()
    game.wait()

# Each answer, entry and the counters are told in one utterance besides the
# key's own echo, the end of the quiz at once after the last answer, and once.
heard = heard_all()
for (begin, name), (end, _) in zip(keys, keys[1:]):
    if name in ("0", "1", "2", "3", "Down", "Up"):
        told = [(text, whole) for t, text, whole in heard if begin <= t < end and text != name]
        assert len(told) == 1 or told and begin == last and told[0][0].startswith("Quiz finished"), told
assert sum(text.startswith("Quiz finished") for t, text, whole in heard) == 1, "the end told twice"
passed = True
