#!/usr/bin/python3
# Reference times of true solar noon for tests/core/test_mittag.cpp, computed
# with ERFA (IAU SOFA's algorithms; Debian package python3-erfa), independent
# of the program's own low-precision solar theory:
#   - Earth's heliocentric and barycentric position and velocity: eraEpv00
#   - the Sun's direction with annual aberration: eraAb
#   - bias, precession and nutation to the true equator of date: eraPnm06a
#   - Greenwich apparent sidereal time: eraGst06a
# Noon is the instant at which the Sun's local apparent hour angle is zero,
# found by iteration in UT1. TT = UT1 + delta T after Espenak and Meeus's
# polynomials (an error of a minute in delta T moves noon by < 0.03 s).
#
# Run once; its output is pasted into the test:  /usr/bin/python3 mittag_referenz.py
import math
import warnings

import erfa
import numpy as np

# eraEpv00 warns outside 1900..2100; its error there stays far below a second of noon.
warnings.simplefilter("ignore")


def delta_t(y):
    if y < 1800:
        t = y - 1700
        return 8.83 + 0.1603 * t - 0.0059285 * t**2 + 0.00013336 * t**3 - t**4 / 1174000
    if y < 1860:
        t = y - 1800
        return (13.72 - 0.332447 * t + 0.0068612 * t**2 + 0.0041116 * t**3 - 0.00037436 * t**4
                + 0.0000121272 * t**5 - 0.0000001699 * t**6 + 0.000000000875 * t**7)
    if y < 1900:
        t = y - 1860
        return (7.62 + 0.5737 * t - 0.251754 * t**2 + 0.01680668 * t**3 - 0.0004473624 * t**4
                + t**5 / 233174)
    if y < 1920:
        t = y - 1900
        return -2.79 + 1.494119 * t - 0.0598939 * t**2 + 0.0061966 * t**3 - 0.000197 * t**4
    if y < 1941:
        t = y - 1920
        return 21.20 + 0.84493 * t - 0.076100 * t**2 + 0.0020936 * t**3
    if y < 1961:
        t = y - 1950
        return 29.07 + 0.407 * t - t**2 / 233 + t**3 / 2547
    if y < 1986:
        t = y - 1975
        return 45.45 + 1.067 * t - t**2 / 260 - t**3 / 718
    if y < 2005:
        t = y - 2000
        return (63.86 + 0.3345 * t - 0.060374 * t**2 + 0.0017275 * t**3 + 0.000651814 * t**4
                + 0.00002373599 * t**5)
    if y < 2050:
        t = y - 2000
        return 62.92 + 0.32217 * t + 0.005589 * t**2
    return -20 + 32 * ((y - 1820) / 100) ** 2 - 0.5628 * (2150 - y)


def hour_angle(ut1, dt, east):
    """Local apparent hour angle of the Sun (radians, -pi..pi) at UT1 (JD)."""
    tt = ut1 + dt / 86400.0
    pvh, pvb = erfa.epv00(tt, 0.0)
    p = -np.array(pvh['p'])
    s = np.linalg.norm(p)
    v = np.array(pvb['v']) * (erfa.DAU / 86400.0) / erfa.CMPS
    ppr = erfa.ab(p / s, v, s, math.sqrt(1 - v.dot(v)))
    q = erfa.pnm06a(tt, 0.0).dot(ppr)
    ra = math.atan2(q[1], q[0])
    h = erfa.gst06a(ut1, 0.0, tt, 0.0) - ra + east
    return math.remainder(h, 2 * math.pi)


def noon(year, n, lang, zone):
    """Zone time (hours) of true noon on day n of year; lang, zone west positive."""
    jd0 = erfa.cal2jd(year, 1, 1)
    jd0 = jd0[0] + jd0[1] + n - 1  # 0h UT of day n
    dt = delta_t(year + (n - 0.5) / 365.25)
    east = math.radians(-lang)
    ut1 = jd0 + 0.5 + lang / 360.0
    for _ in range(6):
        ut1 -= hour_angle(ut1, dt, east) / (2 * math.pi)
    return (ut1 - jd0) * 24 - zone / 15.0


SITES = [(-13.41, -15.0), (-151.21, -150.0), (74.01, 75.0), (21.94, 0.0)]
YEARS = [1700, 1753, 1800, 1850, 1901, 1950, 2000, 2024, 2050, 2099, 2100]
DAYS = [1, 42, 80, 105, 135, 172, 206, 246, 266, 307, 355, 365]

for year in YEARS:
    for site, (lang, zone) in enumerate(SITES):
        cells = ", ".join("%.0f" % (noon(year, n, lang, zone) * 3600) for n in DAYS)
        print("    {%d, %d, {%s}}," % (year, site, cells))
