#!/usr/bin/python3
# Plays a whole quiz by keyboard with the screen reader Orca (default settings, English) listening, and checks what
# it says and how soon after the key, the game in LANGUAGE (English unless given) on that language's keyboard. The
# speech server's one voice writes down each utterance and takes as long as saying it, so that a phrase cut off shows.
# dbus-run-session -- private_x.py tst_orca_quiz.py TABULON [LANGUAGE]
import atexit, os, pathlib, re, shutil, subprocess, sys, tempfile, time
from xml.etree import ElementTree

# Seconds within which a key's effect must be heard (longer in the sanitizer build, which checks memory, not time).
PROMPT = float(os.environ.get("TABULON_PROMPT_SECONDS", 0.5))
language = sys.argv[2] if len(sys.argv) > 2 else "en"
# The keyboard layout a child of the language has, and a name typed on it: every key pressed is one of its own keys
# (a key it lacks would have xdotool remap a spare key code for a moment, which Qt may read after it is undone).
layout, player = {"de": ("de", "Ann"), "ar": ("ara", "سامي")}.get(language, ("us", "Ann"))
home = tempfile.mkdtemp(prefix="tabulon-orca-")
said = pathlib.Path(home, "said")
os.environ.update(HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
                  XDG_CACHE_HOME=home + "/cache", LANGUAGE="en")
for own in ("AT_SPI_BUS_ADDRESS", "SPEECHD_ADDRESS", "WAYLAND_DISPLAY"):  # a desktop's, not ours
    os.environ.pop(own, None)
started, keys, passed = [], [], False  # keys: (time, name)

# The main window's texts, what it announces and the best times, as the translation has each: one text, or one for
# each plural form (one and other in German). English texts are their sources.
translation = os.path.join(os.path.dirname(__file__), f"../translations/tabulon_{language}.ts")
translations = {} if language == "en" else {
    message.findtext("source"): [n.text for n in message.iter("numerusform")] or [message.findtext("translation")]
    for context in ElementTree.parse(translation).iter("context")
    if context.findtext("name") in ("frmMultiiplication", "QuizAnnouncer", "HighScoreListing", "HighScoreCheck")
    for message in context.iter("message")}


def tr(source, *args, form=0, same=False):
    """A pattern for the game's text, with patterns for its arguments %1, %2...; same: a translation may keep it."""
    text = translations[source][form] if translations else source
    assert same or not translations or text != source, "%r is not translated" % source
    return re.sub(r"%(\d)", lambda number: args[int(number[1]) - 1], re.escape(text.replace("&", "")))


SECONDS = "(?:%s)" % "|".join(re.escape(form).replace("%n", r"\d+") for form in translations["%n seconds"]) \
    if translations else r"(?:1 second|(?!1\b)\d+ seconds)"
QUESTION = tr("%1 times %2", r"(\d+)", r"(\d+)")
RIGHT_TO_LEFT = language in ("ar", "fa", "he")
FINISHED = r"^%s\.?$" % tr("Quiz finished in %1", SECONDS)


def key_name(letter):
    """The letter's key as xdotool names it."""
    return letter if letter.isascii() else "U%04X" % ord(letter)


def access_key(caption):
    """Alt and the caption's access key, the letter after & in the translation."""
    text = translations[caption][0] if translations else caption
    return "alt+" + key_name(text[text.index("&") + 1].lower())


def heard_all():
    """What was said: (start time, text, spoken to its end)."""
    lines = said.read_text(encoding="utf-8").split("\n")[:-1]  # whole lines only
    return [(float(line.split(" ", 1)[0]), line.split(" ", 1)[1].strip(), lines[i + 1:i + 2] == ["done"])
            for i, line in enumerate(lines) if line != "done"]


@atexit.register
def stop_all():
    print("What Orca said, after which key and how long after it (in %s, kept if the test fails):" % home)
    for t, text, whole in heard_all():
        key = max((k for k in keys if k[0] <= t), default=(t, ""))
        print("  %-7s +%.3f s  %s%s" % (key[1], t - key[0], text, "" if whole else "  [cut off]"))
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
    if passed:
        shutil.rmtree(home)


