#pragma once
// What a drawing sent to the "DXF" device, read back by kind, in world
// coordinates.
#include <string>
#include <vector>

#include "drawing/DispositivoDiProva.h"

struct DisegnoDxf {
  std::vector<const ChiamataEsterna*> Chiamate(const std::string& nome) const {
    std::vector<const ChiamataEsterna*> v;
    for (const ChiamataEsterna& c : dxf.chiamate)
      if (c.nome == nome) v.push_back(&c);
    return v;
  }
  // The text written so, or nullptr.
  const ChiamataEsterna* Testo(const std::string& testo) const {
    for (const ChiamataEsterna* c : Chiamate("Testo"))
      if (c->testo == testo) return c;
    return nullptr;
  }

  DispositivoDiProva dxf{"DXF"};
};
