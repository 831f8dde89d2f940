// Control models the editor's windows need beyond the common ones: the page
// control, the hot-key field, the group tree, the icon preview and a few
// plain decorations.  Like the common models they hold state only; the forms'
// handlers change them and the Win32 layer shows them.
#pragma once

#include <set>
#include <string>

#include "common/group_tree.h"
#include "common/hotkey_text.h"
#include "platform/controls.h"

namespace fesk::editor {

// The five pages of the main window's page control.
enum class Page { kProgram, kShortCut, kMouseAction, kScreenPosition, kGroup };

struct TabSheet : Control {
  std::string caption;
  Page page = Page::kProgram;
};

struct PageControl : Control {
  Page active = Page::kProgram;
};

// The platform's key-combination field.  `value` is the combination it
// holds (0: none).
struct HotKeyField : Control {
  ShortCut value = 0;
  // Combinations the field refuses: a key without modifier and a key with
  // Shift alone (HKCOMB_NONE | HKCOMB_S); no modifier is added to them.
  bool refuses_plain_key = true;
  bool refuses_shift_only = true;
  ShortCut default_modifiers = 0;
};

// The group tree.  Selecting a node goes through the form (GroupTreeChange),
// which is where a changed selection has its effects.
struct TreeViewModel : Control {
  GroupTree tree;
  GroupNodeId selected = kNoGroupNode;
  GroupNodeId editing = kNoGroupNode;  // node whose label is being edited in place
  bool read_only = false;              // in-place renaming refused
  int indent = 19;
  std::set<GroupNodeId> expanded;
};

// The 48 x 48 icon preview: the icon associated with `icon_source` is drawn
// at (5, 5) of its client area; nothing is drawn while it is empty.
struct IconPreview : Control {
  std::string icon_source;
  Point icon_at{5, 5};
};

struct BitBtn : Button {};

// Sunken frame drawn behind other controls.
struct Bevel : Control {};

}  // namespace fesk::editor
