#include "launcher/core/key_snapshot.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_ports.h"

namespace fesk {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt;

class KeySnapshotTest : public ::testing::Test {
 protected:
  fake::FakeInput input;
  KeySnapshot keys{input};
  void SetUp() override { input.log_reads = true; }
};

TEST_F(KeySnapshotTest, EachKeyIsReadOnceUntilForgotten) {
  input.held = {C};
  EXPECT_TRUE(keys.KeyHeld(C));
  EXPECT_FALSE(keys.KeyHeld(S));
  input.held = {S};  // not seen: both were read in this snapshot
  EXPECT_TRUE(keys.KeyHeld(C));
  EXPECT_FALSE(keys.KeyHeld(S));
  EXPECT_FALSE(keys.KeyHeld(A)) << "a key not read yet is read now";
  EXPECT_EQ(input.reads, (std::vector<int>{C, S, A}));

  keys.Forget();
  EXPECT_FALSE(keys.KeyHeld(C));
  EXPECT_TRUE(keys.KeyHeld(S));
  EXPECT_EQ(input.reads, (std::vector<int>{C, S, A, C, S}));
}

TEST_F(KeySnapshotTest, KeyZeroIsNeverHeldAndNeverRead) {
  EXPECT_FALSE(keys.KeyHeld(0));
  EXPECT_TRUE(input.reads.empty());
}

TEST_F(KeySnapshotTest, CodesBeyondTheVirtualKeysAreAskedEveryTime) {
  input.held = {0x1FFF};
  EXPECT_TRUE(keys.KeyHeld(0x1FFF));
  EXPECT_TRUE(keys.KeyHeld(0x1FFF));
  EXPECT_FALSE(keys.KeyHeld(-1));
  EXPECT_EQ(input.reads, (std::vector<int>{0x1FFF, 0x1FFF, -1}));
}

TEST_F(KeySnapshotTest, EveryVirtualKeyHasItsOwnState) {
  for (int key = 1; key < 256; key += 2) input.held.insert(key);
  for (int key = 1; key < 256; ++key) EXPECT_EQ(keys.KeyHeld(key), key % 2 == 1) << key;
  EXPECT_EQ(input.reads.size(), 255u);
}

TEST_F(KeySnapshotTest, ManyForgettingsStillReadAfresh) {
  for (int i = 0; i < 1000; ++i) {
    input.held = i % 2 ? std::set<int>{A} : std::set<int>{};
    keys.Forget();
    ASSERT_EQ(keys.KeyHeld(A), i % 2 == 1) << i;
  }
}

TEST_F(KeySnapshotTest, CursorAndScreenAreReadLive) {
  input.cursor = {3, 4};
  EXPECT_EQ(keys.CursorPos(), (Point{3, 4}));
  input.cursor = {5, 6};
  EXPECT_EQ(keys.CursorPos(), (Point{5, 6}));
  input.screen = {800, 600};
  EXPECT_EQ(keys.ScreenSize(), (Size{800, 600}));
}

}  // namespace
}  // namespace fesk
