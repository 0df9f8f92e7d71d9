#include "savegames/save_game_window.h"

#include <optional>

#include "savegames/saved_game_file.h"
#include "savegames/saved_game_list.h"
#include "savegames/saved_game_storage.h"
#include "startup/program.h"

namespace quorlen {

namespace {
using ui::ControlKind;
using ui::MsgBoxButtons;
using ui::MsgBoxIcon;
constexpr ui::Twips px(int pixels) { return pixels * ui::kTwipsPerPixel; }

constexpr const char* kSaveTitle = "Save game";
constexpr const char* kRemoveTitle = "Remove saved game";

std::vector<SavedGameContent::Pair> pairsOf(const VariablesCollection& store) {
  std::vector<SavedGameContent::Pair> pairs;
  for (const VariablesCollection::Member& member : store) pairs.emplace_back(member->Name(), member->Value());
  return pairs;
}
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
  w.setFocus(w.find("Text1"));
}

void SaveGameWindow::LoadSaveGames() { fillSavedGameList(program_, window_); }

void SaveGameWindow::Form_Load() {
  platform::Platform& p = program_.platform();
  window_.setTop((p.display.height() * ui::kTwipsPerPixel - window_.height()) / 2);
  window_.setLeft((p.display.width() * ui::kTwipsPerPixel - window_.width()) / 2);
}

bool SaveGameWindow::copySelectionToName() {
  const std::optional<std::string> selected = selectedSavedGame(window_);
  if (!selected) return false;
  Text1().setText(*selected);
  return true;
}

void SaveGameWindow::List1_Click() { (void)copySelectionToName(); }

void SaveGameWindow::List1_DblClick() {
  if (copySelectionToName()) Command2_Click();
}

void SaveGameWindow::Command1_Click() { window_.unload(); }

Result<SavedGameContent> SaveGameWindow::currentGame() const {
  const GameWindow& game = program_.game();
  SavedGameContent content;
  content.frame = program_.state().frame.FrameName;
  content.variables = pairsOf(game.Variables);
  content.disappeared = pairsOf(game.Disappear);
  for (int slot = 1; slot <= game.ObjectsCount; ++slot) {
    const ui::Control* icon = game.window().element("PickedObject", slot);
    if (icon == nullptr) return makeError(ErrorKind::Invalid, "no inventory icon in slot " + std::to_string(slot));
    content.items.push_back(icon->tag());
  }
  return content;
}

void SaveGameWindow::Command2_Click() {
  ui::UserInterface& ui = program_.platform().ui;
  platform::FileSystem& files = program_.platform().files;
  const std::string name = Text1().text();
  if (name.empty()) {
    ui.messageBox("Please enter the name of the game you want to save.", MsgBoxButtons::Ok, MsgBoxIcon::Information,
                  kSaveTitle);
    return;
  }
  const std::string path = savedGamePath(program_.state().paths, name);
  auto fail = [&] {
    ui.messageBox("Unable to save '" + path + "'", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, kSaveTitle);
  };
  // A name that would put the file anywhere but in the game folder is
  // refused before anything on disk is looked at.
  if (!isPlainSavedGameName(name)) return fail();

  if (files.fileExists(path)) {
    const ui::MsgBoxResult answer = ui.messageBox("'" + name + "' already exists. Do you want to replace it?",
                                                  MsgBoxButtons::OkCancel, MsgBoxIcon::Question, kSaveTitle);
    if (answer == ui::MsgBoxResult::Cancel) return;
  }

  const Result<SavedGameContent> content = currentGame();
  if (!content) return fail();
  if (!storeSavedGame(files, path, savedGameBytes(content.value()))) return fail();

  LoadSaveGames();
  window_.unload();
}

void SaveGameWindow::Command3_Click() {
  ui::UserInterface& ui = program_.platform().ui;
  const std::optional<std::string> selected = selectedSavedGame(window_);
  if (!selected) {
    ui.messageBox("Please select the game you want to remove.", MsgBoxButtons::Ok, MsgBoxIcon::Information,
                  kRemoveTitle);
    return;
  }
  const std::string path = savedGamePath(program_.state().paths, *selected);
  const ui::MsgBoxResult answer =
      ui.messageBox("Do you really want to remove '" + path + "'?\r\n\r\nClick 'Cancel' to abort.",
                    MsgBoxButtons::OkCancel, MsgBoxIcon::Question, kRemoveTitle);
  if (answer != ui::MsgBoxResult::Ok) return;
  if (!program_.platform().files.removeFile(path)) {
    ui.messageBox("Unable to remove '" + path + "'.", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, kRemoveTitle);
    return;
  }
  LoadSaveGames();
}

}  // namespace quorlen
