#pragma once
// One reinforced or prestressed concrete cross-section: outline, bars,
// tendons and the two action sets, with the results of the last analysis run
// on it. Units: mm, mm2, N, Nmm, N/mm2; strains as plain ratios.
//
// The members are split by theme: SezioneCA.cpp (data and input),
// SezioneCA_Slu.cpp (one ultimate-limit-state run at a neutral-axis angle),
// SezioneCA_Verifica.cpp (the verification the user asks for),
// SezioneCA_MetodoN.cpp and SezioneCA_Precompresso.cpp (the allowable-stress
// method, the prestress steps), SezioneCA_RisultatiMetodoN.cpp,
// SezioneCA_RisultatiSlu.cpp and SezioneCA_RisultatiFerri.cpp (results into
// the window); the other analyses and drawings go in SezioneCA_<Tema>.cpp.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "analysis/AcciaiSezione.h"
#include "analysis/EsitoCalcoloMetodoN.h"
#include "analysis/EsitoCalcoloSlu.h"
#include "analysis/PuntiDominioMN.h"
#include "analysis/PuntiMomentoCurvatura.h"
#include "analysis/SezioneCAreagente.h"
#include "analysis/Staffe.h"
#include "analysis/TipiRottura.h"
#include "drawing/Plottaggio.h"
#include "model/Barra.h"
#include "model/Matrice.h"
#include "model/Poligono.h"
#include "model/Vettore.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"

namespace Finestre {
class FinestraDominio;
class FinestraDominioMN;
class FinestraMomentoCurvatura;
}  // namespace Finestre

// The bars and tendons are private fields (AcciaiSezione); EpsCaviIniziale is
// filled by the prestress steps.
class SezioneCA : private AcciaiSezione {
 public:
  SezioneCA() = default;
  SezioneCA(const SezioneCA&) = delete;
  SezioneCA& operator=(const SezioneCA&) = delete;

  // Concrete outline; Poligono() and SetPoligono() are its other accessors.
  std::shared_ptr<::Poligono> Contorno = std::make_shared<::Poligono>();
  // Point about which the moments of the actions and the resisting moments
  // are taken.
  float xPtoCalcoloM = 0;
  float yPtoCalcoloM = 0;
  float Sig_c_max = 0;  // concrete stress at the most and least compressed fibre
  float Sig_c_min = 0;
  // Compressed part of the last result; the reacting section turned to the
  // neutral axis (allowable-stress method).
  std::shared_ptr<SezioneCAreagente> SezioneReagenteI = std::make_shared<SezioneCAreagente>();
  std::shared_ptr<SezioneCAreagente> SezioneReagenteRuotata =
      std::make_shared<SezioneCAreagente>();
  int nAsseNeutro = 0;  // lines held in aAssiNeutri, bAssiNeutri, cAssiNeutri
  float hUtile = 0;  // top fibre to the lowest steel, across the neutral axis
  int SezioneParzializzata = 0;  // StatoSezione
  int Tipo_Rottura = 0;  // TipoRottura
  double MomentoUltimoX = 0;  // resisting moments about (xPtoCalcoloM, yPtoCalcoloM)
  double MomentoUltimoY = 0;
  double Nlimite = 0;  // limit axial force of the last ultimate check
  // Outcome of the last CalcolaTramok1: the moments, the neutral axis and the
  // strains of the ultimate fields hold a result only when it is Riuscito.
  EsitoCalcoloSlu EsitoSlu = EsitoCalcoloSlu::NonEseguito;
  // Strain of each bar and tendon, elongation positive; for the tendons the
  // strain of the concrete beside them, without prestress or initial strain
  // (DeformazioniTotaliCavi adds it).
  Vettore<double> EpsFerri;
  Vettore<double> EpsCavi;
  std::string TipoPlottaggio;
  // Bar groups of a designed beam: bottom, top, top and bottom stirrup holders.
  std::vector<Barra> CollInf;
  std::vector<Barra> CollSup;
  std::vector<Barra> CollReggiSup;
  std::vector<Barra> CollReggiInf;
  float h1 = 0;  // depth and width of a designed rectangular beam
  float b1 = 0;
  float hTesto = 0;  // text height of the drawings
  // The stirrups of the designed beam, created on first use.
  Staffe& StaffeCamp() {
    if (!staffeCamp_) staffeCamp_ = std::make_unique<Staffe>(*this);
    return *staffeCamp_;
  }

