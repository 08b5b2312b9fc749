#!/usr/bin/env bash
# Makes the seven sound cues of the tool (sounds/*.mp3): short plucked-string chimes, each under a
# second and each with its own tune, so that the operator can tell them apart without looking.
# Needs sox with its mp3 writer (Debian: sox libsox-fmt-mp3). The files are kept in the
# repository; run this again only to change a cue.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/sounds"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

rate=44100

# cue FILE LENGTH NOTE@START ...: the notes (sox note names such as C5, or Hz) plucked at their
# start times in seconds, mixed, softened above 6 kHz, cut at LENGTH seconds with a fade over the
# last 0.15 s, and levelled to -3 dB.
cue() {
    local file="$1" length="$2"
    shift 2
    local parts=()
    local i=0
    for tone in "$@"; do
        local note="${tone%@*}" start="${tone#*@}"
        local part="$work/part$i.wav"
        sox -R -n -r "$rate" -c 1 "$part" synth 0.6 pluck "$note" fade q 0.004 0.6 0.4 pad "$start" 0
        parts+=("$part")
        i=$((i + 1))
    done
    local mixed="$work/mixed.wav"
    if [ ${#parts[@]} -eq 1 ]; then
        cp "${parts[0]}" "$mixed"
    else
        sox -R -m "${parts[@]}" "$mixed"
    fi
    # Mono 44.1 kHz at 96 kbit/s; the encoder's own padding adds about 50 ms.
    sox -R "$mixed" -C 96 "$out/$file" \
        highpass 60 lowpass 6000 trim 0 "$length" fade h 0 "$length" 0.15 norm -3
    printf '%-18s %ss\n' "$file" "$(soxi -D "$out/$file")"
}

cue connect.mp3       0.60 C5@0 G5@0.12                 # rising fifth: the link is open
cue Deconnect.mp3     0.60 G5@0 C5@0.12                 # falling fifth: the link is closed
cue yomikomiend.mp3   0.85 C5@0 E5@0.09 G5@0.18 C6@0.27 # rising arpeggio: everything is read
cue kakikomistart.mp3 0.50 A4@0 A4@0.14                 # two low knocks: a write begins
cue kakikomiend.mp3   0.85 F5@0 A5@0.10 C6@0.20 F6@0.30 # bright arpeggio: the write is done
cue IP.mp3            0.45 E6@0                         # one high ping: the address answers
cue IPno.mp3          0.70 E4@0 C4@0.16                 # low falling third: no answer
