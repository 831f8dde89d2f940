// The one-line input box: a caption, a prompt above an edit field holding
// the value, and OK / Cancel.  Built from an in-memory dialog template so
// that no resource file is needed by either program.
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {
namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;

// Writes the parts of a DLGTEMPLATE / DLGITEMTEMPLATE, keeping the
// alignment the format asks for.
class TemplateWriter {
 public:
  void Align(std::size_t boundary) {
    while (bytes_.size() % boundary) bytes_.push_back(0);
  }
  template <typename T>
  void Put(const T& value) {
    const auto* raw = reinterpret_cast<const unsigned char*>(&value);
    bytes_.insert(bytes_.end(), raw, raw + sizeof value);
  }
  void PutText(const std::wstring& text) {
    for (wchar_t c : text) Put<WORD>(static_cast<WORD>(c));
    Put<WORD>(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD control_class, const std::wstring& text) {
    Align(4);
    DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
    Put(item);
    Put<WORD>(0xFFFF);
    Put<WORD>(control_class);
    PutText(text);
    Put<WORD>(0);  // no creation data
  }
  DLGTEMPLATE* Data() { return reinterpret_cast<DLGTEMPLATE*>(bytes_.data()); }

 private:
  std::vector<unsigned char> bytes_;
};

struct InputState {
  std::wstring value;
};

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, l);
      SetDlgItemTextW(dialog, kEditId, reinterpret_cast<InputState*>(l)->value.c_str());
      SendDlgItemMessageW(dialog, kEditId, EM_SETSEL, 0, -1);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(w) == IDOK) {
        int length = GetWindowTextLengthW(GetDlgItem(dialog, kEditId));
        state->value.assign(static_cast<std::size_t>(length) + 1, L'\0');
        GetDlgItemTextW(dialog, kEditId, state->value.data(), length + 1);
        state->value.resize(static_cast<std::size_t>(length));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(w) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::string> Win32Dialogs::InputBox(std::string_view caption, std::string_view prompt,
                                                  std::string_view value) {
  TemplateWriter writer;
  DLGTEMPLATE dialog{DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                     0,
                     4,
                     0,
                     0,
                     180,
                     66};
  writer.Put(dialog);
  writer.Put<WORD>(0);  // no menu
  writer.Put<WORD>(0);  // standard dialog class
  writer.PutText(Wide(caption));
  writer.Put<WORD>(9);
  writer.PutText(L"MS UI Gothic");
  writer.Item(SS_LEFT, 8, 6, 164, 10, kPromptId, 0x0082, Wide(prompt));
  writer.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 20, 164, 13, kEditId, 0x0081, L"");
  writer.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 46, 42, 50, 15, IDOK, 0x0080, L"OK");
  writer.Item(BS_PUSHBUTTON | WS_TABSTOP, 102, 42, 50, 15, IDCANCEL, 0x0080, L"キャンセル");
  InputState state{Wide(value)};
  INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), writer.Data(), owner_, InputProc,
                                           reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return Narrow(state.value);
}

}  // namespace fesk::win32
