#include "app/runner/state_dump.h"

#include "startup/program.h"

namespace quorlen {

namespace {
using nlohmann::ordered_json;

const char* stateName(const ui::Window& w) {
  switch (w.state()) {
    case ui::Window::State::Unloaded: return "unloaded";
    case ui::Window::State::Hidden: return "hidden";
    case ui::Window::State::Shown: return "shown";
  }
  return "unloaded";
}

std::string pictureOf(const ui::Control& c) { return c.picture() ? c.picture()->path : std::string(); }

std::string cursorOf(const ui::Control& c) {
  return c.pointer().kind == ui::Pointer::Kind::Custom ? c.pointer().path : std::string("default");
}

ordered_json windows(const Program& p) {
  return ordered_json{{"frmWelcome", stateName(p.welcome().window())},
                      {"Game", stateName(p.game().window())},
                      {"frmLoadGame", stateName(p.loadGame().window())},
                      {"frmSaveGame", stateName(p.saveGame().window())}};
}

ordered_json paths(const GamePaths& g) {
  return ordered_json{{"GameFolder", g.GameFolder}, {"FramesPath", g.FramesPath}, {"AreasPath", g.AreasPath},
                      {"IconsPath", g.IconsPath},   {"ConfigPath", g.ConfigPath}};
}

ordered_json project(const ProjectInfo& i) {
  return ordered_json{{"GameKey", i.GameKey},         {"GameTitle", i.GameTitle},
                      {"StartFrame", i.StartFrame},   {"GameVersion", i.GameVersion},
                      {"GameWidth", i.GameWidth},     {"GameHeight", i.GameHeight},
                      {"GameAuthor", i.GameAuthor},   {"AuthorEmail", i.AuthorEmail},
                      {"HomePage", i.HomePage},       {"OfferResolutionChange", i.OfferResolutionChange}};
}

ordered_json frame(const FrameInfo& f) {
  return ordered_json{{"FrameName", f.FrameName},     {"BackgroundType", f.BackgroundType},
                      {"Background", f.Background},   {"TileBackground", f.TileBackground},
                      {"StopMusic", f.StopMusic},     {"MusicFile", f.MusicFile},
                      {"HasDuration", f.HasDuration}, {"Duration", f.Duration},
                      {"NextFrame", f.NextFrame},     {"MovieFile", f.MovieFile},
                      {"MusicAfterMovie", f.MusicAfterMovie}, {"AreasCount", f.AreasCount}};
}

ordered_json pairs(const VariablesCollection& store) {
  ordered_json list = ordered_json::array();
  for (const auto& member : store) list.push_back(ordered_json::array({member->Name(), member->Value()}));
  return list;
}

// The elements of a set that exist, template excluded, by index.
template <typename Fn>
ordered_json elements(const ui::Window& w, const std::string& set, Fn describe) {
  ordered_json list = ordered_json::array();
  if (!w.loaded()) return list;
  const int count = w.elementCount(set);
  for (int i = 1, found = 1; found < count && i < 100000; ++i) {
    const ui::Control* c = w.element(set, i);
    if (c == nullptr) continue;
    ++found;
    list.push_back(describe(i, *c));
  }
  return list;
}

ordered_json inventory(const GameWindow& g) {
  ordered_json list = ordered_json::array();
  if (!g.window().loaded()) return list;
  for (int slot = 1; slot <= g.ObjectsCount; ++slot) {
    const ui::Control* c = g.window().element("PickedObject", slot);
    if (c == nullptr) continue;
    list.push_back(ordered_json{{"slot", slot},        {"tag", c->tag()},   {"tooltip", c->toolTip()},
                                {"picture", pictureOf(*c)}, {"left", c->left()}, {"top", c->top()},
                                {"visible", c->visible()}});
  }
  return list;
}

ordered_json areas(const ui::Window& w) {
  return elements(w, "Area", [](int i, const ui::Control& c) {
    return ordered_json{{"index", i},          {"visible", c.visible()},  {"left", c.left()},
                        {"top", c.top()},      {"width", c.width()},      {"height", c.height()},
                        {"picture", pictureOf(c)}, {"stretch", c.stretch()}, {"cursor", cursorOf(c)}};
  });
}

ordered_json texts(const ui::Window& w) {
  return elements(w, "Text", [](int i, const ui::Control& c) {
    const ui::Font& f = c.font();
    return ordered_json{{"index", i},           {"caption", c.caption()},   {"left", c.left()},
                        {"top", c.top()},       {"font", f.name},           {"size", f.size},
                        {"bold", f.bold},       {"italic", f.italic},       {"strikethrough", f.strikethrough},
                        {"underline", f.underline}, {"color", c.foreColor()}, {"visible", c.visible()}};
  });
}

ordered_json player(const Mmedia* m) {
  if (m == nullptr) return nullptr;
  return ordered_json{{"alias", m->alias()}, {"file", m->FileName()}};
}

ordered_json game(const GameWindow& g) {
  if (!g.window().loaded()) return nullptr;
  const ui::Control& box = g.PictureBox();
  const ui::Control& back = g.BackImage();
  const ui::Control& cut = g.CutSceneArea();
  return ordered_json{
      {"PictureBox", {{"left", box.left()}, {"top", box.top()}, {"width", box.width()}, {"height", box.height()},
                      {"color", box.backColor()}, {"visible", box.visible()}}},
      {"BackImage", {{"picture", pictureOf(back)}, {"left", back.left()}, {"top", back.top()},
                     {"width", back.width()}, {"height", back.height()}}},
      {"ImageTile", {{"picture", pictureOf(g.ImageTile())}}},
      {"CutSceneArea", {{"left", cut.left()}, {"top", cut.top()}, {"width", cut.width()},
                        {"height", cut.height()}, {"visible", cut.visible()}}},
  };
}

// The tiles the paint step drew on the frame display, as [X, Y] in twips.
ordered_json tiles(const GameWindow& g) {
  ordered_json list = ordered_json::array();
  if (!g.window().loaded()) return list;
  for (const ui::DrawnPicture& d : g.PictureBox().drawing()) list.push_back(ordered_json::array({d.x, d.y}));
  return list;
}

ordered_json welcome(const WelcomeWindow& wnd) {
  const ui::Window& w = wnd.window();
  if (!w.loaded()) return nullptr;
  auto line = [&w](const char* value) {
    const ui::Control& c = *w.find(value);
    return ordered_json{{"caption", c.caption()}, {"top", c.top()}, {"visible", c.visible()}};
  };
  const ui::Control& check = *w.find("chkResolution");
  return ordered_json{
      {"height", w.height()},
      {"chkResolution", {{"visible", check.visible()}, {"value", check.value()}, {"top", check.top()}}},
      {"txtAdventureName", w.find("txtAdventureName")->caption()},
      {"txtVersion", {{"caption", w.find("txtVersion")->caption()}, {"top", w.find("txtVersion")->top()}}},
      {"author", line("txtAuthor")},
      {"email", line("txtEmail")},
      {"homepage", line("txtHomepage")},
      {"Picture1", {{"visible", w.find("Picture1")->visible()}}},
  };
}

ordered_json listOf(const ui::Window& w) {
  if (!w.loaded()) return nullptr;
  return ordered_json(w.find("List1")->items());
}

ordered_json stack(const GameWindow& g) {
  ordered_json list = ordered_json::array();
  if (!g.window().loaded()) return list;
  for (const ui::Control* c : g.PictureBox().children()) {
    if (c->index() && *c->index() == 0) continue;
    list.push_back(c->qualifiedName());
  }
  return list;
}
}  // namespace

ordered_json dumpState(const Program& p) {
  const ProgramState& s = p.state();
  const GameWindow& g = p.game();
  const ui::Window& gw = g.window();
  const MediaPlayers& players = p.players();
  const platform::Display& display = p.platform().display;
  ordered_json lists{{"frmLoadGame", listOf(p.loadGame().window())},
                     {"frmSaveGame", listOf(p.saveGame().window())},
                     {"saveName", p.saveGame().window().loaded()
                                      ? ordered_json(p.saveGame().window().find("Text1")->text())
                                      : ordered_json(nullptr)}};
  return ordered_json{
      {"windows", windows(p)},
      {"paths", paths(s.paths)},
      {"project", project(s.project)},
      {"frame", frame(s.frame)},
      {"variables", pairs(g.Variables)},
      {"disappear", pairs(g.Disappear)},
      {"inventory", inventory(g)},
      {"areas", areas(gw)},
      {"texts", texts(gw)},
      {"display", {{"width", display.width()}, {"height", display.height()},
                   {"saved", ordered_json::array({s.SavedScreenWidth, s.SavedScreenHeight})}}},
      {"menus", gw.loaded() && g.mnuExit().visible()},
      {"timer", {{"enabled", gw.loaded() && g.Timer1().timerEnabled()},
                 {"interval", gw.loaded() ? g.Timer1().interval() : 0}}},
      {"movieStopRequest", g.MovieStopRequest},
      {"players", {{"music", player(players.music())}, {"sound", player(players.sound())},
                   {"movie", player(players.movie())}}},
      {"game", game(g)},
      {"welcome", welcome(p.welcome())},
      {"lists", lists},
      {"stack", stack(g)},
      {"tiles", tiles(g)},
  };
}

}  // namespace quorlen
