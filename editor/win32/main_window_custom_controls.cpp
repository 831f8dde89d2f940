// The controls the main window makes and fills itself: the group tree, the
// hot-key field and the icon preview.
#include "editor/win32/main_window.h"

#include <shellapi.h>

#include "platform/win32/text.h"

namespace fesk::win32 {

namespace {

// The hot-key field speaks HOTKEYF_* modifiers in the high byte of a word;
// the form keeps ShortCut bits (0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt).
bool IsExtendedKey(int vk) {
  return (vk >= VK_PRIOR && vk <= VK_HELP) || vk == VK_LWIN || vk == VK_RWIN || vk == VK_APPS || vk == VK_DIVIDE ||
         vk == VK_NUMLOCK;
}

BYTE HotKeyModifiers(ShortCut value) {
  BYTE modifiers = 0;
  if (value & kShortCutShift) modifiers |= HOTKEYF_SHIFT;
  if (value & kShortCutCtrl) modifiers |= HOTKEYF_CONTROL;
  if (value & kShortCutAlt) modifiers |= HOTKEYF_ALT;
  return modifiers;
}

WORD ToHotKeyWord(ShortCut value) {
  if (value == 0) return 0;
  const int vk = value & 0xFF;
  BYTE modifiers = HotKeyModifiers(value);
  if (IsExtendedKey(vk)) modifiers |= HOTKEYF_EXT;
  return MAKEWORD(vk, modifiers);
}

ShortCut FromHotKeyWord(WORD word) {
  const int vk = LOBYTE(word);
  if (vk == 0) return 0;
  const BYTE modifiers = HIBYTE(word);
  ShortCut value = static_cast<ShortCut>(vk);
  if (modifiers & HOTKEYF_SHIFT) value |= kShortCutShift;
  if (modifiers & HOTKEYF_CONTROL) value |= kShortCutCtrl;
  if (modifiers & HOTKEYF_ALT) value |= kShortCutAlt;
  return value;
}

}  // namespace

HWND MainWindow::MakeTreeView(int page) {
  tree_ = MakeChild(WC_TREEVIEWW, L"",
                    WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_EDITLABELS,
                    WS_EX_CLIENTEDGE, form_.group_tree, page);
  SendMessageW(tree_, TVM_SETINDENT, static_cast<WPARAM>(form_.group_tree.indent), 0);
  return BindCustom(
      form_.group_tree, tree_, [this] { SyncTree(); }, page);
}

HWND MainWindow::MakeHotKeyField(int page) {
  const editor::HotKeyField& model = form_.shortcut_field;
  hotkey_ = MakeChild(HOTKEY_CLASSW, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, model, page);
  WPARAM refused = (model.refuses_plain_key ? HKCOMB_NONE : 0) | (model.refuses_shift_only ? HKCOMB_S : 0);
  SendMessageW(hotkey_, HKM_SETRULES, refused, MAKELPARAM(HotKeyModifiers(model.default_modifiers), 0));
  return BindCustom(
      form_.shortcut_field, hotkey_, [this] { SyncHotKey(); }, page);
}

HWND MainWindow::MakeIconPreview(int page) {
  preview_ = MakeChild(WC_LISTVIEWW, L"", WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_NOSCROLL, WS_EX_CLIENTEDGE,
                       form_.icon_preview, page);
  SetWindowSubclass(preview_, &MainWindow::PreviewProc, kPreviewSubclass, reinterpret_cast<DWORD_PTR>(this));
  return BindCustom(
      form_.icon_preview, preview_, [this] { SyncIconPreview(); }, page);
}

// The tree shows the model's groups, names, open groups and selection; it
// is built anew only when its shape changed.
void MainWindow::SyncTree() {
  const editor::TreeViewModel& model = form_.group_tree;
  const GroupTree& tree = model.tree;
  custom_syncing_ = true;
  std::vector<std::pair<GroupNodeId, GroupNodeId>> shape;
  for (GroupNodeId node : tree.PreOrder()) shape.emplace_back(node, tree.Parent(node));
  if (shape != tree_shape_) {
    tree_shape_ = shape;
    RebuildTree();
  } else {
    for (const auto& [node, parent] : shape) {
      if (tree_names_[node] == tree.Name(node)) continue;
      std::wstring name = Wide(tree.Name(node));
      TVITEMW item{};
      item.mask = TVIF_TEXT;
      item.hItem = tree_items_[node];
      item.pszText = name.data();
      SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
      tree_names_[node] = tree.Name(node);
    }
  }
  for (const auto& [node, parent] : shape) {
    const bool wanted = model.expanded.count(node) != 0;
    auto shown = tree_expanded_.find(node);
    if (shown != tree_expanded_.end() && shown->second == wanted) continue;
    if (!tree.Children(node).empty()) {
      SendMessageW(tree_, TVM_EXPAND, wanted ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(tree_items_[node]));
    }
    tree_expanded_[node] = wanted;
  }
  if (tree_selected_ != model.selected) {
    auto item = tree_items_.find(model.selected);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(item == tree_items_.end() ? nullptr : item->second));
    tree_selected_ = model.selected;
  }
  if (model.read_only != tree_read_only_) {
    AddStyle(tree_, model.read_only ? 0 : TVS_EDITLABELS, model.read_only ? TVS_EDITLABELS : 0);
    tree_read_only_ = model.read_only;
  }
  custom_syncing_ = false;
}

