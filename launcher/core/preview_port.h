// Where the engine shows what a release would start while the trigger is
// still held: the launcher's preview window, a recording fake in tests.
#pragma once

#include <string_view>

#include "common/geometry.h"

namespace fesk {

class PreviewPort {
 public:
  virtual ~PreviewPort() = default;
  // A new text beside the cursor; called only when the text changed.
  virtual void Show(std::string_view text, Point cursor) = 0;
  // The cursor moved on with the text unchanged: the window goes along
  // beside it, without being drawn again.
  virtual void Follow(Point cursor) = 0;
  // The movement ended or was dropped.
  virtual void Hide() = 0;
};

}  // namespace fesk
