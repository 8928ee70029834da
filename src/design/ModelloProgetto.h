#pragma once
// The rectangular section design without its window: a rectangle sized for a
// bending moment at the ultimate limit state or by allowable stresses (its
// width, its depth or its reinforcement ratio), the required steel turned into
// bar combinations of up to three diameters, the stirrups for the shear, the
// result texts and the steel incidence.
//
// The window owns one model and hands it its controls: the model reads the
// inputs from them by name (F_Mxsd, txtSez, txtPro, comboFi ...), writes back
// the input boxes it corrects (txtSez(0), txtPro(1), txtCotTeta, txtEpsS,
// txtxSud, Slider1) and the option controls it shows, and leaves every result
// in its public fields and in the texts of RisultatiTesti(). During its trials
// it answers the materials' call-back (Ass1Funz) itself. The options that
// outlive the window are in the program state (DiametroMinimo, TipoVerificaProgetto,
// EpsSProgetto, CotTeta ...). One recalculation is
//   Osservazioni.clear(); if (LeggiDati() && Progetta()) show RisultatiTesti().
// Units: mm, mm2, N, Nmm, N/mm2. Left to the window: its load, the strain
// buttons' places (from RapportiLimite), the rounded b and h into txtSez, the
// result labels from RisultatiTesti() and Osservazioni, the combination grid
// (from CombinazioniTese/Compresse and BarreFisseNumero), the handlers.
//
// The members are split by theme: ModelloProgetto.cpp (the run),
// ModelloProgetto_Dati.cpp (options and inputs), ModelloProgetto_Slu.cpp,
// ModelloProgetto_Ricerca.cpp, ModelloProgetto_Governo.cpp and
// ModelloProgetto_MetodoN.cpp (sizing), ModelloProgetto_Barre.cpp (bar
// combinations), ModelloProgetto_Taglio.cpp (shear), ModelloProgetto_Risultati.cpp,
// ModelloProgetto_Trave.cpp (the beam as drawn).
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/Finestre.h"
#include "model/Matematica.h"
#include "platform/Colori.h"
#include "platform/Form.h"

class SezioneCA;
class SezioneCAreagente;

// Bars of one zone: [0] their area, mm2; [j] the count of the zone's j-th
// diameter (j = 1..3). Fixed bars and holders are not in it.
using Combinazione = std::array<float, 4>;

// Texts of the result labels, by control name; two-item arrays hold [0] the
// bottom bars and [1] the top bars.
struct TestiRisultati {
  std::array<std::string, 2> LblArmatura, txtAsMin, LblAsMin, txtAs, LblAs, txtAsPerc;
  std::string lblArea;  // both area-unit labels
  std::string txtAsSuAs1;
  std::string LabelRo_s;
  platform::Colore LabelRo_sBackColor = 0;
  std::string txtIncidenzaAcciaio;
  // Shear: lblTau, LabelStaffeMin, LabelStaffeCalc and lblTaglio(8) stay
  // empty without stirrups; lblTaglioResistente is then the resisting shear,
  // otherwise the shear the minimum stirrups carry.
  std::string lblTau;
  platform::Colore lblTauForeColor = 0;
  std::string lblTaglioResistente;
  platform::Colore lblTaglioResistenteForeColor = 0;  // light red: VEd beyond it
  std::string LabelStaffeMin;
  std::string LabelStaffeCalc;
  platform::Colore LabelStaffeCalcForeColor = 0;  // light red: struts that fail
  std::string lblTaglio8;
  // The remarks of the run, then those on bars that cannot be built as shown.
  std::string txtOsservazioni;
};

class ModelloProgetto : public Matematica::Equazione {
 public:
  explicit ModelloProgetto(platform::Form& finestra);
  ModelloProgetto(const ModelloProgetto&) = delete;
  ModelloProgetto& operator=(const ModelloProgetto&) = delete;

  // A row of bars: their area, mm2, and the distance of their centres from
  // the top face, mm.
  struct Strato {
    float Area = 0;
    float Distanza = 0;
  };

  // ---- Working fields (lengths mm, areas mm2)

