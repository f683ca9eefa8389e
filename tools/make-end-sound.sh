#!/usr/bin/env bash
# Makes the chime played when a clean ends: two bell-like tones, the second a fifth
# above the first and struck as the first dies away, about 0.4 s in all, as 16-bit mono
# PCM at 22050 Hz in resources/end.wav. The .wav is kept in the repository; run this
# again only to change it. Needs only python3 (the wave module is in its standard
# library), and the same script always gives the same bytes.
set -euo pipefail
out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/resources/end.wav"

python3 - "$out" <<'PY'
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.40      # seconds
ATTACK = 0.004     # a soft strike: an instant start clicks
FADE = 0.05        # the last moments fade to silence, so the end does not click
PEAK = 0.45        # of full scale, leaving room for the two tones together

# (start, frequency, loudness, decay per second): A5, then E6 a fifth above.
TONES = [(0.00, 880.0, 1.0, 9.0), (0.13, 1318.5, 0.9, 10.0)]


def tone(t, start, frequency, loudness, decay):
    if t < start:
        return 0.0
    age = t - start
    strike = min(1.0, age / ATTACK)
    # A quieter octave overtone gives the bell its colour.
    wave_ = math.sin(2 * math.pi * frequency * age) + 0.25 * math.sin(4 * math.pi * frequency * age)
    return loudness * strike * math.exp(-decay * age) * wave_ / 1.25


frames = bytearray()
count = int(RATE * LENGTH)
for i in range(count):
    t = i / RATE
    fade = min(1.0, (LENGTH - t) / FADE)
    value = PEAK * fade * sum(tone(t, *partial) for partial in TONES)
    frames += struct.pack("<h", max(-32767, min(32767, round(value * 32767))))

with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(bytes(frames))
PY
echo "wrote resources/end.wav"
