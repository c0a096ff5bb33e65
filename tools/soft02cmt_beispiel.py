#!/usr/bin/env python3
"""Writes a comet element list "Soft02Cmt.txt" in the list's fixed columns from
the published elements in quelldaten/comets/cometels.json.gz, for trying the conversion
by hand; tools/datenverzeichnis.py writes the shipped element file through it.

    tools/soft02cmt_beispiel.py [target] [--ende lf|crlf|cr] [--anzahl N]
"""
import argparse
import gzip
import json
import os

HIER = os.path.dirname(os.path.abspath(__file__))
QUELLE = os.path.join(HIER, "..", "quelldaten", "comets", "cometels.json.gz")


def feld(zeile, von, text):
    """Puts text into the 1-based columns starting at von."""
    von -= 1
    return zeile[:von] + text + zeile[von + len(text):]


def zeile(k):
    z = " " * 154
    z = feld(z, 1, k["Designation_and_name"][:43].ljust(43))
    z = feld(z, 44, "%7.4f" % k["Day_of_perihelion"])
    z = feld(z, 53, "%2d" % k["Month_of_perihelion"])
    z = feld(z, 57, "%4d" % k["Year_of_perihelion"])
    z = feld(z, 74, "%9.6f" % k["Perihelion_dist"])
    z = feld(z, 86, "%9.6f" % k["e"])
    z = feld(z, 96, "%9.4f" % k["i"])
    z = feld(z, 108, "%9.4f" % k["Peri"])
    z = feld(z, 120, "%9.4f" % k["Node"])
    z = feld(z, 133, "2000.0")
    z = feld(z, 141, "%5.1f" % k["H"])
    z = feld(z, 147, "%5.1f" % k["G"])
    return z + k["Ref"]


def kometen_lesen(quelle=QUELLE):
    """The published comets in the order of the list."""
    with gzip.open(quelle, "rt", encoding="utf-8") as f:
        return json.load(f)


def liste_schreiben(kometen, ziel, ende="\r\n"):
    """Writes the comets as the list file, one line each (Windows-1252)."""
    with open(ziel, "wb") as f:
        for k in kometen:
            f.write((zeile(k) + ende).encode("cp1252"))


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("ziel", nargs="?", default="Soft02Cmt.txt")
    p.add_argument("--ende", choices=["lf", "crlf", "cr"], default="crlf")
    p.add_argument("--anzahl", type=int, default=0, help="only the first N comets")
    a = p.parse_args()
    kometen = kometen_lesen()
    if a.anzahl > 0:
        kometen = kometen[: a.anzahl]
    liste_schreiben(kometen, a.ziel, {"lf": "\n", "crlf": "\r\n", "cr": "\r"}[a.ende])
    print("%d comets written to %s" % (len(kometen), a.ziel))


if __name__ == "__main__":
    main()
