#include "analysis/SezioneCA.h"

// The beam detailing (stirrups and bar groups of a designed rectangular beam)
// comes with the rectangular section design; until then a section in the
// "CON-STAFFE" mode draws nothing.
void SezioneCA::PlottaSezioneStaffe() {}
