#!/usr/bin/env python3
"""Reads back with ezdxf the DXF that the section drawing window exports.

Usage: verifica_dxf_sezione.py <test_app executable>
Exit 0 when the file reads without errors and holds the section, 77 when
ezdxf is missing, 1 otherwise.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from dxf_esportato import errori_lettura, esito, leggi_dxf_esportato  # noqa: E402


def main():
    doc = leggi_dxf_esportato(sys.argv[1], "FinestraPltSezione.ExportsTheDrawingToADxfFile",
                              "TRAMOK_DXF_SEZIONE")
    if doc is None:
        return 1
    errori = errori_lettura(doc)
    msp = doc.modelspace()
    # Three bars of 500 mm2 (radius 12.6 mm) drawn as circles.
    cerchi = [c for c in msp.query("CIRCLE") if abs(c.dxf.radius - 12.616) < 0.01]
    if len(cerchi) < 3:
        errori.append(f"barre: {len(cerchi)} cerchi di raggio 12.6 invece di 3")
    # The 300 x 500 outline: the drawing spans at least that much.
    xs, ys = [], []
    for e in msp:
        if e.dxftype() == "LINE":
            for p in (e.dxf.start, e.dxf.end):
                xs.append(p[0])
                ys.append(p[1])
        elif e.dxftype() in ("POLYLINE", "LWPOLYLINE"):
            for p in e.points():
                xs.append(p[0])
                ys.append(p[1])
    if not xs or max(xs) - min(xs) < 299 or max(ys) - min(ys) < 499:
        errori.append("il contorno 300 x 500 non è nel disegno")
    return esito(errori)


if __name__ == "__main__":
    sys.exit(main())
