#include "launcher/core/movement_preview.h"

#include "launcher/core/stroke_recognizer.h"

namespace fesk {

// The title and the start mask come from where the dispatcher takes them at
// the release (the store and CheckStartPosition, which reads the mask
// afresh), so the preview and the release cannot disagree.
MovementPreview::MovementPreview(const LauncherOptions& options, const LoopState& loop, const ProgramTables& tables,
                                 ProgramStore& programs, Dispatcher& dispatcher, PreviewPort* port,
                                 std::function<bool()> quiet)
    : options_(options),
      loop_(loop),
      port_(port),
      quiet_rule_(std::move(quiet)),
      preview_(
          tables, options, [&dispatcher](int slot, Point) { return dispatcher.CheckStartPosition(slot); },
          [&programs](int slot) { return programs.Title(slot); }),
      tracker_(preview_) {}

// Recognised with the free recogniser: the loop's own RecognizeStroke would
// enable the transfer button and overwrite the code of the last movement.
void MovementPreview::SampleTaken(Point cursor) {
  if (port_ == nullptr || !options_.preview || !loop_.Recording) return;
  const RecognizedStroke stroke = RecognizeStroke(loop_.SamplePoints.View(), options_.neutral_divisor);
  if (!ExceedsMinimumMove(stroke.geometry, options_.minimum_move) || QuietForThisMovement()) return;
  if (auto text = tracker_.Track({stroke.code, loop_.StartPoint, loop_.WinServiceActive})) {
    port_->Show(*text, cursor);
  } else if (tracker_.shown()) {
    port_->Follow(cursor);
  }
}

// Asked at the moment the preview would first show, as the release asks it
// once the movement passed the minimum move: never on an idle tick.
bool MovementPreview::QuietForThisMovement() {
  if (!quiet_) quiet_ = quiet_rule_();
  return *quiet_;
}

void MovementPreview::End() {
  quiet_.reset();
  if (tracker_.Clear() && port_ != nullptr) port_->Hide();
}

}  // namespace fesk
