#include "savegames/save_game_window.h"

#include "savegames/saved_game_list.h"
#include "startup/program.h"

namespace quorlen {

namespace {
using ui::ControlKind;
constexpr ui::Twips px(int pixels) { return pixels * ui::kTwipsPerPixel; }
}  // namespace

SaveGameWindow::SaveGameWindow(Program& program) : program_(program), window_(program.windows(), "frmSaveGame") {
  window_.onCreate = [this] { createControls(); };
  window_.onLoad = [this] { Form_Load(); };
}

void SaveGameWindow::createControls() {
  ui::Window& w = window_;
  w.setTitle("Save the current game");
  w.setWidth(px(320) + w.manager().host().frameWidthAllowance());
  w.setHeight(px(300) + w.frameAllowance());
  ui::Control& label = w.add(ControlKind::Label, "Label2");
  label.move(px(8), px(8), px(304), px(21));
  label.setCaption("Enter the name of the game you want to save:");
  w.add(ControlKind::TextBox, "Text1").move(px(8), px(30), px(304), px(24));
  w.add(ControlKind::ListBox, "List1").move(px(8), px(60), px(304), px(160));
  ui::Control& save = w.add(ControlKind::Button, "Command2");
  save.move(px(8), px(226), px(96), px(30));
  save.setCaption("SAVE");
  save.setDefault(true);
  ui::Control& cancel = w.add(ControlKind::Button, "Command1");
  cancel.move(px(112), px(226), px(96), px(30));
  cancel.setCaption("Cancel");
  cancel.setCancel(true);
  ui::Control& remove = w.add(ControlKind::Button, "Command3");
  remove.move(px(216), px(226), px(96), px(30));
  remove.setCaption("Remove selected");
  w.add(ControlKind::FileList, "File1").setVisible(false);
  save.onClick = [this](ui::Control&) { Command2_Click(); };
  cancel.onClick = [this](ui::Control&) { Command1_Click(); };
  remove.onClick = [this](ui::Control&) { Command3_Click(); };
  w.find("List1")->onClick = [this](ui::Control&) { List1_Click(); };
  w.find("List1")->onDblClick = [this](ui::Control&) { List1_DblClick(); };
}

void SaveGameWindow::LoadSaveGames() { fillSavedGameList(program_, window_); }

void SaveGameWindow::Form_Load() {
  platform::Platform& p = program_.platform();
  window_.setLeft(p.display.width() * ui::kTwipsPerPixel / 2 - window_.width() / 2);
  window_.setTop(p.display.height() * ui::kTwipsPerPixel / 2 - window_.height() / 2);
}

void SaveGameWindow::List1_Click() {}
void SaveGameWindow::List1_DblClick() {}
void SaveGameWindow::Command1_Click() { window_.unload(); }
void SaveGameWindow::Command2_Click() {}
void SaveGameWindow::Command3_Click() {}

}  // namespace quorlen
