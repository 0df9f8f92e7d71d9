// The in-game menu, the keyboard, and leaving the game window.
#include "engine/game_window.h"
#include "startup/display_checks.h"
#include "startup/program.h"

namespace quorlen {

void GameWindow::ShowMenus() {
  mnuExit().setVisible(true);
  mnuSaveGame().setVisible(true);
}

void GameWindow::HideMenus() {
  mnuExit().setVisible(false);
  mnuSaveGame().setVisible(false);
}

void GameWindow::toggleMenus() {
  if (!mnuExit().visible()) {
    ShowMenus();
  } else {
    HideMenus();
  }
}

void GameWindow::PictureBox_KeyDown(int KeyCode, int /*Shift*/) {
  const bool playing = PlayingMovieOrNot();
  if (!playing && KeyCode == ui::kKeyEscape) toggleMenus();
  if (KeyCode == ui::kKeyEscape) MovieStopRequest = true;
}

void GameWindow::mnuExit_Click() { window_.unload(); }

void GameWindow::mnuSaveGame_Click() {
  SaveGameWindow& save = program_.saveGame();
  save.LoadSaveGames();
  save.window().showModal();
}

void GameWindow::Form_Unload(int& /*Cancel*/) {
  // While pending events run below, the frame timer opens no frame.
  closing_ = true;
  MediaPlayers& players = program_.players();
  players.MusicPlayer().mmClose();
  players.SoundPlayer().mmClose();
  players.MoviePlayer().mmClose();
  window_.hide();
  ui::UserInterface& ui = program_.platform().ui;
  ui.doEvents();
  GameContext c = context();
  RestoreDisplayResolution(c);
  ui.doEvents();
  closing_ = false;
  program_.welcome().window().show();
}

void GameWindow::BackImage_MouseDown(int Button, int /*Shift*/, ui::Twips /*x*/, ui::Twips /*y*/) {
  MovieStopRequest = true;
  if (PlayingMovieOrNot()) return;
  if (Button == static_cast<int>(ui::MouseButton::Right)) {
    toggleMenus();
    return;
  }
  HideMenus();
}

void GameWindow::Form_MouseDown(int Button, int Shift, ui::Twips x, ui::Twips y) {
  BackImage_MouseDown(Button, Shift, x, y);
}

void GameWindow::connectInput() {
  ui::Window& w = window_;
  auto button = [](const ui::MouseArgs& a) { return static_cast<int>(a.button); };
  w.onUnload = [this](int& cancel) { Form_Unload(cancel); };
  w.onMouseDown = [this, button](const ui::MouseArgs& a) { Form_MouseDown(button(a), a.shift, a.x, a.y); };
  BackImage().onMouseDown = [this, button](ui::Control&, const ui::MouseArgs& a) {
    BackImage_MouseDown(button(a), a.shift, a.x, a.y);
  };
  PictureBox().onKeyDown = [this](ui::Control&, int key, int shift) { PictureBox_KeyDown(key, shift); };
  mnuExit().onClick = [this](ui::Control&) { mnuExit_Click(); };
  mnuSaveGame().onClick = [this](ui::Control&) { mnuSaveGame_Click(); };
  w.element("Area", 0)->onMouseDown = [this, button](ui::Control& c, const ui::MouseArgs& a) {
    Area_MouseDown(c.indexOr0(), button(a), a.shift, a.x, a.y);
  };
  w.element("Area", 0)->onDragDrop = [this](ui::Control& c, ui::Control& source, ui::Twips x, ui::Twips y) {
    Area_DragDrop(c.indexOr0(), source, x, y);
  };
  w.element("Text", 0)->onMouseDown = [this, button](ui::Control& c, const ui::MouseArgs& a) {
    Text_MouseDown(c.indexOr0(), button(a), a.shift, a.x, a.y);
  };
  w.element("PickedObject", 0)->onMouseDown = [this, button](ui::Control& c, const ui::MouseArgs& a) {
    PickedObject_MouseDown(c.indexOr0(), button(a), a.shift, a.x, a.y);
  };
  w.element("PickedObject", 0)->onDragDrop = [this](ui::Control& c, ui::Control& source, ui::Twips x, ui::Twips y) {
    PickedObject_DragDrop(c.indexOr0(), source, x, y);
  };
}

}  // namespace quorlen
