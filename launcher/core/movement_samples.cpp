#include "launcher/core/movement_samples.h"

namespace fesk {

void MovementSamples::Clear() {
  count_ = 0;
  step_ = 1;
  skip_ = 0;
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
