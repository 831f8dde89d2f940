// Scripted doubles of the platform ports for native tests: a virtual clock,
// input set by the test before each tick, recorded shell, tray and dialog
// calls, and answers for boxes given in advance.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace fesk::fake {

class FakeInput : public InputPort {
 public:
  Point cursor{0, 0};
  // While set, the cursor cannot be read (the secure desktop is in front).
  bool cursor_fails = false;
  // The physical keys and buttons held.
  std::set<int> held;
  // The user's setting: the physical right button is the primary one.
  bool buttons_swapped = false;
  int swap_reads = 0;
  Size screen{1024, 768};
  // The desktop's monitors; none: one monitor, the primary screen, at 96 DPI.
  std::vector<Monitor> monitors;

  // While log_reads is set, every key asked for, in the order asked.
  bool log_reads = false;
  std::vector<int> reads;

  std::optional<Point> CursorPos() override {
    if (cursor_fails) return std::nullopt;
    return cursor;
  }
  bool KeyHeld(int virtual_key) override {
    if (log_reads) reads.push_back(virtual_key);
    return virtual_key != 0 && held.count(virtual_key) > 0;
  }
  bool ButtonsSwapped() override {
    ++swap_reads;
    return buttons_swapped;
  }
  Size ScreenSize() override { return screen; }
  // The monitor holding the point, else the nearest one (as
  // MONITOR_DEFAULTTONEAREST picks it).
  Monitor MonitorAt(Point p) override {
    if (monitors.empty()) return Monitor{Rect{0, 0, screen.width, screen.height}, 96};
    const Monitor* nearest = &monitors.front();
    long long best = -1;
    for (const Monitor& m : monitors) {
      const Rect& a = m.area;
      long long dx = p.x < a.left ? a.left - p.x : p.x >= a.right ? p.x - a.right + 1 : 0;
      long long dy = p.y < a.top ? a.top - p.y : p.y >= a.bottom ? p.y - a.bottom + 1 : 0;
      long long distance = dx * dx + dy * dy;
      if (best < 0 || distance < best) {
        best = distance;
        nearest = &m;
      }
    }
    return *nearest;
  }

  void Hold(std::initializer_list<int> keys) { held.insert(keys); }
  void ReleaseAll() { held.clear(); }
};

// Virtual time in milliseconds.  Each call of Now() advances the time by
// now_step milliseconds and reports it truncated to resolution, so that a
// busy wait for the next clock tick ends after a few calls.
class FakeClock : public ClockPort, public ElapsedClock {
 public:
  long long now_ms = 0;
  int now_step = 1;
  int resolution = 10;
  std::vector<int> sleeps;

  void Sleep(int milliseconds) override {
    sleeps.push_back(milliseconds);
    now_ms += milliseconds;
  }
  LocalTime Now() override {
    now_ms += now_step;
    long long t = now_ms - now_ms % resolution;
    ++now_calls;
    return LocalTime{static_cast<int>(t / 3600000 % 24), static_cast<int>(t / 60000 % 60),
                     static_cast<int>(t / 1000 % 60), static_cast<int>(t % 1000)};
  }
  // The same virtual time, as it stands (reading it does not advance it).
  long long Milliseconds() override { return now_ms; }
  void Advance(long long milliseconds) { now_ms += milliseconds; }
  long long TotalSlept() const {
    long long total = 0;
    for (int s : sleeps) total += s;
    return total;
  }
  int now_calls = 0;
};

class FakeShell : public ShellPort {
 public:
  struct OpenCall {
    std::string file, parameters, directory;
    int show = 0;
    std::string current_directory;  // the process's folder at the time of the call
    bool operator==(const OpenCall&) const = default;
  };
  struct ExecCall {
    std::string command_line;
    int show = 0;
    bool operator==(const ExecCall&) const = default;
  };
  std::vector<OpenCall> opens;
  std::vector<ExecCall> execs;
  std::vector<FilePath> own_program_opens;  // the sibling of each Open of a FilePath
  std::deque<int> results;                  // next results of Open; 42 when empty
  std::set<std::string> missing_folders;
  std::string current_directory = "C:\\";

  // The programs' own paths are recorded by their UTF-8 text.
  int Open(std::string_view file, std::string_view parameters, std::string_view directory, int show_command) override {
    opens.push_back(
        OpenCall{std::string(file), std::string(parameters), std::string(directory), show_command, current_directory});
    return NextResult();
  }
  int Open(const FilePath& program, std::string_view parameters, std::string_view directory,
           int show_command) override {
    own_program_opens.push_back(program);
    return Open(program.utf8, parameters, directory, show_command);
  }
  int Open(const FilePath& program, std::string_view parameters, const FilePath& directory, int show_command) override {
    own_program_opens.push_back(program);
    return Open(program.utf8, parameters, directory.utf8, show_command);
  }
  int NextResult() {
    if (results.empty()) return 42;
    int result = results.front();
    results.pop_front();
    return result;
  }
  bool SetCurrentDirectory(std::string_view folder) override {
    if (missing_folders.count(std::string(folder))) return false;
    current_directory = std::string(folder);
    return true;
  }
  bool SetCurrentDirectory(const FilePath& folder) override { return SetCurrentDirectory(folder.utf8); }
  void Exec(const FilePath& program, std::string_view arguments, int show_command) override {
    execs.push_back(ExecCall{"\"" + program.utf8 + "\"" + std::string(arguments), show_command});
  }
};

