#!/usr/bin/env python3
"""Writes the seed corpus of every harness into fuzz/seeds/<harness>/ from the cases of the unit-test
tables (dates and pictures, timestamps, option texts, configuration files) and a few heap sequences,
each encoded in its harness's input layout. Files named table-* are rewritten; others (the inputs of
faults found, regression-*) are left alone.
    fuzz/make_seeds.py
"""
import pathlib
import re
import struct

here = pathlib.Path(__file__).resolve().parent
tests = here.parent / "tests" / "unit"

# A C++ string literal: the characters between the quotes, with its escapes.
LITERAL = r'"((?:[^"\\]|\\.)*)"'


def unescape(text):
    return re.sub(r"\\x([0-9A-Fa-f]{2})|\\(.)",
                  lambda m: chr(int(m.group(1), 16)) if m.group(1) else {"n": "\n", "r": "\r", "0": "\0"}.get(
                      m.group(2), m.group(2)), text).encode("latin-1")


def cases(path, pattern):
    source = (tests / path).read_text()
    return [tuple(unescape(g) for g in m.groups()) for m in re.finditer(pattern, source)]


def two_strings(path):
    """The {"text", "picture", ...} rows of a table."""
    return cases(path, r"\{" + LITERAL + r",\s*" + LITERAL + r",\s*(?:ok|error|at|zero_with|unchanged_with|\d)")


def pictures(path):
    """The pictures of a formatting table: {value, "picture", "expected"}."""
    return [c[0] for c in cases(path, r"\{[^{}\"]+,\s*" + LITERAL + r",\s*\"")]


def option_texts():
    return [c[0] for c in cases("environment/runtime_options_test.cpp", r"\{" + LITERAL + r",\s*(?:file|command)")]


def write(harness, seeds):
    folder = here / "seeds" / harness
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.glob("table-*"):
        old.unlink()
    for i, seed in enumerate(dict.fromkeys(seeds)):
        (folder / f"table-{i:03d}").write_bytes(seed)
    print(f"{harness}: {len(set(seeds))} seeds")


def text_and_picture(text, picture):
    # picture length, declared lengths as written (choice 4), picture, text
    return bytes([len(picture), 4, 4]) + picture + text


lilians = [1, 6653, 6654, 148138, 155076, 3074324]
seconds = [86400.0, 12799197749.046, 265621679999.999, 86399.999, float("nan"), -0.0]

date_rows = two_strings("datetime/date_engine_test.cpp")
write("date_engine", [text_and_picture(t, p) for t, p in date_rows])

timestamp_rows = two_strings("datetime/timestamp_test.cpp")
write("timestamp_read", [text_and_picture(t, p) for t, p in timestamp_rows])

date_pictures = pictures("datetime/format_test.cpp")
write("date_format",
      [bytes([1, 4]) + struct.pack(">I", lilians[i % len(lilians)]) + p for i, p in enumerate(date_pictures)] +
      [bytes([0, 4]) + struct.pack(">i", -1) + b"YYYY-MM-DD"] +
      [bytes([2]) + struct.pack(">I", 148138 + 997 * k) + bytes([k, k % 3]) + b"- /" for k in range(18)])

write("timestamp_format",
      [bytes([0, 4]) + struct.pack(">d", seconds[i % len(seconds)]) + p for i, p in enumerate(date_pictures)] +
      [bytes([2]) + struct.pack(">Q", 12799197749046 + 7919 * k) + bytes([k, 1]) + b":" for k in range(9)])

options = option_texts()
write("runtime_options", [bytes([i % 4]) + t for i, t in enumerate(options)])

config_files = [b"", b"HEAP(64K)\nCBLOPTS(OFF)\n", b"ABCDEFGHIJKLMNOPQRSX\nABCDEFGHIJKLMNOPQRST1\n", b"A\nB",
                b"\nHEAP(64K) " + b"y" * 300 + b"\r\n", b"* comment\n# comment\nRPTSTG(ON) RPTOPTS(ON)\n",
                b"\n".join(options)]
write("configuration", [bytes([i, 7 + i]) + f for i, f in enumerate(config_files)])

# Heap sequences: the settings (4 bytes), then operations (heap_fuzz.cpp): 0 create, 1 discard,
# 2-4 get, 5-6 free, 7 resize.
create, discard, get, free, resize = 0, 1, 2, 5, 7
heap_runs = [
    bytes([0, 0, 0xAA, 0xDD]) + bytes([get, 200, 3, 40, get, 200, 3, 100, free, 200, get, 200, 3, 16]),
    bytes([4, 0x55, 0, 0]) + bytes([create, 12, 4, 1, 0, 4, 0, 0, get, 201, 3, 200, get, 201, 2, 1, 0,
                                    resize, 0, 3, 250, resize, 1, 3, 2, discard, 201]),
    bytes([31, 0xFF, 1, 2]) + bytes([create, 3, 2, 2, get, 33, 1, 0, get, 33, 0, 5, free, 3, free, 0]),
    bytes([2, 0x1B, 0, 0]) + bytes([create, 11, 4, 16, 0, 4, 8, 0] + [get, 201, 3, 64] * 6 +
                                   [free, 30, free, 31, resize, 32, 2, 0, 9, discard, 201]),
]
write("heap", heap_runs)
