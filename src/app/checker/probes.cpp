#include "app/checker/probes.h"

#include <exception>

namespace quorlen::checker {

namespace {

class Probe {
 public:
  Probe(GameSession& session, const GameIndex& index)
      : session_(session), index_(index), game_(session.program().game()) {}

  ProbeMessages run() {
    GameState base = session_.state();
    base.gone.clear();
    base.items.clear();
    for (const auto& [name, f] : index_.frames) {
      if (f.exists) frame(base, name, f);
    }
    GameState at = base;
    at.frame = index_.startFrame;
    for (const Combination& c : index_.combinations) {
      GameState holding = at;
      holding.items = {c.dragged, c.target};
      session_.restore(holding);
      ui::Control* icon = game_.window().element("PickedObject", 1);
      if (icon == nullptr || game_.ObjectsCount < 2) continue;
      (void)watching([&] {
        game_.DraggedObject = 1;
        game_.PickedObject_DragDrop(2, *icon, 0, 0);
      });
    }
    session_.restore(at);
    const std::string& areasPath = session_.program().state().paths.AreasPath;
    for (const auto& [path, failure] : index_.itemFiles) {
      const std::string name = path.substr(areasPath.size(), path.size() - areasPath.size() - 4);
      (void)watching([&] {
        game_.AddPickedObject(name);
        while (game_.ObjectsCount > 0) game_.RemovePickedObject(game_.ObjectsCount);
      });
    }
    return std::move(shown_);
  }

 private:
  void frame(const GameState& base, const std::string& name, const FrameInfoIndex& f) {
    GameState at = base;
    at.frame = name;
    session_.restore(at);
    shown_.byFrame[name] = watching([&] { game_.OpenFrame(name); });
    for (const AreaInfo& a : f.areas) {
      session_.restore(at);
      if (game_.window().element("Area", a.number) == nullptr) continue;
      (void)watching([&] { game_.Area_MouseDown(a.number, static_cast<int>(ui::MouseButton::Left), 0, 0, 0); });
      for (const auto& [item, task] : a.drops) {
        GameState holding = at;
        holding.items = {item};
        session_.restore(holding);
        ui::Control* icon = game_.window().element("PickedObject", 1);
        if (icon == nullptr || game_.window().element("Area", a.number) == nullptr) continue;
        (void)watching([&] {
          game_.DraggedObject = 1;
          game_.Area_DragDrop(a.number, *icon, 0, 0);
        });
      }
    }
  }

  template <typename Step>
  std::vector<ShownMessage> watching(Step step) {
    session_.machine().watch();
    try {
      step();
    } catch (const std::exception&) {
      // A probe the game cannot finish shows what it showed so far.
    } catch (const ui::ProgramEnded&) {
    }
    std::vector<ShownMessage> shown = session_.machine().taken().messages;
    shown_.all.insert(shown_.all.end(), shown.begin(), shown.end());
    return shown;
  }

  GameSession& session_;
  const GameIndex& index_;
  GameWindow& game_;
  ProbeMessages shown_;
};

}  // namespace

ProbeMessages probeGame(GameSession& session, const GameIndex& index) { return Probe(session, index).run(); }

}  // namespace quorlen::checker
