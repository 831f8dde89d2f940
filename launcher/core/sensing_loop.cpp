#include "launcher/core/sensing_loop.h"

#include <limits>
#include <optional>
#include <span>

#include "launcher/core/full_screen.h"
#include "launcher/core/screen_rules.h"
#include "platform/ports.h"

namespace fesk {

namespace {

constexpr int kRunOptionPause = 500;
constexpr int kScreenPositionStartPause = 500;
constexpr int kScreenPositionPause = 1500;

// Stops the sensing timer while a block works and starts it again after it
// (one of the two re-entrancy guards: see SensingLoop::SensingTick).  A block
// sleeps or starts a program (with its boxes), so the keys are read afresh
// after it.
class TimerPause {
 public:
  TimerPause(Timer& timer, KeySnapshot& keys) : timer_(timer), keys_(keys), was_enabled_(timer.enabled) {
    timer_.enabled = false;
  }
  ~TimerPause() {
    timer_.enabled = was_enabled_;
    if (was_enabled_) ++timer_.restarts;
    keys_.Forget();
  }
  TimerPause(const TimerPause&) = delete;
  TimerPause& operator=(const TimerPause&) = delete;

 private:
  Timer& timer_;
  KeySnapshot& keys_;
  bool was_enabled_;
};

}  // namespace

// A tick delivered while the timer is paused (by a box's own message loop)
// returns at once, as it would with the timer really stopped: see the
// guards in sensing_loop.h.
TickOutcome SensingLoop::SensingTick() {
  if (!loop_.GateOpen() || !timer_.enabled) return TickOutcome::kSkipped;
  keys_.Forget();
  keys_.WatchHeld();
  Sense();
  const bool under_way = loop_.SampleCount != 0 || loop_.Recording;
  return keys_.HeldSeen() || under_way ? TickOutcome::kBusy : TickOutcome::kQuiet;
}

void SensingLoop::Sense() {
  if (!Armed()) return;
  if (options_.run_time_option) ToggleRunOptionMode();
  if (options_.shortcut_keys) FireShortcutKeys();
  if (options_.screen_positions) FireScreenPosition();
  if (loop_.Disarmed) return;
  loop_.TriggerSource = LaunchSource::kMouseAction;
  bool service_held = options_.window_services && WindowServiceTriggerHeld();
  bool action_held = false, action_released = true;
  if (options_.mouse_actions) {
    action_held = TriggerHeld(keys_, options_.mouse_action_keys);
    action_released = TriggerKeysReleased(keys_, options_.mouse_action_keys);
  }
  if (service_held || action_held) {
    RecordStep();
  } else if (action_released) {
    ReleaseStep();
  }
}

// On the secure desktop every key reads as up, so keys seen up while the
// cursor cannot be read prove nothing; the user is back, with nothing left
// pressed from before, only when a good read shows every trigger up.
bool SensingLoop::Armed() {
  if (!loop_.Disarmed) return true;
  if (!input_.CursorPos()) return false;
  if (keys_.KeyHeld(vk::kSecondaryButton) || !TriggerKeysReleased(keys_, options_.mouse_action_keys) ||
      !TriggerKeysReleased(keys_, options_.window_service_keys)) {
    return false;
  }
  loop_.Disarmed = false;
  return true;
}

// A failed cursor read drops the movement or the screen-position hold in
// progress: what it saw before may be a bogus point, and its release may
// never be seen, so nothing of it starts.
void SensingLoop::Disarm() {
  preview_.End();
  loop_.Disarmed = true;
  loop_.Recording = false;
  loop_.LastCursor = Point{-1, -1};
  if (options_.TrayIconShown() && loop_.SampleCount != 0) tray_.TrayIconRestore();
  loop_.SampleCount = 0;
  loop_.WinServiceActive = false;
  loop_.TriggerSource = LaunchSource::kNone;
}

// Ctrl+Shift+Alt flips the mode on every tick they are held, half a second
// apart.
void SensingLoop::ToggleRunOptionMode() {
  if (!keys_.KeyHeld(vk::kAlt) || !keys_.KeyHeld(vk::kShift) || !keys_.KeyHeld(vk::kControl)) {
    return;
  }
  TimerPause pause(timer_, keys_);
  loop_.RunOptionMode = !loop_.RunOptionMode;
  if (options_.TrayIconShown()) tray_.TrayIconRestore();
  clock_.Sleep(kRunOptionPause);
}

// A held shortcut starts its program once; it fires again only after its key
// or a modifier has left the required state.
//
// Every shortcut with a key needs Ctrl or Alt held (MakeHotKeyEntry), so
// while neither is held no shortcut is pressed, the last one has been
// released, and no slot's key needs reading: the idle tick costs the same
// with a hundred shortcuts as with none.
void SensingLoop::FireShortcutKeys() {
  if (!keys_.KeyHeld(vk::kControl) && !keys_.KeyHeld(vk::kAlt)) {
    loop_.LastHotKeyIndex = kNoHotKey;
    return;
  }
  int last = loop_.LastHotKeyIndex;
  if (last != kNoHotKey && !HotKeyPressed(keys_, tables_.HotKeyTable[last])) {
    loop_.LastHotKeyIndex = kNoHotKey;
  }
  for (int slot = 0; slot < tables_.ProgramCount; ++slot) {
    if (slot == loop_.LastHotKeyIndex || !HotKeyPressed(keys_, tables_.HotKeyTable[slot])) continue;
    TimerPause pause(timer_, keys_);
    loop_.TriggerSource = LaunchSource::kShortcut;
    loop_.LastHotKeyIndex = slot;
    runner_.RunProgram(slot, tables_.ProgramTitles[slot]);
  }
}

// Every tick with the secondary button held pauses 1.5 s (2 s after a
// start), so a position held down starts its program again about every 2
// seconds.
void SensingLoop::FireScreenPosition() {
  if (!keys_.KeyHeld(vk::kSecondaryButton)) return;
  TimerPause pause(timer_, keys_);
  const std::optional<Point> read = input_.CursorPos();
  if (!read) {
    Disarm();
    return;
  }
  const Point cursor = *read;
  int slot = ScreenPositionProgram(tables_.ScreenPositionSlots, cursor, input_.MonitorAt(cursor).area);
  if (slot != kNoSlot && !QuietOverProgramInFront()) {
    loop_.TriggerSource = LaunchSource::kScreenPosition;
    runner_.RunProgram(slot, tables_.ProgramTitles[slot]);
    clock_.Sleep(kScreenPositionStartPause);
  }
  clock_.Sleep(kScreenPositionPause);
  loop_.TriggerSource = LaunchSource::kNone;
}

bool SensingLoop::WindowServiceTriggerHeld() {
  if (!TriggerHeld(keys_, options_.window_service_keys)) return false;
  loop_.WinServiceActive = true;
  loop_.TriggerSource = LaunchSource::kWindowService;
  return true;
}

// The kind of a movement is decided by the last tick in which it was
// recorded.
void SensingLoop::RecordStep() {
  if (loop_.TriggerSource != LaunchSource::kWindowService) {
    loop_.TriggerSource = LaunchSource::kMouseAction;
    loop_.WinServiceActive = false;
  }
  const std::optional<Point> read = input_.CursorPos();
  if (!read) {
    Disarm();
    return;
  }
  bool shown = options_.TrayIconShown();
  if (shown && loop_.SampleCount == 1) tray_.TrayIconFrame(1);
  const Point cursor = *read;
  if (cursor == loop_.LastCursor) return;
  int count = loop_.SampleCount;
  if (shown && count >= 10 && count <= 40 && count % 10 == 0) tray_.TrayIconFrame(count / 10 + 1);
  loop_.LastCursor = cursor;
  TakeSample(cursor);
  preview_.SampleTaken(cursor);
}

// The whole movement is kept, as at most kMaxSamples samples spread over it
// (MovementSamples), so a slowly drawn stroke is recognised from all of it.
// The first sample alone decides whether the start is allowed; a movement
// whose start the RUN spot or a black hole refuses is counted but not stored.
void SensingLoop::TakeSample(Point cursor) {
  if (loop_.SampleCount == 0) {
    loop_.StartPoint = cursor;
    loop_.Recording = StartAllowed(options_.start_area, cursor);
    loop_.SamplePoints.Clear();
  }
  if (loop_.Recording) loop_.SamplePoints.Add(cursor);
  if (loop_.SampleCount < std::numeric_limits<int>::max()) ++loop_.SampleCount;
}

// Also runs on every idle tick, where it changes nothing.  A movement ends
// only where the cursor can be read: on the secure desktop the keys read as
// up while the user may still hold them.
void SensingLoop::ReleaseStep() {
  loop_.LastCursor = Point{-1, -1};
  if (loop_.Recording) {
    if (!input_.CursorPos()) {
      Disarm();
      return;
    }
    TimerPause pause(timer_, keys_);
    preview_.End();  // gone before anything starts or asks
    loop_.Recording = false;
    RecognizeStroke();
    if (ExceedsMinimumMove(loop_.Stroke, options_.minimum_move) && !QuietOverProgramInFront()) {
      ActOnMovement();
    }
  }
  if (options_.TrayIconShown() && loop_.SampleCount != 0) tray_.TrayIconRestore();
  loop_.SampleCount = 0;
}

// A failed write of LINK is shown like any other file error; the movement
// itself is finished all the same.
void SensingLoop::ActOnMovement() {
  dispatcher_.DispatchMouseAction();
  if (options_.mode == MouseActionMode::kTrail) {
    if (view_.show_trail) view_.show_trail();
    loop_.TrailShown = true;
  }
  if (options_.link_mouse_actions) RunGuarded(dialogs_, [this] { runner_.WriteLinkCode(); });
}

// Over a full-screen program, or one the user listed, a movement is
// recognised (the transfer button may hand it to the editor) but neither
// dispatched, drawn nor written to LINK, and a screen position starts
// nothing: the program in front is not disturbed by a stroke or a corner
// reached by accident.  Both rules look at the same window, so the platform
// is asked once, and not at all while neither rule can apply.
bool SensingLoop::QuietOverProgramInFront() {
  const bool full_screen_rule = options_.quiet_over_full_screen;
  const QuietProgramList& listed = options_.quiet_programs;
  if ((!full_screen_rule && listed.empty()) || foreground_ == nullptr) return false;
  const std::optional<ForegroundFacts> facts = foreground_->Facts();
  if (!facts) return false;
  return (full_screen_rule && CoversItsMonitor(*facts)) || listed.Lists(facts->program_file);
}

void SensingLoop::RecognizeStroke() {
  if (view_.movement_recognized) view_.movement_recognized();
  RecognizedStroke stroke = fesk::RecognizeStroke(loop_.SamplePoints.View(), options_.neutral_divisor);
  loop_.Stroke = stroke.geometry;
  loop_.RecognizedCode = std::move(stroke.code);
}

}  // namespace fesk
