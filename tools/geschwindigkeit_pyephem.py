#!/usr/bin/python3
"""PyEphem (Debian python3-ephem) doing the work of one daily ephemeris row.

Called by tools/geschwindigkeit_bench.cpp with the path of a text file it wrote:

    line 1: the comet: e q a year month day-with-fraction inclination node perihelion
            equinox H11 N
    line 2: the location and the row: latitude longitude(west positive) zone
            year month day local-hour twilight-altitude radius repetitions
    then:   one catalogue entry per line, right ascension and declination in degrees
            (NGC, IC, then the bright stars, as the passage search scans them)

The work, as the program does it for one row: the 1441 one-minute samples of the
local day with the Sun's and the comet's altitude (culmination and best time),
rising, setting and transit, the comet's place at the row's instant and the nearest
catalogue entry within the radius. Prints the best time of the repetitions in
milliseconds.
"""
import math
import sys
import time

import ephem


def koerper(e, q, a, jahr, monat, tag, i, knoten, peri, aequinoktium, h11, n):
    perihel = ephem.Date((int(jahr), int(monat), tag))
    if e < 1.0:
        b = ephem.EllipticalBody()
        b._a = a
        b._e = e
        b._M = 0.0
        b._epoch_M = perihel
    elif e == 1.0:
        b = ephem.ParabolicBody()
        b._q = q
        b._epoch_p = perihel
    else:
        b = ephem.HyperbolicBody()
        b._q = q
        b._e = e
        b._epoch_p = perihel
    b._inc = i
    b._Om = knoten
    b._om = peri
    b._epoch = ephem.Date((int(aequinoktium), 1, 1))
    b._g = h11
    b._k = n
    return b


def zeile(komet, ort, katalog):
    breite, laenge, zone, jahr, monat, tag, stunde, daemmerung, radius = ort
    mitternacht = ephem.Date((jahr, monat, tag)) - zone / 24.0
    o = ephem.Observer()
    o.lat = math.radians(breite)
    o.lon = math.radians(-laenge)
    o.elevation = 0
    o.pressure = 0
    o.horizon = "0:08"
    o.epoch = ephem.J2000
    sonne = ephem.Sun()
    b = komet
    # Culmination and best time: 1441 minutes from local midnight.
    kulm_hoehe, opt_hoehe, kulm, opt = -90.0, -90.0, -1.0, -1.0
    grenze = math.radians(daemmerung)
    for minute in range(1441):
        o.date = mitternacht + minute / 1440.0
        sonne.compute(o)
        b.compute(o)
        h = float(b.alt)
        if h > kulm_hoehe and h >= 0.0:
            kulm_hoehe, kulm = h, minute
        if float(sonne.alt) <= grenze and h > opt_hoehe and h >= 0.0:
            opt_hoehe, opt = h, minute
    # Rising, setting and transit of the day.
    o.date = mitternacht
    for ereignis in (o.next_rising, o.next_setting, o.next_transit):
        try:
            ereignis(b, start=mitternacht)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            pass
    # The place at the row's instant and the nearest catalogue entry within the radius.
    o.date = mitternacht + stunde / 24.0
    b.compute(o)
    ort_komet = (b.a_ra, b.a_dec)
    r = math.radians(radius)
    naechster, abstand = -1, 10.0
    for k, eintrag in enumerate(katalog):
        d = float(ephem.separation(ort_komet, eintrag))
        if d <= r and d < abstand:
            naechster, abstand = k, d
    return kulm, opt, naechster


def main():
    with open(sys.argv[1]) as datei:
        zeilen = datei.read().split("\n")
    k = [float(x) for x in zeilen[0].split()]
    w = [float(x) for x in zeilen[1].split()]
    ort = (w[0], w[1], w[2], int(w[3]), int(w[4]), int(w[5]), w[6], w[7], w[8])
    wiederholungen = int(w[9])
    katalog = []
    for z in zeilen[2:]:
        if z.strip():
            ra, dek = z.split()
            katalog.append((math.radians(float(ra)), math.radians(float(dek))))
    beste = None
    for _ in range(wiederholungen):
        komet = koerper(*k)
        anfang = time.perf_counter()
        zeile(komet, ort, katalog)
        dauer = time.perf_counter() - anfang
        beste = dauer if beste is None else min(beste, dauer)
    print("%.3f" % (beste * 1000.0))


if __name__ == "__main__":
    main()
