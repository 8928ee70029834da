// Editing a grid cell in place with a floating text box, and the tab stops
// of the window while it is open.
#include "drawing/MsFlex.h"

#include <algorithm>
#include <optional>
#include <string>

#include "drawing/NumeroCella.h"
#include "model/TestoUtf8.h"
#include "platform/Tasti.h"

namespace MsFlex {
namespace {

using platform::FlexGrid;

// The character of a key as UTF-8; nothing for a code that is none.
std::string Carattere(int codice) {
  const auto c = static_cast<unsigned>(codice);
  std::string s;
  if (codice < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

// Delete and the other control characters type nothing.
bool CarattereDiControllo(int codice) { return codice == 127 || (codice >= 0x80 && codice < 0xA0); }

// The cell after the current one, down the column then to the top of the
// next column, or along the row then to the start of the next row; false at
// the last cell, which stays current.
bool CellaSuccessiva(FlexGrid& griglia, bool perRighe) {
  const bool ultimaRiga = griglia.Row() >= griglia.Rows() - 1;
  const bool ultimaColonna = griglia.Col() >= griglia.Cols() - 1;
  if (perRighe) {
    if (!ultimaColonna) {
      griglia.SetCol(griglia.Col() + 1);
    } else if (!ultimaRiga) {
      griglia.SetCol(1);
      griglia.SetRow(griglia.Row() + 1);
    } else {
      return false;
    }
  } else {
    if (!ultimaRiga) {
      griglia.SetRow(griglia.Row() + 1);
    } else if (!ultimaColonna) {
      griglia.SetRow(1);
      griglia.SetCol(griglia.Col() + 1);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

void ModificaCella(FlexGrid& griglia, platform::CasellaTesto& editor, int tasto) {
  Stato.PrimoTastoCella = tasto;
  if (tasto == 0) {
    // A click: a number in the cell is taken up, otherwise the editor keeps
    // its own text; either way all of it is selected.
    const std::string testo = griglia.Text();
    if (NumeroCella::Numerico(testo)) editor.SetText(testo);
    editor.SetSelStart(0);
    editor.SetSelLength(TestoUtf8::NumeroCaratteri(editor.Text()));
  } else if (tasto >= 1 && (tasto <= 32 || CarattereDiControllo(tasto))) {
    editor.SetText(griglia.Text());
    editor.SetSelStart(TestoUtf8::NumeroCaratteri(editor.Text()));
  } else {
    editor.SetText(Carattere(tasto));
    editor.SetSelStart(1);
  }
  editor.Move(griglia.Left() + griglia.CellLeft(), griglia.Top() + griglia.CellTop(),
              griglia.CellWidth(), griglia.CellHeight());
  editor.SetVisible(true);
  editor.SetFocus();
}

void TxtEditTastoGiu(FlexGrid& griglia, platform::CasellaTesto& editor, int& codice,
                     int shift, platform::Focalizzabile* prossimo, bool perRighe) {
  const bool indietro = codice == platform::TastoTab && (shift & platform::MascheraMaiuscolo);
  switch (indietro ? platform::TastoSu : codice) {
    case platform::TastoInvio:
    case platform::TastoTab:
      // The grid's own focus events run before the cell is written.
      griglia.SetFocus();
      platform::DoEvents();
      griglia.SetText(editor.Text());
      // The next cell opens with its own text, as a click opens it: a key
      // typed for one cell is never carried into the next.
      if (CellaSuccessiva(griglia, perRighe)) {
        editor.SetText(griglia.Text());
        ModificaCella(griglia, editor, 0);
      } else if (prossimo) {
        prossimo->SetFocus();
      }
      break;
    case platform::TastoEsc:
      editor.SetVisible(false);
      griglia.SetFocus();
      break;
    case platform::TastoSu:
      griglia.SetFocus();
      break;
    case platform::TastoGiu:
      griglia.SetFocus();
      platform::DoEvents();
      if (griglia.Row() < griglia.Rows() - 1) griglia.SetRow(griglia.Row() + 1);
      break;
    default:
      break;
  }
}

void TxtEditKeyDown(FlexGrid& griglia, platform::CasellaTesto& editor, int& codice, int shift,
                    platform::Focalizzabile* prossimo, bool perRighe) {
  if (codice == platform::TastoTab) codice = platform::TastoInvio;
  TxtEditTastoGiu(griglia, editor, codice, shift, prossimo, perRighe);
}

void ImpostaTabStop(bool ripristina) {
  if (!ripristina) {
    // Held already: holding again would keep the cleared values.
    if (Stato.FinestraTabStop) return;
    std::shared_ptr<platform::ControlliFinestra> finestra = platform::FinestraAttiva();
    if (!finestra) return;
    Stato.TabStopSalvati.assign(static_cast<std::size_t>(finestra->ControlCount()), std::nullopt);
    for (int i = 0; i < finestra->ControlCount(); ++i) {
      Stato.TabStopSalvati[static_cast<std::size_t>(i)] = finestra->TabStop(i);
      finestra->SetTabStop(i, false);
    }
    Stato.FinestraTabStop = std::move(finestra);
    return;
  }
  // Given back to the window they came from, whichever is active now.
  if (!Stato.FinestraTabStop) return;
  platform::ControlliFinestra& finestra = *Stato.FinestraTabStop;
  const int n = std::min(finestra.ControlCount(), static_cast<int>(Stato.TabStopSalvati.size()));
  for (int i = 0; i < n; ++i)
    if (const std::optional<bool> salvato = Stato.TabStopSalvati[static_cast<std::size_t>(i)])
      finestra.SetTabStop(i, *salvato);
  Stato.TabStopSalvati.clear();
  Stato.FinestraTabStop.reset();
}

void TxtEditEntra() { ImpostaTabStop(false); }

void TxtEditEsce() { ImpostaTabStop(true); }

}  // namespace MsFlex
