#pragma once
// Outcome of an allowable-stress run ("Metodo n").
enum class EsitoCalcoloMetodoN {
  NonEseguito = 0,  // no run yet
  Riuscito = 1,  // neutral axis found, stresses computed
  // The neutral axis still moved after the last pass allowed: the stresses
  // are those of that pass.
  NonConvergente = 2,
  EquilibrioImpossibile = 3,  // no steel to balance the load: no stresses
  Errore = 4,  // the section cannot carry the load (no area, no inertia): no stresses
  DatiNonValidi = 5,  // refused before the run: input without physical meaning
};
