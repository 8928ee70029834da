#pragma once
// Outcome of an ultimate-limit-state run. Only Riuscito leaves resisting
// moments and a strain plane in equilibrium; after a failed run the moment
// fields keep the values they had.
enum class EsitoCalcoloSlu {
  NonEseguito = 0,  // no ultimate run yet
  Riuscito = 1,  // plane in equilibrium, moments computed
  OltreNlimite = 2,  // |N| at or beyond the limit axial force (failure type 4)
  NonConvergente = 3,  // no plane in equilibrium found
  SenzaStrisce = 4,  // no strips to integrate the concrete over
  EquilibrioImpossibile = 5,  // no steel to balance the load (failure type -1)
  DatiNonValidi = 6,  // refused before the run: input without physical meaning
  CaratteristicheFallite = 7,  // a section property could not be computed, as its box said
};
