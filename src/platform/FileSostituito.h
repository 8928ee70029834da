#pragma once
// A save that never leaves a half-written file in place of the old one: the
// new text goes to a temporary file beside the target, which then takes the
// target's place in one rename.
#include <cstdio>
#include <string>

namespace platform {

// The file a save must replace: the end of a chain of symbolic links (so
// that the link stays a link), else the path as given.
std::string DestinazioneSalvataggio(const std::string& percorso);

// Whether destinazione is a file its owner made read-only (or one this user
// may not write): a save must not replace it.
bool SolaLettura(const std::string& destinazione);

// A new empty file beside destinazione, open for writing, created
// exclusively under a fresh name (never a file or a link already there),
// with the permissions of the file it is to replace; its path in
// temporaneo. Null when none can be created.
std::FILE* CreaTemporaneo(const std::string& destinazione, std::string& temporaneo);

// Whether a save to destinazione goes through a temporary file: not for a
// device or a pipe that stands there, which cannot be replaced.
bool SostituibileConTemporaneo(const std::string& destinazione);

// Puts the written temporary file in place of destinazione; false, with the
// temporary file removed and the target as it was, when it cannot.
bool SostituisciFile(const std::string& temporaneo, const std::string& destinazione);

// Removes the temporary file of a save given up; nothing raised.
void RimuoviTemporaneo(const std::string& temporaneo);

}  // namespace platform
