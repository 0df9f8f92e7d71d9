// The press handler of the areas and the area task it runs.
//
// A task file (n "b.dat" for a click on area n, n "_" item name ".drg" for
// a drop of that item on it) holds, in this order:
//   1 change variable   2 variable name   3 set to 0   4 set to 1   5 flip
//   6 show message      7 message
//   8 play sound        9 sound file, in the Areas folder
//   10 disappear (a click: the area; a drop: the dropped item)
//   11 end game (nothing after it is read or done)
//   12 go to frame      13 frame name (opened last, when the task is done)
// and, optionally, read without reporting any failure:
//   14 stop music       15 stop sound
//   16 play video       17 video file, in the Frames folder   18 not used
//   19 own rectangle    20-23 its left, top, width, height in pixels
// Each effect happens as soon as its fields are read.
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
#include <string>

#include "areas/area_files.h"
#include "common/field_reader.h"
#include "engine/frame_files.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

constexpr std::int16_t kStaysInFrame = 0;
constexpr std::int16_t kEndsGame = 1;
constexpr std::int16_t kOpensFrame = 2;
constexpr std::int16_t kFlip = -1;

// Counts an area task as running for as long as it is in scope.
class TaskInProgress {
 public:
  explicit TaskInProgress(int& count) : count_(count) { ++count_; }
  ~TaskInProgress() { --count_; }
  TaskInProgress(const TaskInProgress&) = delete;
  TaskInProgress& operator=(const TaskInProgress&) = delete;

 private:
  int& count_;
};

// What fields 11 to 13 decided.
struct TaskEnd {
  bool endsGame = false;
  std::int16_t goToFrame = 0;
  std::string frameName;
};

