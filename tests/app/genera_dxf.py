#!/usr/bin/env python3
"""Writes with ezdxf the DXF drawings that the import tests read.

Usage: /usr/bin/python3 tests/app/genera_dxf.py   (needs python3-ezdxf)
The files go to tests/app/fixtures and are kept as data.

The section of every drawing: a 300 x 500 mm rectangle on layer SEZIONE,
four bars of radius 8 mm on BARRE, one tendon of radius 7.5 mm on CAVI.
"""
import os

import ezdxf

CARTELLA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")
CONTORNO = [(0, 0), (300, 0), (300, 500), (0, 500)]
BARRE = [(40, 40), (260, 40), (260, 460), (40, 460)]
CAVO = (150, 250)


def disegno(versione):
    doc = ezdxf.new(versione)
    for nome in ("SEZIONE", "BARRE", "CAVI", "QUOTE"):
        doc.layers.add(nome)
    return doc, doc.modelspace()


def armature(msp):
    for centro in BARRE:
        msp.add_circle(centro, 8, dxfattribs={"layer": "BARRE"})
    msp.add_circle(CAVO, 7.5, dxfattribs={"layer": "CAVI"})
    # Not on a chosen layer: skipped.
    msp.add_circle((150, 100), 20, dxfattribs={"layer": "QUOTE"})
    msp.add_text("CIRCLE", dxfattribs={"layer": "BARRE", "height": 25, "insert": (10, 10)})
    msp.add_line((0, -50), (300, -50), dxfattribs={"layer": "QUOTE"})


def r12():
    doc, msp = disegno("R12")
    msp.add_polyline2d(CONTORNO, close=True, dxfattribs={"layer": "SEZIONE"})
    armature(msp)
    doc.saveas(os.path.join(CARTELLA, "sezione_r12.dxf"))


def r2000():
    doc, msp = disegno("R2000")
    msp.add_lwpolyline(CONTORNO, close=True, dxfattribs={"layer": "SEZIONE"})
    armature(msp)
    doc.saveas(os.path.join(CARTELLA, "sezione_r2000.dxf"))


def archi():
    """A 300 x 400 rectangle whose top side is a half circle of radius 150
    (bulge 1 from (300, 400) to (0, 400)), and one whose top is a half
    circle cut into it (bulge -1)."""
    doc, msp = disegno("R2000")
    punti = [(0, 0, 0, 0, 0), (300, 0, 0, 0, 0), (300, 400, 0, 0, 1), (0, 400, 0, 0, 0)]
    msp.add_lwpolyline(punti, format="xyseb", close=True, dxfattribs={"layer": "SEZIONE"})
    doc.saveas(os.path.join(CARTELLA, "archi_r2000.dxf"))
    doc, msp = disegno("R12")
    msp.add_polyline2d([(0, 0), (300, 0), (300, 400, 0, 0, -1), (0, 400)], format="xyseb",
                       close=True, dxfattribs={"layer": "SEZIONE"})
    doc.saveas(os.path.join(CARTELLA, "archi_r12.dxf"))


if __name__ == "__main__":
    r12()
    r2000()
    archi()
