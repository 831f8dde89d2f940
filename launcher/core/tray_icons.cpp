#include "launcher/core/tray_icons.h"

namespace fesk {

void TrayIcons::TrayIconAdd() {
  tray_.Add(kOwnTrayIcon, TrayPicture{TrayPicture::Kind::kApplication, 0, {}}, kTrayTip);
}

void TrayIcons::TrayIconRemove() { tray_.Remove(kOwnTrayIcon); }

void TrayIcons::TrayProgramIconsRemove() {
  for (int id = 1; id <= tables_.TrayProgramIconCount; ++id) tray_.Remove(id);
}

void TrayIcons::TrayIconRestore() {
  auto kind = loop_.RunOptionMode ? TrayPicture::Kind::kRunOption : TrayPicture::Kind::kApplication;
  tray_.Modify(kOwnTrayIcon, TrayPicture{kind, 0, {}}, kTrayTip);
}

void TrayIcons::TrayIconFrame(int frame) {
  tray_.Modify(kOwnTrayIcon, TrayPicture{TrayPicture::Kind::kFrame, frame, {}}, kTrayTip);
}

}  // namespace fesk
