#!/usr/bin/python3
"""Builds the Debian package with CPack and checks its control fields and the files and links
it installs. usage: package_contents.py CPACK_CONFIG OUTPUT_DIR VERSION LANGUAGES (a;b;...) APP_ID QT_EXTRA_LANGUAGES"""
import glob, os, re, shutil, subprocess, sys

APP_ID = sys.argv[5]
MEDIA = ("0.wav", "smile.gif", "sad.gif", "smile@2x.png", "sad@2x.png")
EXPECTED_FILES = {
    "usr/libexec/tabulon/tabulon",
    "usr/libexec/tabulon/tabulon-sound.so",
    "usr/share/applications/%s.desktop" % APP_ID,
    "usr/share/metainfo/%s.metainfo.xml" % APP_ID,
    "usr/share/icons/hicolor/scalable/apps/%s.svg" % APP_ID,
    "usr/share/man/man6/tabulon.6.gz",
    "usr/share/doc/tabulon/copyright",
    "usr/share/doc/tabulon/changelog.gz",
} | {"usr/share/tabulon/" + name for name in MEDIA} | {
    "usr/share/tabulon/translations/tabulon_%s.qm" % lang for lang in sys.argv[4].split(";")
} | {"usr/share/tabulon/translations/qt_extra_%s.qm" % lang for lang in sys.argv[6].split(";")
} | {"usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID) for size in (16, 24, 32, 48, 64, 128, 256)}
# The program finds its media and translations beside it, through links into share/.
EXPECTED_LINKS = {"usr/libexec/tabulon/" + name: "../../share/tabulon/" + name for name in MEDIA + ("translations",)}
EXPECTED_LINKS["usr/bin/tabulon"] = "../libexec/tabulon/tabulon"
# Packages the program needs at run time: the Qt libraries it links, found by
# shlibdeps, and the font it asks for by name.
EXPECTED_DEPENDENCIES = {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6", "fonts-liberation2"}


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


config, output, version = sys.argv[1:4]
shutil.rmtree(output, ignore_errors=True)
run("cpack", "-G", "DEB", "--config", config, "-B", output)
[deb] = glob.glob(os.path.join(output, "tabulon_*.deb"))

fields = {name: run("dpkg-deb", "--field", deb, name).strip()
          for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Description")}
assert (fields["Package"], fields["Version"]) == ("tabulon", version), fields
assert fields["Section"] in ("games", "education"), fields
assert re.fullmatch(r".+ <[^@>]+@[^@>]+>", fields["Maintainer"]), fields
assert re.match(r"\S.*\n \S", fields["Description"]), "no summary or long description: " + fields["Description"]
depends = {item.split()[0] for item in fields["Depends"].split(",")}
assert EXPECTED_DEPENDENCIES <= depends, "dependencies miss %s" % sorted(EXPECTED_DEPENDENCIES - depends)

files, links = set(), {}
for line in run("dpkg-deb", "--contents", deb).splitlines():
    mode, *_, path = line.split(None, 5)
    path, _, target = path.removeprefix("./").partition(" -> ")
    if mode.startswith("l"):
        links[path] = target
    elif mode.startswith("-"):
        files.add(path)
        assert path != "usr/libexec/tabulon/tabulon" or mode == "-rwxr-xr-x", "the program's mode is " + mode
assert files == EXPECTED_FILES, "missing or unexpected: %s" % sorted(files ^ EXPECTED_FILES)
assert links == EXPECTED_LINKS, "links are %s" % links