  // Action sets [0] ultimate limit state, [1] service: N (compression
  // positive), Mx, My.
  void Sollecitazioni(const std::array<double, 2>& N, const std::array<double, 2>& Mx,
                      const std::array<double, 2>& My);
  // Only the ultimate set.
  void SollecitazioniSismica(double N, double Mx, double My);

  const Vettore<double>& CoordX() const { return Contorno->CoordX(); }
  const Vettore<double>& CoordY() const { return Contorno->CoordY(); }
  void SetCoordX(const Vettore<double>& x) { Contorno->SetCoordX(x); }
  bool AreaNulla() { return Contorno->AreaNulla(false); }
  template <class T>
  void Coordinate(const Vettore<T>& x, const Vettore<T>& y, int n) {
    Contorno->Coordinate(x, y, n);
  }
  std::shared_ptr<::Poligono> Poligono() const { return Contorno; }
  // Shares the given polygon as the outline (nullptr: a new empty one).
  void SetPoligono(std::shared_ptr<::Poligono> poligono);

  // A new reacting section of the whole section: a copy of the outline, the
  // bars and tendons with their prestress and initial strains, its ideal
  // properties computed. When given, vecchia lends its memory: the copy of
  // the outline goes into its polygon when nothing else holds that
  // (Poligono::CopiaIn), the steel into its arrays, which it loses.
  std::shared_ptr<SezioneCAreagente> CreaSezioneCaInteramenteReagente(
      SezioneCAreagente* vecchia = nullptr) const;

  // Bars and tendons (1-based arrays), modular ratios [0] bars, [1] tendons,
  // and the tendons' prestress (N/mm2, tension positive). Given tendons start
  // with no initial strain; with none, the tendon arrays keep their contents.
  void BarreDati(int nFerri, const Vettore<float>& xFerri, const Vettore<float>& yFerri,
                 const Vettore<float>& areeFerri, const std::array<float, 2>& rapportoN,
                 int nTrefoli, const Vettore<float>& xTrefoli, const Vettore<float>& yTrefoli,
                 const Vettore<float>& areeTrefoli, const Vettore<float>& precompressione);

  // Outline and bars into the main window's grids, as a section given by its
  // vertices.
  void EsportainMain() const;

  // The compressed part of the last ultimate run's outline, cut by its
  // neutral axis in the neutral-axis frame, into SezioneReagenteI.
  void SezioneReagenteSluCrea();
  // One ultimate calculation under action set 0 with the neutral axis at
  // angolo (degrees; turned by 180 for "S.L.U.-") on a fully reacting copy of
  // the section; the moments come back in the section's axes. A load the
  // steel present cannot balance ends it with failure type -1. Without
  // parteCompressa, for runs whose only result is the moments, the
  // compressed part (SezioneReagenteI) is not cut again.
  void CalcolaTramok1(float angolo, bool parteCompressa = true);
  // Radius of the round bar of area aree(i).
  static double RaggioFerro(int i, const Vettore<float>& aree);

 private:
  friend struct SezioneProva;

  std::unique_ptr<Staffe> staffeCamp_;

  std::array<double, 2> SollecitazioneN{};
  std::array<double, 2> SollecitazioneMx{};
  std::array<double, 2> SollecitazioneMy{};
  // Action set of the running analysis as a load point about the origin:
  // (My + N*xPto, Mx + N*yPto, N).
  double MomentoYPunto = 0;
  double MomentoXPunto = 0;
  double NPunto = 0;
  // Neutral-axis lines a*x + b*y + c = 0 in the section's axes.
  Vettore<double> aAssiNeutri;
  Vettore<double> bAssiNeutri;
  Vettore<double> cAssiNeutri;
  float dNeutroSlu = 0;  // neutral-axis depth from the top fibre
  // Roto-translation T(1..6) of the last ultimate run, to the neutral-axis
  // frame and back.
  Vettore<double> MatriceSlu = Vettore<double>(1, 6);
  Vettore<double> MatriceSluInversa = Vettore<double>(1, 6);
  std::shared_ptr<SezioneCAreagente> SezioneReagenteSlu = std::make_shared<SezioneCAreagente>();
  float EpsCmaxSlu = 0;  // top and bottom concrete strain, strain of the lowest steel
  float EpsCminSlu = 0;
  float EpsSmaxSlu = 0;

