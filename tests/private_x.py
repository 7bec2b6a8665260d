#!/usr/bin/python3
# Runs a command on a private X server, which it stops afterwards:
# private_x.py COMMAND [ARGUMENTS...]
import os, subprocess, sys

read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                         "-screen", "0", "1024x768x24"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
os.close(write_end)
try:
    display = ":" + os.fdopen(read_end).readline().strip()
    sys.exit(subprocess.run(sys.argv[1:], env=dict(os.environ, DISPLAY=display)).returncode)
finally:
    xvfb.terminate()  # lets it remove its lock and socket
    xvfb.wait()
