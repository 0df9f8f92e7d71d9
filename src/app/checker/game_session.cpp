#include "app/checker/game_session.h"

#include <algorithm>

#include "areas/area_files.h"

namespace quorlen::checker {

namespace {

// The events of the runner's `click` on a control (or a window).
std::vector<ui::InputEvent> clickOn(const ui::Window& window, const ui::Control* control) {
  ui::Twips x = window.innerWidth() / 2;
  ui::Twips y = window.innerHeight() / 2;
  if (control != nullptr) {
    const auto [left, top] = window.originOf(*control);
    x = left + control->width() / 2;
    y = top + control->height() / 2;
  }
  const ui::Handle on = control != nullptr ? control->handle() : window.handle();
  return {ui::PointerDown{window.handle(), on, x, y, ui::MouseButton::Left},
          ui::PointerUp{window.handle(), x, y, ui::MouseButton::Left, on}};
}

// The events of the runner's `drag` from one control to another.
std::vector<ui::InputEvent> dragOnto(const ui::Window& window, const ui::Control& source, const ui::Control& target) {
  const auto [sl, st] = window.originOf(source);
  const auto [tl, tt] = window.originOf(target);
  return {ui::PointerDown{window.handle(), source.handle(), sl + source.width() / 2, st + source.height() / 2,
                          ui::MouseButton::Left},
          ui::PointerUp{window.handle(), tl + target.width() / 2, tt + target.height() / 2, ui::MouseButton::Left,
                        target.handle()}};
}

}  // namespace

GameSession::GameSession(const std::string& gameFolder)
    : machine_(gameFolder), program_(std::make_unique<Program>(machine_.platform())) {}

Outcome GameSession::startNewGame() {
  machine_.watch();
  program_->start();
  ui::Window& welcome = program_->welcome().window();
  machine_.post("click frmWelcome.Image5", clickOn(welcome, welcome.find("Image5")));
  frameOpen_ = true;
  Outcome outcome;
  outcome.ended = !program_->game().window().loaded();
  outcome.happened = machine_.taken();
  return outcome;
}

GameState GameSession::state() const {
  const GameWindow& game = program_->game();
  GameState s;
  s.frame = program_->state().frame.FrameName;
  for (const auto& member : game.Variables) s.values.push_back(member->Value());
  for (const auto& member : game.Disappear) s.gone.emplace_back(member->Name(), member->Value());
  for (int slot = 1; slot <= game.ObjectsCount; ++slot) s.items.push_back(itemTag(slot));
  return s;
}

std::string GameSession::itemTag(int slot) const {
  const ui::Control* item = program_->game().window().element("PickedObject", slot);
  return item != nullptr ? item->tag() : std::string();
}

void GameSession::restore(const GameState& target) {
  GameWindow& game = program_->game();
  // An input that changed nothing of the state (a look that only shows a
  // message) left the game as it was: the player has run its visibility
  // pass after it already.
  if (game.window().loaded() && frameOpen_ && state() == target) {
    game.MovieStopRequest = false;
    return;
  }
  if (!game.window().loaded()) {
    // The last input ended the game: a new one is set up as loading a saved
    // game sets it up.
    game.window().load();
    game.ResetAll();
    game.LoadVariables();
    game.window().show();
    program_->welcome().window().hide();
    frameOpen_ = false;
  }
  std::size_t i = 0;
  for (const auto& member : game.Variables) {
    member->setValue(i < target.values.size() ? target.values[i] : std::int16_t{0});
    ++i;
  }
  game.Disappear.Empty();
  for (const auto& [frame, area] : target.gone) game.Disappear.Add(frame, area);

  // The items: those past the slots both agree on go, the rest come.
  std::size_t same = 0;
  while (same < target.items.size() && static_cast<int>(same) < game.ObjectsCount &&
         itemTag(static_cast<int>(same) + 1) == target.items[same]) {
    ++same;
  }
  while (game.ObjectsCount > static_cast<std::int16_t>(same)) game.RemovePickedObject(game.ObjectsCount);
  for (std::size_t k = same; k < target.items.size(); ++k) game.AddPickedObject(target.items[k]);

  if (!frameOpen_ || program_->state().frame.FrameName != target.frame) {
    game.OpenFrame(target.frame);
    frameOpen_ = true;
  } else {
    game.ShowOrNotShowAreas();
  }
  game.MovieStopRequest = false;
}

ui::Control* GameSession::shownArea(int n) const {
  ui::Control* area = program_->game().window().element("Area", n);
  return area != nullptr && area->visible() ? area : nullptr;
}

std::vector<Action> GameSession::actions() {
  std::vector<Action> found;
  GameWindow& game = program_->game();
  if (!game.window().loaded()) return found;
  const int areas = game.window().elementCount("Area");
  for (int n = 1; n < areas; ++n) {
    if (shownArea(n) != nullptr) found.push_back({Action::Kind::Click, static_cast<std::int16_t>(n), 0});
  }
  platform::FileSystem& files = machine_.files();
  const ProgramState& s = program_->state();
  for (int slot = 1; slot <= game.ObjectsCount; ++slot) {
    const std::string tag = itemTag(slot);
    for (int n = 1; n < areas; ++n) {
      if (shownArea(n) == nullptr) continue;
      if (files.fileExists(areaFilePath(s, n, "_" + tag + ".drg"))) {
        found.push_back({Action::Kind::Drop, static_cast<std::int16_t>(slot), static_cast<std::int16_t>(n)});
      }
    }
    for (int other = 1; other <= game.ObjectsCount; ++other) {
      if (other == slot) continue;
      if (files.fileExists(s.paths.AreasPath + tag + "_on_" + itemTag(other) + ".drg")) {
        found.push_back({Action::Kind::Combine, static_cast<std::int16_t>(slot), static_cast<std::int16_t>(other)});
      }
    }
  }
  const ui::Control& timer = game.Timer1();
  if (timer.enabled() && timer.interval() > 0 && !s.frame.NextFrame.empty()) {
    found.push_back({Action::Kind::Wait, 0, 0});
  }
  return found;
}

std::string GameSession::scriptLine(const Action& action) {
  switch (action.kind) {
    case Action::Kind::Click: return "click Game.Area(" + std::to_string(action.a) + ")";
    case Action::Kind::Drop:
      return "drag Game.PickedObject(" + std::to_string(action.a) + ") Game.Area(" + std::to_string(action.b) + ")";
    case Action::Kind::Combine:
      return "drag Game.PickedObject(" + std::to_string(action.a) + ") Game.PickedObject(" +
             std::to_string(action.b) + ")";
    case Action::Kind::Wait: return "wait " + std::to_string(program_->game().Timer1().interval());
  }
  return {};
}

Outcome GameSession::perform(const Action& action) {
  GameWindow& game = program_->game();
  ui::Window& window = game.window();
  const std::string line = scriptLine(action);
  machine_.watch();
  switch (action.kind) {
    case Action::Kind::Click: machine_.post(line, clickOn(window, window.element("Area", action.a))); break;
    case Action::Kind::Drop:
      machine_.post(line, dragOnto(window, *window.element("PickedObject", action.a),
                                   *window.element("Area", action.b)));
      break;
    case Action::Kind::Combine:
      machine_.post(line, dragOnto(window, *window.element("PickedObject", action.a),
                                   *window.element("PickedObject", action.b)));
      break;
    case Action::Kind::Wait: machine_.post(line, {ui::TimerDue{game.Timer1().handle()}}); break;
  }
  Outcome outcome;
  outcome.ended = !window.loaded();
  outcome.happened = machine_.taken();
  return outcome;
}

}  // namespace quorlen::checker
