// F1 hands the WinHelp file to the WinHelp viewer only on a Windows older
// than 6.0 that has the viewer; everywhere else it opens the HTML help.
#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <string>

namespace fesk {
namespace {

TEST(HelpViewerTest, WinHelpOnlyBeforeWindows6WithTheFileAndTheViewer) {
  struct Case {
    std::string name;
    HelpFacts facts;
    HelpViewer viewer;
  };
  const Case cases[] = {
      {"Windows XP with the file and the viewer", {5, true, true}, HelpViewer::kWinHelp},
      {"Windows XP without the file", {5, false, true}, HelpViewer::kHtml},
      {"Windows XP without the viewer", {5, true, false}, HelpViewer::kHtml},
      {"Vista with the file and the viewer's stub", {6, true, true}, HelpViewer::kHtml},
      {"Windows 10 with the file and the viewer's stub", {10, true, true}, HelpViewer::kHtml},
      {"Windows 10 without the file", {10, false, true}, HelpViewer::kHtml},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChooseHelpViewer(c.facts), c.viewer);
  }
}

}  // namespace
}  // namespace fesk
