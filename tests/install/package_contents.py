#!/usr/bin/python3
"""Builds the Debian package with CPack and checks its control fields and the
files and links it installs.

usage: package_contents.py CPACK_CONFIG OUTPUT_DIR VERSION
"""
import glob, os, shutil, subprocess, sys

APP_ID = "example.tabulon.Tabulon"
MEDIA = ("0.wav", "smile.gif", "sad.gif", "smile@2x.png", "sad@2x.png")
LANGUAGES = ("de", "es", "fr", "it", "nl", "pl", "pt_BR", "uk")
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
    "usr/share/tabulon/translations/tabulon_%s.qm" % lang for lang in LANGUAGES} | {
    "usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID) for size in (16, 24, 32, 48, 64, 128, 256)}
# The program finds its media beside it, through links into share/.
EXPECTED_LINKS = {"usr/libexec/tabulon/" + name: "../../share/tabulon/" + name for name in MEDIA}
EXPECTED_LINKS["usr/bin/tabulon"] = "../libexec/tabulon/tabulon"
EXPECTED_LINKS["usr/libexec/tabulon/translations"] = "../../share/tabulon/translations"
# Packages the program needs at run time: the Qt libraries it links, found by
# shlibdeps, and the font it asks for by name.
EXPECTED_DEPENDENCIES = {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6", "fonts-liberation2"}


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


problems = []


def expect(condition, problem):
    if not condition:
        problems.append(problem)


config, output = sys.argv[1:3]
shutil.rmtree(output, ignore_errors=True)
run("cpack", "-G", "DEB", "--config", config, "-B", output)
[deb] = glob.glob(os.path.join(output, "tabulon_*.deb"))

fields = {name: run("dpkg-deb", "--field", deb, name).strip()
          for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Description")}
expect(fields["Package"] == "tabulon", "package name is " + fields["Package"])
expect(fields["Version"] == sys.argv[3], "version is " + fields["Version"])
expect(fields["Section"] in ("games", "education"), "section is " + fields["Section"])
expect("<" in fields["Maintainer"] and "@" in fields["Maintainer"], "maintainer has no mail address")
summary, _, long_description = fields["Description"].partition("\n")
expect(summary and long_description.strip(), "description lacks a summary or a long text")
depends = {item.split()[0] for item in fields["Depends"].split(",")}
expect(EXPECTED_DEPENDENCIES <= depends, "dependencies miss %s" % sorted(EXPECTED_DEPENDENCIES - depends))

files, links = set(), {}
for line in run("dpkg-deb", "--contents", deb).splitlines():
    mode, *_, path = line.split(None, 5)
    path = path.removeprefix("./")
    if mode.startswith("l"):
        path, _, target = path.partition(" -> ")
        links[path] = target
    elif mode.startswith("-"):
        files.add(path)
        expect(path != "usr/libexec/tabulon/tabulon" or mode.startswith("-rwxr-xr-x"), "the program's mode is " + mode)
expect(files == EXPECTED_FILES, "missing %s, unexpected %s" % (sorted(EXPECTED_FILES - files), sorted(files - EXPECTED_FILES)))
expect(links == EXPECTED_LINKS, "links are %s" % links)

for problem in problems:
    print("FAIL:", problem)
sys.exit(1 if problems else 0)
