// The request for lock and unlock notices: made at start, made again at the
// safety ticks while the system refuses it (early in a logon), and taken
// back once when the window goes.
#include "launcher/core/session_notices.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace fesk {
namespace {

struct RecordingSessionPort : SessionNoticesPort {
  // Answers of the next requests; true once they run out.
  std::deque<bool> answers;
  std::vector<std::string> calls;

  bool Register() override {
    calls.push_back("register");
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Unregister() override { calls.push_back("unregister"); }
};

TEST(SessionNoticesTest, ARefusedRequestIsMadeAgainAtTheSafetyTicksUntilTaken) {
  RecordingSessionPort port;
  port.answers = {false, false};
  SessionNotices notices(port);
  EXPECT_FALSE(notices.registered());
  notices.SafetyTick();
  EXPECT_FALSE(notices.registered());
  notices.SafetyTick();
  EXPECT_TRUE(notices.registered());
  notices.SafetyTick();
  notices.SafetyTick();
  EXPECT_EQ(port.calls, (std::vector<std::string>{"register", "register", "register"}));
}

TEST(SessionNoticesTest, TheRequestIsTakenBackOnceWhenTheWindowGoes) {
  struct Case {
    std::string name;
    std::deque<bool> answers;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"taken at start", {}, {"register", "unregister"}},
      {"never taken", {false, false, false}, {"register", "register"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSessionPort port;
    port.answers = c.answers;
    SessionNotices notices(port);
    notices.SafetyTick();
    notices.WindowClosing();
    notices.WindowClosing();
    notices.SafetyTick();  // a tick still queued asks nothing any more
    EXPECT_EQ(port.calls, c.calls);
    EXPECT_FALSE(notices.registered());
  }
}

}  // namespace
}  // namespace fesk
