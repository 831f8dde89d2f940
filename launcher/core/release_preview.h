// What a release would do now, told while the trigger is still held: the
// title of the program the movement would start, the Window service of its
// direction, or that nothing is registered for it.  A user with many
// strokes sees a wrong one before it starts anything.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/program_tables.h"

namespace fesk {

// Shown where a release would start nothing: no program has the code with a
// mask that allows the start, the code is still empty, or under the
// Window-service trigger the movement is no straight direction.
inline constexpr char kNothingRegisteredText[] = "未登録";

// The movement as recorded so far.
struct PendingRelease {
  std::string code;             // recognised from the samples so far
  Point start{};                // where the movement began
  bool window_service = false;  // made with the Window-service trigger
  friend bool operator==(const PendingRelease&, const PendingRelease&) = default;
};

// Whether the slot's start-position mask allows a movement that began at
// the point (the dispatcher's own check, which reads the settings file).
using StartPointCheck = std::function<bool(int slot, Point start)>;
// The slot's title as the dispatcher shows it at the release (the program
// store's, read afresh).
using SlotTitle = std::function<std::string(int slot)>;

class ReleasePreview {
 public:
  ReleasePreview(const ProgramTables& tables, const LauncherOptions& options, StartPointCheck allows, SlotTitle title)
      : tables_(tables), options_(options), allows_(std::move(allows)), title_(std::move(title)) {}

  std::string TextFor(const PendingRelease& pending) const;

 private:
  std::string ProgramText(const PendingRelease& pending) const;
  std::string ServiceText(std::string_view code) const;

  const ProgramTables& tables_;
  const LauncherOptions& options_;
  StartPointCheck allows_;
  SlotTitle title_;
};

// Follows one movement tick by tick for the preview window: works out the
// text only when the movement changed since the last tick, and tells it only
// when it differs from the text on show.
class PreviewTracker {
 public:
  explicit PreviewTracker(const ReleasePreview& preview) : preview_(preview) {}

  // A recorded tick of a movement past the minimum move: the text to show
  // when it changed, nothing when the shown one still holds.
  std::optional<std::string> Track(const PendingRelease& pending);
  // The release (or a dropped movement): forgets the movement; true when a
  // text was on show, so that the window must go.
  bool Clear();
  // The text on show; nothing between movements.
  const std::optional<std::string>& shown() const { return shown_; }

 private:
  const ReleasePreview& preview_;
  std::optional<PendingRelease> last_;
  std::optional<std::string> shown_;
};

}  // namespace fesk
