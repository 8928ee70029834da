#pragma once
// The column of the seismic check: a rectangular or circular shape with a
// bottom and a top end section. Both ends share outline, cover and lengths;
// each has its own bars, critical-zone stirrup pitch and stirrups. Every
// member that reads or writes an end works on the current one
// (SezioneInferiore). Lengths and diameters in mm, areas in mm2.
//
// Pilastro.cpp holds the data, Pilastro_File.cpp its project-file records,
// Pilastro_Geometria.cpp the bars and their numbering, Pilastro_Staffe.cpp the
// stirrup quantities and record checks, Pilastro_Disegno.cpp the drawing of
// stirrups and bar numbers, Pilastro_Controlli.cpp the section quantities and
// the entry points of the detailing checks.
#include <string>
#include <vector>

#include "app/FileDati.h"
#include "model/Matrice.h"
#include "model/Vettore.h"
#include "platform/FlexGrid.h"
#include "platform/Form.h"
#include "seismic/ListaPrescrizioni.h"
#include "seismic/Normative3274.h"

namespace Sismica {

class FinestraSismica;

// Row and column of a bar in the numbering grid of a rectangular end.
struct PosizioneBarra {
  int Riga = 0;
  int Colonna = 0;
};

// Results of the walk along the sides over the bars held by stirrups.
struct BarreAncorate {
  int Legate = 0;            // bars held by at least one stirrup
  float DistanzaMax = 0;     // largest distance between consecutive held bars
  double SommaQuadrati = 0;  // sum of the squares of those distances
  bool Lacuna = false;       // a side with two or more consecutive bars not held
};

class Pilastro {
 public:
  // Fields of a stirrup record: diameter, then up to 8 bar numbers ending at
  // the first 0.
  static constexpr int CampiStaffa = 9;

  int TipoPilastro = 0;  // 0 rectangular, any other value circular
  bool SezioneInferiore = false;
  int nBarreTotaleSup = 0;
  int nBarreTotaleInf = 0;
  int Spirale = 0;  // non-zero: a circular column confined by a spiral

  // ---- Data matrix: row 0 rectangular, row 1 circular, columns 1 to 17.
  // Outside those bounds std::out_of_range.
  float MatriceSezionePilastro(int i, int j) const { return matrice_(i, j); }
  void SetMatriceSezionePilastro(int i, int j, float valore) { matrice_(i, j) = valore; }

  // The same shape, data matrix and stirrups, whichever end is current.
  bool StessiDati(const Pilastro& altro) const {
    return TipoPilastro == altro.TipoPilastro && Spirale == altro.Spirale &&
           matrice_ == altro.matrice_ && staffeSup_ == altro.staffeSup_ &&
           staffeInf_ == altro.staffeInf_;
  }

  // ---- Accessors of the current end. Whole-number ones round half to even
  // and throw platform::ErroreEsecuzione (overflow) outside -32768..32767.
  bool Circolare() const { return TipoPilastro != 0; }
  // Why the current end cannot stand for a column: a size, length or
  // stirrup pitch out of 0-100 m (a pitch of 0 is one not given), a cover
  // that leaves no room for the bars, fewer than 2 bars a side or 4 round a
  // circle; empty when it can. With zeriAmmessi a size, length or bar count
  // of 0 is let through, for the rules that warn of it themselves.
  std::string DatiNonValidi(bool zeriAmmessi = false) const;
  int nBarreBase() const;
  int nBarreAltezza() const;
  int RaggioPilastro() const;
  int CopriFerro() const;
  int LunghezzaPilastro() const;
  int fiBarrePilastro() const;
  // The smaller and the larger bar diameter of the two ends; an end without
  // a diameter is left out (0 when neither has one).
  int fiBarrePilastroMin() const { return fiBarreEstremo(false); }
  int fiBarrePilastroMax() const { return fiBarreEstremo(true); }
  // 1 for a circular column. Setting 0 also drops the current end's stirrups.
  int StaffeNumTot() const;
  void SetStaffeNumTot(int n);
  int nBarreTotale() const { return SezioneInferiore ? nBarreTotaleInf : nBarreTotaleSup; }
  void SetnBarreTotale(int n) { (SezioneInferiore ? nBarreTotaleInf : nBarreTotaleSup) = n; }
  float StaffePassoCritico() const;
  void SetStaffePassoCritico(float passo);
  float StaffePassoCentrale() const;
  void SetStaffePassoCentrale(float passo);
  // Stirrups of the current end, rows 1..StaffeNumTot (none: no rows).
  const Matrice<float>& StaffeCorrenti() const {
    return SezioneInferiore ? staffeInf_ : staffeSup_;
  }
  // Stores the records as the current end's stirrups and their count.
  void StaffeMemorizza(const Matrice<float>& staffe);