def start(*command, **options):
    started.append(subprocess.Popen(command, **{"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL} | options))
    return started[-1]


speech = pathlib.Path(home, "config/speech-dispatcher")
(speech / "modules").mkdir(parents=True)
(speech / "speechd.conf").write_text('AddModule "file" "sd_generic" "file.conf"\nDefaultModule file\n'
                                     'DefaultLanguage "en"\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
# One call for each utterance, whatever its sentences; 60 ms a character.
(speech / "modules/file.conf").write_text(f'GenericExecuteSynth "sh {home}/voice \'$DATA\'"\n'
                                          'GenericLanguage "en" "en" "utf-8"\nAddVoice "en" "MALE1" "file"\n'
                                          'GenericDelimiters "~"\nGenericMaxChunkLength 10000\n')
pathlib.Path(home, "voice").write_text(f'echo "$(date +%s.%N) $(printf %s "$1" | tr "\\r\\n\\t" "   ")" >> {said}\n'
                                      f'sleep $(printf "%d.%02d" $((${{#1}} * 6 / 100)) $((${{#1}} * 6 % 100)))\n'
                                      f'echo done >> {said}\n')
said.touch()
subprocess.run(["setxkbmap", layout], check=True)

# Whatever the bus starts, such as the accessibility bus and the window manager's settings, runs here too.
subprocess.run(["dbus-update-activation-environment", "--all"], check=True)
start("xfwm4", "--compositor=off", "--sm-client-disable")  # Orca follows the active window
speech_server = start("speech-dispatcher", "--run-single", "--timeout", "0")
while not pathlib.Path(home, "speech-dispatcher/speechd.sock").exists():  # else Orca would start a server of its own
    assert speech_server.poll() is None, "the speech server ended"
    time.sleep(0.1)
start("orca", "--debug-file=" + home + "/orca.log")


def hear(pattern, since, prompt=False, whole=True, timeout=60):
    """Waits for an utterance matching pattern begun after since (within PROMPT with prompt), to its end if whole."""
    for _ in range(timeout * 20):
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
    subprocess.run(["xdotool", "key", *name.split()], check=True)
    return keys[-1][0]


hear(r"^Screen reader on", 0, timeout=180)
import pyatspi

game = start(sys.argv[1], stdout=None, stderr=None, env=dict(os.environ, LANGUAGE=language))
hear(r"^Tabulon 1\.1 frame", 0)
hear("^%s combo box" % tr("Choose Multiplication Table"), key("Tab Tab Tab"))
hear(r"^%s\. %s" % (tr("(select table)"), tr("Choose a table, then press Start")), keys[-1][0])
for name, entry in [("Down", 1), ("Down", 2), ("Down", 3), ("Up", 2)]:
    hear(r"^%d\.?$" % entry, key(name), prompt=True)
question = hear(r"^%s\. %s" % (QUESTION, tr("Key %1", "1")), key(access_key("&Start")))
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "tabulon")
app.set_cache_mask(pyatspi.Atspi.Cache.NONE)  # captions change: read them afresh
for number in range(1, 21):
    # The answers in reading order, the order of keys 1 to 3: from the right in a language written right to left.
    answers = pyatspi.findAllDescendants(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name.isdigit())
    answers.sort(key=lambda b: b.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)[0], reverse=RIGHT_TO_LEFT)
    captions = [b.name for b in answers]
    right = captions.index(str(int(question[1]) * int(question[2])))
    if number == 1:  # the next button's answer is wrong
        hear(r"^%s\.?$" % tr("Wrong, try again"), key(str(1 + (right + 1) % 3)), prompt=True)
    last = key(str(1 + right))
    if number < 20:
        question = hear(r"^%s\. %s\.?$" % (tr("Right"), QUESTION), last, prompt=True)
    if number == 3:
        counters = tr("Right answers: %1 of %2", "3", "20"), tr("Wrong answers: %1", "1"), tr("Time taken: %1", SECONDS)
        hear(r"^%s\. %s\. %s\. %s\.?$" % ((tr("%1 times %2", question[1], question[2]),) + counters), key("0"), prompt=True)
    if number == 6:  # where the focus is, five questions after it last moved: the question of now
        shown = tr("%1 times %2", question[1], question[2])
        print("Where am I:", hear(r"^\d+ push button %s\. %s" % (shown, tr("Key %1", "1")), key("KP_Enter"))[0])
hear(FINISHED, last, prompt=True)
hear("^%s dialog" % tr("You have created a new High score"), last)
hear("^%s" % tr("Enter Your Name"), last, whole=False)
for letter in player:
    hear(r"^%s$" % letter, key(key_name(letter)))
isolated = r"[\u2066-\u2069]?%s[\u2066-\u2069]?"  # a name and a time keep their order in any direction
hear("%s +%s" % (tr("Table %1", "2"), tr("%1 ( %2 sec )", isolated % player, isolated % r"\d+")), key("Return"), whole=False)
hear("^%s push button" % tr("&Start", same=True), key("Return"))
key(access_key("&Exit"))
assert game.wait(timeout=60) == 0, "Exit did not end the game"

# Each answer, table entry and the counters are told in one utterance beside the key's echo; the end once, at once.
heard = heard_all()
for (begin, name), (end, _) in zip(keys, keys[1:]):
    if name in ("0", "1", "2", "3", "Down", "Up"):
        told = [text for t, text, whole in heard if begin <= t < end and text != name]
        assert len(told) == 1 or told and begin == last and re.match(FINISHED, told[0]), told
assert sum(bool(re.match(FINISHED, text)) for t, text, whole in heard) == 1, "the end told twice"
passed = True
