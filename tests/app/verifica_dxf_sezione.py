#!/usr/bin/env python3
"""Reads back with ezdxf the DXF that the section drawing window exports.

Usage: verifica_dxf_sezione.py <test_app executable>
Exit 0 when the file reads without errors and holds the section, 77 when
ezdxf is missing, 1 otherwise.
"""
import os
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    print("ezdxf non installato (pacchetto python3-ezdxf)")
    sys.exit(77)


def main():
    with tempfile.TemporaryDirectory() as cartella:
        percorso = os.path.join(cartella, "sezione.dxf")
        ambiente = dict(os.environ, TRAMOK_DXF_SEZIONE=percorso)
        esito = subprocess.run(
            [sys.argv[1], "--gtest_filter=FinestraPltSezione.ExportsTheDrawingToADxfFile"],
            env=ambiente, capture_output=True, text=True)
        if esito.returncode != 0 or not os.path.exists(percorso):
            print(esito.stdout, esito.stderr)
            print("il DXF non è stato scritto")
            return 1
        doc = ezdxf.readfile(percorso)
    errori = []
    auditor = doc.audit()
    if auditor.has_errors:
        errori.append("errori di lettura: " + "; ".join(str(e.message) for e in auditor.errors))
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
    for e in errori:
        print("ERRORE:", e)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
