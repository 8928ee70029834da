// The column's end sections shown in the window and copied between ends.
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

std::string Lunghezza(float mm) {
  return Formattazione::TestoNumero(VariabiliPubbliche::LunghezzaDaMm(mm));
}

std::string Numero(float x) { return Formattazione::TestoNumero(x); }

float Dato(int i, int j) { return Stato.PilastroCorrente.MatriceSezionePilastro(i, j); }

}  // namespace

void FrmSismica::RecuperaDatiPilastri(int inferiore) {
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  if (inferiore >= 0) p.SezioneInferiore = inferiore != 0;
  const bool prima = AggiornamentoInCorso;
  AggiornamentoInCorso = true;
  if (p.Circolare())
    RecuperaDatiPilastriCircolari(p.SezioneInferiore);
  else
    RecuperaDatiPilastriRettangolari(p.SezioneInferiore);
  AggiornamentoInCorso = prima;
  MostraSezione();
}

void FrmSismica::MostraDiametro(int indice, float diametro) {
  platform::Control& combo = Controllo("ComboBarrePil", indice);
  combo.SetText(diametro == 0 ? combo.List(0) : Numero(diametro));
}

void FrmSismica::RecuperaDatiPilastriRettangolari(bool inferiore) {
  const int caselle[] = {0, 1, 4, 9, 10, 13};
  for (int j = 1; j <= 6; ++j) Testo("PilastroTxt", caselle[j - 1], Lunghezza(Dato(0, j)));
  const int base = inferiore ? 11 : 7;
  Testo("PilastroTxt", 2, Numero(Dato(0, base)));
  Testo("PilastroTxt", 3, Numero(Dato(0, base + 1)));
  MostraDiametro(0, Dato(0, base + 2));
  RecuperaPassoStaffePilastri(inferiore);
}

void FrmSismica::RecuperaPassoStaffePilastri(bool inferiore) {
  Testo("PilastroTxt", 14, Lunghezza(Dato(0, inferiore ? 14 : 10)));
  Testo("PilastroTxt", 13, Lunghezza(Dato(0, 6)));
}

void FrmSismica::RecuperaDatiPilastriCircolari(bool inferiore) {
  const int caselle[] = {6, 8, 11, 12, 15};
  for (int j = 1; j <= 5; ++j) Testo("PilastroTxt", caselle[j - 1], Lunghezza(Dato(1, j)));
  RecuperaDatiPilastriCircolariSub(inferiore);
}

void FrmSismica::RecuperaDatiPilastriCircolariSub(bool inferiore) {
  Testo("PilastroTxt", 7, Numero(Dato(1, inferiore ? 12 : 6)));
  Testo("PilastroTxt", 5, Lunghezza(Dato(1, inferiore ? 17 : 11)));
  MostraDiametro(1, Dato(1, inferiore ? 13 : 7));
  MostraDiametro(2, Dato(1, 14));
  Controllo("ChkSpirale").SetChecked(Stato.PilastroCorrente.Spirale != 0);
}

void FrmSismica::CopiaSezionePilastroRettangolare() {
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  p.MemorizzaDatiPilastri(*this);
  const bool inferiore = p.SezioneInferiore;
  const int da = inferiore ? 7 : 11;
  const int a = inferiore ? 11 : 7;
  for (int k = 0; k <= 3; ++k) p.SetMatriceSezionePilastro(0, a + k, Dato(0, da + k));
  p.SezioneInferiore = !inferiore;
  const Matrice<float> staffe = p.StaffeCorrenti();
  p.SezioneInferiore = inferiore;
  p.StaffeMemorizza(staffe);
  RecuperaDatiPilastri(inferiore);
}

void FrmSismica::CopiaSezionePilastroCircolare() {
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  p.MemorizzaDatiPilastri(*this);
  if (p.SezioneInferiore || Dato(1, 6) > 3) return;
  if (platform::MsgBox("N° barre < 4\nCopiare barre e staffe della sezione inferiore?",
                       platform::Pulsanti::SiNoPredefinitoNo, platform::Icona::Domanda) !=
      platform::Risposta::Si)
    return;
  const int da[] = {12, 13, 14, 17};
  const int a[] = {6, 7, 8, 11};
  for (int k = 0; k <= 3; ++k) p.SetMatriceSezionePilastro(1, a[k], Dato(1, da[k]));
  RecuperaDatiPilastri(false);
}
