// The launcher's engine built on its own: fake ports, options and program
// tables filled in code, no settings dialog and no settings file.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/action_code.h"
#include "common/errors.h"
#include "common/hotkey_text.h"
#include "launcher/core/hotkey_entry.h"
#include "launcher/core/launch_texts.h"
#include "launcher/core/launcher_engine.h"
#include "launcher/core/window_service_runner.h"
#include "platform/fake/fake_ports.h"

namespace fesk::testing {

class RecordingServices : public WindowServiceRunner {
 public:
  std::vector<unsigned> calls;
  void RunWindowService(WindowService operation) override { calls.push_back(static_cast<unsigned>(operation)); }
};

// The registered programs held in memory, as the settings file would give
// them: a slot without an entry reads as a program with no keys.
class FakeProgramStore : public ProgramStore {
 public:
  std::map<int, CurrentProgram> programs;
  std::map<int, std::string> run_positions;
  std::vector<std::string> links;  // every LINK written, in order
  bool link_fails = false;

  CurrentProgram Program(int slot) override {
    auto found = programs.find(slot);
    if (found != programs.end()) return found->second;
    CurrentProgram none;
    none.Title = kUntitled;
    return none;
  }
  std::string Title(int slot) override { return Program(slot).Title; }
  std::string RunPos(int slot) override {
    auto found = run_positions.find(slot);
    return found != run_positions.end() ? found->second : std::string(kLauncherRunPosDefault);
  }
  void WriteLink(std::string_view code) override {
    if (link_fails) throw FeskError("LINK に書き込めません");
    links.emplace_back(code);
  }
};

// A straight movement of `steps` moves from one point to another.
inline std::vector<Point> Line(Point from, Point to, int steps = 10) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    points.push_back(Point{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  }
  return points;
}

// A square of side 200 from (100, 100), clockwise, back to where it began,
// in moving_ticks + 1 points (each a move while moving_ticks <= 800).
inline std::vector<Point> Square(int moving_ticks) {
  const int side = moving_ticks / 4;
  std::vector<Point> points = Line({100, 100}, {300, 100}, side);
  for (auto [from, to] :
       {std::pair<Point, Point>{{300, 100}, {300, 300}}, {{300, 300}, {100, 300}}, {{100, 300}, {100, 100}}}) {
    std::vector<Point> edge = Line(from, to, side);
    points.insert(points.end(), edge.begin() + 1, edge.end());
  }
  return points;
}

inline const std::initializer_list<int> kShiftCtrl = {vk::kShift, vk::kControl};

inline constexpr char kLauncherFolder[] = "C:\\Fesk\\";

// The preview window's calls, in order.
class RecordingPreview : public PreviewPort {
 public:
  struct Call {
    std::string text;  // "" for a Hide
    Point cursor{};
    bool hide = false;
    friend bool operator==(const Call&, const Call&) = default;
  };
  std::vector<Call> calls;
  void Show(std::string_view text, Point cursor) override { calls.push_back({std::string(text), cursor, false}); }
  void Hide() override { calls.push_back({"", {}, true}); }
  // Moves along with the cursor, which draw nothing; kept apart.
  std::vector<Point> follows;
  void Follow(Point cursor) override { follows.push_back(cursor); }
};

// The steps of a test that drives the sensing loop through its fake input,
// for a fixture with a FakeInput `input` and a RunTick() that runs one tick
// of the loop it owns (the engine, or the dialog that holds one).
template <class Fixture>
class TickSteps {
 protected:
  // One tick with these keys held and the cursor here.
  void Tick(std::initializer_list<int> keys, Point cursor) {
    Fixture& f = static_cast<Fixture&>(*this);
    f.input.held = std::set<int>(keys);
    f.input.cursor = cursor;
    f.RunTick();
  }
  void Idle() {
    Fixture& f = static_cast<Fixture&>(*this);
    f.input.held.clear();
    f.RunTick();
  }
  // A movement through the points with the keys held, then all keys up.
  void Stroke(std::initializer_list<int> keys, const std::vector<Point>& points) {
    for (Point p : points) Tick(keys, p);
    Idle();
  }
};

// The fake ports of a launcher, whole (LauncherTest) or its engine alone
// (EngineTest), and what they recorded.
struct LauncherFakes {
  // The command lines the launcher opened, in order.
  std::vector<std::string> Opened() const {
    std::vector<std::string> files;
    for (const auto& call : shell.opens) files.push_back(call.file);
    return files;
  }

  fake::FakeInput input;
  fake::FakeClock clock;
  fake::FakeShell shell;
  fake::FakeDialogs dialogs;
  fake::FakeTray tray;
  RecordingServices services;
  fake::FakeForeground foreground;
  // The preview window, when a test gives the launcher one.
  PreviewPort* preview_port = nullptr;
};

class EngineTest : public ::testing::Test, public LauncherFakes, public TickSteps<EngineTest> {
  friend TickSteps<EngineTest>;

 protected:
  // The triggers a launcher without settings senses: Shift+Ctrl for mouse
  // actions, Ctrl+Alt for the Window services.
  EngineTest() {
    options.SetMouseActionTrigger(1);
    options.SetWindowServiceTrigger(6);
  }

  // A program in the next slot: its title, command line, mouse-action code
  // (allowed everywhere) and screen position ("" for none).
  int Register(std::string title, std::string command_line, std::string code = kNoActionCode,
               std::string displaypos = "") {
    const int slot = tables.ProgramCount++;
    CurrentProgram& program = programs.programs[slot];
    program.Title = title;
    program.CommandLine = std::move(command_line);
    tables.ProgramTitles[slot] = std::move(title);
    tables.ActionCodes[slot] = code;
    programs.run_positions[slot] = "111111111";
    if (!displaypos.empty()) tables.ScreenPositionSlots.Claim(displaypos, slot);
    return slot;
  }

  // The slot's shortcut key, written as the settings file holds it
  // ("Ctrl+Alt+A").
  void SetHotKey(int slot, std::string_view text) {
    tables.HotKeyTable[slot] = MakeHotKeyEntry(TextToShortCut(text, nullptr));
  }

  // The engine as the launcher has it once started: the gate open, the
  // sensing timer running and the own tray icon shown.
  LauncherEngine& Start() {
    loop.MouseActionGate = Gate::kOpen;
    timer.enabled = true;
    if (options.TrayIconShown()) tray_icons.TrayIconAdd();
    engine = std::make_unique<LauncherEngine>(
        options, loop, tables, EnginePorts{input, clock, programs, timer, &foreground},
        EngineEffects{
            shell, dialogs, tray_icons, services, FilePath(kLauncherFolder),
            SensingView{[this] { ++recognized; }, [this] { trails.push_back(loop.SamplePoints.View().size()); }},
            preview_port});
    return *engine;
  }

  // What the tick steps of TickSteps run.
  void RunTick() { engine->SensingTick(); }

  FakeProgramStore programs;
  LauncherOptions options;
  LoopState loop;
  ProgramTables tables;
  Timer timer{false, 10};
  TrayIcons tray_icons{tray, loop, tables};
  int recognized = 0;               // movements recognised
  std::vector<std::size_t> trails;  // trails shown, by the samples they draw
  std::unique_ptr<LauncherEngine> engine;
};

}  // namespace fesk::testing
