#!/usr/bin/env python3
"""Writes the window's sounds, short mono WAV files, beside this script.

    python3 ui/sounds/make_sounds.py

The noise comes from a seeded generator, so that the files come out the same byte for byte
each time and a change to one shows in the history as a change of its recipe.
"""

import math
import os
import random
import struct
import wave

RATE = 22050


def tone(frequency, seconds, decay, volume=1.0):
    """A sine that dies away: decay is the time, in seconds, in which it falls to 1/e."""
    count = int(RATE * seconds)
    return [volume * math.sin(2 * math.pi * frequency * i / RATE) * math.exp(-i / RATE / decay)
            for i in range(count)]


def knock(seconds, decay, brightness, seed, volume=1.0):
    """A wooden knock: a burst of noise, smoothed (the less bright, the more), that dies
    away, over a low thud."""
    noise = random.Random(seed)
    count = int(RATE * seconds)
    smoothed, level = [], 0.0
    for i in range(count):
        level += brightness * (noise.uniform(-1, 1) - level)
        smoothed.append(level * math.exp(-i / RATE / decay))
    thud = tone(180, seconds, decay * 1.5)
    return [volume * (0.7 * s / max(brightness, 0.2) + 0.5 * t) for s, t in zip(smoothed, thud)]


def pause(seconds):
    return [0.0] * int(RATE * seconds)


def mix(*parts):
    """The parts laid over one another from the start."""
    length = max(len(part) for part in parts)
    return [sum(part[i] for part in parts if i < len(part)) for i in range(length)]


def write(name, samples, peak=0.6):
    """Scales the loudest sample to peak and fades out the last few milliseconds, so that
    no sound ends in a click."""
    loudest = max(abs(s) for s in samples) or 1.0
    fade = int(RATE * 0.005)
    frames = bytearray()
    for i, sample in enumerate(samples):
        gain = min(1.0, (len(samples) - i) / fade)
        frames += struct.pack("<h", int(32767 * peak * gain * sample / loudest))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


def main():
    write("move.wav", knock(0.08, 0.015, 0.35, seed=1))
    # Two knocks, the second harder: a piece taken off the board.
    write("capture.wav", knock(0.05, 0.01, 0.5, seed=2, volume=0.6) + pause(0.015) +
          knock(0.09, 0.02, 0.6, seed=3), peak=0.7)
    # A rising pair of notes over the knock of the move.
    write("check.wav", mix(knock(0.08, 0.015, 0.35, seed=4, volume=0.8),
                           pause(0.03) + tone(880, 0.09, 0.05, 0.5) + tone(1175, 0.14, 0.07, 0.5)))
    # A falling chord, its notes one after the other.
    write("end.wav", mix(tone(784, 0.7, 0.25, 0.5), pause(0.12) + tone(659, 0.58, 0.22, 0.5),
                         pause(0.24) + tone(523, 0.46, 0.2, 0.6)))
    write("tick.wav", mix(tone(2000, 0.03, 0.006), knock(0.03, 0.004, 0.8, seed=5, volume=0.4)),
          peak=0.4)


if __name__ == "__main__":
    main()