  // ---- Verification and allowable-stress method (SezioneCA_Verifica.cpp,
  // SezioneCA_MetodoN.cpp, SezioneCA_Precompresso.cpp,
  // SezioneCA_RisultatiMetodoN.cpp, SezioneCA_RisultatiSlu.cpp,
  // SezioneCA_RisultatiFerri.cpp)
 public:
  // Outcome of the last allowable-stress run.
  EsitoCalcoloMetodoN EsitoMetodoN = EsitoCalcoloMetodoN::NonEseguito;
  // Depth of the compressed concrete of the allowable-stress method, across
  // the neutral axis.
  float yMaxCalcestruzzoMetodoN = 0;

  // The verification of TipoVerifica, its results written into the window
  // (the allowable-stress ones into the main window).
  void CalcolaSezioneCA(platform::Form& finestra);
  // The one box of a run refused: "Calcolo non eseguito: dati non validi."
  // over the reason, whichever check found it.
  static void MostraDatiNonValidi(const std::string& motivo,
                                  platform::Icona icona = platform::Icona::Critica);
  // Ultimate verification: the prestress step, then the run and its results,
  // none when a property calculation failed after the count fallite.
  void PressoFlessioneSlu(platform::Form& finestra, int fallite);
  void PressoFlessioneSluSub(platform::Form& finestra, int fallite);

  // Allowable-stress method under the service set (element 1) of the actions,
  // with the tendons' prestress added to the load when prestressed. The
  // neutral axis is found by fixed point in at most nMaxPassi passes.
  void PressoFlessioneMetodoN(int nMaxPassi = 100);
  // Adds the tendons' resultant to the service load and moves its point of
  // application; both stay in the section after the run.
  void PressoFlessioneMetodoNPrecompresso(int nMaxPassi = 100);
  void PressoFlessioneMetodoNsub(int nMaxPassi = 100);
  // Initial tendon strains of an ultimate verification: prestress / Es, or,
  // with the decompression, that plus the elastic shortening of the concrete
  // under the prestress alone.
  void PressoFlessioneSluPrecompresso();
  void PressoFlessioneSluPrecompressoConDecompressione();
  // R: a copy of the reacting section S turned into the frame where the
  // neutral axis of the load runs along x, the compressed side up.
  void SezioneReagenteRuotataCrea(const SezioneCAreagente& S, SezioneCAreagente& R);
  // True when the load point (already set) needs steel that R does not have;
  // sets SezioneParzializzata to -2 then, to -1 for a load outside the
  // outline's convex hull that the steel must carry.
  bool BarreInsufficienti(double N, const SezioneCAreagente& R);
  // The allowable-stress results into the main window.
  void RisultatiMetodoN();
  // Total strain of each of the first n tendons of eps (32-bit): plus
  // prestress / Es in "Metodo n", plus the initial strain at the ultimate
  // limit state. Empty when eps has fewer than n elements.
  Vettore<double> DeformazioniTotaliCavi(int n, const Vettore<double>& eps) const;

 private:
  // The convex hull of the outline, built again only when its vertices change.
  const ::Poligono& InviluppoContorno();
  struct Inviluppo {
    Vettore<double> x, y;  // the outline it was built from
    int n = -1;
    ::Poligono poligono;
  } inviluppo_;

  // The load point of action set k (0 ultimate, 1 service) about the origin.
  void PuntoDiCarico(int k);
  void DimensionaAssiNeutri(int n);
  // Bars and tendons of this section into a reacting section.
  void CaricaBarre(SezioneCAreagente& R) const;
  // Prestress resultant of the tendons and its point; nothing written
  // without tendons, the point only when NR > 0.
  void RisultanteCavi(double& NR, double& xR, double& yR) const;
  // One pass: the neutral axis i of R, then R's concrete cut by it.
  void PassoAsseNeutro(SezioneCAreagente& R, int i, int& stato);
  void RisultatiSoloBarre(platform::Form& finestra);
  static void MessaggioEquilibrioImpossibile(double N);

