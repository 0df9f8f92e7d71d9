#include <gtest/gtest.h>

#include "backends/sdl/message_box_view.h"
#include "sdl_test_session.h"

namespace quorlen::sdl {
namespace {

using R = ui::MsgBoxResult;

std::vector<R> answers(ui::MsgBoxButtons b) {
  std::vector<R> out;
  for (const auto& button : messageBoxButtons(b)) out.push_back(button.answer);
  return out;
}

TEST(MessageBoxButtons, DefaultButtonComesFirstAndEscapeCancelsWhereTheBoxCan) {
  EXPECT_EQ(answers(ui::MsgBoxButtons::OkCancel), (std::vector<R>{R::Ok, R::Cancel}));
  EXPECT_EQ(answers(ui::MsgBoxButtons::YesNoCancel), (std::vector<R>{R::Yes, R::No, R::Cancel}));
  EXPECT_EQ(answers(ui::MsgBoxButtons::AbortRetryIgnore), (std::vector<R>{R::Abort, R::Retry, R::Ignore}));
  for (auto b : {ui::MsgBoxButtons::Ok, ui::MsgBoxButtons::OkCancel, ui::MsgBoxButtons::YesNo,
                 ui::MsgBoxButtons::RetryCancel}) {
    EXPECT_EQ(answers(b).front(), ui::defaultAnswer(b)) << "Enter gives the box's default answer";
  }
  EXPECT_EQ(messageBoxButtons(ui::MsgBoxButtons::OkCancel)[1].caption, "Cancel");
  EXPECT_EQ(escapeAnswer(ui::MsgBoxButtons::OkCancel), R::Cancel) << "Esc on the large-fonts warning ends the program";
  EXPECT_EQ(escapeAnswer(ui::MsgBoxButtons::Ok), R::Ok) << "an OK box closes with Esc";
  EXPECT_FALSE(escapeAnswer(ui::MsgBoxButtons::YesNo).has_value()) << "Yes/No must be chosen";
}

class MessageBoxLayoutTest : public testing::OffscreenSuite {};

TEST_F(MessageBoxLayoutTest, LongTextWrapsAndButtonsSitBelowIt) {
  TextRenderer text;
  const std::string warning =
      "Warning! Your system is set to use large fonts. This program will NOT work properly if you don't change "
      "this setting.\r\n\r\nDo you want to continue anyway? (not recommended).";
  const auto l = layoutMessageBox(warning, ui::MsgBoxButtons::OkCancel, ui::MsgBoxIcon::Exclamation, "Warning!",
                                  text, 300);
  EXPECT_GE(l.lines.size(), 4u) << "the paragraphs wrap to the width";
  EXPECT_LE(l.text.w, 300) << "no line is wider than asked";
  ASSERT_EQ(l.buttons.size(), 2u);
  EXPECT_GT(l.buttons[0].rect.y, l.text.y + l.text.h) << "buttons below the text";
  EXPECT_LT(l.buttons[0].rect.x, l.buttons[1].rect.x) << "OK left of Cancel";
  EXPECT_LE(l.buttons[1].rect.x + l.buttons[1].rect.w, l.width) << "buttons inside the box";
  EXPECT_GT(l.text.x, l.icon.x + l.icon.w) << "text right of the icon";
}

}  // namespace
}  // namespace quorlen::sdl
