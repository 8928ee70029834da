#pragma once
// Test side of CasellaTesto: the box's state in memory, and a count of the
// times it was given the focus.
#include <string>

#include "platform/CasellaTesto.h"

namespace platform {

class CasellaTestoInMemoria : public CasellaTesto {
 public:
  std::string Text() const override { return testo_; }
  void SetText(const std::string& testo) override;
  bool Visible() const override { return visibile_; }
  void SetVisible(bool visibile) override { visibile_ = visibile; }
  int SelStart() const override { return inizio_; }
  void SetSelStart(int inizio) override;
  int SelLength() const override { return lunghezza_; }
  void SetSelLength(int lunghezza) override;
  int Left() const override { return left_; }
  int Top() const override { return top_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Move(int left, int top, int width, int height) override;
  void SetFocus() override { ++Fuochi; }

  int Fuochi = 0;

 private:
  int Caratteri() const;

  std::string testo_;
  bool visibile_ = false;
  int inizio_ = 0;
  int lunghezza_ = 0;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace platform
