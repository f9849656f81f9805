#!/usr/bin/python3
"""Synthesises the clock's two sounds.

Writes, relative to the repository root (WAV, PCM 16 bit, 44100 Hz, mono):
  resources/sounds/Gooohn.wav  one stroke of the temple bell, 5.3 s
  resources/sounds/pipi.wav    the alarm: two short beeps and a pause, 1.0 s,
                               made to be played in a loop

The bell is additive: a low fundamental with inharmonic partials, each with
its own exponential decay, the lower ones doubled by a twin a fraction of a
hertz away so that they beat slowly; a short filtered thump marks the blow of
the wooden log.  The stroke is faded to silence before 6 s, because the bell
strikes every 6 s and a stroke requested while the last one still sounds is
dropped.  Noise comes from a fixed seed: running the script again gives the
same files.
"""

import math
import os
import sys
import wave

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOUNDS = os.path.join(ROOT, "resources", "sounds")
RATE = 44100


def db(v):
    return 10.0 ** (v / 20.0)


def raised_cosine(n):
    """n samples rising from 0 to 1."""
    return 0.5 - 0.5 * np.cos(np.pi * np.arange(n) / n)


def write_wav(path, x):
    pcm = np.clip(np.round(x * 32767.0), -32767, 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def normalise(x, peak_db):
    return x * (db(peak_db) / np.max(np.abs(x)))


# --------------------------------------------------------------------------
# The bell

BELL_SECONDS = 5.3
FUNDAMENTAL = 118.0

# ratio to the fundamental, amplitude, decay time constant (s),
# detuning of the beating twin (Hz, 0 for none), twin's relative amplitude
PARTIALS = [
    (1.000, 1.00, 2.40, 0.42, 0.85),
    (2.083, 0.55, 1.70, 0.71, 0.70),
    (2.724, 0.46, 1.30, 0.00, 0.00),
    (3.976, 0.30, 0.95, 1.10, 0.60),
    (5.412, 0.20, 0.62, 0.00, 0.00),
    (6.857, 0.14, 0.44, 0.00, 0.00),
    (8.530, 0.09, 0.30, 0.00, 0.00),
    (10.31, 0.06, 0.21, 0.00, 0.00),
    (12.44, 0.035, 0.14, 0.00, 0.00),
]


def bell():
    n = int(BELL_SECONDS * RATE)
    t = np.arange(n) / RATE
    rng = np.random.default_rng(2)
    x = np.zeros(n)
    for ratio, amp, tau, beat, twin in PARTIALS:
        f = FUNDAMENTAL * ratio
        env = amp * np.exp(-t / tau)
        ph = rng.uniform(0, 2 * math.pi)
        x += env * np.sin(2 * math.pi * f * t + ph)
        if beat:
            x += twin * env * np.sin(2 * math.pi * (f + beat) * t + ph + 0.3)
    # the partials swell in over a few milliseconds: the log is soft
    attack = int(0.006 * RATE)
    x[:attack] *= raised_cosine(attack)

    # the thump of the log: band-limited noise, 200 Hz to 1.6 kHz, short decay
    m = int(0.12 * RATE)
    noise = rng.standard_normal(m)
    spectrum = np.fft.rfft(noise)
    freqs = np.fft.rfftfreq(m, 1.0 / RATE)
    band = np.exp(-0.5 * (np.log(np.maximum(freqs, 1.0) / 560.0) / 0.6) ** 2)
    thump = np.fft.irfft(spectrum * band, m)
    tt = np.arange(m) / RATE
    env = np.exp(-tt / 0.018)
    a = int(0.002 * RATE)
    env[:a] *= raised_cosine(a)
    thump *= env
    thump *= 0.35 * np.max(np.abs(x[:m])) / np.max(np.abs(thump))
    x[:m] += thump

    # fade to silence well before the next stroke
    fade_start = int(3.6 * RATE)
    x[fade_start:] *= raised_cosine(n - fade_start)[::-1]
    x[-1] = 0.0
    # any residual offset is taken out under a window, so the ends stay at zero
    x -= x.mean() * np.hanning(n) / np.hanning(n).mean()
    return normalise(x, -3.0)


# --------------------------------------------------------------------------
# The alarm

PIPI_SECONDS = 1.0
BEEP_HZ = 2000.0
BEEP_SECONDS = 0.08
BEEP_STARTS = (0.02, 0.17)


def pipi():
    n = int(PIPI_SECONDS * RATE)
    x = np.zeros(n)
    m = int(BEEP_SECONDS * RATE)
    tt = np.arange(m) / RATE
    # a little of the odd harmonics gives the buzzer its edge
    tone = (np.sin(2 * math.pi * BEEP_HZ * tt)
            + 0.22 * np.sin(2 * math.pi * 3 * BEEP_HZ * tt)
            + 0.08 * np.sin(2 * math.pi * 5 * BEEP_HZ * tt))
    ramp = int(0.004 * RATE)
    env = np.ones(m)
    env[:ramp] = raised_cosine(ramp)
    env[-ramp:] = raised_cosine(ramp)[::-1]
    beep = tone * env
    for s in BEEP_STARTS:
        i = int(s * RATE)
        x[i:i + m] += beep
    return normalise(x, -6.0)


def main():
    os.makedirs(SOUNDS, exist_ok=True)
    write_wav(os.path.join(SOUNDS, "Gooohn.wav"), bell())
    write_wav(os.path.join(SOUNDS, "pipi.wav"), pipi())
    return 0


if __name__ == "__main__":
    sys.exit(main())
