"""With no input named and standard input a terminal, the program says on standard error, in one
line, what it waits for and how to end it, and then reads what is typed; with the input named it
says nothing. The terminal is a real one, a pseudo-terminal in its usual line mode, where Ctrl-D
at the start of a line ends the input.

    terminal_input_test.py PROGRAM SCRATCH_PREFIX
"""
import os
import pty
import subprocess
import sys

PROGRAM, SCRATCH = sys.argv[1:3]
ENTRY = b"7464912C5A01\n"
DUMP = b"ABCDEFGH\x04"  # eight typed bytes, one entry, sent by Ctrl-D without a line feed
END = b"\x04"
JOBS = "oamcalc-cli: waiting for %s, one a line, on standard input; end with Ctrl-D\n"
AWAITING_DUMP = ("oamcalc-cli: waiting for a raw OAM dump on standard input (or name its file); "
                 "end with Ctrl-D\n")

# One entry that differs from the typed one, for diff to find.
dump_file = SCRATCH + ".bin"
with open(dump_file, "wb") as f:
    f.write(b"XBCDEFGH")

# arguments, what is typed, standard error, exit code
RUNS = [
    ([], ENTRY, JOBS % "entries to decode or name=value jobs to encode", 0),
    (["decode"], ENTRY, JOBS % "entries to decode", 0),
    (["encode"], b"tileNumber=5\n", JOBS % "name=value jobs to encode", 0),
    (["dump"], DUMP, AWAITING_DUMP, 0),
    (["screen", "-"], DUMP, AWAITING_DUMP, 0),
    (["diff", "-", dump_file], DUMP, AWAITING_DUMP, 1),
    (["decode", "7464912C5A01"], b"", "", 0),
    (["dump", dump_file], b"", "", 0),
]

failed = False
for arguments, typed, expected_err, expected_code in RUNS:
    controller, terminal = pty.openpty()
    process = subprocess.Popen([PROGRAM] + arguments, stdin=terminal, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE)
    os.close(terminal)
    os.write(controller, typed + END)
    out, err = process.communicate(timeout=60)
    os.close(controller)
    if err.decode() != expected_err or process.returncode != expected_code or (typed and not out):
        print(f"oamcalc-cli {' '.join(arguments)}: exit {process.returncode}, standard error "
              f"{err.decode()!r}, expected {expected_err!r}; {len(out)} bytes of output")
        failed = True
sys.exit(1 if failed else 0)
