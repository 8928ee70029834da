#include "platform/ErroreEsecuzione.h"

#include <cerrno>

namespace platform {

ErroreEsecuzione ErroreFile(int codiceSistema, const std::string& percorso) {
  switch (codiceSistema) {
    case ENOENT:
    case ENOTDIR: return {76, "Impossibile trovare il percorso: " + percorso};
    case EACCES:
    case EPERM:
    case EROFS: return {70, "Autorizzazione negata: " + percorso};
    case ENOSPC:
    case EDQUOT: return {61, "Disco pieno: " + percorso};
    default: return {75, "Errore di accesso al percorso/file: " + percorso};
  }
}

}  // namespace platform