  void MostraRisultatiSlu(platform::Form& finestra);
  // What a failed ultimate run writes: why, and no results.
  void MostraFallimentoSlu(platform::Form& finestra) const;
  void TestoTipoRottura(std::string& testo, int& colore, int tipo) const;
  // The yield state of the most elongated tendon (tipo 1) or bar (0) after testo.
  void StatoAcciaio(std::string& testo, int& colore, int tipo) const;
  // 1 yielded, 0 elastic, -1 shortened, -2 no steel.
  int StatoSnervamento(int n, const Vettore<double>& eps, int tipo) const;
  void MostraRisultatiSluLembi(platform::Form& finestra, double My, double x, double sigmaInf,
                               double epsInf, double sigmaSup, double epsSup) const;
  void MostraRisultatiSluParzializzata(platform::Form& finestra, double My, double d, double x,
                                       double sigmaC, double epsC) const;
  void AvvisoReagenteTrazione();
  // Why the input of a run has no physical meaning; empty when it has.
  std::string DatiNonValidi() const;
  // True, after telling the user why, when the run must be refused: for
  // DatiNonValidi, or else for altro, a reason of the caller's own inputs.
  bool RifiutaDatiNonValidi(const std::string& altro = "");

  void MostraTensioneFerri(int nB, const Vettore<double>& epsB, int nC,
                           const Vettore<double>& epsC, platform::Form& finestra,
                           bool elastico) const;
  void MostraTensioneCavi(int nC, const Vettore<double>& epsC, platform::Form& finestra,
                          bool elastico) const;
  void MostraDeformazioneFerri(int nB, const Vettore<double>& epsB, int nC,
                               const Vettore<double>& epsC, platform::Form& finestra) const;
  void MostraDeformazioneCavi(int nC, const Vettore<double>& epsC,
                              platform::Form& finestra) const;

  bool AvvisoReagenteTrazioneMostrato = false;

  // ---- Section drawing (SezioneCA_Plot.cpp)
 public:
  // The whole section under the load and under the reversed load, kept by
  // the allowable-stress method when the concrete is taken as wholly
  // reacting (SezioneParzializzata 2); both are drawn.
  std::shared_ptr<SezioneCAreagente> SezioneInteraCarico = std::make_shared<SezioneCAreagente>();
  std::shared_ptr<SezioneCAreagente> SezioneInteraCaricoInverso =
      std::make_shared<SezioneCAreagente>();

  // -1 for a stress below 0, else +1.
  static short TensioneBarraSegno(float sigma);

  // Maps the box onto the device and surface of the last PlottaSezione, in
  // the drawing area that device uses. False when the mapping was refused
  // (a surface without area): nothing can be drawn.
  bool PltInizializza(double xMin, double xMax, double yMin, double yMax, double offset);
  // Draws the section on the device ("VIDEO" with its surface, "STAMPANTE",
  // "DXF", "DWG"): axes, outline, bars and tendons, the moment point and,
  // with results, neutral axes, steel stresses, the reacting part with its
  // stresses and ellipse, the integration rectangles. Device, surface and
  // hTesto stay for the drawings that follow.
  void PlottaSezione(const std::string& dispositivo, platform::Oggetto* oggetto);
  void PlottaSoloSezione(const std::string& dispositivo, platform::Oggetto* oggetto) {
    PlottaSezione(dispositivo, oggetto);
  }
  // The neutral axes of the solution, clipped to the window of the four
  // corners: the last one only, or all with VisAssiNeutri; the last at
  // width 2.
  void PlottaAssiNeutri(const Vettore<double>& xAngoli, const Vettore<double>& yAngoli) const;
  // The integration rectangles of the last ultimate run, in section axes.
  void PlottaRettangolini() const;
  // The stress of each bar (kind 0) and tendon (kind 1) written at its centre.
  void PltTensioniBarre(double altezzaTesto, int nB, const Vettore<float>& xB,
                        const Vettore<float>& yB, const Vettore<double>& epsB, int nC,
                        const Vettore<float>& xC, const Vettore<float>& yC,
                        const Vettore<double>& epsC) const;