  // True while the window loads or moves its own controls; a run then starts
  // from the initial steel strain.
  bool InitFormProgetto = false;
  // True while the window reruns on a value still being typed: a run then
  // rewrites no other box (a depth too small, A's/As of 100 % or more) but
  // refuses the data.
  bool ValoreInDigitazione = false;
  float BaseSezione = 0;  // b and h of the design before rounding
  float AltezzaSezione = 0;
  float BaseArrotondata = 0;  // after rounding up to the steps
  float AltezzaArrotondata = 0;
  float AltezzaUtileArrotondata = 0;
  float DistanzaFerri = 0;  // bar centres from the near edge, top and bottom
  float AltezzaUtile = 0;  // AltezzaSezione - DistanzaFerri
  float AsTesa = 0;  // required
  float AsCompressa = 0;
  float AsTesaEffettiva = 0;  // provided by the chosen combinations
  float AsCompressaEffettiva = 0;
  float AsFissaTesa = 0;  // fixed bars of the manual rows
  float AsFissaCompressa = 0;
  float AreaReggistaffe = 0;  // holders of one zone
  std::vector<int> DiametriTesi;  // allowed diameters, mm, in the order read
  std::vector<int> DiametriCompressi;
  // Manual rows: [0] area of the fixed bars, [j] fixed count of diameter j.
  std::vector<float> BarreFisseTese{0};
  std::vector<float> BarreFisseCompresse{0};
  std::vector<Combinazione> CombinazioniTese;  // lightest first, at most 200
  std::vector<Combinazione> CombinazioniCompresse;
  Combinazione CombinazioneTesa{};  // the chosen one of each zone
  Combinazione CombinazioneCompressa{};
  // 1: positive moment, the bottom bars in tension; otherwise the top bars.
  int SegnoMomento = 0;
  // Strain factors eps_s/eps_yd of the two strain buttons: 0.01 and yield.
  std::array<float, 2> RapportiLimite{};
  // As/(b d) of the rectangle at eps_su and at yield; kept apart from the
  // strain factors above.
  std::array<float, 2> RapportiArmaturaLimite{};
  bool IncognitaAltezza = false;  // yEquazione varies h (else b)
  bool IncognitaRapporto = false;  // yEquazione varies As/(b d)
  std::array<double, 2> AzioneMx{};  // design moments, Nmm, absolute: [0] ULS, [1] allowable
  // Shear results.
  float TensioneTangenziale = 0;
  float TaglioResistente = 0;  // without stirrups, N
  float PassoStaffeMinimo = 0;
  float PassoStaffe = 0;
  // False where the struts fail: no spacing makes those stirrups carry VEd,
  // and the steel weight leaves them out.
  bool StaffeValide = true;
  std::string Osservazioni;  // the remarks box, lines joined by "\r\n"
  // Steel strain of the design: the one asked, unless the least section, the
  // room for the bars or the rounding made the section larger than the
  // strain needs; then that of the rounded section with the bars shown.
  float EpsSDelProgetto = 0;
  // The designed beam as drawn: its rectangle, stirrups and bar groups. The
  // design's own, so that no other window's section is changed or read.
  std::shared_ptr<SezioneCA> Trave;

  // ---- Options and inputs (ModelloProgetto_Dati.cpp)

  // First-time defaults of the options (once, then OpzioniProgetto is set),
  // every option shown in its control, the steel strain brought within range.
  void OpzioniInizializza();
  // Enables the manual diameter rows, or the automatic range boxes.
  void AutoDiametriSetta(bool automatici);
  // Reads and checks every input into the state; false when unusable, the
  // user told why once: by the box of the value refused, or "Dati errati !".
  bool LeggiDati();
  // Method, actions, zones and their diameters; false when a zone has none,
  // more than three or one that is not a bar.
  bool LeggiOpzioni();
  // Diameters of one zone ("Fi" bottom rows, "FiC" top rows) and, with the
  // manual rows, its fixed bars.
  bool LeggiOpzioniSub(std::vector<int>& diametri, std::vector<float>& fisse,
                       const std::string& righe);
  // Bar centres from the edge; enlarges a depth below three times that,
  // or is empty when a value is still being typed.
  std::optional<float> DistanzaFerriCalcola();
  int DiametroMassimoBarre() const;
  // Whether the bars of the largest diameter, inside their stirrups, miss
  // room on either side of the centre of a section whose smaller side is
  // lato; a box then names the cover.
  bool CopriferroRifiutato(float lato) const;
  // A section designed beyond 100 m, or too narrow for its bars, is refused
  // with a box that names the value; the depth holds them by its own rule
  // of three times their distance from the edge.
  bool DimensioniRifiutate() const;
  // eps_s/eps_yd, x/d and the redistribution coefficient of EpsSProgetto,
  // or of the strain of the design.
  void DeformazioneMostra();
  void DeformazioneProgettoMostra();
  // The slider from the factor shown in txtEpsS.
  void SliderDaEpsS();
  // fyd/Es of the bars.
  static double EpsYd();

