// The order of the group sort ("ソート") against lstrcmpA itself.  FeskINI.exe
// sorts every level of its group tree with JapaneseLstrcmp, which compares
// the code page 932 names in the Japanese locale whatever the Windows's own
// code page; on a Japanese system that must give exactly the order of
// lstrcmpA.  Wine runs here with LANG=ja_JP.UTF-8, so the ANSI code page is
// 932 and lstrcmpA is the reference.
//
// The names mix kanji, hiragana, katakana, half-width katakana, full-width
// letters, ASCII in every case, digits and punctuation.  They are sorted as
// children of one group node, the way sort_groups_button sorts them, and as a plain
// list with lstrcmpA; the two orders must be equal.  How the portable
// ApproximateLstrcmp (the editor's default outside Windows) orders them is
// printed for information only.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/group_tree.h"
#include "editor/group_name_order.h"
#include "editor/win32/win32_editor_ports.h"
#include "platform/win32/windows_api.h"
#include "tests/wine/wine_check.h"

using fesk::winetest::Check;
using fesk::winetest::CheckEqual;
using fesk::winetest::Printable;

namespace {

// Code page 932 bytes (the source is compiled with -fexec-charset=CP932).
const std::vector<std::string> kNames = {
    // kanji
    "漢字",
    "東京",
    "大阪",
    "日本",
    "山田",
    "表示",
    "一覧",
    "登録",
    // hiragana
    "あいう",
    "かな",
    "さくら",
    "ひらがな",
    "がっこう",
    "ぱん",
    // katakana
    "カタカナ",
    "アイウ",
    "サクラ",
    "ツール",
    "ゲーム",
    "パン",
    "ヴァ",
    // half-width katakana
    "ｶﾀｶﾅ",
    "ｱｲｳ",
    "ﾂｰﾙ",
    "ｹﾞｰﾑ",
    "ﾊﾟﾝ",
    "ｻｸﾗ",
    // full-width letters and digits
    "ＡＢＣ",
    "ａｂｃ",
    "１２３",
    // ASCII, mixed case
    "apple",
    "Apple",
    "APPLE",
    "banana",
    "Banana",
    "a",
    "A",
    "b",
    "B",
    "Zeta",
    "zeta",
    "FESK",
    "fesk",
    "Fesk",
    "Office",
    "office",
    "aB",
    "Ab",
    // digits and punctuation
    "123",
    "9",
    "10",
    "_under",
    "-dash",
    "a b",
    "a-b",
    "ab",
    "co-op",
    "coop",
    "(x)",
    "!",
    // mixed scripts
    "FESKツール",
    "ツールA",
    "ﾂｰﾙa",
    "漢字a",
    "あa",
};

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    if (!out.empty()) out += " | ";
    out += Printable(name);
  }
  return out;
}

// As the UTF-8 console shows them.
std::string Readable(const std::string& cp932) {
  int wide_length = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), wide_length);
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, out.data(), length, nullptr, nullptr);
  return out;
}

std::vector<std::string> SortedAsTheEditorSorts() {
  fesk::GroupTree tree;
  const fesk::GroupNodeId parent = tree.AddChild(fesk::kNoGroupNode, "FESK");
  for (const std::string& name : kNames) tree.AddChild(parent, name);
  tree.SortAll([](const std::string& a, const std::string& b) { return fesk::win32::JapaneseLstrcmp(a, b) < 0; });
  std::vector<std::string> order;
  for (fesk::GroupNodeId child : tree.Children(parent)) order.push_back(tree.Name(child));
  return order;
}

std::vector<std::string> SortedBy(int (*compare)(const std::string&, const std::string&)) {
  std::vector<std::string> order = kNames;
  std::stable_sort(order.begin(), order.end(),
                   [compare](const std::string& a, const std::string& b) { return compare(a, b) < 0; });
  return order;
}

int Lstrcmp(const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()); }

int Approximate(const std::string& a, const std::string& b) { return fesk::editor::ApproximateLstrcmp(a, b); }

void PrintOrder(const char* title, const std::vector<std::string>& order) {
  std::printf("%s:\n", title);
  for (std::size_t i = 0; i < order.size(); ++i) std::printf("  %2zu %s\n", i, Readable(order[i]).c_str());
}

}  // namespace

int main() {
  std::printf("ANSI code page %u, thread locale 0x%04lx\n", GetACP(), static_cast<unsigned long>(GetThreadLocale()));
  Check(GetACP() == 932, "the ANSI code page is 932 (run with LANG=ja_JP.UTF-8)");

  const std::vector<std::string> editor = SortedAsTheEditorSorts();
  const std::vector<std::string> reference = SortedBy(&Lstrcmp);
  CheckEqual(Join(editor), Join(reference), "the group sort orders the names as lstrcmpA does");
  Check(editor.size() == kNames.size(), "every name is still in the tree");

  // Pairwise too: the sign of every comparison, so that a difference that a
  // sort happens to hide still shows.
  int differing_pairs = 0;
  for (const std::string& a : kNames) {
    for (const std::string& b : kNames) {
      int ours = fesk::win32::JapaneseLstrcmp(a, b), theirs = Lstrcmp(a, b);
      if ((ours > 0) - (ours < 0) == (theirs > 0) - (theirs < 0)) continue;
      if (++differing_pairs <= 10) {
        std::printf("  differs: \"%s\" vs \"%s\": JapaneseLstrcmp %d, lstrcmpA %d\n", Readable(a).c_str(),
                    Readable(b).c_str(), ours, theirs);
      }
    }
  }
  Check(differing_pairs == 0,
        "JapaneseLstrcmp and lstrcmpA agree on every pair (" + std::to_string(differing_pairs) + " differ)");
  PrintOrder("lstrcmpA order (code page 932)", reference);

  // For information: where the portable approximation puts names elsewhere.
  const std::vector<std::string> approximate = SortedBy(&Approximate);
  int moved = 0;
  for (std::size_t i = 0; i < approximate.size(); ++i) {
    if (approximate[i] != reference[i]) ++moved;
  }
  std::printf("ApproximateLstrcmp: %d of %zu places differ from lstrcmpA\n", moved, reference.size());
  if (moved != 0) PrintOrder("ApproximateLstrcmp order", approximate);
  int approximate_pairs = 0;
  for (const std::string& a : kNames) {
    for (const std::string& b : kNames) {
      if (&a >= &b) continue;
      int ours = Approximate(a, b), theirs = Lstrcmp(a, b);
      if ((ours > 0) - (ours < 0) == (theirs > 0) - (theirs < 0)) continue;
      if (++approximate_pairs <= 12) {
        std::printf("  approximation differs: \"%s\" vs \"%s\": %d, lstrcmpA %d\n", Readable(a).c_str(),
                    Readable(b).c_str(), ours, theirs);
      }
    }
  }
  std::printf("ApproximateLstrcmp: %d pairs ordered otherwise than by lstrcmpA (informational)\n", approximate_pairs);
  return fesk::winetest::Finish("group_sort_wine");
}
