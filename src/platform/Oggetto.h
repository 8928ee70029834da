#pragma once
// Anything a drawing can be aimed at: a drawing surface, a container of CAD
// entities. Each device looks at the kind it knows with dynamic_cast.

namespace platform {

class Oggetto {
 public:
  virtual ~Oggetto() = default;
};

}  // namespace platform
