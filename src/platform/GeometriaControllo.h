#pragma once
// Where a control sits in its window, in twips; a change is passed on to the
// control's view through GeometriaCambiata.

namespace platform {

class GeometriaControllo {
 public:
  virtual ~GeometriaControllo() = default;

  int Left() const { return left_; }
  void SetLeft(int twips) { Cambia(left_, twips); }
  int Top() const { return top_; }
  void SetTop(int twips) { Cambia(top_, twips); }
  int Width() const { return width_; }
  void SetWidth(int twips) { Cambia(width_, twips); }
  int Height() const { return height_; }
  void SetHeight(int twips) { Cambia(height_, twips); }

 protected:
  virtual void GeometriaCambiata() = 0;

 private:
  void Cambia(int& campo, int twips) {
    campo = twips;
    GeometriaCambiata();
  }

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace platform
