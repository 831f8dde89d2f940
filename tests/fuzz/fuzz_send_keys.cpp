// Any text as a key description for SendKeys: typing it must neither crash
// nor hang, every key pressed must be released again (in the reverse order
// of pressing, so that no modifier stays down in the target program), and
// what is typed must stay in proportion to the text.
#include <cstdint>
#include <map>
#include <vector>

#include "fuzz_support.h"
#include "launcher/services/key_sink_fakes.h"
#include "launcher/services/send_keys.h"

namespace {

// The Japanese keyboard of the recording sink, checking each event as it
// comes instead of recording it.
class CheckingKeySink : public fesk::KeySink {
 public:
  std::vector<int> held;  // keys down now, in the order pressed
  std::size_t events = 0;
  std::size_t event_limit = 0;

  void KeyDown(int virtual_key) override {
    Count();
    fesk::fuzz::Check(virtual_key > 0 && virtual_key < 0x100, "a key code is a virtual key");
    held.push_back(virtual_key);
  }
  void KeyUp(int virtual_key) override {
    Count();
    fesk::fuzz::Check(!held.empty() && held.back() == virtual_key, "a key is released after the keys pressed after it");
    held.pop_back();
  }
  std::uint16_t LayoutKey(char character) override {
    auto it = layout_.find(static_cast<unsigned char>(character));
    return it == layout_.end() ? fesk::kNoLayoutKey : it->second;
  }
  bool PostDoubleByteChar(char, char) override {
    Count();
    return (events & 1) != 0;  // attached or not, in turn
  }
  // Nothing held on the keyboard: every key down is one the text pressed.
  bool KeyIsDown(int) override { return false; }

 private:
  void Count() {
    ++events;
    fesk::fuzz::Check(events <= event_limit, "what is typed stays in proportion to the text");
  }
  std::map<unsigned char, std::uint16_t> layout_ = fesk::fake::Japanese106Layout();
};

}  // namespace

// The most one byte of the text may type: a brace item "{a n}" of six bytes
// or more types its key at most kMaxKeyRepeat times (two events each) and a
// Shift around it.
constexpr std::size_t kEventsPerByte = 2 * fesk::kMaxKeyRepeat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckingKeySink sink;
  sink.event_limit = kEventsPerByte * size;
  fesk::KeySender sender(sink);
  sender.SendKeys(fesk::fuzz::AsText(data, size));
  fesk::fuzz::Check(sink.held.empty(), "every key pressed is released");

  // Item by item: each item ends after where it began.
  sink.events = 0;
  sender.SetText(fesk::fuzz::AsText(data, size));
  for (std::size_t pos = 0; pos < size;) {
    std::size_t next = sender.SendKeyItem(pos);
    fesk::fuzz::Check(next > pos && next <= size, "an item moves on");
    fesk::fuzz::Check(sink.held.empty(), "an item releases what it pressed");
    pos = next;
  }
  return 0;
}