 private:
  void PlottaFerriECavi() const;
  // Circles of one steel group; with results, coloured by the sign of the stress.
  void PlottaFerri(int n, const Vettore<float>& x, const Vettore<float>& y,
                   const Vettore<float>& aree, const Vettore<double>& eps, int tipo) const;
  void PlottaSezioneReagente(const SezioneCAreagente& reagente, double marcatore,
                             double altezzaTesto, int colore) const;
  void ScriveTensioniFerri(double altezzaTesto, int n, const Vettore<float>& x,
                           const Vettore<float>& y, const Vettore<double>& eps, int tipo) const;
  // The beam detailing of a designed rectangular section, drawn instead of
  // everything else when TipoPlottaggio is "CON-STAFFE" (SezioneCA_Staffe.cpp).
  void PlottaSezioneStaffe();

  Plottaggio PltSezione;
  std::string DispositivoPlt;  // device and surface of the last PlottaSezione

  // ---- Beam detailing (SezioneCA_Staffe.cpp, SezioneCA_PosizioniFerri.cpp).
  // The frame is the designed b1 x h1 rectangle: x from the middle of the
  // width, y up from the bottom face (0) to the top face (h1).
 public:
  // The design window whose boxes the title block quotes; nullptr leaves
  // only the section's title. Not owned: the window clears it when it goes.
  platform::Form* FinestraProgetto = nullptr;
  // One bar of the designed beam where the drawing puts it: its centre in
  // the beam's frame, its diameter and how far in from its zone's first row
  // it stands.
  struct FerroTrave {
    double x = 0;
    double y = 0;
    double Diametro = 0;
    double Rientro = 0;
  };
  // The stirrups' widths, the group numbers and the place of every bar.
  void PosizioniTrave();
  // After PosizioniTrave: the holders (with stirrups) and the bars of both
  // zones, as drawn.
  std::vector<FerroTrave> FerriTrave();
  // Group numbers, the holder bars in the stirrup corners and the bars of
  // each group across the width, in that order.
  void NumeraGruppi();
  void AssegnaPosizioniReggistaffeCampata();
  void PosizioniFerriCampata();
  // n bars of one zone in the gaps between the holder bars P (one per
  // stirrup leg: 2, 4 or 6); empty for n = 0 or another leg count.
  static Vettore<double> PosizioniStandard(int n, const Vettore<double>& P);
  // The slots a group of g bars takes among the f free ones of its zone,
  // which lose them; empty when the zone has no standard positions.
  static Vettore<double> PosizioniBarra(Vettore<double>& libere, int& f, const Vettore<double>& P,
                                        int g);
  // One bar: colour 1, a circle of diameter d.
  static void SezFerroInserisci(double x, double y, double d);
  static int TotaleBarre(const std::vector<Barra>& gruppi);
  // The least clear spacing of the bars of a row whose largest bar is fiMax:
  // fiMax, and no less than 20 mm.
  static double Interferro(double fiMax);
  // The width n bars of these diameters take side by side in one row.
  static double LarghezzaFila(int nBarre, double sommaDiametri, double fiMax);
  // After PosizioniTrave: whether the bars of the bottom (or top) zone
  // stand in more than one row.
  bool PiuFile(bool inferiore) const { return !(inferiore ? RientriInf : RientriSup).empty(); }
  // After PosizioniTrave: whether the bars of the bottom (or top) zone keep
  // the clear spacing, in however many rows.
  bool InterferroTenuto(bool inferiore) const { return inferiore ? InterferroInf : InterferroSup; }
  // After PosizioniTrave: whether the holders in the stirrup corners stand
  // the clear spacing apart; true without stirrups.
  bool ReggiDistanziati() const;

