#include "app/TestoLetto.h"

#include "app/Codifica.h"

namespace Generale {

std::string TestoRecord(const std::function<void(FileDati&)>& records) {
  FileDati file = FileDati::InMemoria();
  records(file);
  return Codifica::Utf8DaCp1252(file.Scritto());
}

void TestoLetto::Apertura(const Testo& testo, const std::function<void()>& apri) {
  const bool intatto = !mostrato_.empty() && testo() == mostrato_;
  apri();
  if (intatto) mostrato_ = testo();
}

void TestoLetto::Scrivi(FileDati& file, const std::string& ora) const {
  const std::string& testo = ora == mostrato_ ? letto_ : ora;
  for (std::size_t inizio = 0, fine; (fine = testo.find("\r\n", inizio)) != std::string::npos;
       inizio = fine + 2)
    file.ScriviRiga(testo.substr(inizio, fine - inizio));
}

}  // namespace Generale
