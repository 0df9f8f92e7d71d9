// Opening a frame, and the frame timer that moves on to the next one.
#include <cmath>
#include <cstdlib>
#include <exception>
#include <limits>
#include <optional>

#include "engine/frame_files.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {
bool isPlaying(Mmedia& player) { return player.Status() == "playing"; }

// The colour of a colour frame: the text as a whole number.
std::optional<ui::Color> colourOf(const std::string& text) {
  const char* begin = text.c_str();
  while (*begin == ' ') ++begin;
  if (*begin == '\0') return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  while (end != nullptr && *end == ' ') ++end;
  if (end == nullptr || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<ui::Color>::min() || rounded > std::numeric_limits<ui::Color>::max()) {
    return std::nullopt;
  }
  return static_cast<ui::Color>(rounded);
}
}  // namespace

void GameWindow::OpenFrame(const std::string& CurrentFrame) {
  GameContext c = context();
  c.platform.ui.frameOpening(CurrentFrame);
  ProgramState& state = program_.state();
  const FrameInfo& frame = state.frame;
  ClearFrameInfo(state.frame);
  ResetFrameAreas();
  ResetFrameTexts();
  ReadFrame(c, CurrentFrame);
  Timer1().setTimerEnabled(false);
  Timer1().setInterval(0);

  MediaPlayers& players = program_.players();
  const std::string musicPath = state.paths.FramesPath + frame.MusicFile;
  try {
    if (frame.StopMusic) players.MusicPlayer().mmClose();
    const bool playing = isPlaying(players.MusicPlayer());
    if (!frame.MusicFile.empty() && !playing && (frame.MovieFile.empty() || !frame.MusicAfterMovie)) {
      players.MusicPlayer().mmOpen(musicPath);
      players.MusicPlayer().mmPlay();
    }
  } catch (const std::exception&) {
    program_.platform().ui.messageBox("Unable to play music.", ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation,
                                      state.project.GameTitle);
  }

  MovieStopRequest = false;
  if (!frame.MovieFile.empty()) PlayMovieWithStop(state.paths.FramesPath + frame.MovieFile, PictureBox());
  showBackground();
  LoadTexts();
  if (ReadAreasCount(c) >= 1) {
    LoadAreas();
    ShowOrNotShowAreas();
    for (int i = 1; i <= ObjectsCount; ++i) {
      if (ui::Control* item = window_.element("PickedObject", i)) item->bringToFront();
    }
  }

  try {
    const bool playing = isPlaying(players.MusicPlayer());
    if (!frame.MusicFile.empty() && !playing && !frame.MovieFile.empty() && frame.MusicAfterMovie) {
      players.MusicPlayer().mmOpen(musicPath);
      players.MusicPlayer().mmPlay();
    }
  } catch (const std::exception&) {
    program_.platform().ui.messageBox("Unable to play music.", ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation,
                                      state.project.GameTitle);
  }
  if (!frame.MovieFile.empty()) players.MoviePlayer().StopMovie();
  MovieStopRequest = false;
  PictureBox().setVisible(true);
  armFrameTimer();
}

void GameWindow::showBackground() {
  const ProgramState& state = program_.state();
  const FrameInfo& frame = state.frame;
  ui::UserInterface& ui = program_.platform().ui;
  const std::string picturePath = state.paths.FramesPath + frame.Background;
  switch (frame.BackgroundType) {
    case 1:
      if (frame.TileBackground) {
        if (auto picture = ui.loadPicture(picturePath)) ImageTile().setPicture(picture.value());
        BackImage().setPicture(std::nullopt);
      } else {
        ImageTile().setPicture(std::nullopt);
        if (auto picture = ui.loadPicture(picturePath)) BackImage().setPicture(picture.value());
      }
      break;
    case 0:
      BackImage().setPicture(std::nullopt);
      if (auto colour = colourOf(frame.Background)) PictureBox().setBackColor(*colour);
      break;
    default: break;
  }
}

void GameWindow::armFrameTimer() {
  const FrameInfo& frame = program_.state().frame;
  if (!frame.HasDuration) return;
  Timer1().setTimerEnabled(true);
  // The interval is a 16-bit product of the duration; a negative interval
  // cannot be set.
  const std::int32_t interval = std::int32_t{frame.Duration} * 1000;
  if (interval < 0 || interval > std::numeric_limits<std::int16_t>::max()) {
    program_.platform().ui.messageBox(
        "Unable to load frame duration. The game may not work properly. Press 'Esc' and then click 'Exit' to quit "
        "the game.",
        ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, program_.state().project.GameTitle);
    return;
  }
  Timer1().setInterval(interval);
}

void GameWindow::Timer1_Timer() {
  // The window is closing (its media are already closed): the frame's time
  // running out then opens no frame, which would start its music again.
  if (closing_) return;
  // An area task in progress (inside its message box or its video wait)
  // keeps its frame: the move waits until the task has returned.
  if (tasksInProgress_ > 0) {
    frameMoveHeld_ = true;
    return;
  }
  const std::string next = program_.state().frame.NextFrame;
  if (!next.empty()) OpenFrame(next);
}

}  // namespace quorlen
