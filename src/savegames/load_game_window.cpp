#include "savegames/load_game_window.h"

#include "savegames/saved_game_list.h"
#include "startup/program.h"

namespace quorlen {

namespace {
using ui::ControlKind;
constexpr ui::Twips px(int pixels) { return pixels * ui::kTwipsPerPixel; }
}  // namespace

LoadGameWindow::LoadGameWindow(Program& program) : program_(program), window_(program.windows(), "frmLoadGame") {
  window_.onCreate = [this] { createControls(); };
  window_.onLoad = [this] { Form_Load(); };
}

void LoadGameWindow::createControls() {
  ui::Window& w = window_;
  w.setTitle("Load a previously saved game");
  w.setWidth(px(320) + w.manager().host().frameWidthAllowance());
  w.setHeight(px(260) + w.frameAllowance());
  ui::Control& label = w.add(ControlKind::Label, "Label1");
  label.move(px(8), px(8), px(304), px(21));
  label.setCaption("Select the game you wish to load and click \"LOAD\".");
  w.add(ControlKind::ListBox, "List1").move(px(8), px(32), px(304), px(180));
  ui::Control& load = w.add(ControlKind::Button, "Command2");
  load.move(px(8), px(220), px(140), px(30));
  load.setCaption("LOAD");
  load.setDefault(true);
  ui::Control& cancel = w.add(ControlKind::Button, "Command1");
  cancel.move(px(172), px(220), px(140), px(30));
  cancel.setCaption("Cancel");
  cancel.setCancel(true);
  w.add(ControlKind::FileList, "File1").setVisible(false);
  load.onClick = [this](ui::Control&) { Command2_Click(); };
  cancel.onClick = [this](ui::Control&) { Command1_Click(); };
  w.find("List1")->onDblClick = [this](ui::Control&) { List1_DblClick(); };
}

void LoadGameWindow::LoadSaveGames() { fillSavedGameList(program_, window_); }

void LoadGameWindow::Form_Load() {
  platform::Platform& p = program_.platform();
  window_.setLeft(p.display.width() * ui::kTwipsPerPixel / 2 - window_.width() / 2);
  window_.setTop(p.display.height() * ui::kTwipsPerPixel / 2 - window_.height() / 2);
}

void LoadGameWindow::Command1_Click() { window_.unload(); }

void LoadGameWindow::Command2_Click() {}

void LoadGameWindow::List1_DblClick() { Command2_Click(); }

}  // namespace quorlen
