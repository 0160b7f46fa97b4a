// The small services: dialogs of a run without a window, the hot key, the application object
// and the code page.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "platform/hot_keys.h"

namespace {

using std::chrono::milliseconds;

TEST(HeadlessDialogs, LogTheTextAndTakeTheWayOfCancelOrNo) {
  std::vector<std::string> logged;
  HeadlessDialogs dialogs([&](const std::string& text) { logged.push_back(text); });
  const struct {
    MessageButtons buttons;
    ModalResult result;
  } cases[] = {
      {MessageButtons::kOk, ModalResult::kOk},
      {MessageButtons::kOkCancel, ModalResult::kCancel},
      {MessageButtons::kYesNo, ModalResult::kNo},
      {MessageButtons::kYesNoCancel, ModalResult::kCancel},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dialogs.MessageBox("Replace the co-op generator?", "Tavrek", c.buttons), c.result);
  }
  EXPECT_EQ(dialogs.OpenFile({"Select Tavrek Program", "Tavrek Executable|*.exe", "*.exe", "", ""}),
            std::nullopt);
  EXPECT_EQ(dialogs.InputQuery("Tavrek", "Name", "x"), std::nullopt);
  ASSERT_EQ(logged.size(), 6u);
  EXPECT_EQ(logged[0], "Message not shown (Tavrek): Replace the co-op generator?");
  EXPECT_EQ(logged[4], "Dialog not shown: Select Tavrek Program");
}

TEST(HotKeys, PressingPostsTheMessageOfTheRegisteredKey) {
  EventLoop loop;
  HotKeys keys(loop);
  const std::uint16_t atom = keys.GlobalAddAtom("Hotkey1");
  EXPECT_GE(atom, 0xC000);
  EXPECT_EQ(keys.GlobalAddAtom("Hotkey1"), atom);
  EXPECT_NE(keys.GlobalAddAtom("Other"), atom);

  std::vector<int> received;
  const unsigned ctrl_shift = HotKeys::kModControl | HotKeys::kModShift;
  ASSERT_EQ(ctrl_shift, 6u);
  EXPECT_TRUE(keys.RegisterHotKey(atom, ctrl_shift, 71, [&](int id) { received.push_back(id); }));
  EXPECT_FALSE(keys.RegisterHotKey(7, ctrl_shift, 71, [](int) {}));  // taken

  EXPECT_FALSE(keys.Press(HotKeys::kModControl, 71));
  EXPECT_TRUE(keys.Press(ctrl_shift, 71));
  EXPECT_TRUE(received.empty());  // a message: it waits for the loop
  loop.RunOnce(milliseconds(0));
  EXPECT_EQ(received, std::vector<int>{atom});

  keys.UnregisterHotKey(atom);
  EXPECT_FALSE(keys.Press(ctrl_shift, 71));
}

TEST(Application, AnUncaughtErrorIsShownAndFailsOnlyARunWithoutWindow) {
  EventLoop loop;
  std::vector<std::string> shown;
  HeadlessDialogs dialogs([&](const std::string& text) { shown.push_back(text); });
  TApplication application(loop, dialogs);
  application.ShowException(std::runtime_error("No campaign active."));
  EXPECT_EQ(shown, std::vector<std::string>{"Message not shown (Tavrek): No campaign active."});
  EXPECT_EQ(application.ExitCode(), 0);

  application.ShowMainForm = false;
  application.ShowException(std::runtime_error("No campaign active."));
  EXPECT_EQ(application.ExitCode(), 1);

  application.Terminate();
  EXPECT_TRUE(application.Terminated());
  EXPECT_TRUE(loop.QuitRequested());
}

TEST(CodePage, Windows1252AndUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("K\xF6ln \x80 \x93quoted\x94 \x81"),
            "K\u00F6ln \u20AC \u201Cquoted\u201D \u0081");
  EXPECT_EQ(Utf8ToCp1252("K\u00F6ln \u20AC \u201Cquoted\u201D"), "K\xF6ln \x80 \x93quoted\x94");
  EXPECT_EQ(Utf8ToCp1252("\u0416 \U0001F600"), "? ?");  // not in the code page
  EXPECT_EQ(Utf8ToCp1252("already K\xF6ln"), "already K\xF6ln");
  EXPECT_EQ(UnicodeToCp1252(0x0160), '\x8A');
  EXPECT_EQ(UnicodeToCp1252(0x0416), '?');
  for (int byte = 0; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(text)), text) << byte;
  }
}

}  // namespace
