#include "engine/game_window.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "startup/display_checks.h"
#include "startup/program.h"

namespace quorlen {

namespace {
using ui::ControlKind;

const ui::Font kTextTemplateFont{"Arial", 24.0, true, false, false, false};

// A product of 16-bit integers that must fit 16 bits.
std::int16_t multiply16(std::int32_t a, std::int32_t b) {
  const std::int32_t product = a * b;
  if (product < std::numeric_limits<std::int16_t>::min() || product > std::numeric_limits<std::int16_t>::max()) {
    throw std::overflow_error("16-bit overflow");
  }
  return static_cast<std::int16_t>(product);
}
}  // namespace

GameWindow::GameWindow(Program& program) : program_(program), window_(program.windows(), "Game") {
  window_.setFramed(false);
  window_.onCreate = [this] { createControls(); };
  window_.onLoad = [this] { Form_Load(); };
}

GameContext GameWindow::context() { return program_.context(); }

void GameWindow::createControls() {
  ui::Window& w = window_;
  w.setTitle(program_.state().project.GameTitle);
  w.setBackColor(ui::kBlack);
  ui::Control& display = w.add(ControlKind::PictureBox, "PictureBox");
  display.setBackColor(ui::kBlack);
  ui::Control& back = w.add(ControlKind::Image, "BackImage", &display);
  back.setStretch(true);
  ui::Control& tile = w.add(ControlKind::Image, "ImageTile", &display);
  tile.setVisible(false);
  w.addSet(ControlKind::Image, "Area", &display).setStretch(false);
  ui::Control& text = w.addSet(ControlKind::Label, "Text", &display);
  text.setFont(kTextTemplateFont);
  text.setAutoSize(true);
  text.setBackTransparent(true);
  text.setCaption("Text");
  w.addSet(ControlKind::Image, "PickedObject", &display);
  ui::Control& cutScene = w.add(ControlKind::PictureBox, "CutSceneArea", &display);
  cutScene.setVisible(false);
  cutScene.setBackColor(ui::kBlack);
  ui::Control& timer = w.add(ControlKind::Timer, "Timer1");
  timer.setTimerEnabled(false);
  timer.setInterval(0);
  w.add(ControlKind::FileList, "File1").setVisible(false);
  w.add(ControlKind::MenuEntry, "mnuExit").setCaption("Exit");
  w.add(ControlKind::MenuEntry, "mnuSaveGame").setCaption("Save game");
  mnuExit().setVisible(false);
  mnuSaveGame().setVisible(false);
  w.setFocus(&display);

  display.onPaint = [this](ui::Control&) { PictureBox_Paint(); };
  timer.onTimer = [this](ui::Control&) { Timer1_Timer(); };
  connectInput();
}

void GameWindow::Form_Load() {
  platform::Platform& p = program_.platform();
  window_.setLeft(0);
  window_.setTop(0);
  window_.setHeight(GetScreenHeight(p) * ui::kTwipsPerPixel);
  window_.setWidth(GetScreenWidth(p) * ui::kTwipsPerPixel);
}

void GameWindow::ResetAll() {
  try {
    Variables.Empty();
    Disappear.Empty();
    ObjectsCount = 0;
    const int elements = window_.elementCount("PickedObject");
    for (int i = 1; i <= elements - 1; ++i) window_.unloadElement("PickedObject", i);
    window_.setBackColor(ui::kBlack);
    PictureBox().setBackColor(ui::kBlack);
    BackImage().setLeft(0);
    BackImage().setTop(0);
    const ProjectInfo& project = program_.state().project;
    PictureBox().setWidth(multiply16(project.GameWidth, ui::kTwipsPerPixel));
    PictureBox().setHeight(multiply16(project.GameHeight, ui::kTwipsPerPixel));
    const ui::Twips screenWidth = GetScreenWidth(program_.platform()) * ui::kTwipsPerPixel;
    const ui::Twips screenHeight = GetScreenHeight(program_.platform()) * ui::kTwipsPerPixel;
    PictureBox().setLeft(screenWidth / 2 - PictureBox().width() / 2);
    PictureBox().setTop(screenHeight / 2 - PictureBox().height() / 2);
    BackImage().move(0, 0, multiply16(project.GameWidth, ui::kTwipsPerPixel),
                     multiply16(project.GameHeight, ui::kTwipsPerPixel));
  } catch (const std::exception&) {
    program_.platform().ui.messageBox(
        "An error has occured while initializing the game. The game may not work properly. Press 'Esc' and then "
        "click 'Exit' to quit the game.",
        ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
  }
}

void GameWindow::StartNewGame() {
  LoadVariables();
  OpenFrame(program_.state().project.StartFrame);
}

void GameWindow::PictureBox_Paint() {
  if (!program_.state().frame.TileBackground) return;
  const ui::Control& tile = ImageTile();
  if (!tile.picture()) return;
  const ui::Twips stepX = tile.width();
  const ui::Twips stepY = tile.height();
  if (stepX <= 0 || stepY <= 0) return;
  ui::Control& display = PictureBox();
  // X and Y are 16-bit: a display wider than 16 bits of twips stops the
  // painting where the count overflows.
  constexpr std::int32_t kLimit = std::numeric_limits<std::int16_t>::max();
  for (std::int32_t x = 0; x <= display.width() && x <= kLimit; x += stepX) {
    for (std::int32_t y = 0; y <= display.height() && y <= kLimit; y += stepY) {
      display.drawPicture(*tile.picture(), x, y);
    }
  }
}

void GameWindow::LoadVariables() {
  GameContext c = context();
  quorlen::LoadVariables(c, Variables);
}

void GameWindow::ChangeVariableValue(const std::string& VariableName, std::int16_t NewValue) {
  quorlen::ChangeVariableValue(Variables, VariableName, NewValue);
}

std::int16_t GameWindow::GetVariableValue(const std::string& VariableName) const {
  return quorlen::GetVariableValue(Variables, VariableName);
}

}  // namespace quorlen
