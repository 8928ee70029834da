#pragma once
// An array that keeps its own lower bound, as the section code counts vertices,
// bars and strips from 1 and some tables from 0. An empty array has Ub() == Lb() - 1.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

template <class T>
class Vettore {
 public:
  Vettore() = default;
  Vettore(int lb, int ub) { ReDim(lb, ub); }
  // 1-based array from a list: Vettore<double>{1.0, 2.0} has elements 1 and 2.
  Vettore(std::initializer_list<T> valori) : dati_(valori) {}
  // The same from 1, in the memory the array already has.
  Vettore& operator=(std::initializer_list<T> valori) {
    lb_ = 1;
    dati_.assign(valori);
    return *this;
  }

  T& operator()(int i) { return dati_[Posizione(i)]; }
  const T& operator()(int i) const { return dati_[Posizione(i)]; }

  // Elements 1..n as a plain array from 0, once the array is known to hold
  // them (it throws otherwise); nullptr when n < 1.
  const T* DaUno(int n) const {
    if (n < 1) return nullptr;
    (*this)(n);
    return &(*this)(1);
  }
  T* DaUno(int n) { return const_cast<T*>(std::as_const(*this).DaUno(n)); }

  int Lb() const { return lb_; }
  int Ub() const { return lb_ + static_cast<int>(dati_.size()) - 1; }
  int Conta() const { return static_cast<int>(dati_.size()); }
  bool Vuoto() const { return dati_.empty(); }

  // New bounds, every element reset.
  void ReDim(int lb, int ub) {
    lb_ = lb;
    dati_.assign(ub >= lb ? static_cast<size_t>(ub - lb + 1) : 0u, T{});
  }
  // New upper bound, the elements that stay keep their values.
  void ReDimPreserve(int ub) { dati_.resize(ub >= lb_ ? static_cast<size_t>(ub - lb_ + 1) : 0u); }

  std::vector<T>& Dati() { return dati_; }
  const std::vector<T>& Dati() const { return dati_; }

  bool operator==(const Vettore&) const = default;

 private:
  size_t Posizione(int i) const {
    const size_t p = static_cast<size_t>(i - lb_);  // below lb wraps past size()
    if (p >= dati_.size()) [[unlikely]] FuoriLimiti(i);
    return p;
  }

  [[noreturn, gnu::cold, gnu::noinline]] void FuoriLimiti(int i) const {
    throw std::out_of_range("indice " + std::to_string(i) + " fuori dai limiti " +
                            std::to_string(lb_) + ".." + std::to_string(Ub()));
  }

  int lb_ = 1;
  std::vector<T> dati_;
};