  // Stores the seismic window's inputs into the current end section; the
  // frame of the column's shape must be visible. Bar counts below 2 become 2
  // (written back into their boxes); a changed count drops that end's
  // stirrups.
  void MemorizzaDatiPilastri(platform::Form& finestra);

  // Reads ("L") or writes ("S") the column's records of the project file.
  // Reading leaves the top end current, without bar positions.
  void FileLeggeScrive(const std::string& modo, Generale::FileDati& file);

  // ---- Geometry of the current end (Pilastro_Geometria.cpp).
  // Bar count from the data: 2(nb + nh) - 4, nb x nh with one bar along a
  // side, 0 with none; the count of a circular end.
  int nBarreDati() const;
  // Positions and areas of the bars of the current end; sets nBarreTotale.
  void CoordinateBarre();
  // The current end as a new current section: outline (a rectangle centred
  // on the origin, or a circle from the top clockwise), bars, the design
  // actions NEd, MEd of the top end about x and about y, moments taken about
  // the origin.
  void CoordinatePilastro();
  const Vettore<float>& xBarre() const { return xBarre_; }
  const Vettore<float>& yBarre() const { return yBarre_; }
  const Vettore<float>& AreeBarre() const { return areeBarre_; }
  // Row and column of bars 1..nBars of a rectangular end.
  std::vector<PosizioneBarra> NumerazioneBarre() const;
  // Fields 2 onward of the record: the hoop through the four corner bars, or
  // the inner stirrup through the bars next to the corners. A side with
  // fewer than 2 bars (3 for the inner stirrup) leaves the record without bars.
  void StaffaEsterna(Vettore<float>& staffa) const;
  void StaffaInterna(Vettore<float>& staffa) const;

  // ---- Stirrups of the current end (Pilastro_Staffe.cpp).
  // "ATTENZIONE - Inserire le staffe ..." naming the ends without them.
  static std::string StaffeMancanti(bool inferiore, bool superiore);
  // The record's bar numbers up to the first 0.
  static std::vector<int> BarreStaffa(const Matrice<float>& staffe, int riga);
  // Empty when row riga of the records can be stored, else the text
  // "Errore nella staffa <riga>: <reason>". A bar must be a whole number
  // from 1 to the end's bar count.
  std::string ErroreStaffa(const Matrice<float>& staffe, int riga) const;
  // Row riga of the stirrup editor's records: an unusable record is named in
  // the window's label lblErroreSt; one that repeats an earlier row (the
  // same bars in turn, either way round) in a message box. The editor's
  // commands are enabled only for a record that passes.
  bool StaffaMemorizzaControllo(const Matrice<float>& staffe, int riga,
                                FinestraSismica& finestra) const;
  bool StaffaDoppiaControllo(const Matrice<float>& staffe, int riga) const;
  // The first earlier row with the same bars in turn, either way round; 0
  // when none.
  int StaffaSovrapposta(const Matrice<float>& staffe, int riga) const;
  float StaffeDiametroMinimo() const;

  // ---- Drawing of the current end (Pilastro_Disegno.cpp), on the device,
  // scale and picture the caller has set up.
  // Hoops and ties of a rectangular end in colour 6, then, while the stirrup
  // editor's frame is visible, the bar numbers in colour 7; the hoop of a
  // circular end. A stirrup that cannot be drawn is left out.
  void StaffePlotta(const platform::Control& frame) const;
  // Stirrup riga of the current end; false when it cannot be drawn. With the
  // window, that is said in a message box unless its lblErroreSt already
  // shows an error.
  bool StaffaPlotta(int riga, platform::Form* finestra = nullptr) const;
  // The same for row riga of the records given.
  bool StaffaPlotta(const Matrice<float>& staffe, int riga,
                    platform::Form* finestra = nullptr) const;
  // The open polyline through the bars listed so far in row riga of the
  // stirrup editor's grid.
  void StaffaPlottaInProgress(const platform::FlexGrid& griglia, int riga) const;
  float AreaConfinata(float& b0, float& h0) const;
  // primo = h - 2d, secondo = b - 2d (d: face to the outer stirrup's centreline).
  void DistanzeBracciEsterni(float& primo, float& secondo) const;
  // Stirrup volume of one layer over the confined area (mm).
  float StaffeVolumeRapporto(double& volume, float& area) const;
  void StaffeAreaComplessivaBracci(float& primo, float& secondo) const;
  BarreAncorate StaffeDistanzeBarreAncorate() const;

