#pragma once
// Reads the private data of the sections for the tests; outlines and steel
// the tests share.
#include <array>

#include "analysis/SezioneCA.h"

struct SezioneProva {
  static int nCavi(const SezioneCA& s) { return s.nCavi; }
  static const Vettore<float>& xBarre(const SezioneCA& s) { return s.xBarre; }
  static const Vettore<float>& Precompressione(const SezioneCA& s) { return s.PrecompressioneCavi; }
  static Vettore<double>& EpsIniziali(SezioneCA& s) { return s.EpsCaviIniziale; }
  static std::array<double, 2> N(const SezioneCA& s) { return s.SollecitazioneN; }
  static std::array<double, 2> Mx(const SezioneCA& s) { return s.SollecitazioneMx; }
  static const Vettore<float>& Precompressione(const SezioneCAreagente& s) {
    return s.PrecompressioneCavi;
  }
  static const Vettore<double>& EpsIniziali(const SezioneCAreagente& s) {
    return s.EpsCaviIniziale;
  }
  static const AcciaiSezione& Acciai(const SezioneCAreagente& s) { return s; }
  // Results of a solution, set by hand for the drawings.
  static void AssiNeutri(SezioneCA& s, const Vettore<double>& a, const Vettore<double>& b,
                         const Vettore<double>& c) {
    s.aAssiNeutri = a;
    s.bAssiNeutri = b;
    s.cAssiNeutri = c;
  }
  static std::shared_ptr<SezioneCAreagente>& ReagenteSlu(SezioneCA& s) {
    return s.SezioneReagenteSlu;
  }
  static Vettore<double>& MatriceSluInversa(SezioneCA& s) { return s.MatriceSluInversa; }
  // Results of the last ultimate run.
  static float dNeutroSlu(const SezioneCA& s) { return s.dNeutroSlu; }
  static float EpsCmaxSlu(const SezioneCA& s) { return s.EpsCmaxSlu; }
  static float EpsCminSlu(const SezioneCA& s) { return s.EpsCminSlu; }
  static float EpsSmaxSlu(const SezioneCA& s) { return s.EpsSmaxSlu; }
  static const SezioneCAreagente& ReagenteSlu(const SezioneCA& s) { return *s.SezioneReagenteSlu; }
  static std::array<double, 3> AsseNeutro(const SezioneCA& s, int i = 1) {
    return {s.aAssiNeutri(i), s.bAssiNeutri(i), s.cAssiNeutri(i)};
  }
  static double xPunto(const SezioneCA& s) { return s.MomentoYPunto; }
  static double yPunto(const SezioneCA& s) { return s.MomentoXPunto; }
  static std::array<double, 2> My(const SezioneCA& s) { return s.SollecitazioneMy; }
  // The load point of action set k, as an analysis sets it before it runs.
  static void PuntoDiCarico(SezioneCA& s, int k) { s.PuntoDiCarico(k); }
  // An ultimate result set by hand, shown as the verification shows it.
  static void RisultatoSlu(SezioneCA& s, float dNeutro, float epsCmax, float epsCmin) {
    s.dNeutroSlu = dNeutro;
    s.EpsCmaxSlu = epsCmax;
    s.EpsCminSlu = epsCmin;
  }
  static void MostraRisultatiSlu(SezioneCA& s, platform::Form& finestra) {
    s.MostraRisultatiSlu(finestra);
  }
  // The crossing the Mx-My ratio goes on with.
  static int ScegliIntersezione(float MxEd, float MyEd, const Vettore<double>& xi,
                                const Vettore<double>& yi, const Vettore<int>& lati, int ni) {
    double x, y;
    int lato;
    SezioneCA::ScegliIntersezione(MxEd, MyEd, xi, yi, lati, ni, x, y, lato);
    return lato;
  }
};

// Rectangle b x h centred on the origin, counter-clockwise from the top right.
inline void Rettangolo(Poligono& p, double b, double h) {
  p.Coordinate(Vettore<double>{b / 2, -b / 2, -b / 2, b / 2},
               Vettore<double>{h / 2, h / 2, -h / 2, -h / 2}, 4);
}

inline const Vettore<float> Nessuno;
inline const std::array<float, 2> RapportiN{15, 6};