 private:
  static void PosizioniIntervallo(double inizio, double fine, int c, Vettore<double>& x, int& k);
  // Indexes into the free list, one per bar; a slot is never taken twice.
  static Vettore<int> SceltaPosizioniGruppo(const Vettore<double>& libere, int f,
                                            const Vettore<double>& proprie, int g);
  // v kept a distance c from both faces.
  double yFerroLimitato(double v, double c) const;
  // The four lines of the title block.
  std::vector<std::string> TestiTitoloProgetto() const;
  void ScriveTitoloProgetto(double x, double y0, double t) const;
  // Each group of the collection with its leader and label, the label y
  // moving by passo; zona "INF" or "SUP".
  void PlottaGruppiFerri(const std::vector<Barra>& gruppi, const std::string& zona, double& y,
                         double passo);
  void PlottaGruppoFerri(const Barra& gruppo, const std::string& zona, double y,
                         const std::vector<double>* rientri);
  // The bars of one group of zone "INF" or "SUP"; rientri: how far in from
  // the zone's row each bar stands (none: all in it).
  std::vector<FerroTrave> FerriGruppo(const Barra& gruppo, const std::string& zona,
                                      const std::vector<double>* rientri);
  // The rows further in of the i-th group of a zone's collection, if any.
  const std::vector<double>* RientriGruppo(const std::vector<Barra>& gruppi, std::size_t i,
                                           const std::string& zona) const;
  static std::string EtichettaGruppo(const Barra& gruppo);
  // Bars of these diameters, in order, side by side from inizio to fine with
  // equal clear gaps, the outer ones touching the ends; one in the middle.
  static Vettore<double> PosizioniAffiancate(const std::vector<double>& diametri, double inizio,
                                             double fine);
  // The bars of a zone without stirrups, in the order of their slots, side
  // by side from inizio to fine.
  static void Affianca(std::vector<Barra>& gruppi, double inizio, double fine);
  // The stirrup legs across a row: their axes and the bar diameter; none
  // without stirrups.
  struct Bracci {
    Vettore<double> Assi;
    double Diametro = 0;
  };
  // Bars of a zone that stand closer than the clear spacing in one row (to
  // each other, to its holders of diameter fiReggi and to the stirrup legs;
  // without holders, fiReggi 0, the bars side by side between the row's ends
  // reggi), or take more than its room larghezza side by side: they go into
  // the gaps between the legs, as many in the first row as keep the spacing
  // there beside the holders, the others into rows further in, each a bar
  // and a clear spacing behind the one before. rientri gets, group by group,
  // how far in each bar stands; empty when all stand in the first row. False
  // when no row keeps the spacing from the legs: then one bar in each gap it
  // fits, centred, rows further in.
  static bool FileZona(std::vector<Barra>& gruppi, const Vettore<double>& reggi, double fiReggi,
                       const Bracci& bracci, double larghezza,
                       std::vector<std::vector<double>>& rientri);

  Vettore<double> PosizioniReggiSup;
  Vettore<double> PosizioniReggiInf;
  std::vector<std::vector<double>> RientriSup;
  std::vector<std::vector<double>> RientriInf;
  bool InterferroSup = true;
  bool InterferroInf = true;
  platform::Oggetto* OggettoPlt = nullptr;

  // ---- Interaction domains (SezioneCA_DominioMN.cpp, SezioneCA_DominioMxMy.cpp)
 public:
  // The M-N domain of the reacting section of the last ultimate run, for its
  // neutral-axis direction, into the window's grid and chart: 3 nP points per
  // region and half (nP below 1 becomes 1). False, with nothing written,
  // when the last ultimate run did not succeed (it has said why) or when a
  // half has no useful depth (the user is told).
  bool CalcolaDominioMN(short& nP, Finestre::FinestraDominioMN& finestra,
                        const std::string& titolo);
  // One half of the domain on the reacting section as it lies, from uniform
  // elongation to uniform shortening.
  void CalcolaDominioMN1(int nP, PuntiDominioMN& punti);

  // Divisions of the full turn of the Mx-My domain: fewer are raised to the
  // least, more are cut to the most, telling the user.
  static constexpr short MinDivisioniMxMy = 3;
  static constexpr short MaxDivisioniMxMy = 1440;
  // The Mx-My domain under the axial force of the first action set, swept in
  // n divisions of the full turn; the neutral-axis angle at which the acting
  // moments (kNm) cross it into AngoloFlessione and the main window's
  // F_Angolo; the resisting moments there and their ratio to the acting ones
  // into the window. Acting moments of zero give ratio 0 at the angle in
  // force, with no search. False, with nothing written, when an ultimate run
  // fails (it has said why) or when the couple found does not lie in the
  // acting direction (the user is told).
  bool CalcolaDominioMxMy(short& n, Finestre::FinestraDominio& finestra,
                          const std::string& titolo, float MxEd, float MyEd);

