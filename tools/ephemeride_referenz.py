#!/usr/bin/python3
"""Reference rows for the ephemeris tests, made with PyEphem (Debian python3-ephem).

Run with the system Python: /usr/bin/python3 tools/ephemeride_referenz.py
It prints the expected values that tests/engine/Ephemeride_test.cpp holds.

What a row holds and how the reference matches it:
- The program takes universal time as the time argument of its series (no Delta T).
  PyEphem adds Delta T to universal time, so it is asked at UT - Delta T: its
  dynamical time is then the row's instant, and Sun and comet are at the same
  instants in both.
- RA/Dec of the row: topocentric, astrometric, J2000 (light time, no aberration,
  no nutation). PyEphem's a_ra/a_dec is the geocentric astrometric J2000 place;
  the topocentric shift is PyEphem's own parallax (ra - g_ra, dec - g_dec of an
  observer at the location, both apparent places of the same frame).
- Delta of the row: geocentric, light-time corrected (PyEphem earth_distance
  without an observer).
- R of the row: heliocentric distance AT the instant. PyEphem's sun_distance is
  taken at the light-emission time, so it is asked light time later.
- Rising, setting: horizon +8 arc minutes, no refraction (pressure 0), first
  event after local midnight of the row's date, in local hours. Culmination: the
  transit of that local day, local time. These use the true universal time.
"""
import math

import ephem

AU_LICHTZEIT = 0.0057755183  # days per AU


def koerper(k):
    if k["art"] == "parabel":
        b = ephem.ParabolicBody()
        b._q = k["q"]
        b._epoch_p = k["T"]
    elif k["art"] == "hyperbel":
        b = ephem.HyperbolicBody()
        b._q = k["q"]
        b._e = k["e"]
        b._epoch_p = k["T"]
    else:
        b = ephem.EllipticalBody()
        b._a = k["a"]
        b._e = k["e"]
        b._M = k["M"]
        b._epoch_M = k["epochM"]
    b._inc = k["i"]
    b._Om = k["node"]
    b._om = k["peri"]
    b._epoch = "2000/1/1 12:00"
    b._g = 5.0
    b._k = 4.0
    return b


def beobachter(ort, datum):
    o = ephem.Observer()
    o.lat = str(ort["breite"])
    o.lon = str(-ort["laenge"])  # the program counts longitude positive to the west
    o.elevation = 0
    o.pressure = 0
    o.horizon = "0:08"
    o.epoch = ephem.J2000
    o.date = datum
    return o


def zeile(k, ort, jahr, monat, tag, stunde_lokal):
    zone = ort["zone"]
    ut = ephem.Date((jahr, monat, tag, 0, 0, 0)) + (stunde_lokal - zone) / 24.0
    dt = ephem.delta_t(ut) / 86400.0
    dyn = ephem.Date(ut - dt)  # PyEphem's dynamical time is then the row's instant
    b = koerper(k)
    b.compute(dyn, epoch=ephem.J2000)
    ra0, dec0, delta = float(b.a_ra), float(b.a_dec), float(b.earth_distance)
    o = beobachter(ort, dyn)
    b.compute(o)
    dra = float(b.ra) - float(b.g_ra)
    dra = (dra + math.pi) % (2 * math.pi) - math.pi
    ddec = float(b.dec) - float(b.g_dec)
    ra = (ra0 + dra) % (2 * math.pi)
    dec = dec0 + ddec
    # Heliocentric distance at the instant: PyEphem gives it at the emission time.
    b.compute(ephem.Date(dyn + AU_LICHTZEIT * delta), epoch=ephem.J2000)
    r = float(b.sun_distance)
    # Elongation (geocentric), the Moon's geocentric place and phase, the constellation.
    b = koerper(k)
    b.compute(dyn, epoch=ephem.J2000)
    elong = abs(math.degrees(float(b.elong)))
    mond = ephem.Moon()
    mond.compute(dyn, epoch=ephem.J2000)
    mondabstand = math.degrees(float(ephem.separation((mond.a_ra, mond.a_dec), (ra, dec))))
    phase = 100.0 * float(mond.moon_phase)
    sternbild = ephem.constellation((ra, dec), epoch=ephem.J2000)[0]
    # Rising, setting and transit of the local day, in true universal time.
    mitternacht = ephem.Date((jahr, monat, tag, 0, 0, 0)) - zone / 24.0
    o = beobachter(ort, mitternacht)
    b = koerper(k)

    def lokal(ereignis):
        try:
            t = ereignis(b, start=mitternacht)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            return None
        h = (float(t) - float(mitternacht)) * 24.0
        return h if h < 24.0 else None

    # Culmination altitude and best time: the highest topocentric altitude of the 1441
    # minutes of the local day (no refraction), and the same while the Sun stands at
    # or below -18 degrees.
    sonne = ephem.Sun()
    kulmhoehe, topt, topthoehe = -90.0, -1.0, -90.0
    for minute in range(1441):
        o.date = ephem.Date(mitternacht + minute / 1440.0)
        sonne.compute(o)
        b.compute(o)
        h = math.degrees(float(b.alt))
        if h > kulmhoehe and h >= 0:
            kulmhoehe = h
        if math.degrees(float(sonne.alt)) <= -18.0 and h > topthoehe and h >= 0:
            topthoehe, topt = h, (minute / 60.0) % 24.0
    o.date = mitternacht
    auf = lokal(o.next_rising)
    unter = lokal(o.next_setting)
    kulm = lokal(o.next_transit)
    return dict(ra=math.degrees(ra) / 15.0, dec=math.degrees(dec), r=r, delta=delta,
                auf=auf, unter=unter, kulm=kulm, elong=elong, mond=mondabstand, phase=phase,
                sternbild=sternbild, kulmhoehe=kulmhoehe, topt=topt, topthoehe=topthoehe)


