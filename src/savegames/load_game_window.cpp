#include "savegames/load_game_window.h"

#include <optional>

#include "common/field_reader.h"
#include "savegames/saved_game_file.h"
#include "savegames/saved_game_list.h"
#include "savegames/saved_game_storage.h"
#include "startup/display_checks.h"
#include "startup/program.h"

namespace quorlen {

namespace {
using ui::ControlKind;
constexpr ui::Twips px(int pixels) { return pixels * ui::kTwipsPerPixel; }

// Hands the fields of a saved game to the game window as they are read.
class GameRestorer final : public SavedGameSink {
 public:
  explicit GameRestorer(GameWindow& game) : game_(game) {}
  void variable(const std::string& name, std::int16_t value) override { game_.ChangeVariableValue(name, value); }
  void disappeared(const std::string& frame, std::int16_t area) override { game_.Disappear.Add(frame, area); }
  void item(const std::string& name) override { game_.AddPickedObject(name); }

 private:
  GameWindow& game_;
};
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
  window_.setTop((p.display.height() * ui::kTwipsPerPixel - window_.height()) / 2);
  window_.setLeft((p.display.width() * ui::kTwipsPerPixel - window_.width()) / 2);
}

void LoadGameWindow::Command1_Click() { window_.unload(); }

void LoadGameWindow::List1_DblClick() { Command2_Click(); }

void LoadGameWindow::Command2_Click() {
  if (loading_) return;
  platform::Platform& p = program_.platform();
  const std::optional<std::string> selected = selectedSavedGame(window_);
  if (!selected) {
    p.ui.messageBox("Please select the game you want to load.", ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Information,
                    "Load previously saved game");
    return;
  }

  loading_ = true;
  struct LoadingEnds {
    bool& flag;
    ~LoadingEnds() { flag = false; }
  } loadingEnds{loading_};

  GameContext context = program_.context();
  WelcomeWindow& welcome = program_.welcome();
  const ui::Control& check = welcome.control("chkResolution");
  const bool switched = program_.state().project.OfferResolutionChange == 1 && check.value() == 1 && check.visible();
  if (switched) {
    window_.hide();
    welcome.window().hide();
    SwitchTo640x480(context);
  }

  GameWindow& game = program_.game();
  game.window().load();
  game.ResetAll();
  game.LoadVariables();

  const std::string path = savedGamePath(program_.state().paths, *selected);
  const Result<std::string> frame = restoreGame(path);
  if (!frame) {
    p.ui.messageBox("Unable to load '" + path + "'.", ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation,
                    "Unable to load previously saved game");
    if (switched) returnToWelcome();
    return;
  }

  game.OpenFrame(frame.value());
  window_.unload();
  game.window().show();
  welcome.window().hide();
}

Result<std::string> LoadGameWindow::restoreGame(const std::string& path) {
  Result<FieldReader> reader = FieldReader::open(program_.platform().files, path);
  if (!reader) return reader.error();
  GameRestorer restorer(program_.game());
  return readSavedGame(reader.value(), restorer);
}

void LoadGameWindow::returnToWelcome() {
  // Unloading ends this window's modal loop. The game window was loaded for
  // the switched display and never shown: leaving it as the player leaves a
  // game puts the display back and shows the welcome window, and the next
  // game gets a window made for the display it then finds.
  window_.unload();
  program_.game().window().unload();
  GameContext context = program_.context();
  RestoreDisplayResolution(context);
  program_.welcome().window().show();
}

}  // namespace quorlen
