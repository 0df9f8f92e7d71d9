#include "startup/display_checks.h"

#include "common/game_context.h"
#include "common/program_state.h"
#include "platform/platform.h"

namespace quorlen {

namespace {
constexpr int kLargestSmallFontCell = 16;
constexpr int kSwitchPauseMilliseconds = 1000;
}  // namespace

bool UsesSmallFonts(platform::Platform& platform) {
  const auto cellHeight = platform.display.systemFontCellHeight();
  if (!cellHeight) return true;
  return *cellHeight <= kLargestSmallFontCell;
}

int GetScreenWidth(platform::Platform& platform) { return platform.display.width(); }

int GetScreenHeight(platform::Platform& platform) { return platform.display.height(); }

void ChangeDisplayResolution(GameContext& context, int width, int height) {
  auto& ui = context.platform.ui;
  ui.doEvents();
  const int result = context.platform.display.changeMode(width, height);
  ui.doEvents();
  if (result != 0 && result != 1) {
    ui.messageBox("Unable to change display resolution. Mode not supported", ui::MsgBoxButtons::Ok,
                  ui::MsgBoxIcon::Information, context.state.project.GameTitle);
  }
}

bool IsDisplay640x480(GameContext& context) {
  context.state.SavedScreenWidth = GetScreenWidth(context.platform);
  context.state.SavedScreenHeight = GetScreenHeight(context.platform);
  return context.state.SavedScreenWidth == 640 && context.state.SavedScreenHeight == 480;
}

void SwitchTo640x480(GameContext& context) {
  if (IsDisplay640x480(context)) return;
  ChangeDisplayResolution(context, 640, 480);
  context.platform.ui.doEvents();
  context.platform.ui.waitElapsed(kSwitchPauseMilliseconds);
}

void RestoreDisplayResolution(GameContext& context) {
  const ProgramState& s = context.state;
  if (s.project.OfferResolutionChange != 1) return;
  if (GetScreenWidth(context.platform) == s.SavedScreenWidth && GetScreenHeight(context.platform) == s.SavedScreenHeight) {
    return;
  }
  ChangeDisplayResolution(context, s.SavedScreenWidth, s.SavedScreenHeight);
}

}  // namespace quorlen