class FakeDialogs : public DialogPort {
 public:
  struct Box {
    std::string text, caption;
    Buttons buttons = Buttons::kOk;
    std::optional<FilePath> path;  // the file a box names, for a PathMessage
  };
  struct Input {
    std::string caption, prompt, value;
  };
  std::vector<Box> boxes;
  std::vector<Input> inputs;
  std::vector<std::string> errors;
  std::vector<PathMessage> path_errors;  // the errors that name a file, apart
  // Answers for the next boxes; when empty: OK (Cancel for Yes/No/Cancel).
  std::deque<Answer> answers;
  // Answers for the next input boxes; when empty: Cancel.
  std::deque<std::optional<std::string>> input_answers;
  // Runs while a box is "open" (to observe state during a modal box).
  std::function<void(const Box&)> while_open;

  Answer MessageBox(const PathMessage& text, std::string_view caption, Buttons buttons) override {
    return Record(Box{text.Joined(), std::string(caption), buttons, text.path});
  }
  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons) override {
    return Record(Box{std::string(text), std::string(caption), buttons, std::nullopt});
  }
  Answer Record(Box box) {
    const Buttons buttons = box.buttons;
    boxes.push_back(std::move(box));
    if (while_open) while_open(boxes.back());
    if (!answers.empty()) {
      Answer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == Buttons::kYesNoCancel ? Answer::kCancel : Answer::kOk;
  }
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view value) override {
    inputs.push_back(Input{std::string(caption), std::string(prompt), std::string(value)});
    if (input_answers.empty()) return std::nullopt;
    auto answer = input_answers.front();
    input_answers.pop_front();
    return answer;
  }
  void ShowError(std::string_view message) override { errors.emplace_back(message); }
  void ShowError(const PathMessage& message) override {
    errors.push_back(message.Joined());
    path_errors.push_back(message);
  }
};

// Short forms by long path; a path not listed has none.
class FakePaths : public PathPort {
 public:
  std::map<std::string, std::string> short_forms;
  std::optional<FilePath> ShortForm(const FilePath& path) override {
    auto it = short_forms.find(path.utf8);
    if (it == short_forms.end()) return std::nullopt;
    return FilePath(it->second);
  }
};

class FakeTray : public TrayPort {
 public:
  struct Call {
    enum Kind { kAdd, kModify, kRemove } kind;
    int id;
    TrayPicture picture;
    std::string tip;
    bool operator==(const Call&) const = default;
  };
  std::vector<Call> calls;
  std::map<int, Call> shown;  // icons present now, by id

  // Like the shell, an add of an id that is shown already changes nothing:
  // the icon keeps its picture and tip.
  void Add(int id, const TrayPicture& picture, std::string_view tip) override {
    calls.push_back(Call{Call::kAdd, id, picture, std::string(tip)});
    shown.try_emplace(id, calls.back());
  }
  void Modify(int id, const TrayPicture& picture, std::string_view tip) override {
    calls.push_back(Call{Call::kModify, id, picture, std::string(tip)});
    if (shown.count(id)) shown[id] = calls.back();
  }
  void Remove(int id) override {
    calls.push_back(Call{Call::kRemove, id, {}, {}});
    shown.erase(id);
  }
  // Balloons shown, on the icons that were there.
  struct Note {
    int id;
    std::string title, text;
    bool operator==(const Note&) const = default;
  };
  std::vector<Note> balloons;
  bool Balloon(int id, std::string_view title, std::string_view text) override {
    if (!shown.count(id)) return false;
    balloons.push_back(Note{id, std::string(title), std::string(text)});
    return true;
  }
};

// The window in front as the test sets it; counts the questions.
class FakeForeground : public ForegroundPort {
 public:
  std::optional<ForegroundFacts> facts;
  int asked = 0;

  std::optional<ForegroundFacts> Facts() override {
    ++asked;
    return facts;
  }
  // A visible window whose client area is the whole screen.
  void FullScreen(Size screen, std::string class_name = "Game") {
    Rect all{0, 0, screen.width, screen.height};
    facts = ForegroundFacts{true, all, all, std::move(class_name), ""};
  }
  // A visible window of the program, not covering its monitor.
  void OwnedBy(std::string program_file) {
    facts = ForegroundFacts{true, Rect{10, 10, 400, 300}, Rect{0, 0, 1024, 768}, "Window", std::move(program_file)};
  }
};

// A Run key in memory; writes fail while `fail` is set.
class FakeAutoStart : public AutoStartPort {
 public:
  std::map<std::string, std::string> values;
  bool fail = false;
  int writes = 0;

  std::optional<std::string> Command(std::string_view name) override {
    auto found = values.find(std::string(name));
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  bool Register(std::string_view name, std::string_view command) override {
    ++writes;
    if (fail) return false;
    values[std::string(name)] = std::string(command);
    return true;
  }
  bool Unregister(std::string_view name) override {
    ++writes;
    if (fail) return false;
    values.erase(std::string(name));
    return true;
  }
};

}  // namespace fesk::fake
