#pragma once
// Records of the project file that a window fills with working values of its
// own when it opens (an empty column end's bars, a period of 1 s, the bar
// choices of a design): while the values are still those the window made of
// the ones read, the records are written as they were read.
#include <functional>
#include <string>

#include "app/FileDati.h"

namespace Generale {

// The text some records write, in UTF-8 lines ended by CR LF.
std::string TestoRecord(const std::function<void(FileDati&)>& records);

class TestoLetto {
 public:
  using Testo = std::function<std::string()>;

  // Just read: the file holds the records as they stand.
  void Registra(const std::string& ora) { letto_ = mostrato_ = ora; }
  // Runs apri, which fills a window from the values held and may change
  // them; when they were untouched before, what it leaves stands for them.
  void Apertura(const Testo& testo, const std::function<void()>& apri);
  // The text read while the values stand for it, else the values as they are.
  void Scrivi(FileDati& file, const std::string& ora) const;
  // Saved as Scrivi wrote them.
  void Salvato(const std::string& ora) {
    if (ora != mostrato_) Registra(ora);
  }

 private:
  // Empty together, before anything was read or saved.
  std::string letto_, mostrato_;
};

}  // namespace Generale
