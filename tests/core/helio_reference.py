#!/usr/bin/env python3
"""Works out the heliocentric figures of positions_test.cpp's bit-exact check apart from the
program: double-precision arithmetic, every stored value rounded to a 32-bit float.
Usage: helio_reference.py DAY..."""
import math
import struct
import sys

D = 0.017453292


def f32(x):
    return struct.unpack('<f', struct.pack('<f', x))[0]


def rate(r):
    return f32(0.985608 / f32(r) ** 1.5)


def norm360(a):
    m = abs(a)
    r = m - 360 * int(m / 360)
    return f32(360 - r if a < 0 else r)


def arc_cos(x):
    if x >= 1:
        return 0.0
    if x <= -1:
        return 3.141592654
    return math.atan(-x / math.sqrt(1 - x * x)) + 1.570796327


def planet(t, radius, incl, lon0):
    radius = f32(radius)
    lon = f32(t * rate(radius) + lon0)
    lat = f32(incl * math.sin((norm360(lon) - lon0) * D))
    a = f32(lon * D)
    x = f32(radius * math.cos(a))
    y = f32(-math.sin(a) * radius)
    z = f32(radius * math.sin(lat * D))
    return [lon, lat, x, y, z]


def helio(t):
    lon = f32(t * rate(1.0))
    a = f32(lon * D)
    earth = [lon, f32(math.cos(a)), f32(-math.sin(a))]
    inter = planet(t, 0.4, 2.0, -20.0)
    ex, ey, ix, iy = earth[1], earth[2], inter[2], inter[3]
    d = f32(math.sqrt((iy - ey) * (iy - ey) + (ix - ex) * (ix - ex)))
    r_e = f32(math.sqrt(ey * ey + ex * ex))
    r_i = f32(math.sqrt(iy * iy + ix * ix))
    c = f32(((r_i * r_i + r_e * r_e) - d * d) / (2 * r_e * r_i))
    theta = f32(arc_cos(c))
    inter.append(f32(math.sin(theta / 2)))
    return earth, inter, planet(t, 1.5, 1.0, 30.0)


for day in sys.argv[1:]:
    for name, figures in zip(('earth', 'inter', 'super'), helio(float(day))):
        print(day, name, ', '.join('%.9gF' % v for v in figures))
