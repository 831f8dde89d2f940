#include "launcher/core/movement_samples.h"

namespace fesk {

void MovementSamples::Clear() {
  count_ = 0;
  step_ = 1;
  ticks_ = 0;
}

// A kept tick's number is a multiple of the step; when the store is full the
// next one is a multiple of twice the step, so it fits the halved store's
// spacing.
void MovementSamples::Add(Point cursor) {
  if (ticks_ % step_ == 0) {
    if (count_ == points_.size()) Halve();
    points_[count_++] = cursor;
  }
  ++ticks_;
}

// Keeps the samples at even places (the first among them) and doubles the
// step.
void MovementSamples::Halve() {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < count_; i += 2) points_[kept++] = points_[i];
  count_ = kept;
  step_ *= 2;
}

}  // namespace fesk