  // ---- One design run (ModelloProgetto.cpp)

  // Holders, sizing by the method and fixed dimension, rounding, bars and
  // stirrups. False when the run gave no design (the user has been told).
  bool Progetta();
  // Rounded b, h and d of the sizing result.
  void DimensioniArrotondate();

  // ---- Sizing at the ultimate limit state (ModelloProgetto_Slu.cpp)

  void ProgettaSLUini();
  // EpsSProgetto from txtEpsS (0.01 when not positive); moves the slider.
  void EpsSLegge();
  bool ProgettaSLUbase();
  bool ProgettaSLUaltezza();
  // Search on b or h from x; x receives the root.
  bool ProgettaSLUbaseAltezza(double& x);
  bool ProgettaSLUarmatura();
  // Residual of the searched quantity, positive when the section is too weak.
  double yEquazione(double& x, const std::optional<double>& parametro) override;
  // The same, empty when the trial section cannot balance at the imposed
  // strain (too small for the bars that are there anyway).
  std::optional<double> Residuo(double x);
  // Where the search on b or h ends: at a root found (x), between x1 and x2,
  // or at the least section x, already strong enough.
  enum class Ricerca { Trovata, Intervallo, Minima };
  // Doubles or halves x until the residual changes sign, never below
  // minimo; near sections that cannot balance it closes in on the least one
  // that can.
  Ricerca DimensioneCambioSegno(double& x, double minimo, double tolleranza, double& x1,
                                double& x2);
  // The search on b or h from x: x receives the dimension. With minima the
  // least section was strong enough: the dimension is set and its
  // reinforcement designed for the moment.
  bool DimensioneCerca(double& x, double minimo, double tolleranza, bool& minima);
  // A trial section that cannot balance at the imposed strain.
  struct ProvaImpossibile : std::domain_error {
    ProvaImpossibile() : std::domain_error("prova") {}
  };
  // The least width: the holders (two bars of the largest tension diameter
  // without stirrups) in one layer; the least depth: three bar distances.
  float BaseMinima() const;
  float AltezzaMinima() const { return 3 * DistanzaFerri; }
  // Width that nBarre bars, their diameters adding up to sommaDiametri, take
  // in one layer inside the stirrups, a clear spacing of the larger of fiMax
  // and 20 mm between them.
  float LarghezzaStrato(int nBarre, double sommaDiametri, double fiMax) const;
  // Doubles the ratio up to 1 while the section is too weak; false, after
  // telling the user, when even that is not enough.
  bool RoCambioSegno(double& x, double& f);
  // The ratio from ro at which yEquazione vanishes, and its areas; the bars
  // that are there anyway when they carry the moment alone.
  bool RapportoCerca(double ro, double tolleranza);
  // The reinforcement of the fixed rectangle for the moment of the method;
  // the strain asked stays, the design's goes to EpsSDelProgetto.
  bool ArmaturaSezioneFissa();
  // Depth fixed: a width too narrow for the bars chosen, side by side, is
  // widened to the least width that holds the bars designed for it.
  bool BaseAllargaAlleBarre();
  // The least width in which the bars chosen stand in one row, the wider
  // zone's.
  float LarghezzaBarre();
  // The reinforcement and bars of the width b.
  bool ArmaturaBase(float b);
  // MRd of a rectangle at the imposed strain; fills AsTesa and AsCompressa.
  double MomentoResistente(double d, double b);
  // MRd of the fixed rectangle with As = ro b d.
  double MomentoResistenteRos(double ro, SezioneCAreagente& sezione);
  // The trial rectangle centred on the origin, compression bar on top.
  void SezCARettCrea(SezioneCAreagente& sezione, float b, float h, float c, float As, float As1,
                     const std::array<float, 2>& rapportiN) const;
  // The same with its bars in rows.
  void SezCARettCrea(SezioneCAreagente& sezione, float b, float h, const std::vector<Strato>& strati,
                     const std::array<float, 2>& rapportiN) const;
  // Compression steel for the tension steel As: beta As, or the fixed bars and
  // holders when more.
  float Ass1Funz(double As) const;

  // ---- Sizing by allowable stress (ModelloProgetto_MetodoN.cpp)

