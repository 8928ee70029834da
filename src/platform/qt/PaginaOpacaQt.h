#pragma once
// A recorded picture drawn on paper without transparency. Widgets paint with
// translucent colours and with images that carry an alpha channel; a page
// holding them is turned into one bitmap by the print spooler's PostScript
// step, its texts lost. Played back through PaginaOpacaQt, every colour and
// image is laid on white paper first: lines, shapes and texts reach the
// printer as they are, opaque.
class QPainter;
class QPicture;

namespace platform {

// Plays registrazione on carta, in carta's present coordinates.
void DisegnaOpaca(QPainter& carta, const QPicture& registrazione);

}  // namespace platform
