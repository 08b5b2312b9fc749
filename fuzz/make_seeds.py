#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (corpus/<target>/) from the controller's and the
files' documented examples. Run from anywhere; the seeds are kept in the repository."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def step(data, pause_ms=0, index=None):
    """One received chunk: see receiveSteps in FuzzSupport.h."""
    header = min(pause_ms // 2, 63) if pause_ms < 1000 else 0x80
    out = bytes([header | (0x40 if index is not None else 0)])
    if index is not None:
        out += bytes([index + 20])
    return out + bytes([len(data)]) + data


# (name, query index, reply chunks as (pause ms, bytes))
REPLIES = [
    ("one-event", 1, [(0, b"1234#")]),
    ("two-events", 1, [(0, b"12"), (60, b"34#")]),
    ("two-replies", 1, [(0, b"12#34#")]),
    ("maxrate-limit", 1, [(0, b"5000#")]),
    ("maxrate-over", 1, [(0, b"5001#"), (0, b"800#")]),
    ("longitude-minus", 6, [(0, b"-135#")]),
    ("longitude-plus", 6, [(0, b"+139#")]),
    ("longitude-bare", 6, [(0, b"139#")]),
    ("offset", 8, [(0, b"-09#")]),
    ("meridian", 11, [(0, b"15.7#")]),
    ("meridian-negative", 11, [(0, b"-2.5#")]),
    ("zenith", 13, [(0, b"+80*#")]),
    ("microsteps-128", 32, [(0, b"0128#")]),
    ("microsteps-16", 32, [(0, b"16#")]),
    ("lamps-off", 17, [(0, b"0#")]),
    ("lamps-on", 17, [(0, b"1#")]),
    ("mount-mode", 38, [(0, b"2#")]),
    ("mount-mode-other", 38, [(0, b"4#")]),
    ("axis-ra", 53, [(0, b"12000,-1x,a,b,16.0#")]),
    ("axis-dec-split", 55, [(0, b"12800,-2x,-180,"), (4, b"180,32.0#")]),
    ("axis-lan-no-hash", 53, [(0, b"12000,-1x,a,b,16.0")]),
    ("model", 56, [(0, b"Kestrana1k2.3#")]),
    ("model-word", 56, [(0, b"Kestrana#")]),
    ("model-upper", 56, [(0, b"KESTRANA1k#")]),
    ("steps-hidden", 2, [(0, b"12345#")]),
    ("catch-all", 100, [(0, b"1#"), (0, b"0")]),
    ("latitude", 7, [(0, b"+35*40#")]),
    ("ssid", 30, [(0, b"MyNetwork#")]),
    ("channel", 23, [(0, b"06#")]),
    ("ip", 56, [(0, b"192.168.4.1#")]),
]

SETTINGS = [
    ("comm-lan", 0, b" 9 "),
    ("comm-serial", 0, b" 10 "),
    ("comm-19", 0, b" 19 "),
    ("comm-empty", 0, b""),
    ("lanip", 1, b'" 192.168.1.5 "\r\n'),
    ("lanip-unclosed", 1, b'"10.0.0.7'),
    ("siri", 2, b" 3 \r\n"),
    ("siri-4", 2, b" 4 \r\n"),
    ("siri-cut", 2 | 4, b" 4"),
    ("preset", 3, b'"200","8","3","240","200","8","3","144","200","1","0",'),
    ("preset-blank", 3, b'"200"," 16","3","240","200","8","3","144","200","1.5","-1",'),
    ("preset-quote", 3, b'"200","8","3"x","240","200","8","3","144","200","1","0",'),
    ("preset-lines", 3, b'"1","2"\r\n3,4\n5,6,7,8,9,10,11'),
]

FIELDS = [
    "800", "20", "21.5", "5000.5", "12800", "12800.7", "499", "200001", "-10*", "85*", "85",
    "5", "1234", "+139*45", "-75*10", "139*45", " +9 ", "+35*40", " 6", " 16", "MyNetwork",
    "", "abc", "12800|1|16", "12800|0|32", "12800|1|", "12800|x|16", "1#2", "\x01\x7f", "日本",
]


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    for name, index, chunks in REPLIES:
        data = b"".join(step(b, pause, index if i == 0 else None)
                        for i, (pause, b) in enumerate(chunks))
        write("fuzz_serial_receive", name, data)
        write("fuzz_lan_receive", name, data)
    for name, which, content in SETTINGS:
        write("fuzz_settings_files", name, bytes([which]) + content)
    for i, text in enumerate(FIELDS):
        write("fuzz_command_builders", "field-%02d" % i, b"\x00" + text.encode("utf-8"))
    write("fuzz_command_builders", "utf16-surrogate", b"\x01" + "a\ud800b".encode("utf-16-le", "surrogatepass"))


if __name__ == "__main__":
    main()