  // Balanced section: d = r sqrt(M/b), As = t b d.
  struct CoefficientiN {
    double r = 0;
    double t = 0;
  };
  CoefficientiN CoefficientiMetodoN(double beta) const;
  // The same without a word; empty when no balanced section has that ratio.
  std::optional<CoefficientiN> CoefficientiBilanciata(double beta) const;
  void ProgettaTaBaseCalcola(double beta, float& b, float& As, float& As1) const;
  void ProgettaTaBaseSub(float& b, float& As, float& As1) const;
  // False when the data give no balanced section.
  bool ProgettaTaBase();
  bool ProgettaTaAltezza();
  bool ProgettaTaArmatura();
  double MomentoAmmissibileRo(double ro) const;
  // Neutral-axis depth and second moment of the cracked rectangle.
  struct Moduli {
    double x = 0;
    double I = 0;
  };
  static Moduli ModuliResistenza(double b, double h, double c, double As, double As1, double n);
  // The smaller of the moments that bring the concrete or the steel to its
  // allowable stress; 0 without tension steel.
  static double MomentoAmmissibile(double b, double h, double c, double As, double As1, double n,
                                   double sigmaC, double sigmaS);
  static double AsseNeutroMetodoN(double b, double h, double c, double As, double As1, double n);
  static double InerziaIdeale(double b, double h, double c, double As, double As1, double n,
                              double x);

  // ---- Bars (ModelloProgetto_Barre.cpp)

  // Holders and fixed bars, before sizing.
  void ArmaturaFissa();
  // Combinations of both zones, the lightest chosen; false when a zone has
  // more than three diameters (its results are cleared).
  bool ArmaturaCalcola();
  // Every combination of the zone's diameters that covers fabbisogno, the
  // 200 lightest kept, lightest first, equal areas in enumeration order;
  // false, after telling the user, for more than three diameters or more
  // than MaxRigheEnumerate rows to go through.
  bool CombinazioniCalcola(float fabbisogno, const std::vector<int>& diametri,
                           std::vector<Combinazione>& risultato);
  // How many there were, and the 200 lightest so far as a heap, each with its
  // place in the enumeration.
  struct ElencoCombinazioni {
    long long Conta = 0;
    std::vector<std::pair<Combinazione, long long>> Migliori;
  };
  static constexpr int MaxCombinazioni = 200;
  // Fixed bars of one diameter row.
  static constexpr int MaxBarreFisse = 32767;
  static constexpr double MaxRigheEnumerate = 1E7;
  // Tells how many were cut, and the kept ones lightest first.
  void CombinazioniOrdina(ElencoCombinazioni& elenco, std::vector<Combinazione>& risultato);
  int BarreFisseNumero(int j, const std::vector<float>& fisse) const;

  // ---- Results (ModelloProgetto_Risultati.cpp)

  // Smallest multiple of passo not below valore; valore to 5 significant
  // digits when passo <= 0.
  static float Arrotonda(double valore, double passo);
  // "2φ12+3φ16": holders, then the bars of each diameter.
  std::string ArmaturaTesto(const std::vector<int>& diametri, const Combinazione& combinazione,
                            const std::vector<float>& fisse) const;
  // The rounded rectangle, its stirrups and its bar groups into Trave.
  void TraveCompone();
  // The rows of the bars of the rounded section where its drawing puts
  // them, top first; piuFile tells whether a zone's bars stand in more than
  // one row.
  std::vector<Strato> StratiEffettivi(bool* piuFile = nullptr);
  // Whether prova holds of the beam drawn in the width b; the rounded width
  // stays.
  bool InBase(float b, const std::function<bool()>& prova);
  // Whether the drawing puts the bottom (or top) bars in one row in the
  // width b.
  bool UnaFila(float b, bool inferiore);
  // The least width, to 0.01 mm, from da up, in which prova holds of the
  // beam drawn.
  float LarghezzaMinima(float da, const std::function<bool()>& prova);
  // The least width in which the drawing puts the bottom (or top) bars in
  // one row; from the width they take side by side.
  float LarghezzaUnaFila(bool inferiore);
  // The least width from the rounded one up in which the holders stand the
  // clear spacing apart.
  float LarghezzaReggi();
  // Steel per cubic metre of concrete, kg/m3, stirrups included.
  float IncidenzaAcciaio(float AsEffettiva, float AsCompressaEff);
  void OsservazioniScrive(const std::string& testo);
  // With azzera the notice may come again; otherwise, under NTC, tells once
  // that the allowable-stress shear follows DM 1996.
  void MessaggioNormativa(bool azzera);
  // Layout code of the stirrups for a leg count: 2 -> 1, 4 -> 5, 6 -> 6.
  static int CodiceStaffa(int bracci);
  TestiRisultati RisultatiTesti();
  // Remarks on bars that cannot be built as designed: tension steel beyond
  // 4 % of b h, a zone whose bars do not fit in one layer, holders closer
  // than the clear spacing.
  std::string AvvisiCostruzione();
  // Width the holders and bars of a zone take side by side; 0 for none.
  float LarghezzaZona(const std::vector<int>& diametri, const Combinazione& combinazione,
                      const std::vector<float>& fisse) const;

