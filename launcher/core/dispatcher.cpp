#include "launcher/core/dispatcher.h"

#include "common/action_code.h"
#include "launcher/core/launch_texts.h"

namespace fesk {

void Dispatcher::DispatchMouseAction() {
  if (loop_.WinServiceActive) {
    RunDirectionService();
  } else if (!StartMatchingProgram() && options_.report_unregistered_actions) {
    dialogs_.MessageBox(kUnregisteredActionText, kConfirmCaption, Buttons::kOk);
  }
  loop_.WinServiceActive = false;
}

// Only the eight straight strokes select a service; anything else does
// nothing and reports nothing.  A list without a selection passes an
// operation number the runner ignores.
void Dispatcher::RunDirectionService() {
  int direction = WindowServiceIndex(loop_.RecognizedCode);
  if (direction < 0) return;
  services_.RunWindowService(options_.services[static_cast<std::size_t>(direction)]);
  loop_.TriggerSource = LaunchSource::kNone;
}

bool Dispatcher::StartMatchingProgram() {
  bool acted = false;
  for (int slot = 0; slot < tables_.ProgramCount; ++slot) {
    if (tables_.ActionCodes[slot] == kNoActionCode) break;
    if (!Matches(slot)) continue;
    const std::string title = programs_.Title(slot);
    acted = true;
    if (options_.mode != MouseActionMode::kConfirm) {
      runner_.RunProgram(slot, title);
      break;
    }
    if (ConfirmAndRun(slot, title)) break;
  }
  return acted;
}

// The mask is read last: it costs a file read.
bool Dispatcher::Matches(int slot) {
  const std::string& code = loop_.RecognizedCode;
  return !code.empty() && tables_.ActionCodes[slot] == code && CheckStartPosition(slot);
}

// The gate stays shut while the box is open (see the guards at
// SensingLoop::SensingTick).
bool Dispatcher::ConfirmAndRun(int slot, const std::string& title) {
  loop_.MouseActionGate = Gate::kShut;
  Answer answer = dialogs_.MessageBox(ConfirmLaunchText(title), kConfirmCaption, Buttons::kOkCancel);
  loop_.MouseActionGate = Gate::kOpen;
  if (answer != Answer::kOk) return false;
  runner_.RunProgram(slot, title);
  return true;
}

bool Dispatcher::CheckStartPosition(int slot) {
  const std::string mask = programs_.RunPos(slot);
  return RunPosAllows(mask, loop_.StartPoint, input_.MonitorAt(loop_.StartPoint).area);
}

}  // namespace fesk
