// The game window's wait for a video: it ends when the video stops or when
// a press or Esc asks it to.
#include <algorithm>
#include <cctype>

#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {
constexpr int kStatusPollMilliseconds = 15;

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}
}  // namespace

void GameWindow::PlayMovieWithStop(std::string FileName, ui::Control& WhereToPlay) {
  window_.show();
  ui::UserInterface& ui = program_.platform().ui;
  Mmedia& movie = program_.players().MoviePlayer();
  movie.PlayMovie(FileName, WhereToPlay);
  ui.doEvents();
  MovieStopRequest = false;
  ++movieWaits_;
  while (lowerCase(movie.Status()) != "stopped" && !MovieStopRequest) {
    ui.waitEvents(kStatusPollMilliseconds);
  }
  --movieWaits_;
  MovieStopRequest = false;
}

bool GameWindow::PlayingMovieOrNot() {
  const bool playing = lowerCase(program_.players().MoviePlayer().Status()) == "playing";
  // A press during the wait for a video that could not be opened only ends
  // the wait: it must not run its handler's action inside the opening of a
  // frame.
  return playing || movieWaits_ > 0;
}

}  // namespace quorlen