// A box side in pixels as twips, when the product fits 16 bits.
std::optional<ui::Twips> boxSide(std::int16_t pixels) {
  const std::int32_t twips = std::int32_t{pixels} * ui::kTwipsPerPixel;
  if (twips < std::numeric_limits<std::int16_t>::min() || twips > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return twips;
}

// A width or height: the window system takes no negative size.
std::optional<ui::Twips> boxSize(std::int16_t pixels) {
  if (pixels < 0) return std::nullopt;
  return boxSide(pixels);
}

class AreaTask {
 public:
  AreaTask(GameWindow& game, std::int16_t area, std::int16_t object)
      : game_(game), c_(game.program().context()), area_(area), object_(object) {}

  std::int16_t run() {
    std::optional<FieldReader> file = openTaskFile();
    if (!file) {
      // A drop that the area has no task for does nothing.
      if (object_ == 0) reportFailure();
      return kStaysInFrame;
    }
    Result<TaskEnd> end = runReportedSteps(*file);
    if (!end) {
      file.reset();
      reportFailure();
      return kStaysInFrame;
    }
    if (end.value().endsGame) return kEndsGame;
    runOptionalSteps(*file);
    // The task file is closed before the next frame opens.
    file.reset();
    if (end.value().goToFrame == 0) return kStaysInFrame;
    game_.OpenFrame(end.value().frameName);
    return kOpensFrame;
  }

 private:
  std::optional<FieldReader> openTaskFile() {
    std::string ending = kClickTaskFileEnding;
    if (object_ != 0) {
      const ui::Control* item = game_.window().element("PickedObject", object_);
      if (item == nullptr) return std::nullopt;
      ending = "_" + item->tag() + ".drg";
    }
    auto opened = FieldReader::open(c_.platform.files, areaFilePath(c_.state, area_, ending));
    if (!opened) return std::nullopt;
    return std::move(opened).value();
  }

  void reportFailure() {
    c_.platform.ui.messageBox(
        "Unable to complete area task. The game may not work properly. Press 'Esc' and then click 'Exit' to quit "
        "the game.",
        ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
  }

  // Fields 1 to 13: any failure ends the task with the message; what was
  // done before it stays done.
  Result<TaskEnd> runReportedSteps(FieldReader& file) {
    try {
      if (auto r = changeVariable(file); !r) return r.error();
      if (auto r = showMessage(file); !r) return r.error();
      if (auto r = playSound(file); !r) return r.error();
      if (auto r = disappear(file); !r) return r.error();
      return readEnd(file);
    } catch (const std::exception& e) {
      return makeError(ErrorKind::Invalid, e.what());
    }
  }

  // Fields 1 to 5: every true choice is applied, in file order.
  Result<void> changeVariable(FieldReader& file) {
    auto change = file.readInt16();
    if (!change) return change.error();
    auto name = file.readText();
    if (!name) return name.error();
    for (const std::int16_t newValue : {std::int16_t{0}, std::int16_t{1}, kFlip}) {
      auto choice = file.readValue();
      if (!choice) return choice.error();
      if (choice.value().isTrue() && change.value() != 0) game_.ChangeVariableValue(name.value(), newValue);
    }
    return {};
  }

  Result<void> showMessage(FieldReader& file) {
    auto show = file.readValue();
    if (!show) return show.error();
    auto message = file.readValue();
    if (!message) return message.error();
    if (show.value().isSet()) ShowGameMessage(c_, message.value().asText());
    return {};
  }

  Result<void> playSound(FieldReader& file) {
    auto play = file.readValue();
    if (!play) return play.error();
    auto sound = file.readValue();
    if (!sound) return sound.error();
    if (play.value().isSet()) {
      Mmedia& player = c_.players.SoundPlayer();
      player.mmOpen(c_.state.paths.AreasPath + sound.value().asText());
      player.mmPlay();
    }
    return {};
  }

  Result<void> disappear(FieldReader& file) {
    auto gone = file.readValue();
    if (!gone) return gone.error();
    if (!gone.value().isSet()) return {};
    if (object_ == 0) {
      game_.Disappear.Add(c_.state.frame.FrameName, area_);
    } else {
      game_.RemovePickedObject(object_);
    }
    return {};
  }

  Result<TaskEnd> readEnd(FieldReader& file) {
    TaskEnd end;
    auto endGame = file.readValue();
    if (!endGame) return endGame.error();
    if (endGame.value().isSet()) {
      end.endsGame = true;
      return end;
    }
    auto goTo = file.readInt16();
    if (!goTo) return goTo.error();
    end.goToFrame = goTo.value();
    auto frame = file.readText();
    if (!frame) return frame.error();
    end.frameName = std::move(frame).value();
    return end;
  }

  // Fields 14 on: a step that fails is skipped, a field that cannot be read
  // counts as 0 or empty, and nothing is reported.
  void runOptionalSteps(FieldReader& file) {
    if (file.atEnd()) return;
    if (file.readInt16().valueOr(0) != 0) ignoringFailures([this] { c_.players.MusicPlayer().mmClose(); });
    if (file.readInt16().valueOr(0) != 0) ignoringFailures([this] { c_.players.SoundPlayer().mmClose(); });
    if (file.readInt16().valueOr(0) != 0) playVideo(file);
  }

  void playVideo(FieldReader& file) {
    const std::string video = file.readText().valueOr(std::string());
    (void)file.readValue();
    const bool ownRectangle = file.readValue().valueOr(FieldValue::empty()).isTrue();
    const std::int16_t left = file.readInt16().valueOr(0);
    const std::int16_t top = file.readInt16().valueOr(0);
    const std::int16_t width = file.readInt16().valueOr(0);
    const std::int16_t height = file.readInt16().valueOr(0);
    ui::Control& box = game_.CutSceneArea();
    box.setVisible(false);
    const std::string path = c_.state.paths.FramesPath + video;
    if (!ownRectangle) {
      ignoringFailures([&] { game_.PlayMovieWithStop(path, game_.PictureBox()); });
      return;
    }
    // A side that cannot be set keeps its place.
    if (auto v = boxSide(left)) box.setLeft(*v);
    if (auto v = boxSide(top)) box.setTop(*v);
    if (auto v = boxSize(width)) box.setWidth(*v);
    if (auto v = boxSize(height)) box.setHeight(*v);
    box.setVisible(true);
    box.bringToFront();
    ignoringFailures([&] { game_.PlayMovieWithStop(path, box); });
  }

  template <typename Step>
  static void ignoringFailures(Step step) {
    try {
      step();
    } catch (const std::exception&) {
      // Failures of the optional steps are not reported.
    }
  }

  GameWindow& game_;
  GameContext c_;
  std::int16_t area_;
  std::int16_t object_;
};

}  // namespace

std::int16_t GameWindow::MakeAction(std::int16_t AreaIndex, std::int16_t ObjectIndex) {
  std::int16_t result = kStaysInFrame;
  {
    const TaskInProgress task(tasksInProgress_);
    result = AreaTask(*this, AreaIndex, ObjectIndex).run();
  }
  runHeldFrameMove(result);
  return result;
}

void GameWindow::runHeldFrameMove(std::int16_t taskResult) {
  if (tasksInProgress_ > 0 || !frameMoveHeld_) return;
  frameMoveHeld_ = false;
  // A task that ended the game or opened another frame has left the frame
  // whose time ran out.
  if (taskResult != kStaysInFrame || !window_.loaded()) return;
  Timer1_Timer();
}

void GameWindow::Area_MouseDown(int Index, int Button, int /*Shift*/, ui::Twips /*x*/, ui::Twips /*y*/) {
  MovieStopRequest = true;
  if (PlayingMovieOrNot()) return;
  if (Button == static_cast<int>(ui::MouseButton::Right)) {
    toggleMenus();
    return;
  }
  std::int16_t result = kStaysInFrame;
  {
    // The whole click, closing the game window included, holds the frame
    // timer.
    const TaskInProgress task(tasksInProgress_);
    const auto area = static_cast<std::int16_t>(Index);
    HideMenus();
    PickOrNotPickObject(area);
    result = MakeAction(area, 0);
    ShowOrNotShowAreas();
    CutSceneArea().setVisible(false);
    program_.players().MoviePlayer().StopMovie();
    if (result == kEndsGame) window_.unload();
  }
  runHeldFrameMove(result);
}

}  // namespace quorlen
