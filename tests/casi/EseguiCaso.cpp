// Builds the current section of a case as the main window does (program state,
// materials, outline, bars, tendons, actions) and runs the analysis the case
// names in "verification".
#include "EseguiCaso.h"

#include "AnalisiCaso.h"

#include <cmath>
#include <functional>
#include <stdexcept>
#include <set>

#include "analysis/Correnti.h"
#include "doppi/MainProva.h"
#include "doppi/SezioneProva.h"
#include "drawing/Grafica_Estremi.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

struct DatiNonValidi {
  std::string motivo;
};

double Richiesto(const Caso& caso, const std::string& chiave) {
  if (caso.Lista(chiave).size() != 1) throw DatiNonValidi{"'" + chiave + "' vuole un numero"};
  return caso.Lista(chiave).front();
}

// The list of a key in rows of k numbers: columns 1..k, each 1-based.
std::vector<Vettore<double>> Colonne(const Caso& caso, const std::string& chiave, size_t k) {
  const std::vector<double>& v = caso.Lista(chiave);
  if (v.size() % k != 0)
    throw DatiNonValidi{"'" + chiave + "' vuole gruppi di " + std::to_string(k) + " numeri"};
  const int n = static_cast<int>(v.size() / k);
  std::vector<Vettore<double>> colonne(k, Vettore<double>(1, n));
  for (int i = 1; i <= n; ++i)
    for (size_t j = 0; j < k; ++j) colonne[j](i) = v[(static_cast<size_t>(i) - 1) * k + j];
  return colonne;
}

Vettore<float> InFloat(const Vettore<double>& v) {
  Vettore<float> f(1, v.Ub());
  for (int i = 1; i <= v.Ub(); ++i) f(i) = static_cast<float>(v(i));
  return f;
}

// Design code values, then what the case gives; fcd = alpha_cc fck / gamma_c.
// An elastic analysis reads no strength and no strips: they default.
void ImpostaMateriali(const Caso& caso, bool elastica) {
  Stato.Fck = elastica ? caso.Numero("fck", 25) : Richiesto(caso, "fck");
  Stato.GammaC = caso.Numero("gamma_c", 1.5);
  Stato.AlfaCC = caso.Numero("alpha_cc", 0.85);
  Stato.Fcd = Stato.AlfaCC * Stato.Fck / Stato.GammaC;
  Stato.RapportoFccFcd = caso.Numero("fcc_fcd", 0.8);
  double epsCu, epsC2;
  Materiali::ParabolaRettangolo(epsCu, epsC2);
  Stato.EpsCu = caso.Numero("eps_cu", epsCu);
  Stato.EpsC2 = caso.Numero("eps_c2", epsC2);
  Stato.EpsSu = caso.Numero("eps_su", 0.0675);
  Stato.ModuloEs = caso.Numero("Es", 200000);
  const std::vector<double>& fyd = caso.Lista("fyd");
  if (fyd.size() > 2) throw DatiNonValidi{"'fyd' vuole al più due numeri: barre, cavi"};
  for (size_t k = 0; k < fyd.size(); ++k) Stato.Fyd[k] = fyd[k];
  for (size_t k = 0; k < 2; ++k) Stato.EpsYdSezione[k] = Stato.Fyd[k] / Stato.ModuloEs;
  const double strisce = elastica ? caso.Numero("strips", 100) : Richiesto(caso, "strips");
  // As many as the window's box takes: a 16-bit count.
  if (!(strisce >= 1 && strisce <= 32767))
    throw DatiNonValidi{"'strips' vuole un numero da 1 a 32767"};
  Stato.NumeroRettangoli = static_cast<int>(strisce);
  VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(Stato.ModuloEs);
}

