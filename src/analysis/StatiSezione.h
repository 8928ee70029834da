#pragma once
// State of the section after the cut by the neutral axis
// (SezioneParzializzata).
namespace StatoSezione {

// The neutral axis cuts the outline: a cracked section.
inline constexpr int Parzializzata = 1;
// The axis misses the outline, which reacts whole.
inline constexpr int InteramenteReagente = 0;
// The axis misses the outline and no concrete reacts: the steel carries the load.
inline constexpr int SoloAcciaio = -1;
// No steel, and the compressed concrete alone cannot carry the load: no stresses.
inline constexpr int SenzaEquilibrio = -2;
// Allowable-stress method on the whole section: concrete reacting in
// tension, or bars only.
inline constexpr int SezioneIntera = 2;

}  // namespace StatoSezione
