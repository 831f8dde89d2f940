// The samples of one movement: at most kMaxSamples points, spread evenly over
// the whole movement however long it lasts.
//
// Every moving tick is offered with Add.  Until the store is full each one is
// kept.  When one more would not fit, every other sample is dropped (the
// first always stays) and from then on only every second moving tick is
// kept; each time the store fills again the same happens with the step
// doubled.  So the kept samples are the moving ticks 0, step, 2 step, ...,
// and the last one lies less than one step before the movement's end.  A
// movement of up to kMaxSamples moving ticks keeps every one of them.
//
// Halving costs one copy of half the store, at most once every kMaxSamples
// moving ticks.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "common/geometry.h"

namespace fesk {

inline constexpr int kMaxSamples = 50;

class MovementSamples {
 public:
  static constexpr int kMaxSamples = fesk::kMaxSamples;

  void Clear();
  // One moving tick of the movement, at the cursor.  The kept ticks are 0,
  // step, 2 step, ...  The store is full at tick kMaxSamples × step, a
  // multiple of twice the step, so that tick is kept after halving and the
  // spacing stays even.  Inline: the loop calls it on every moving tick.
  void Add(Point cursor) {
    if (skip_ > 0) {
      --skip_;
      return;
    }
    if (count_ == points_.size()) Halve();
    points_[count_++] = cursor;
    skip_ = step_ - 1;
  }
  std::span<const Point> View() const { return {points_.data(), count_}; }

 private:
  void Halve();

  std::array<Point, kMaxSamples> points_{};
  std::size_t count_ = 0;
  // Moving ticks between two kept ones, and how many are still to pass
  // before the next is kept.
  std::uint64_t step_ = 1;
  std::uint64_t skip_ = 0;
};

}  // namespace fesk
