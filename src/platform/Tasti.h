#pragma once
// Key codes of key-down events, and the shift bits that come with them. A
// key-press event gives the character's own code instead (Unicode), with 13
// for Enter, 8 for Backspace and 27 for Esc.
namespace platform {

inline constexpr int TastoBackspace = 8;
inline constexpr int TastoTab = 9;
inline constexpr int TastoInvio = 13;
inline constexpr int TastoEsc = 27;
inline constexpr int TastoSinistra = 37;
inline constexpr int TastoSu = 38;
inline constexpr int TastoDestra = 39;
inline constexpr int TastoGiu = 40;
inline constexpr int TastoCanc = 46;

inline constexpr int MascheraMaiuscolo = 1;
inline constexpr int MascheraCtrl = 2;
inline constexpr int MascheraAlt = 4;

}  // namespace platform
