#!/usr/bin/python3
"""Builds the Debian package with CPack and checks its control fields and the
files it installs.

usage: package_contents.py CPACK_CONFIG OUTPUT_DIR
"""

import glob
import os
import shutil
import subprocess
import sys

APP_ID = "example.tabulon.Tabulon"

EXPECTED_FILES = {
    "usr/libexec/tabulon/tabulon",
    "usr/libexec/tabulon/tabulon-sound.so",
    "usr/share/tabulon/0.wav",
    "usr/share/tabulon/smile.gif",
    "usr/share/tabulon/sad.gif",
    "usr/share/tabulon/smile@2x.png",
    "usr/share/tabulon/sad@2x.png",
    "usr/share/applications/%s.desktop" % APP_ID,
    "usr/share/metainfo/%s.metainfo.xml" % APP_ID,
    "usr/share/icons/hicolor/scalable/apps/%s.svg" % APP_ID,
    "usr/share/man/man6/tabulon.6.gz",
    "usr/share/doc/tabulon/copyright",
    "usr/share/doc/tabulon/changelog.gz",
} | {"usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID)
     for size in (16, 24, 32, 48, 64, 128, 256)}

EXPECTED_LINKS = {
    "usr/bin/tabulon": "../libexec/tabulon/tabulon",
    "usr/libexec/tabulon/0.wav": "../../share/tabulon/0.wav",
    "usr/libexec/tabulon/smile.gif": "../../share/tabulon/smile.gif",
    "usr/libexec/tabulon/sad.gif": "../../share/tabulon/sad.gif",
    "usr/libexec/tabulon/smile@2x.png": "../../share/tabulon/smile@2x.png",
    "usr/libexec/tabulon/sad@2x.png": "../../share/tabulon/sad@2x.png",
}

# Packages the program needs at run time: the Qt libraries it links, found by
# shlibdeps, and the font it asks for by name.
EXPECTED_DEPENDENCIES = {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6",
                         "fonts-liberation2"}


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True,
                          timeout=300).stdout


def main():
    config, output = sys.argv[1:3]
    shutil.rmtree(output, ignore_errors=True)
    run("cpack", "-G", "DEB", "--config", config, "-B", output)
    debs = glob.glob(os.path.join(output, "tabulon_*.deb"))
    if len(debs) != 1:
        sys.exit("FAIL: expected one package, found %s" % debs)
    deb = debs[0]
    print("built", os.path.basename(deb))

    problems = []
    fields = {}
    for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Description"):
        fields[name] = run("dpkg-deb", "--field", deb, name).strip()
    if fields["Package"] != "tabulon":
        problems.append("package name is " + fields["Package"])
    if fields["Version"] != "1.1":
        problems.append("version is " + fields["Version"])
    if fields["Section"] not in ("games", "education"):
        problems.append("section is " + fields["Section"])
    if "<" not in fields["Maintainer"] or "@" not in fields["Maintainer"]:
        problems.append("maintainer has no mail address: " + fields["Maintainer"])
    summary, _, long_description = fields["Description"].partition("\n")
    if not summary or not long_description.strip():
        problems.append("description lacks a summary or a long text")
    depends = {item.split()[0] for item in fields["Depends"].split(",")}
    if not EXPECTED_DEPENDENCIES <= depends:
        problems.append("dependencies miss %s" % sorted(EXPECTED_DEPENDENCIES - depends))

    files, links = set(), {}
    for line in run("dpkg-deb", "--contents", deb).splitlines():
        mode, *_, path = line.split(None, 5)
        path = path.removeprefix("./")
        if mode.startswith("l"):
            path, _, target = path.partition(" -> ")
            links[path] = target
        elif mode.startswith("-"):
            files.add(path)
            if path == "usr/libexec/tabulon/tabulon" and not mode.startswith("-rwxr-xr-x"):
                problems.append("%s is not executable: %s" % (path, mode))
    for path in sorted(EXPECTED_FILES - files):
        problems.append("missing " + path)
    for path in sorted(files - EXPECTED_FILES):
        problems.append("unexpected " + path)
    if links != EXPECTED_LINKS:
        problems.append("links are %s" % links)

    for problem in problems:
        print("FAIL:", problem)
    if problems:
        sys.exit(1)
    print("PASS")


if __name__ == "__main__":
    main()