KOMETEN = {
    # near-parabolic (perihelion-time mode; before and after perihelion inside PARAB)
    "Nahparabolisch": dict(art="ellipse", q=0.62, e=0.9992, T="2001/5/10.25", i=72.5,
                           node=215.3, peri=130.7),
    "Hyperbolisch": dict(art="hyperbel", q=1.1, e=1.2, T="2001/8/15.6", i=120.4,
                         node=30.2, peri=300.5),
    "Kurzperiodisch": dict(art="ellipse", q=1.05, e=0.55, T="2001/11/3.4", i=12.1,
                           node=75.4, peri=190.2),
}

ORTE = {
    "Nord": dict(breite=50.0, laenge=-10.0, zone=1),
    "Sued": dict(breite=-35.0, laenge=70.0, zone=-4),
}

FAELLE = [
    ("Nahparabolisch", "Nord", 2001, 4, 20, 21.5),
    ("Nahparabolisch", "Sued", 2001, 6, 5, 4.25),
    ("Hyperbolisch", "Nord", 2001, 9, 1, 2.0),
    ("Hyperbolisch", "Sued", 2001, 7, 10, 22.75),
    ("Kurzperiodisch", "Nord", 2001, 10, 12, 23.0),
    ("Kurzperiodisch", "Sued", 2001, 12, 1, 1.5),
]


def elliptisch(k):
    """Elliptic elements for PyEphem: a, and the mean anomaly 0 at perihelion."""
    k = dict(k)
    if k["art"] == "ellipse":
        k["a"] = k["q"] / (1.0 - k["e"])
        k["M"] = 0.0
        k["epochM"] = k["T"]
    return k


def main():
    for name, ortname, j, m, t, h in FAELLE:
        z = zeile(elliptisch(KOMETEN[name]), ORTE[ortname], j, m, t, h)

        def f(x):
            return "-1.0L" if x is None else "%.5fL" % x

        print("    {\"%s\", \"%s\", %d, %d, %d, %.4fL, %.9fL, %.8fL, %.9fL, %.9fL, %s, %s, %s, "
              "%.5fL, %.4fL, %.2fL, \"%s\", %.4fL, %.4fL, %.4fL},"
              % (name, ortname, j, m, t, h, z["ra"], z["dec"], z["r"], z["delta"],
                 f(z["auf"]), f(z["unter"]), f(z["kulm"]), z["elong"], z["mond"], z["phase"],
                 z["sternbild"], z["kulmhoehe"], z["topt"], z["topthoehe"]))
    # The short-period comet in the mean-anomaly mode: epoch 2001-09-01.0, the mean
    # anomaly of the same orbit then.
    k = elliptisch(KOMETEN["Kurzperiodisch"])
    n = 0.9856076686 / k["a"] ** 1.5
    epoche = ephem.Date("2001/9/1")
    k["M"] = n * (float(epoche) - float(ephem.Date(k["T"])))
    k["epochM"] = epoche
    print("    // mean anomaly at 2001-09-01.0: %.10f" % k["M"])
    z = zeile(k, ORTE["Nord"], 2001, 10, 12, 23.0)
    print("    // mean-anomaly mode, Nord 2001-10-12 23.0: %.9f %.8f %.9f %.9f"
          % (z["ra"], z["dec"], z["r"], z["delta"]))


if __name__ == "__main__":
    main()