  // ---- The stirrup editor's grid (Pilastro_StaffeGriglia.cpp).
  // Its data rows as records, one per row, texts read as numbers.
  static Matrice<float> StaffeDaGriglia(const platform::FlexGrid& griglia);
  // Stores the grid's rows as the current end's stirrups, leaving out every
  // row the record checks refuse, with the critical pitch (PilastroTxt 14)
  // and the central one (PilastroTxt 13) typed in the window.
  void StaffeMemorizza(FinestraSismica& finestra, const platform::FlexGrid& griglia);
  // false: keeps a copy of the current end's stirrups, count and pitches;
  // true: puts that copy into the current end.
  void StaffeMemorizzaTmp(bool ripristina);
  // One row per stirrup of the current end under the headers N, φ, 1V..8V.
  void StaffePilastroVisualizza(platform::FlexGrid& griglia) const;

  // ---- Section quantities and checks (Pilastro_Controlli.cpp).
  float AreaSezione() const;
  float bSezione() const;
  float hSezione() const;
  float hCritica() const;
  float Ro() const;
  float Nud() const;
  float InterasseMaxBarre() const;

  // ---- Checks of the code in force, for the column PilastroCorrente.
  // Geometry rules, after the window's column inputs and actions are stored
  // and the bars of the current end rebuilt.
  void ControlloGeometrico(FinestraSismica& finestra, Prescrizioni& lista);
  // Stirrup rules; without a list the window shows their texts.
  void ControlloStaffe(FinestraSismica& finestra, Prescrizioni* lista);
  // Capacity-design shear (N) from the bottom and top resisting moments
  // (Nmm); a column without length gives a message and 0.
  float TaglioCapacitaPilastro(double mInferiore, double mSuperiore,
                               Normative3274::TestiTaglio& testi) const;

  // ---- Capacity-design shear and export (Pilastro_Taglio*.cpp).
  // Shear check for bending about x (direzione 0) or y (1), the bending
  // type and angle already set: the resisting moments of both ends, the
  // capacity shear from them, the resistance of the stirrups of the end with
  // the smaller effective area at the central pitch. Writes txtVu(d) and
  // F_V(d) and shows the verdict with its reasons in the list. False, with
  // the reason in the list and no verdict, when the pitch, the stirrups, the
  // lever arm or a resisting moment is missing.
  bool CalcolaMomentiTagliUltimiPilastro(FinestraSismica& finestra, int direzione);
  // The current end section, built last as the current section, and the
  // finestra's design moments of that end into the main window's inputs.
  void EsportaInTramok(platform::Form& finestra) const;
  // Effective area of each stirrup of the current end (mm2, in record
  // order) across the shear of the direction; the total. A leg counts by the
  // sine of its inclination, only where its side of the stirrup crosses the
  // whole band of the bars.
  float StaffeAreaEfficace(int direzione, std::vector<float>& aree) const;

 private:
  // A stored value as a whole number (see the accessors).
  static int Intero(float valore);
  int fiBarreEstremo(bool massimo) const;
  Matrice<float>& StaffeCorrentiModificabili() {
    return SezioneInferiore ? staffeInf_ : staffeSup_;
  }
  float DiametroStaffaCircolare() const;
  float DistanzaStaffa() const;
  // Bar centres of the record's bars; false when a bar is not one of the end's.
  bool VerticiStaffa(int riga, Vettore<double>& x, Vettore<double>& y) const;
  // The same for a list of bars, at least two; with r, the bar radii too.
  bool VerticiBarre(const std::vector<int>& barre, Vettore<double>& x, Vettore<double>& y,
                    Vettore<double>* r = nullptr) const;
  void NumeraBarre(int n) const;
  void StaffaCircolarePlotta() const;
  void PosizioniBarreRettangolari();
  void PosizioniBarreCircolari();
  double MomentoUltimoPilastro(FinestraSismica& finestra, int direzione, bool& riuscito);
  // Resisting shear (N) of the effective area asw; a too narrow section
  // leaves the text of the base it needs.
  float TaglioResistente(double asw, int direzione, std::string& testo, double VEd) const;
  // Least and greatest ordinate (direzione 0) or abscissa (1) of the bars,
  // moved inwards by the tolerance.
  void FasciaBarre(int direzione, double& basso, double& alto, double tolleranza) const;

  Matrice<float> matrice_{0, 1, 1, 17};
  bool flagRiservato1_ = false;
  bool flagRiservato2_ = false;
  Matrice<float> staffeSup_;
  Matrice<float> staffeInf_;
  Vettore<float> xBarre_;
  Vettore<float> yBarre_;
  Vettore<float> areeBarre_;
  // The stirrup editor's working copy.
  Matrice<float> staffeTmp_;
  float passoCriticoTmp_ = 0;
  float passoCentraleTmp_ = 0;
};

}  // namespace Sismica
