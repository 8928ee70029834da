#pragma once
// Failure types of an ultimate-limit-state result (Tipo_Rottura).
namespace TipoRottura {

// The reinforcement present cannot balance the actions.
inline constexpr int EquilibrioImpossibile = -1;
// Top fibre at the ultimate concrete strain, section partly compressed.
inline constexpr int LatoCalcestruzzo = 0;
// Lowest steel at the ultimate steel strain.
inline constexpr int LatoAcciaio = 1;
// Section wholly compressed, the plane turning about the point at 3/7 of the depth.
inline constexpr int TuttaCompressa = 2;
// Concrete and steel at their ultimate strains together.
inline constexpr int CalcestruzzoEAcciaio = 3;
// Axial force beyond the limit axial force.
inline constexpr int OltreNlimite = 4;
// Concrete only: no steel, or no useful depth.
inline constexpr int SoloCalcestruzzo = 5;
// Lowest steel at its design yield strain.
inline constexpr int SnervamentoAcciaio = 6;

}  // namespace TipoRottura
