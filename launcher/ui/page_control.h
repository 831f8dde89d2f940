// A tab control with named pages; the Win32 layer shows the page selected
// here and reports the user's choice by setting active_page and calling the
// form's change handler.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace fesk {

struct PageControl : Control {
  std::vector<std::string> pages;
  int active_page = 0;
};

}  // namespace fesk
