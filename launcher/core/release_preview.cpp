#include "launcher/core/release_preview.h"

#include "common/action_code.h"
#include "launcher/core/first_matching_slot.h"
#include "launcher/core/window_service_runner.h"

namespace fesk {

std::string ReleasePreview::TextFor(const PendingRelease& pending) const {
  return pending.window_service ? ServiceText(pending.code) : ProgramText(pending);
}

// The title the dispatcher shows and starts with.
std::string ReleasePreview::ProgramText(const PendingRelease& pending) const {
  const StartMaskCheck allows = [&](int slot) { return allows_(slot, pending.start); };
  std::optional<int> slot = FirstMatchingSlot(pending.code, tables_, allows);
  if (!slot) return kNothingRegisteredText;
  return title_(*slot);
}

// The operation as the direction's list on the settings dialog names it.  A
// stored number that names no operation does nothing at the release.
std::string ReleasePreview::ServiceText(std::string_view code) const {
  const int direction = WindowServiceIndex(code);
  if (direction < 0) return kNothingRegisteredText;
  const auto operation = static_cast<unsigned>(options_.services[static_cast<std::size_t>(direction)]);
  if (operation >= kWindowServiceItems.size()) return kNothingRegisteredText;
  return std::string(kWindowServiceItems[operation]);
}

std::optional<std::string> PreviewTracker::Track(const PendingRelease& pending) {
  if (last_ == pending) return std::nullopt;
  last_ = pending;
  std::string text = preview_.TextFor(pending);
  if (shown_ == text) return std::nullopt;
  shown_ = std::move(text);
  return shown_;
}

bool PreviewTracker::Clear() {
  const bool was_shown = shown_.has_value();
  last_.reset();
  shown_.reset();
  return was_shown;
}

}  // namespace fesk
