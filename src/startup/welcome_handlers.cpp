// What the welcome window does when it is activated, painted or clicked.
#include "startup/display_checks.h"
#include "startup/program.h"
#include "startup/welcome_window.h"

namespace quorlen {

namespace {
constexpr const char* kMakerAddress = "https://www.tessaly.example/";

constexpr const char* kLargeFontsWarning =
    "Warning! Your system is set to use large fonts. This program will NOT work properly if you don't change this "
    "setting.\r\n\r\n"
    "To use small fonts (which is the Windows default), just go to the 'Control Panel' (from the 'Settings' menu of "
    "the Start Menu), double-click 'Display', click the 'Settings' tab, click 'Advanced...' and select 'Small Fonts' "
    "under 'Font size'. Click 'OK' and restart your computer.\r\n\r\n"
    "Do you want to continue anyway? (not recommended).";
}  // namespace

void WelcomeWindow::Form_Activate() {
  if (UsesSmallFonts(program_.platform())) return;
  const ui::MsgBoxResult answer = program_.platform().ui.messageBox(
      kLargeFontsWarning, ui::MsgBoxButtons::OkCancel, ui::MsgBoxIcon::Exclamation, "Warning!");
  if (answer == ui::MsgBoxResult::Cancel) window_.unload();
}

void WelcomeWindow::Form_Paint() {
  const ui::Control& texture = control("Image1");
  if (!texture.picture() || texture.width() <= 0 || texture.height() <= 0) return;
  for (ui::Twips x = 0; x <= window_.width(); x += texture.width()) {
    for (ui::Twips y = 0; y <= window_.height(); y += texture.height()) {
      window_.drawPicture(*texture.picture(), x, y);
    }
  }
}

void WelcomeWindow::Image5_Click() {
  GameWindow& game = program_.game();
  game.window().load();
  GameContext context = program_.context();
  const ui::Control& check = control("chkResolution");
  if (check.visible() && check.value() == 1 && program_.state().project.OfferResolutionChange == 1) {
    window_.hide();
    SwitchTo640x480(context);
  }
  game.ResetAll();
  window_.hide();
  game.StartNewGame();
  game.window().show();
}

void WelcomeWindow::Image6_Click() {
  LoadGameWindow& load = program_.loadGame();
  load.LoadSaveGames();
  load.window().showModal();
}

void WelcomeWindow::Image7_Click() { window_.unload(); }

void WelcomeWindow::Image8_Click() { control("Picture1").setVisible(true); }

void WelcomeWindow::Image3_Click() { control("Picture1").setVisible(false); }

void WelcomeWindow::Image4_Click() {
  platform::Platform& p = program_.platform();
  const ui::MsgBoxResult answer = p.ui.messageBox(
      "To go to the Tessaly website you must be connected to the Internet. Click 'OK' when ready.",
      ui::MsgBoxButtons::OkCancel, ui::MsgBoxIcon::Information, "Quorlen");
  if (answer == ui::MsgBoxResult::Cancel) return;
  (void)p.shell.open(kMakerAddress);
}

void WelcomeWindow::lblResolution_Click() {
  ui::Control& check = control("chkResolution");
  check.setValue(check.value() != 0 ? 0 : 1);
}

}  // namespace quorlen