void MainWindow::RebuildTree() {
  const GroupTree& tree = form_.group_tree.tree;
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  tree_items_.clear();
  tree_names_.clear();
  tree_expanded_.clear();
  for (GroupNodeId node : tree.PreOrder()) {
    std::wstring name = Wide(tree.Name(node));
    TVINSERTSTRUCTW insert{};
    const GroupNodeId parent = tree.Parent(node);
    insert.hParent = parent == kNoGroupNode ? TVI_ROOT : tree_items_[parent];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = name.data();
    insert.item.lParam = node;
    tree_items_[node] =
        reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    tree_names_[node] = tree.Name(node);
  }
  tree_selected_.reset();  // select again whatever the model has
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
}

void MainWindow::SyncHotKey() {
  const WORD wanted = ToHotKeyWord(form_.shortcut_field.value);
  if (hotkey_shown_ == wanted) return;
  custom_syncing_ = true;
  SendMessageW(hotkey_, HKM_SETHOTKEY, wanted, 0);
  hotkey_shown_ = wanted;
  custom_syncing_ = false;
}

// What the field shows may be no combination at all (modifiers without a
// key): the form then holds none, and the field is cleared with the next
// sync.
void MainWindow::ReadHotKey() {
  const auto shown = static_cast<WORD>(SendMessageW(hotkey_, HKM_GETHOTKEY, 0, 0));
  form_.shortcut_field.value = FromHotKeyWord(shown);
  hotkey_shown_ = shown;
}

// The icon the shell associates with the command, asked for a second time
// with the index it gave when that is not the first icon of its file.
void MainWindow::SyncIconPreview() {
  const std::string& source = form_.icon_preview.icon_source;
  if (icon_shown_ == source) return;
  icon_shown_ = source;
  if (icon_) DestroyIcon(icon_);
  icon_ = nullptr;
  if (!source.empty()) {
    wchar_t path[MAX_PATH * 2] = {};
    lstrcpynW(path, Wide(source).c_str(), MAX_PATH);
    WORD index = 0;
    icon_ = ExtractAssociatedIconW(instance(), path, &index);
    if (icon_ && index != 0) {
      DestroyIcon(icon_);
      icon_ = ExtractAssociatedIconW(instance(), path, &index);
    }
  }
  InvalidateRect(preview_, nullptr, TRUE);
}

