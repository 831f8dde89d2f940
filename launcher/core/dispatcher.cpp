#include "launcher/core/dispatcher.h"

#include "common/action_code.h"
#include "launcher/core/first_matching_slot.h"
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

// In the confirmation mode a declined program lets the scan go on with the
// slots after it.
bool Dispatcher::StartMatchingProgram() {
  const StartMaskCheck allows = [this](int slot) { return CheckStartPosition(slot); };
  bool acted = false;
  for (std::optional<int> slot = FirstMatchingSlot(loop_.RecognizedCode, tables_, allows); slot;
       slot = FirstMatchingSlot(loop_.RecognizedCode, tables_, allows, *slot + 1)) {
    const std::string title = programs_.Title(*slot);
    acted = true;
    if (options_.mode != MouseActionMode::kConfirm) {
      runner_.RunProgram(*slot, title);
      break;
    }
    if (ConfirmAndRun(*slot, title)) break;
  }
  return acted;
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
