#!/usr/bin/env python3
"""Reads back with ezdxf the DXF that the drawing tests write.

Usage: verifica_dxf.py <test_drawing executable>
Exit 0 when the file reads without errors and holds the expected entities,
77 when ezdxf is missing, 1 otherwise.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    print("ezdxf non installato (pacchetto python3-ezdxf)")
    sys.exit(77)

Y0 = 100.0  # the y offset the drawing is written with


def f32(v):
    """The value as a 32-bit float holds it."""
    return struct.unpack("f", struct.pack("f", v))[0]


errori = []


def controlla(condizione, messaggio):
    if not condizione:
        errori.append(messaggio)


def vicino(a, b, digits):
    """a equals b within the digits written for it."""
    return math.isclose(a, b, rel_tol=10.0 ** (1 - digits), abs_tol=1e-300)


def punto(p, x, y, digits, nome):
    controlla(vicino(p[0], x, digits) and vicino(p[1], y, digits) and p[2] == 0,
              f"{nome}: {tuple(p)} invece di ({x}, {y}, 0)")


def main():
    eseguibile = sys.argv[1]
    with tempfile.TemporaryDirectory() as cartella:
        percorso = os.path.join(cartella, "verifica.dxf")
        ambiente = dict(os.environ, TRAMOK_DXF_VERIFICA=percorso)
        esito = subprocess.run(
            [eseguibile, "--gtest_filter=DxfLetturaEsterna.*"], env=ambiente,
            capture_output=True, text=True)
        if esito.returncode != 0 or not os.path.exists(percorso):
            print(esito.stdout, esito.stderr)
            print("il DXF non è stato scritto")
            return 1
        doc = ezdxf.readfile(percorso)
        verifica(doc)
    for e in errori:
        print("ERRORE:", e)
    return 1 if errori else 0


def verifica(doc):
    auditor = doc.audit()
    controlla(not auditor.has_errors,
              "errori di lettura: " + "; ".join(str(e.message) for e in auditor.errors))
    msp = doc.modelspace()
    tipi = [e.dxftype() for e in msp]
    controlla(tipi == ["LINE", "LINE", "CIRCLE", "CIRCLE", "POLYLINE", "POLYLINE",
                       "TEXT", "TEXT", "TEXT"], f"entità: {tipi}")
    controlla(all(e.dxf.layer == "0" for e in msp), "layer diverso da 0")

    linee = msp.query("LINE")
    controlla([l.dxf.color for l in linee] == [1, 13], "colori delle linee")
    punto(linee[0].dxf.start, 0, Y0, 7, "linea 1 inizio")
    punto(linee[0].dxf.end, f32(12.3), f32(Y0 + f32(-4.56)), 7, "linea 1 fine")
    punto(linee[1].dxf.start, 1234.56789012345, Y0 + 0.001 / 2, 15, "linea 2 inizio")
    punto(linee[1].dxf.end, -250.125, f32(Y0) + 1e-7 / 2, 15, "linea 2 fine")

    cerchi = msp.query("CIRCLE")
    controlla([c.dxf.color for c in cerchi] == [5, 5], "colori dei cerchi")
    punto(cerchi[0].dxf.center, 10, 120, 7, "cerchio 1")
    controlla(cerchi[0].dxf.radius == 2.5, "raggio 1")
    punto(cerchi[1].dxf.center, -3.75, 100.5, 15, "cerchio 2")
    controlla(vicino(cerchi[1].dxf.radius, 1234.5678, 15), "raggio 2")

    poli = msp.query("POLYLINE")
    chiusa = [tuple(v.dxf.location)[:2] for v in poli[0].vertices]
    controlla(chiusa == [(0, 100), (300, 100), (300, 600), (0, 600), (0, 100)],
              f"poligonale chiusa: {chiusa}")
    aperta = [tuple(v.dxf.location)[:2] for v in poli[1].vertices]
    attesa = [(-10.5, Y0 + 1.1), (0.25, Y0 + 2.2), (20.125, Y0 + 3.3)]
    controlla(len(aperta) == 3 and all(
        vicino(a[0], b[0], 15) and vicino(a[1], b[1], 15) for a, b in zip(aperta, attesa)),
        f"poligonale aperta: {aperta}")
    controlla([p.dxf.color for p in poli] == [7, 7], "colori delle poligonali")

    testi = msp.query("TEXT")
    controlla([t.dxf.text for t in testi] ==
              ["Sezione 30x50", "N = 1,5 \"kN\"", "Riga 1 Riga 2 è più"],
              f"testi: {[t.dxf.text for t in testi]}")
    controlla([t.dxf.color for t in testi] == [3, 3, 3], "colori dei testi")
    punto(testi[0].dxf.insert, 15, f32(Y0 + f32(12.3)), 15, "testo 1")
    controlla(testi[0].dxf.height == 2.5, "altezza testo 1")
    punto(testi[1].dxf.insert, 5.5, Y0 + 40.25 - 1.5 * 3, 15, "testo 2")
    punto(testi[2].dxf.insert, 0, Y0, 15, "testo 3")


if __name__ == "__main__":
    sys.exit(main())
