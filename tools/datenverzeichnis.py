#!/usr/bin/env python3
"""Builds the default data directory shipped with ZenaroWin (data/).

Writes the catalogue files "ngc.dta", "ic.dta" and "bsc4.dta" from the CSV
catalogues (OpenNGC and the Yale Bright Star Catalogue), a sample "Orte.dat" of
real observatories and "Bahnelem.dat" with every comet of the published MPC
comet element list of 2022-08-24: the list is written in its fixed columns
(tools/soft02cmt_beispiel.py) and converted by the program's own conversion
(tools/kometenliste_umwandeln.cpp, built here in build/release). All files are
flat sequences of fixed-size little-endian binary records, reals as 80-bit
extended (10 bytes), texts as a length byte followed by the characters
(Windows-1252), padding zero.

Usage (from the repository root): tools/datenverzeichnis.py SOURCE_DATA_DIR OUTPUT_DIR
  e.g. python3 tools/datenverzeichnis.py quelldaten data
"""

import csv
import math
import shutil
import struct
import subprocess
import sys
import tempfile
from fractions import Fraction
from pathlib import Path

import soft02cmt_beispiel


# --------------------------------------------------------------------------
# Encoding of the record fields.

def extended(wert):
    """The 10-byte extended form of a float: 64-bit mantissa with explicit
    integer bit, then 15-bit exponent (bias 16383) and sign, little-endian.
    Decimal text values are rounded to the nearest extended value, as a
    program reading the same text would store it."""
    if isinstance(wert, str):
        x = Fraction(wert)
    else:
        x = Fraction(wert)
    negativ = x < 0
    x = abs(x)
    if x == 0:
        return struct.pack('<QH', 0, 0x8000 if negativ else 0)
    # exponent e with 2^e <= x < 2^(e+1)
    e = math.floor(math.log2(x.numerator) - math.log2(x.denominator))
    while Fraction(2) ** e > x:
        e -= 1
    while Fraction(2) ** (e + 1) <= x:
        e += 1
    skaliert = x / Fraction(2) ** (e - 63)  # in [2^63, 2^64)
    mantisse = round(skaliert)  # ties to even
    if mantisse == 1 << 64:
        mantisse >>= 1
        e += 1
    exponent = e + 16383
    if not 0 < exponent < 0x7FFF:
        raise ValueError('value outside the normal extended range: %r' % wert)
    return struct.pack('<QH', mantisse, exponent | (0x8000 if negativ else 0))


def text(wert, groesse):
    """ShortString[groesse]: length byte and groesse characters (Windows-1252)."""
    daten = wert.encode('cp1252')
    if len(daten) > groesse:
        raise ValueError('text longer than %d characters: %r' % (groesse, wert))
    return bytes([len(daten)]) + daten + bytes(groesse - len(daten))


class Satz:
    """A record buffer of fixed size, zero-filled, written at fixed offsets."""

    def __init__(self, groesse):
        self.b = bytearray(groesse)

    def setze(self, offset, daten):
        assert offset + len(daten) <= len(self.b)
        self.b[offset:offset + len(daten)] = daten

    def ext(self, offset, wert):
        self.setze(offset, extended(wert))

    def text(self, offset, wert, groesse):
        self.setze(offset, text(wert, groesse))

    def int16(self, offset, wert):
        self.setze(offset, struct.pack('<h', wert))

    def word(self, offset, wert):
        self.setze(offset, struct.pack('<H', wert))

    def byte(self, offset, wert):
        self.setze(offset, struct.pack('<B', wert))


def schreiben(pfad, saetze, groesse):
    daten = b''.join(bytes(s.b) for s in saetze)
    assert len(daten) == len(saetze) * groesse
    Path(pfad).write_bytes(daten)
    print('%s: %d records' % (pfad, len(saetze)))


# --------------------------------------------------------------------------
# NGC and IC: TDeepSkyObjekt, 64 bytes.

def deepsky_satz(zeile):
    s = Satz(64)
    s.int16(0, int(zeile['number']))
    s.ext(8, zeile['ra_deg'])
    s.ext(18, zeile['dec_deg'])
    # Types right-aligned in three characters, as " OC" of the start's entry.
    s.text(28, zeile['type'].rjust(3), 3)
    s.ext(32, zeile['mag'])  # 99.00 = unknown
    s.ext(48, zeile['size_arcmin'])  # 0.00 = unknown
    s.text(58, zeile['const'].upper(), 3)
    s.byte(62, int(zeile['messier']))
    return s


def katalog(csv_pfad, kapazitaet):
    with open(csv_pfad, newline='', encoding='utf-8') as f:
        zeilen = list(csv.DictReader(f))
    if len(zeilen) > kapazitaet:
        # The only entries without a real object ("nonexistent") give way first.
        zeilen = [z for z in zeilen if z['type'] != '-']
    if len(zeilen) > kapazitaet:
        raise SystemExit('%s: %d entries, room for %d' % (csv_pfad, len(zeilen), kapazitaet))
    return [deepsky_satz(z) for z in zeilen]


# --------------------------------------------------------------------------
# Bright stars: TStern, 96 bytes.

