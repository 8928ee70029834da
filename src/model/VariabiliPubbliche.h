#pragma once
// Program-wide state shared by every window and calculation: the design code
// in force with its material values, the options of the current section, the
// view flags and the display unit; and the small services every window uses
// (unit conversions, result texts, sign colours, bar area and weight, the
// design-code menus, code-dependent concrete formulas, grid sizing).
//
// Reset the whole state in a test with
// VariabiliPubbliche::Stato = VariabiliPubbliche::StatoProgramma{}.
#include <array>
#include <string>

#include "model/Matrice.h"
#include "model/Vettore.h"
#include "platform/FlexGrid.h"
#include "platform/Form.h"

namespace VariabiliPubbliche {

// One row of a steel table: designation, strengths and allowable stress, N/mm2.
struct RigaAcciaio {
  std::string Designazione;
  double Fyk = 0;
  double Ftk = 0;
  double TensioneAmmissibile = 0;
  bool operator==(const RigaAcciaio&) const = default;
};

// One row of the concrete table: designation, fck and Rck, N/mm2.
struct RigaCalcestruzzo {
  std::string Designazione;
  double Fck = 0;
  double Rck = 0;
  bool operator==(const RigaCalcestruzzo&) const = default;
};

struct StatoProgramma {
  // Design code and materials; defaults are those used without a settings file.
  int Normativa = 0;  // 0 "NTC 2018", 1 "DM 1996", 2 "NTC 2018 - Strutture esistenti"
  double Fck = 25;
  float Rck = 30;
  double GammaC = 1.5;
  double GammaS = 1.15;
  double AlfaCC = 0.85;
  double Fcd = 14.167;
  double EpsCu = 0.0035;
  double EpsC2 = 0.002;
  double EpsSu = 0.0675;
  double ModuloEs = 200000;
  // Arrays by steel kind: [0] bars, [1] tendons.
  std::array<double, 2> Fyd{391.3, 0};
  std::array<double, 2> EpsYdSezione{};  // fyd/Es as last shown by the materials form
  double RapportoFccFcd = 0.8;
  std::array<float, 2> RapportoN{15, 6};
  std::array<float, 2> FattoreConfidenza{1, 1};  // [1] divides fcd for existing structures
  Vettore<RigaAcciaio> TabellaAcciai;  // rows 1..n, steel table of the code in force
  int TipoAcciaioProgetto = 0;
  bool NonMostrareAvviso = false;
  // The settings file, the materials file found missing and told once.
  bool IniMancanteSegnalato = false, MaterialiMancantiSegnalati = false;

  // Section, analysis options and run state.
  int TipoSezione = 0;  // 0 rectangle ... 6 outline from DXF
  int TipoVerifica = 0;  // 0 "S.L.U.+", 1 "Metodo n", 2 "S.L.U.-"
  int TipoFlessione = 0;  // 0 uniaxial, 1 biaxial
  float AngoloFlessione = 0;  // degrees
  int NumeroRettangoli = 100;  // strips of the ultimate-limit-state integration
  bool ClsReagenteTrazione = false;
  int SoloBarre = 0;
  bool Precompresso = false;
  float LunghezzaL0 = 0;  // mm
  // Circle: outer radius, number of bars, bar diameter, cover to the bar
  // centres, inner radius (mm; the count as it is).
  std::array<float, 5> DatiSezioneCircolare{};
  int NumeroVerticiCerchio = 52;  // sides of the polygon standing for a circle
  int PuntoApplicazioneN = 0;  // 0 centre, 1 concrete centroid, 2 coordinates
  float XN = 0, YN = 0;  // mm
  // The main window's figures, bars and tendons, mm (rows from 1).
  Matrice<double> MatriceFigure;
  Matrice<double> MatriceBarre;
  Matrice<double> MatriceCavi;
  std::string TitoloSezione;
  bool ProgettoInCorso = false;
  std::string UnitaLunghezza = "cm";  // "mm"; anything else reads as "cm"
  int VisRettangoli = 0;
  int VisAssi = 0;
  int VisTensioniBarre = 0;
  int VisTensioniCls = 0;
  int VisAssiNeutri = 0;
  bool RisultatiPresenti = false;
  bool PlottaggioVideo = false;
  // Acting points of the M-N domain window, rows from 1: N in kN, M in kNm,
  // as typed; row 1 mirrors the main window's first action set.
  Matrice<float> AzioniDominioMN;
  std::string CartellaProgramma;
  std::string CartellaDati;

  // Kept by the settings, materials and project files.
  // Arrays by steel kind: [0] bars, [1] tendons.
  std::array<std::string, 2> SiglaAcciaio{"B450C", ""};
  std::string SiglaCalcestruzzo = "C25/30";
  double Fyk = 450;  // N/mm2
  // Allowable stresses, N/mm2.
  std::array<float, 2> SigmaSAmm{255, 0};
  float SigmaCAmm = 9.75f;
  float TauC0 = 0.6f;
  float TauC1 = 1.829f;
  float GammaAzioni = 1.5f;

  // Steel table of each design code (rows 1..n; no rows until filled) and
  // the concrete table.
  Vettore<RigaAcciaio> TabellaAcciaiNtc;
  Vettore<RigaAcciaio> TabellaAcciaiDm96;
  Vettore<RigaAcciaio> TabellaAcciaiEsistenti;
  Vettore<RigaCalcestruzzo> TabellaCalcestruzzi;

