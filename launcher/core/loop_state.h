// State the sensing loop keeps between ticks.
#pragma once

#include <string>

#include "common/geometry.h"
#include "launcher/core/movement_samples.h"
#include "launcher/core/stroke_recognizer.h"

namespace fesk {

// MouseActionGate: the loop senses only while it is open.  It is shut until
// start-up has finished (so that nothing senses, or removes the tray icon,
// half-way through creation) and while the dispatcher's confirmation box is
// open.  It is one of the loop's two re-entrancy guards, both
// described at SensingLoop::SensingTick.
enum class Gate {
  kStarting,  // before the end of start-up
  kOpen,      // "MouseActionOK"
  kShut,      // "MouseActionNO": a confirmation box is open
};

// TriggerSource: what caused the launch in progress.
enum class LaunchSource {
  kNone = 0,
  kMouseAction = 1,
  kShortcut = 2,
  kScreenPosition = 3,
  kWindowService = 4,
};

inline constexpr int kNoHotKey = -1;

struct LoopState {
  Gate MouseActionGate = Gate::kStarting;
  // Set by Ctrl+Shift+Alt: a start asks for its run-time option.
  bool RunOptionMode = false;
  int LastHotKeyIndex = kNoHotKey;
  LaunchSource TriggerSource = LaunchSource::kNone;
  // The movement being recorded is made with the Window-service trigger.
  bool WinServiceActive = false;
  // The samples kept of the movement (only while Recording), spread over
  // the whole of it.
  MovementSamples SamplePoints;
  // The movement's moving ticks so far, kept or not (the tray icon's frames
  // count them); 0 while no movement is under way.
  int SampleCount = 0;
  // The movement's samples are stored: its start was allowed.
  bool Recording = false;
  Point StartPoint{};
  Point LastCursor{-1, -1};
  // A trail is on screen until the user dismisses it.
  bool TrailShown = false;
  // The cursor could not be read (the secure desktop was in front, where
  // every key reads as up and releases go unseen): nothing is sensed until
  // a good read shows every trigger up.
  bool Disarmed = false;

  // The last recognised movement, kept until the next one: its code (empty
  // until the first) and the geometry the trail display draws.
  std::string RecognizedCode;
  StrokeGeometry Stroke;

  bool GateOpen() const { return MouseActionGate == Gate::kOpen; }

  // The state a freshly created main form starts from.
  void Reset() {
    LastHotKeyIndex = kNoHotKey;
    TrailShown = false;
    SampleCount = 0;
    SamplePoints.Clear();
    Recording = false;
    TriggerSource = LaunchSource::kNone;
    WinServiceActive = false;
    Disarmed = false;
  }
};

}  // namespace fesk