// Outline, bars and tendons into the current section. A tendon's prestrain
// is its prestress over Es and its initial strain, as the prestress step
// before an ultimate verification leaves it.
void ImpostaSezione(const Caso& caso, SezioneCA& sezione) {
  const auto vertici = Colonne(caso, "vertices", 2);
  if (vertici[0].Ub() < 3) throw DatiNonValidi{"servono almeno 3 vertici"};
  sezione.Coordinate(vertici[0], vertici[1], vertici[0].Ub());
  const auto barre = Colonne(caso, "bars", 3);
  const auto cavi = Colonne(caso, "tendons", 4);
  const int nCavi = cavi[0].Ub();
  Vettore<double> pretensione = cavi[3];
  for (int i = 1; i <= nCavi; ++i) pretensione(i) *= Stato.ModuloEs;
  sezione.BarreDati(barre[0].Ub(), InFloat(barre[0]), InFloat(barre[1]), InFloat(barre[2]),
                    Stato.RapportoN, nCavi, InFloat(cavi[0]), InFloat(cavi[1]),
                    InFloat(cavi[2]), InFloat(pretensione));
  if (nCavi > 0) SezioneProva::EpsIniziali(sezione) = cavi[3];
  Stato.Precompresso = nCavi > 0;
  Stato.TipoSezione = 5;  // "Coord."
  const auto punto = Colonne(caso, "moment_point", 2);
  if (punto[0].Ub() > 1) throw DatiNonValidi{"'moment_point' vuole un punto"};
  if (punto[0].Ub() == 1) {
    sezione.xPtoCalcoloM = static_cast<float>(punto[0](1));
    sezione.yPtoCalcoloM = static_cast<float>(punto[1](1));
  }
  sezione.Sollecitazioni({caso.Numero("N", 0), caso.Numero("N1", 0)},
                        {caso.Numero("Mx", 0), caso.Numero("Mx1", 0)},
                        {caso.Numero("My", 0), caso.Numero("My1", 0)});
}

void Slu(const Caso& caso, SezioneCA& sezione, RisultatiCaso& r) {
  // With an angle the bending is biaxial.
  Stato.TipoFlessione = caso.Ha("angle") ? 1 : 0;
  Stato.AngoloFlessione = static_cast<float>(caso.Numero("angle", 0));
  sezione.CalcolaSezioneCA(*Finestre::Aperte.Main);
  r.numeri["Esito"] = static_cast<int>(sezione.EsitoSlu);
  r.numeri["Tipo_Rottura"] = sezione.Tipo_Rottura;
  r.numeri["Nlimite"] = sezione.Nlimite;
  if (sezione.EsitoSlu != EsitoCalcoloSlu::Riuscito) return;
  r.numeri["Mx"] = sezione.MomentoUltimoX;
  r.numeri["My"] = sezione.MomentoUltimoY;
  r.numeri["dNeutro"] = SezioneProva::dNeutroSlu(sezione);
  r.numeri["hUtile"] = sezione.hUtile;
  r.numeri["EpsCsup"] = SezioneProva::EpsCmaxSlu(sezione);
  r.numeri["EpsCinf"] = SezioneProva::EpsCminSlu(sezione);
  r.numeri["EpsSmax"] = SezioneProva::EpsSmaxSlu(sezione);
  r.numeri["Sig_c_max"] = sezione.Sig_c_max;
  r.numeri["Sig_c_min"] = sezione.Sig_c_min;
  for (int i = 1; i <= sezione.EpsFerri.Ub(); ++i)
    r.numeri["EpsFerri." + std::to_string(i)] = sezione.EpsFerri(i);
  for (int i = 1; i <= sezione.EpsCavi.Ub(); ++i)
    r.numeri["EpsCavi." + std::to_string(i)] = sezione.EpsCavi(i);
}

// ---- Verification through the main window: options, the allowable-stress
// method, the texts of the result boxes.

// Modular ratios of bars, then of tendons; one number leaves the tendons' own.
void ImpostaRapportiN(const Caso& caso) {
  const std::vector<double>& n = caso.Lista("n");
  if (n.size() > 2) throw DatiNonValidi{"'n' vuole al più due numeri: barre, cavi"};
  for (size_t k = 0; k < n.size(); ++k) Stato.RapportoN[k] = static_cast<float>(n[k]);
}