  // Rectangular design: concrete cover, mm; steps b and h are rounded to, mm.
  float CopriferroProgetto = 20;
  std::array<float, 2> PassoArrotondamento{50, 0};
  int TipoVerificaProgetto = 0;  // design method: 0 "S.L.U.", 1 "Metodo n"

  int NormativaSismica = 0;  // 0 NTC, 1 EC8

  // Options of the design window, kept between its openings; the window sets
  // its first-time defaults when OpzioniProgetto is still false.
  bool OpzioniProgetto = false;
  int DiametroMinimo = 0;  // mm, range of the automatic choice of diameters
  int DiametroMassimo = 0;
  int DiametriAutomatici = 0;  // 1: the range above; 0: the manual rows
  // Manual rows 0..2 of the bottom (Fi) and top (FiC) bars: in use, fixed
  // count, diameter (mm).
  std::array<int, 3> RigheFiAttive{};
  std::array<int, 3> RigheFiNumero{};
  std::array<int, 3> RigheFiDiametro{};
  std::array<int, 3> RigheFiCAttive{};
  std::array<int, 3> RigheFiCNumero{};
  std::array<int, 3> RigheFiCDiametro{};
  int DiametroStaffe = 0;  // mm
  int DiametroReggistaffe = 0;  // mm
  int NumeroBracci = 0;  // stirrup legs, also holders per zone
  int DimensioneFissa = 0;  // 0 depth fixed, 1 width fixed, 2 both
  int GancioStaffe = 0;  // 1: 135-degree hooks
  bool SenzaStaffe = false;
  float RapportoAsCompressa = 0;  // A's/As
  float EpsSProgetto = 0;  // tension steel strain imposed on the ultimate design
  float CotTeta = 1;  // cot(theta) of the concrete struts, 1 to 2.5
  int MinimizzaStaffe = 0;
  float RoL = 0.02f;  // longitudinal ratio of the concrete shear term
  std::array<float, 2> AzioneV{};  // shears, N: [0] ultimate, [1] allowable stress
  std::array<int, 2> OpzioniAzioniProgetto{};  // sign of each design moment typed
  float DetrazioneStaffa = 0;  // 2 cover + stirrup diameter, mm
  bool AvvisoBracciMostrato = false;  // the unsupported-legs notice has been shown
};

inline StatoProgramma Stato;

// Header row and column fixed, nc data columns of equal width right-aligned,
// nr data rows; column 0 is k times as wide as a data column.
void DimensionaGriglia(platform::FlexGrid& griglia, int nc, int nr, double k);

// Internal mm to and from the display unit.
double LunghezzaDaMm(double mm);
// The converted length's text, a blank and the unit: "12.5 cm".
std::string LunghezzaDaMmConUnita(double mm);
double LunghezzaInMm(double lunghezza);
double AreaDaMm2(double mm2);
double AreaInMm2(double area);
double InerziaDaMm4(double mm4);

// Text of a result box: four significant digits in at most ten characters,
// "0" for |x| <= 0.001, "-" for a value that is not finite. togliBlanco drops
// the sign blank of positive values.
std::string FormattaValore(double x, bool togliBlanco = false);
std::string FormattaArea(double mm2);

// Light red for a text beginning with "-", light blue otherwise; then the text.
void ColoraSegno(platform::Control& casella, const std::string& testo);
// Turns the sign position of a formatted value and shows it, coloured.
void InvertiSegnoTesto(platform::Control& casella, std::string& testo);

// Area of one bar; weight of bars, 7850 kg/m3 (kg with d and L in metres).
float AreaBarra(double d);
float PesoBarre(double d, double lunghezza);

bool TipoVerificaSlu();

// Design code chosen from the three-item menu of the main or materials window,
// or from the two-item menu of the design window; a code the menu does not
// have is reported and changes nothing but the design fcd (two-item menu).
// ScegliNormativa3 tells whether the code was taken.
bool ScegliNormativa3(int nuova, platform::Form& finestra);
void ScegliNormativa2(int nuova, platform::Form& finestra);
// The code chosen from the main window's menu: ScegliNormativa3, then the
// design strengths of the code at every digit, fcd = alfa_cc fck / gamma_c
// and fyd = fyk / gamma_s.
void ApplicaNormativa(int nuova, platform::Form& finestra);
void AggiornaMenuNormativa3(platform::Form& finestra);
void AggiornaMenuNormativa2(platform::Form& finestra);
// The steel table kept for the code; nullptr for a code outside 0 to 2.
Vettore<RigaAcciaio>* TabellaAcciaiNormativa(int normativa);
// The ultimate steel strain the code allows; no limit for a code outside 0 to 2.
double EpsSuNormativa(int normativa);
// TabellaAcciai = the table of the code in force; nothing changes when the
// code is outside 0 to 2 or its table has no rows.
void AssegnaMatrAcciaio();
// Steel table of the code in force, and the tendon types of the main window.
void AggiornaAcciaiNormativa();
// The main window's tendon types: every designation of TabellaAcciai.
void RiempiListaCavi();

// Concrete of the code in force: mean tensile strength and secant modulus,
// N/mm2; 0 after a message when the code is unknown.
float Fctm();
float Ecm();
// The cube strength of a cylinder strength under DM 1996, fck = 0.83 Rck,
// kept to two decimals as fck is.
float RckDaFck(double fck);
// Smallest moment-redistribution ratio for the neutral-axis depth ratio x/d.
float DeltaRidistribuzione(double xSuD);

}  // namespace VariabiliPubbliche
