#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game's eight short sound effects as 16-bit mono WAV files in data/sounds.

Only the standard library is used; the noise comes from a seeded generator, so every run
writes the same bytes. Usage: scripts/make-sounds.py [output folder]
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def envelope(i, n, attack, release):
    """A gentle rise over `attack` seconds and an exponential fall to the end."""
    t = i / RATE
    rise = min(1.0, t / attack) if attack > 0 else 1.0
    left = (n - i) / RATE
    fall = math.exp(-t / release)
    tail = min(1.0, left / 0.004)  # no click at the very end
    return rise * fall * tail


def bell(freq, seconds, attack=0.004, release=0.25, partials=((1, 1.0), (2, 0.35), (3, 0.12))):
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        value = sum(a * math.sin(2 * math.pi * freq * k * t) for k, a in partials)
        out.append(value * envelope(i, n, attack, release))
    return out


def glide(f1, f2, seconds, release=0.2):
    n = int(RATE * seconds)
    out = []
    phase = 0.0
    for i in range(n):
        f = f1 + (f2 - f1) * i / n
        phase += 2 * math.pi * f / RATE
        out.append((math.sin(phase) + 0.25 * math.sin(2 * phase)) * envelope(i, n, 0.003, release))
    return out


def noise(seconds, smooth, seed, release=0.05):
    rng = random.Random(seed)
    n = int(RATE * seconds)
    out = []
    low = 0.0
    for i in range(n):
        low += smooth * (rng.uniform(-1, 1) - low)
        out.append(low * envelope(i, n, 0.002, release))
    return out


def mix(*parts):
    """Lays (offset in seconds, samples, gain) parts over each other."""
    length = max(int(off * RATE) + len(s) for off, s, _ in parts)
    out = [0.0] * length
    for off, samples, gain in parts:
        start = int(off * RATE)
        for i, v in enumerate(samples):
            out[start + i] += v * gain
    return out


def write(folder, name, samples, peak=0.7):
    top = max(abs(v) for v in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(v / top * peak * 32767)) for v in samples)
    with wave.open(os.path.join(folder, name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "sounds")
    os.makedirs(folder, exist_ok=True)
    c5, e5, g5, c6, e6, g6 = 523.25, 659.26, 783.99, 1046.5, 1318.5, 1568.0
    sounds = {
        # The menu click: a soft brush of noise and a small dot.
        "Shsh-dot.wav": mix((0, noise(0.09, 0.35, 1, 0.03), 0.6),
                            (0.07, bell(1400, 0.06, release=0.02), 0.5)),
        # A piece lifted or set down: a short wooden knock.
        "kvtmove.wav": mix((0, bell(420, 0.09, 0.001, 0.025, ((1, 1.0), (2.7, 0.4))), 1.0),
                           (0, noise(0.02, 0.6, 2, 0.006), 0.3)),
        # A piece leaves its yard: three rising notes.
        "ruvOpen.wav": mix((0, bell(c5, 0.16, release=0.08), 0.8),
                           (0.07, bell(e5, 0.16, release=0.08), 0.8),
                           (0.14, bell(g5, 0.22, release=0.12), 0.9)),
        # A capture: a falling bonk.
        "ruvcap.wav": mix((0, glide(520, 180, 0.28, 0.12), 1.0),
                          (0, noise(0.05, 0.3, 3, 0.02), 0.25)),
        # A piece reaches home: a bright arpeggio that rings out.
        "ruvhome.wav": mix((0, bell(c6, 0.3, release=0.12), 0.7),
                           (0.08, bell(e6, 0.3, release=0.12), 0.7),
                           (0.16, bell(g6, 0.3, release=0.14), 0.7),
                           (0.24, bell(c6 * 2, 0.45, release=0.22), 0.6)),
        # A refused input: two low, soft buzzes.
        "kvterr2.wav": mix((0, bell(196, 0.1, 0.005, 0.06, ((1, 1.0), (3, 0.3), (5, 0.15))), 1.0),
                           (0.12, bell(165, 0.12, 0.005, 0.07, ((1, 1.0), (3, 0.3), (5, 0.15))),
                            1.0)),
        # Goodbye: two gentle falling chimes.
        "Thanks.Wav": mix((0, bell(g5, 0.5, release=0.2), 0.8),
                          (0.22, bell(c5, 0.7, release=0.3), 0.9)),
        # A paused player waits for the space bar: one soft beep.
        "beep2.wav": mix((0, bell(880, 0.15, 0.01, 0.08, ((1, 1.0), (2, 0.15))), 1.0)),
    }
    for name, samples in sounds.items():
        write(folder, name, samples + silence(0.01))
        print(name)


if __name__ == "__main__":
    main()