// Display unit, modular ratios and the options of the verification.
void ImpostaOpzioni(const Caso& caso) {
  const std::string unita = caso.Parola("unit", "mm");
  if (unita != "mm" && unita != "cm") throw DatiNonValidi{"'unit' vuole mm o cm"};
  Stato.UnitaLunghezza = unita;
  Stato.ClsReagenteTrazione = caso.Numero("concrete_in_tension", 0) != 0;
  Stato.SoloBarre = caso.Numero("bars_only", 0) != 0 ? 1 : 0;
  ImpostaRapportiN(caso);
}

void MetodoN(const Caso&, SezioneCA& sezione, RisultatiCaso& r) {
  sezione.CalcolaSezioneCA(*Finestre::Aperte.Main);
  r.numeri["Esito"] = static_cast<int>(sezione.EsitoMetodoN);
  r.numeri["SezioneParzializzata"] = sezione.SezioneParzializzata;
  r.numeri["nAsseNeutro"] = sezione.nAsseNeutro;
  if (sezione.EsitoMetodoN != EsitoCalcoloMetodoN::Riuscito &&
      sezione.EsitoMetodoN != EsitoCalcoloMetodoN::NonConvergente)
    return;
  r.numeri["Sig_c_max"] = sezione.Sig_c_max;
  r.numeri["Sig_c_min"] = sezione.Sig_c_min;
  r.numeri["x"] = sezione.yMaxCalcestruzzoMetodoN;
  r.numeri["hUtile"] = sezione.hUtile;
  const double Es = Stato.ModuloEs;
  auto estremi = [&](const std::string& nome, const Vettore<double>& eps) {
    if (eps.Conta() == 0) return;
    r.numeri[nome + "_max"] = Es * Grafica::MassimoVettore(eps);
    r.numeri[nome + "_min"] = Es * Grafica::MinimoVettore(eps);
  };
  estremi("Sig_s", sezione.EpsFerri);
  estremi("Sig_p", sezione.DeformazioniTotaliCavi(SezioneProva::nCavi(sezione), sezione.EpsCavi));
  for (int i = 1; i <= sezione.EpsFerri.Ub(); ++i)
    r.numeri["EpsFerri." + std::to_string(i)] = sezione.EpsFerri(i);
  for (int i = 1; i <= sezione.EpsCavi.Ub(); ++i)
    r.numeri["EpsCavi." + std::to_string(i)] = sezione.EpsCavi(i);
}

// What the run wrote into the result boxes and the subscript labels of the
// main window, as "name.index" (just "name" for a single box).
void TestiRisultato(MainProva& main, RisultatiCaso& r) {
  static const std::vector<std::pair<std::string, int>> caselle{
      {"F_tipo_rottura", 0}, {"F_Mu", 0}, {"F_Mu", 1}, {"F_h_utile", platform::SenzaIndice},
      {"F_x_su_d", 0}, {"F_x_su_d", 1}, {"F_y_neutro", platform::SenzaIndice},
      {"F_sigma_s", 0}, {"F_sigma_s", 1}, {"F_eps_s", 0}, {"F_eps_s", 1},
      {"F_sigma_c", platform::SenzaIndice}, {"F_eps_c", platform::SenzaIndice},
      {"F_nMaxRettangolini", 1}};
  static const std::vector<std::string> etichette{"lbl_sigma_s", "lbl_eps_s", "lbl_sigma_c",
                                                  "lbl_eps_c"};
  auto chiave = [](const std::string& nome, int indice) {
    return indice == platform::SenzaIndice ? nome : nome + "." + std::to_string(indice);
  };
  for (const auto& [nome, indice] : caselle)
    if (main.Esiste(nome, indice))
      r.testi[chiave(nome, indice)] = main.Controllo(nome, indice).Text();
  for (const std::string& nome : etichette)
    if (main.Esiste(nome, 1)) r.testi[chiave(nome, 1)] = main.Controllo(nome, 1).Caption();
}

// A message as one line: its line breaks become the two characters "\n".
std::string SuUnaRiga(const std::string& testo) {
  std::string riga;
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\r' || testo[i] == '\n') {
      riga += "\\n";
      if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    } else {
      riga += testo[i];
    }
  }
  return riga;
}

