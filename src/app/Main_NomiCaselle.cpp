// The main window's boxes and grid cells named as the engineer reads them
// beside the box or over the column, for the refusal of a text that is no
// number.
#include "app/Generale.h"
#include "app/Main.h"
#include "drawing/MsFlex.h"
#include "model/VariabiliPubbliche.h"

namespace {

using platform::SenzaIndice;

struct NomeCasella {
  const char* oggetto;
  int indice;
  const char* nome;
};

constexpr NomeCasella Caselle[] = {
    {"F_nMaxRettangolini", 0, "N° rett."},
    {"F_Vertici", SenzaIndice, "Vertici"},
    {"RaggioTxt", 0, "Raggio esterno"},
    {"RaggioTxt", 1, "N° barre uguali"},
    {"RaggioTxt", 2, "Diametro barre"},
    {"RaggioTxt", 3, "Copriferro (baric.)"},
    {"RaggioTxt", 4, "Raggio interno"},
    {"F_L0", SenzaIndice, "L0"},
    {"F_N", 0, "NEd (S.L.U.)"},
    {"F_N", 1, "NEd (Metodo n)"},
    {"F_Mxsd", 0, "MxEd (S.L.U.)"},
    {"F_Mxsd", 1, "MxEd (Metodo n)"},
    {"F_MySd", 0, "MyEd (S.L.U.)"},
    {"F_MySd", 1, "MyEd (Metodo n)"},
    {"F_Angolo", SenzaIndice, "angolo asse neutro"},
    {"F_xN", 0, "xN"},
    {"F_xN", 1, "yN"},
    {"F_fyd", 0, "fyd"},
    {"F_fyd", 1, "fpd"},
    {"F_Es", 0, "Es"},
    {"F_eps_su", 0, "εsu"},
    {"txtSigAdm_S", 0, "σs"},
    {"txtSigAdm_S", 1, "σp"},
    {"F_Es_su_Ec", 0, "n = Es/Ec"},
    {"F_Es_su_Ec", 1, "n = Ep/Ec"},
    {"TxtFcd", SenzaIndice, "fcd"},
    {"F_eps_cu", 0, "εcu"},
    {"F_eps_cu", 1, "εc2"},
    {"F_fccSufcd", SenzaIndice, "fcc/fcd"},
    {"txtSigAdm", 1, "σc"},
    {"txtSigAdm", 2, "τc0"},
    {"txtSigAdm", 3, "τc1"},
};

std::string Rifiuto(const std::string& nome, const std::string& testo) {
  return nome + " = " + testo + ": deve essere un numero.";
}

}  // namespace

std::string Main::NonNumero(const Generale::NumeroNonValido& motivo) {
  if (const auto* casella = dynamic_cast<const Generale::CasellaNonNumerica*>(&motivo)) {
    for (int g = 0; g <= 2; ++g)
      if (casella->Casella == &Controllo("txtRigheGriglia", g))
        return Rifiuto(Controllo("LblRigheGriglia", g).Caption(), casella->Casella->Text());
    for (const NomeCasella& c : Caselle)
      if (casella->Casella == &Controllo(c.oggetto, c.indice))
        return Rifiuto(c.nome, casella->Casella->Text());
  }
  if (const auto* cella = dynamic_cast<const MsFlex::CellaNonNumerica*>(&motivo)) {
    const bool vertici = VariabiliPubbliche::Stato.TipoSezione >= 5;
    const char* const griglie[] = {vertici ? "dei vertici" : "delle figure", "delle barre",
                                   "dei cavi"};
    for (int g = 0; g <= 2; ++g) {
      const platform::FlexGrid& f = FlexGrid(g);
      if (cella->Griglia == &f)
        return Rifiuto("La cella " + f.TextMatrix(0, cella->Colonna) + " della riga " +
                           std::to_string(cella->Riga) + " " + griglie[g],
                       f.TextMatrix(cella->Riga, cella->Colonna));
    }
  }
  return "";
}