def stern_satz(zeile):
    s = Satz(96)
    s.word(0, int(zeile['flamsteed']))
    s.text(2, zeile['bayer'], 7)
    # The character written after the Bayer letter: the superscript digit, or a blank.
    s.byte(10, ord(zeile['bayer_sup']) if zeile['bayer_sup'] else ord(' '))
    s.text(11, zeile['name'], 10)
    s.text(22, zeile['const'].upper(), 3)
    s.ext(32, zeile['ra_deg'])
    s.ext(48, zeile['dec_deg'])
    s.ext(64, zeile['vmag'])
    return s


def sterne(csv_pfad, kapazitaet):
    with open(csv_pfad, newline='', encoding='utf-8') as f:
        zeilen = list(csv.DictReader(f))
    if len(zeilen) > kapazitaet:
        raise SystemExit('%s: %d stars, room for %d' % (csv_pfad, len(zeilen), kapazitaet))
    return [stern_satz(z) for z in zeilen]


# --------------------------------------------------------------------------
# Observing locations: TOrt, 88 bytes. Longitude positive to the WEST.

ORTE = [
    # name, longitude (degrees, west positive), latitude (degrees, north positive)
    ('Royal Observatory Greenwich', '0.0015', '51.4779'),
    ('Sternwarte Sonneberg', '-11.1908', '50.3792'),
    ('Observatorium Wendelstein', '-12.0119', '47.7036'),
    ('Archenhold-Sternwarte Berlin', '-13.4778', '52.4861'),
    ('Pic du Midi', '-0.1420', '42.9364'),
    ('Roque de los Muchachos, La Palma', '17.8925', '28.7606'),
    ('Palomar Observatory', '116.8650', '33.3564'),
    ('Mount Wilson Observatory', '118.0574', '34.2258'),
    ('Lowell Observatory, Flagstaff', '111.6647', '35.2029'),
    ('Kitt Peak National Observatory', '111.5967', '31.9583'),
    ('Mauna Kea Observatories', '155.4681', '19.8207'),
    ('La Silla Observatory', '70.7377', '-29.2563'),
    ('Paranal Observatory', '70.4042', '-24.6272'),
    ('Siding Spring Observatory', '-149.0661', '-31.2733'),
    ('South African Astronomical Observatory, Sutherland', '-20.8107', '-32.3783'),
]


def ort_satz(name, laenge, breite):
    s = Satz(88)
    s.text(0, name, 60)
    s.ext(64, laenge)
    s.ext(74, breite)
    return s


# --------------------------------------------------------------------------
# Orbital elements: the whole published comet list, written in the list's fixed
# columns and converted by the program's own conversion, so that "Bahnelem.dat"
# holds exactly what a download of that list gives.

def umwandler_bauen():
    """Builds the conversion command in the Release build of tools/starten.sh."""
    wurzel = Path(__file__).resolve().parent.parent
    bau = wurzel / 'build' / 'release'
    subprocess.run(['cmake', '-S', str(wurzel), '-B', str(bau), '-G', 'Ninja',
                    '-DCMAKE_BUILD_TYPE=Release', '-DZENARO_TESTS=OFF'],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['cmake', '--build', str(bau), '--target', 'kometenliste_umwandeln'],
                   check=True, stdout=subprocess.DEVNULL)
    return bau / 'kometenliste_umwandeln'


def bahnelemente(json_pfad, ziel):
    kometen = soft02cmt_beispiel.kometen_lesen(json_pfad)
    umwandler = umwandler_bauen()
    with tempfile.TemporaryDirectory() as ordner:
        soft02cmt_beispiel.liste_schreiben(kometen, Path(ordner) / 'Soft02Cmt.txt')
        subprocess.run([str(umwandler), ordner], check=True, stdout=subprocess.DEVNULL)
        shutil.copyfile(Path(ordner) / 'Bahnelem.dat', ziel / 'Bahnelem.dat')
    anzahl = (ziel / 'Bahnelem.dat').stat().st_size // 304
    if anzahl != len(kometen):
        raise SystemExit('Bahnelem.dat: %d of %d comets' % (anzahl, len(kometen)))
    print('%s: %d records' % (ziel / 'Bahnelem.dat', anzahl))


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    quelle = Path(sys.argv[1])
    ziel = Path(sys.argv[2])
    ziel.mkdir(parents=True, exist_ok=True)
    # "ngc.dta" leaves one of the 7840 slots for the entry the start appends.
    schreiben(ziel / 'ngc.dta', katalog(quelle / 'catalogues' / 'ngc.csv', 7839), 64)
    schreiben(ziel / 'ic.dta', katalog(quelle / 'catalogues' / 'ic.csv', 5386), 64)
    schreiben(ziel / 'bsc4.dta', sterne(quelle / 'catalogues' / 'bsc.csv', 9110), 96)
    schreiben(ziel / 'Orte.dat', [ort_satz(*o) for o in ORTE], 88)
    bahnelemente(quelle / 'comets' / 'cometels.json.gz', ziel)


if __name__ == '__main__':
    main()
