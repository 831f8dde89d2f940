// State the sensing loop keeps between ticks.
#pragma once

#include <array>
#include <string>

#include "common/geometry.h"
#include "launcher/core/stroke_recognizer.h"

namespace fesk {

// Values of MouseActionGate: the loop senses only while it holds
// kMouseActionOK; the dispatcher closes it while its confirmation box is open.
inline constexpr char kMouseActionOK[] = "MouseActionOK";
inline constexpr char kMouseActionNO[] = "MouseActionNO";

// What caused the launch in progress.
enum TriggerSourceKind : int {
  kSourceNone = 0,
  kSourceMouseAction = 1,
  kSourceShortcut = 2,
  kSourceScreenPosition = 3,
  kSourceWindowService = 4,
};

inline constexpr int kMaxSamples = 50;
inline constexpr int kNoHotKey = -1;

struct LoopState {
  // Empty until start-up has finished, so that nothing senses (or removes the
  // tray icon) half-way through creation.
  std::string MouseActionGate;
  int RunOptionMode = 0;
  int LastHotKeyIndex = kNoHotKey;
  int TriggerSource = kSourceNone;
  int WinServiceActive = 0;
  // One spare entry, as the movement never stores more than 50.
  std::array<Point, kMaxSamples + 1> SamplePoints{};
  int SampleCount = 0;
  int Recording = 0;
  Point StartPoint{};
  Point LastCursor{-1, -1};
  int TrailShown = 0;

  // The last recognised movement, kept until the next one: its code (empty
  // until the first) and the geometry the trail display draws.
  std::string RecognizedCode;
  StrokeGeometry Stroke;

  bool GateOpen() const { return MouseActionGate == kMouseActionOK; }

  // The state a freshly created main form starts from.
  void Reset() {
    LastHotKeyIndex = kNoHotKey;
    TrailShown = 0;
    SampleCount = 0;
    Recording = 0;
    TriggerSource = kSourceNone;
    WinServiceActive = 0;
  }
};

}  // namespace fesk