  // ---- Shear (ModelloProgetto_Taglio.cpp)

  void ProgettaTaglio();
  // Strut resistance with vertical stirrups, N.
  static float VRdMaxEc2(double fcd, double b, double z, double cotTeta, double NEd, double Ac);
  // The cot(theta) >= 1 at which the struts carry VEd, into cotTeta.
  static bool RiduceCotTeta(double VEd, double fcd, double b, double z, double& cotTeta, double NEd,
                            double Ac);
  // Spacing of the minimum stirrups of area Asw, mm.
  float PassoStaffaturaMinima(int modo, double Asw);
  void MessaggioStaffaturaMinima(double sRapporto, double& sMax, int modo);
  // Down to a multiple of 10 mm.
  static float ArrotondaPassoStaffe(double s);

 private:
  // What the materials call back during a trial: this model's Ass1Funz.
  class Richiamo : public Finestre::FinestraProgetto {
   public:
    explicit Richiamo(ModelloProgetto& modello) : modello_(modello) {}
    std::string Name() const override;
    platform::Control& Controllo(const std::string& nome, int indice) override;
    float Ass1Funz(double As) override { return modello_.Ass1Funz(As); }

   private:
    ModelloProgetto& modello_;
  };

  // LeggiDati without the generic box.
  bool LeggiValori();
  // Ultimate moment of the trial rectangle with the design's shortcut raised.
  double MomentoUltimoProva(SezioneCAreagente& sezione);
  // A zone without bars.
  static void CombinazioniAzzera(std::vector<Combinazione>& combinazioni, Combinazione& scelta,
                                 float& effettiva);
  bool CombinazioniZona(float fabbisogno, float fisse, const std::vector<int>& diametri,
                        std::vector<Combinazione>& combinazioni, Combinazione& scelta,
                        float& effettiva);
  void Combina2(float resto, const std::vector<int>& diametri, Combinazione& riga,
                ElencoCombinazioni& elenco) const;
  void CombinaFine(float resto, const std::vector<int>& diametri, Combinazione& riga,
                   ElencoCombinazioni& elenco) const;
  static void Aggiungi(const Combinazione& riga, ElencoCombinazioni& elenco);
  // Shear: concrete term, strut check with its remarks, steel term per z/s.
  float TaglioCalcestruzzo(int modo, double b, double d);
  float VerificaPuntoni(double VEd, float resistenza, double b, int modo, double z, double Ac);
  // The free dimension, or both when both are fixed, that lets the struts
  // carry VEd.
  std::string SezioneInsufficiente(double VEd, double resistenza) const;
  void DeformazioneMostra(double epsS);
  // Which limit, beyond the strain asked, made the section: the least
  // dimension, or the room for the bars; written with the design's strain.
  void MinimaSegnala(double minimo);
  // Whether the rounding step enlarged the dimension sized.
  bool DimensioneArrotondata() const;
  // Where a limit, the rounding or bars in more than one row made the
  // section shown, the strain of that section with the bars where drawn at
  // its ultimate moment; true for bars in more than one row (ULS only).
  bool DeformazioneSezioneMostrata();
  void GovernoScrive(bool piuFile);
  static std::string LunghezzaTesto(double mm);  // "16,4 cm"

  platform::Form& finestra_;
  Richiamo richiamo_{*this};
  bool avvisoNormativa_ = false;
  bool momentoNulloDetto_ = false;  // the box said once while M stays 0
  std::string governo_;  // the limit that made the section, if not the strain
  std::string epsSMostrata_;  // txtEpsS as the last design wrote it
  TestiRisultati taglio_;  // shear texts of the last run
  std::string rolMostrato_;  // what the shear design wrote into txtRol
};