// Keys of the section and its materials, read by every analysis.
const std::set<std::string> ChiaviSezione{
    "verification", "vertices", "bars", "tendons", "moment_point", "fck", "gamma_c",
    "alpha_cc", "fcc_fcd", "fyd", "Es", "eps_cu", "eps_c2", "eps_su", "strips",
    "n", "unit", "concrete_in_tension"};

// Each verification: its TipoVerifica, the keys of its own and the run that
// fills the results; an elastic one reads no strength.
struct Verifica {
  int tipo;
  std::set<std::string> chiavi;
  std::function<void(const Caso&, SezioneCA&, RisultatiCaso&)> esegui;
  bool elastica = false;
};

const std::map<std::string, Verifica>& Verifiche() {
  static const std::map<std::string, Verifica> verifiche{
      {"SLU+", {0, {"N", "Mx", "My", "angle", "decompression", "N1", "Mx1", "My1"}, Slu}},
      {"SLU-", {2, {"N", "Mx", "My", "angle", "decompression", "N1", "Mx1", "My1"}, Slu}},
      {"n", {1, {"N1", "Mx1", "My1", "bars_only"}, MetodoN, true}},
  };
  return verifiche;
}

// A misspelt key would silently leave its default in place.
void ControllaChiavi(const Caso& caso, const Verifica& verifica, const AnalisiCaso* analisi) {
  auto nota = [&](const std::string& chiave) {
    if (ChiaviSezione.count(chiave) == 0 && verifica.chiavi.count(chiave) == 0 &&
        !(analisi && (chiave == "analysis" || analisi->chiavi.count(chiave) != 0)))
      throw DatiNonValidi{"chiave sconosciuta: '" + chiave + "'"};
  };
  for (const auto& [chiave, valori] : caso.numeri) nota(chiave);
  for (const auto& [chiave, parola] : caso.parole) nota(chiave);
}

}  // namespace

RisultatiCaso EseguiCaso(const Caso& caso) {
  RisultatiCaso risultati;
  Stato = VariabiliPubbliche::StatoProgramma{};
  VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  Finestre::Aperte = Finestre::FinestreAperte{};
  platform::MsgBoxScriptato messaggi;
  try {
    const std::string nome = caso.Parola("verification", "");
    const auto verifica = Verifiche().find(nome);
    if (verifica == Verifiche().end())
      throw DatiNonValidi{"'verification' sconosciuta: '" + nome + "'"};
    // ---- An analysis after, or instead of, the verification (AnalisiCaso.cpp)
    const AnalisiCaso* analisi = nullptr;
    if (caso.Ha("analysis")) {
      analisi = TrovaAnalisi(caso.Parola("analysis", ""));
      if (!analisi) throw DatiNonValidi{"'analysis' sconosciuta: '" + caso.Parola("analysis", "") + "'"};
    }
    // ----
    ControllaChiavi(caso, verifica->second, analisi);
    Stato.UnitaLunghezza = "mm";
    Stato.TipoVerifica = verifica->second.tipo;
    ImpostaOpzioni(caso);
    ImpostaMateriali(caso, verifica->second.elastica);
    SezioneCA& sezione = *VariabiliPubbliche::SezioneCorrente();
    ImpostaSezione(caso, sezione);
    MainProva main;
    Finestre::Aperte.Main = &main;
    main.Controllo("chkDecomp").SetValue(caso.Numero("decompression", 0) != 0 ? 1 : 0);
    if (!analisi || analisi->verificaPrima) verifica->second.esegui(caso, sezione, risultati);
    if (analisi) analisi->esegui(caso, sezione, risultati);
    TestiRisultato(main, risultati);
  } catch (const DatiNonValidi& e) {
    risultati.errore = e.motivo;
  } catch (const std::exception& e) {
    risultati.errore = e.what();
  }
  Finestre::Aperte = Finestre::FinestreAperte{};
  risultati.numeri["messaggi"] = static_cast<double>(messaggi.Mostrati().size());
  for (size_t k = 0; k < messaggi.Mostrati().size(); ++k)
    risultati.testi["MsgBox." + std::to_string(k + 1)] = SuUnaRiga(messaggi.Mostrati()[k].testo);
  return risultati;
}