  // The domain's points into the window: its grid and its chart.
  void RisultatiDominioMN(Finestre::FinestraDominioMN& finestra, const PuntiDominioMN& punti,
                          const std::string& titolo) const;
 private:
  // SezioneReagenteSlu turned by 180 degrees about the moment point, its
  // strips and useful depth (also into hUtile) made again; false when the
  // useful depth is not positive.
  bool GiraSezioneReagenteSlu();
  // Why the ultimate run of the Mx-My sweep that just failed gave no domain,
  // unless that run has told the user itself.
  void AvvisoDominioMxMyMancato() const;
  void TrattoDominioMN(int conta, PuntiDominioMN& punti, float inizio, float fine, float perno,
                       int tipo);
  void PuntoDominioMN(PuntiDominioMN& punti, float epsSup, float epsInf);

  // The bracket the acting direction was resolved to: the resisting couple
  // at its far end from the angle found, and the distance within which a
  // couple counts as on the acting direction's line.
  struct ForchettaMxMy {
    double mx = 0, my = 0, zero = 0;
  };
  // The angle (degrees) at which the line through the origin and (MxEd,
  // MyEd) crosses the domain on the side of the acting moments, and its
  // bracket; false when an ultimate run of the refinement fails.
  bool CalcolaDominioMxMyRapporto(float MxEd, float MyEd, const Vettore<float>& Mx,
                                  const Vettore<float>& My, int nPunti,
                                  const Vettore<float>& Teta, float& angolo,
                                  ForchettaMxMy& forchetta);
  // Of the crossings 1 and 2 (xi, yi, lati), the one on the side of MEd; with
  // one crossing, that one.
  static void ScegliIntersezione(float MxEd, float MyEd, const Vettore<double>& xi,
                                 const Vettore<double>& yi, const Vettore<int>& lati, int ni,
                                 double& x, double& y, int& lato);
  // The domain sampled about every degree from teta1 to teta2: the sampled
  // angle that starts the sub-segment the line a x + b y + c = 0 crosses,
  // and the couple at that sub-segment's end into forchetta.
  bool RaffinaAngoloDominioMxMy(float teta1, float teta2, double a, double b, double c,
                                float& angolo, ForchettaMxMy& forchetta);
  void MostraDominioMxMy(int nPunti, Finestre::FinestraDominio& finestra,
                         const Vettore<float>& Teta, const Vettore<float>& Mx,
                         const Vettore<float>& My, const std::string& titolo, float MxEd,
                         float MyEd) const;
  // Header, row numbers and the table into GridMN, column j with cifre[j - 1]
  // significant digits and thousands grouped (texts made when the grid is
  // read); the chart table as series 1 of Graph1, red, with its title.
  static void ScriveGrigliaGraficoMxMy(Finestre::FinestraDominio& finestra,
                                       const std::string& intestazione,
                                       const Matrice<float>& tabella,
                                       const std::vector<int>& cifre,
                                       const Matrice<float>& grafico,
                                       const std::string& titolo);

  // ---- Moment-curvature and model column (SezioneCA_MomentoCurvatura.cpp,
  // SezioneCA_ColonnaModello.cpp, SezioneCA_MomentoCurvaturaSolo.cpp)
 public:
  // The moment-curvature curve under the axial force of the first action set
  // from zero to the ultimate curvature in n + 1 steps (n below 1 becomes 1),
  // the second-order moment of the model column of free length LunghezzaL0,
  // the largest first-order moment, e2 and the curvature ductility into the
  // window. Nothing is written when the input is not valid, the ultimate
  // verification fails, the axial force is a tension, or a search does not
  // converge; each tells the user.
  void CalcolaColonnaModello(short& n, Finestre::FinestraMomentoCurvatura& finestra);
  // The same curve with its yield and eps_c2 points, the moment at the
  // ultimate curvature and the ductility from the first of the two.
  void CalcolaColonnaModello_solo(short& n, Finestre::FinestraMomentoCurvatura& finestra);

 private:
  // Input, verification and the curve, with the eps_c2 point when asked;
  // false when there is no curve (the user has been told why).
  bool CalcolaPuntiMomentoCurvatura(short& n, bool conEpsC2, PuntiMomentoCurvatura& curva);
  // The point of the curve at curvH, the equilibrium searched from the
  // bottom strain epsInf, which receives the equilibrium value.
  bool PuntoMomentoCurvatura(double N, float curvH, float& epsInf, PuntoCurva& punto);
  // The point where the top fibre holds eps_c2, by chords from the anchor
  // curvature xa through the point corrente beyond it.
  bool PuntoEpsC2(double N, float xa, const PuntoCurva& corrente, PuntoCurva& punto);
};