void MainWindow::PaintIconPreview(HDC dc) {
  if (icon_ == nullptr) return;
  const Point at = form_.icon_preview.icon_at;
  DrawIconEx(dc, at.x, at.y, icon_, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

// rename_group_button asks for the selected group's name to be edited in place.
void MainWindow::StartLabelEdit() {
  const GroupNodeId node = form_.group_tree.editing;
  if (node == kNoGroupNode || label_editing_ || !IsWindowVisible(tree_)) return;
  auto item = tree_items_.find(node);
  label_editing_ = true;
  HWND edit = nullptr;
  if (item != tree_items_.end()) {
    moving_focus_ = true;
    SetFocus(tree_);
    moving_focus_ = false;
    edit = reinterpret_cast<HWND>(SendMessageW(tree_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item->second)));
  }
  if (edit == nullptr) {
    // The tree refused (the node is gone): the edit ends without a name.
    label_editing_ = false;
    RunAction([this] { form_.GroupTreeEdited(std::nullopt); });
    PostMessageW(hwnd(), kDeferredSync, 0, 0);
  }
}

// The icon preview: an empty list view with the program's icon drawn on it;
// a double click starts the program for a test.
LRESULT CALLBACK MainWindow::PreviewProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<MainWindow*>(data);
  switch (message) {
    case WM_PAINT: {
      LRESULT result = DefSubclassProc(window, message, w, l);
      HDC dc = GetDC(window);
      self->PaintIconPreview(dc);
      ReleaseDC(window, dc);
      return result;
    }
    case WM_LBUTTONDBLCLK:
      self->RunAction([self] { self->form_.RunPreviewedProgram(); });
      self->AfterEvent();
      return 0;
    case WM_NCDESTROY: RemoveWindowSubclass(window, &MainWindow::PreviewProc, kPreviewSubclass); break;
  }
  return DefSubclassProc(window, message, w, l);
}

bool MainWindow::OnTreeNotify(NMHDR* header, LRESULT& result) {
  result = 0;
  switch (header->code) {
    case TVN_SELCHANGEDW: {
      if (custom_syncing_ || Syncing()) return true;
      auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
      const GroupNodeId node = change->itemNew.hItem ? static_cast<GroupNodeId>(change->itemNew.lParam) : kNoGroupNode;
      tree_selected_ = node;
      RunAction([this, node] { form_.GroupTreeChange(node); });
      AfterEvent();
      return true;
    }
    case TVN_ITEMEXPANDEDW: {
      if (custom_syncing_ || Syncing()) return true;
      auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
      const auto node = static_cast<GroupNodeId>(change->itemNew.lParam);
      // The form keeps which groups are open; the user opened or closed one.
      const bool open = (change->itemNew.state & TVIS_EXPANDED) != 0;
      if (open) {
        form_.group_tree.expanded.insert(node);
      } else {
        form_.group_tree.expanded.erase(node);
      }
      tree_expanded_[node] = open;
      return true;
    }
    case TVN_BEGINLABELEDITW: {
      auto* edit = reinterpret_cast<NMTVDISPINFOW*>(header);
      const auto node = static_cast<GroupNodeId>(edit->item.lParam);
      bool allowed = false;
      if (label_editing_) {
        allowed = !form_.group_tree.read_only;  // asked for by the form (rename_group_button)
      } else {
        RunAction([this, node, &allowed] { allowed = form_.GroupTreeEditing(node); });
      }
      label_editing_ = allowed;
      result = allowed ? FALSE : TRUE;
      return true;
    }
    case TVN_ENDLABELEDITW: {
      auto* edit = reinterpret_cast<NMTVDISPINFOW*>(header);
      label_editing_ = false;
      std::optional<std::string> name;
      if (edit->item.pszText) name = Narrow(edit->item.pszText);
      RunAction([this, &name] { form_.GroupTreeEdited(name); });
      // The tree is still ending the edit: the model is shown once it has.
      PostMessageW(hwnd(), kDeferredSync, 0, 0);
      result = FALSE;  // the item takes its new name from the form
      return true;
    }
  }
  return false;
}

}  // namespace fesk::win32
