#!/usr/bin/env python3
"""Writes assets/sound.wav, the alarm sound: 0.4 s of two alternating tones,
8-bit mono PCM at 11025 Hz. The output is the same on every run."""
import math
import pathlib
import wave

RATE = 11025
TONES_HZ = (1320, 990)  # alternate every 0.1 s, four times
SEGMENT = RATE // 10
FADE = RATE // 400  # 2.5 ms in and out, so the segments do not click
VOLUME = 90  # of 127


def segment(frequency):
    samples = bytearray()
    for i in range(SEGMENT):
        envelope = min(1.0, i / FADE, (SEGMENT - 1 - i) / FADE)
        value = VOLUME * envelope * math.sin(2 * math.pi * frequency * i / RATE)
        samples.append(128 + round(value))  # 8-bit PCM is unsigned, 128 is silence
    return bytes(samples)


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "assets" / "sound.wav"
    frames = b"".join(segment(TONES_HZ[n % 2]) for n in range(4))
    with wave.open(str(out), "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(1)
        wav.setframerate(RATE)
        wav.writeframes(frames)
    print(f"{out}: {len(frames)} samples")


if __name__ == "__main__":
    main()
