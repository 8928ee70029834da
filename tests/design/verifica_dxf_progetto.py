#!/usr/bin/env python3
"""Reads back with ezdxf the detailing drawing of the designed beam exported
by the drawing window, and checks it against places worked out by hand.

Usage: verifica_dxf_progetto.py <test_design executable>
Exit 0 when the drawing is right, 77 when ezdxf is missing, 1 otherwise.

The beam: 300 x 500 mm, cover c = 20, stirrups phi = 8 with four legs,
holders of 12. Legs on the width W = 300 - 2c - phi = 252 at W/3 spacings;
a holder touches the inside of its bend (inner radius 2 phi):
x1 = 2 phi - (2 phi - 6)/sqrt(2) + phi/2 from the leg axis. The n bars of a
zone share the three gaps between holders (n // 3 each, one more in the
middle for a remainder of 1, in the outer two for 2), evenly in each gap,
their centres touching the stirrup: c + phi + d/2 from the face. Two bars
mid-way between the holders would stand 25.07 - d/2 < 20 from the inner leg's
face (at W/6 - phi/2): each is centred between it and the outer holder's face.
"""
import math
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from dxf_esportato import errori_lettura, esito, leggi_dxf_esportato  # noqa: E402

B, H, C, PHI, D_REGGI = 300.0, 500.0, 20.0, 8.0, 12.0
TOL = 1e-3
W6 = (B - 2 * C - PHI) / 6


def reggistaffe():
    meta = B / 2 - C - PHI / 2
    w = 2 * meta
    x1 = 2 * PHI - (2 * PHI - D_REGGI / 2) / math.sqrt(2) + PHI / 2
    return [-meta + x1, -meta + w / 3 + x1, meta - w / 3 - x1, meta - x1], C + PHI / 2 + x1


def posti(n, reggi):
    if n == 2:
        centro = (-reggi[0] - D_REGGI / 2 + W6 + PHI / 2) / 2
        return [-centro, centro]
    conta = [n // 3] * 3
    if n % 3 == 1:
        conta[1] += 1
    if n % 3 == 2:
        conta[0] += 1
        conta[2] += 1
    x = []
    for g in range(3):
        passo = (reggi[g + 1] - reggi[g]) / (conta[g] + 1)
        x += [reggi[g] + j * passo for j in range(1, conta[g] + 1)]
    return x


def punti(e):
    return [(p[0], p[1]) for p in e.points()] if e.dxftype() == "POLYLINE" else \
        [(p[0], p[1]) for p in e.get_points("xy")]


def main():
    doc = leggi_dxf_esportato(sys.argv[1], "DisegnoProgetto.ExportedToDxf", "TRAMOK_DXF_PROGETTO")
    if doc is None:
        return 1
    errori = errori_lettura(doc)
    msp = doc.modelspace()
    cerchi = [(c.dxf.center[0], c.dxf.center[1], c.dxf.radius) for c in msp.query("CIRCLE")]
    linee = [(l.dxf.start, l.dxf.end) for l in msp.query("LINE")]
    poligonali = [punti(p) for p in msp.query("POLYLINE LWPOLYLINE")]
    testi = [(t.dxf.text, t.dxf.insert[0], t.dxf.insert[1]) for t in msp.query("TEXT")]

    def cerchio(x, y, r):
        return any(abs(cx - x) < TOL and abs(cy - y) < TOL and abs(cr - r) < TOL
                   for cx, cy, cr in cerchi)

    # The outline is the designed rectangle, x from the middle of the width.
    angoli = {(-B / 2, 0.0), (B / 2, 0.0), (B / 2, H), (-B / 2, H)}
    if not any({(round(x, 6), round(y, 6)) for x, y in p} == angoli for p in poligonali):
        errori.append("manca il contorno 300 x 500")

    reggi, y_reggi = reggistaffe()
    for x in reggi:
        for y in (y_reggi, H - y_reggi):
            if not cerchio(x, y, D_REGGI / 2):
                errori.append(f"reggistaffa mancante in ({x:.3f}, {y:.3f})")

    etichette = []
    for testo, x, y in testi:
        m = re.fullmatch(r" P\.(\d+) (\d+)Ø(\d+)", testo)
        if m:
            etichette.append((int(m.group(1)), int(m.group(2)), int(m.group(3)), x, y))
            # Its leader ends at the label.
            if not any(abs(e[0] - x) < TOL and abs(e[1] - y) < TOL for _, e in linee):
                errori.append(f"etichetta {testo!r} senza linea di richiamo")
    numeri = sorted(e[0] for e in etichette)
    if numeri != list(range(1, len(numeri) + 1)) or len(numeri) < 3:
        errori.append(f"posizioni numerate {numeri}")
    for numero, n, d, x, y in etichette:
        if numero in (1, 2):
            if (n, d) != (4, 12):
                errori.append(f"reggistaffe P.{numero}: {n}Ø{d}")
            continue
        sotto = y < 0
        y_barre = C + PHI + d / 2 if sotto else H - (C + PHI + d / 2)
        for xb in posti(n, reggi):
            if not cerchio(xb, y_barre, d / 2):
                errori.append(f"P.{numero} {n}Ø{d}: barra mancante in ({xb:.3f}, {y_barre:.3f})")
    if len(cerchi) != 8 + sum(e[1] for e in etichette if e[0] > 2):
        errori.append(f"{len(cerchi)} cerchi")

    # The exploded stirrups, both faces, below the lowest label.
    y_etichette = min(e[4] for e in etichette) if etichette else 0
    esplose = [p for p in poligonali if len(p) >= 20 and max(y for _, y in p) < y_etichette]
    if len(esplose) < 4:
        errori.append(f"staffe esplose: {len(esplose)} poligonali")
    if not any(re.fullmatch(r"Staffe Ø8/\d+cm  Ltot = 156 \+ 122 cm", t) for t, _, _ in testi):
        errori.append("manca la scritta delle staffe")
    return esito(errori)


if __name__ == "__main__":
    sys.exit(main())
