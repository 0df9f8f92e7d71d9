#include "app/checker/game_index.h"

#include <cctype>
#include <deque>

#include "common/field_reader.h"
#include "common/path_resolver.h"

namespace quorlen::checker {

namespace {

// Reads one file field by field, noting the first field that fails.
class Walk {
 public:
  Walk(platform::FileSystem& files, const std::string& path) {
    auto opened = FieldReader::open(files, path);
    if (opened) {
      reader_.emplace(std::move(opened).value());
    } else {
      failure = FieldFailure{0, "the file", opened.error().detail};
    }
  }
  [[nodiscard]] bool ok() const { return !failure; }
  [[nodiscard]] bool atEnd() const { return reader_ && reader_->atEnd(); }

  std::optional<FieldValue> value(const char* name) { return take(name, [](FieldReader& r) { return r.readValue(); }); }
  std::optional<std::string> text(const char* name) { return take(name, [](FieldReader& r) { return r.readText(); }); }
  std::optional<std::int16_t> int16(const char* name) {
    return take(name, [](FieldReader& r) { return r.readInt16(); });
  }
  std::optional<bool> boolean(const char* name) {
    return take(name, [](FieldReader& r) { return r.readBoolean(); });
  }
  // A field read as a value and then taken as a 16-bit number.
  std::optional<std::int16_t> count(const char* name) {
    auto v = value(name);
    if (!v) return std::nullopt;
    auto n = v->toInt16();
    if (!n) {
      failure = FieldFailure{number_, name, n.error().detail};
      return std::nullopt;
    }
    return n.value();
  }

  std::optional<FieldFailure> failure;

 private:
  template <typename Read>
  auto take(const char* name, Read read) -> std::optional<std::decay_t<decltype(read(std::declval<FieldReader&>()).value())>> {
    if (!reader_ || failure) return std::nullopt;
    ++number_;
    auto r = read(*reader_);
    if (!r) {
      failure = FieldFailure{number_, name, r.error().detail};
      return std::nullopt;
    }
    return std::move(r).value();
  }

  std::optional<FieldReader> reader_;
  int number_ = 0;
};

bool isDefaultCursor(const std::string& text) { return text.empty() || equalsIgnoringCase(text, "default"); }

TaskFile walkTask(platform::FileSystem& files, const std::string& path, const IndexInput& in,
                  std::vector<NamedFile>& named) {
  TaskFile t;
  t.path = path;
  Walk w(files, path);
  auto change = w.int16("change variable");
  auto variable = w.text("variable name");
  auto zero = w.value("set to 0");
  auto one = w.value("set to 1");
  auto flip = w.value("flip");
  auto show = w.value("show message");
  (void)w.value("message");
  auto play = w.value("play sound");
  auto sound = w.value("sound file");
  auto gone = w.value("disappear");
  auto end = w.value("end game");
  std::optional<std::int16_t> goTo;
  std::optional<std::string> frame;
  if (end && !end->isSet()) {
    goTo = w.int16("go to frame");
    frame = w.text("frame name");
  }
  t.failure = w.failure;
  (void)show;
  if (change && *change != 0 && variable) {
    t.variable = *variable;
    t.setsZero = zero && zero->isTrue();
    t.setsOne = one && one->isTrue();
    t.flips = flip && flip->isTrue();
  }
  if (play && play->isSet() && sound) named.push_back({in.areasPath + sound->asText(), "sound", path, "field 9 (sound file)"});
  t.disappears = gone && gone->isSet();
  t.endsGame = end && end->isSet();
  if (goTo && *goTo != 0 && frame) t.goTo = *frame;
  if (!w.ok() || t.endsGame || w.atEnd()) return t;
  // Fields 14 on: the player skips what it cannot read.
  (void)w.int16("stop music");
  (void)w.int16("stop sound");
  auto video = w.int16("play video");
  if (video && *video != 0) {
    if (auto file = w.text("video file")) named.push_back({in.framesPath + *file, "video", path, "field 17 (video file)"});
  }
  return t;
}

AreaInfo walkArea(platform::FileSystem& files, const std::string& folder, int n, const IndexInput& in,
                  std::vector<NamedFile>& named) {
  AreaInfo a;
  a.number = n;
  a.file = folder + std::to_string(n) + "a.dat";
  Walk w(files, a.file);
  for (const char* side : {"left", "top", "width", "height"}) (void)w.value(side);
  (void)w.value("no-picture choice");
  auto pictureChoice = w.value("picture choice");
  auto picture = w.value("picture file");
  (void)w.value("stretch");
  auto cursor = w.value("cursor");
  if (pictureChoice && pictureChoice->isTrue() && picture) {
    named.push_back({in.areasPath + picture->asText(), "picture", a.file, "field 7 (picture file)"});
  }
  if (cursor && !isDefaultCursor(cursor->asText())) {
    named.push_back({in.iconsPath + cursor->asText(), "cursor", a.file, "field 9 (cursor)"});
  }
  auto conditional = w.value("conditional");
  if (conditional && (conditional->isSet() || (conditional->kind() == FieldValue::Kind::Text &&
                                                conditional->toInt16().valueOr(0) != 0))) {
    for (auto* list : {&a.mustBeZero, &a.mustBeOne}) {
      auto count = w.count(list == &a.mustBeZero ? "count A" : "count B");
      for (int i = 0; count && i < *count; ++i) {
        auto name = w.value(list == &a.mustBeZero ? "list A" : "list B");
        if (!name) break;
        list->push_back(name->asText());
      }
    }
  }
  a.failure = w.failure;
  a.click = walkTask(files, folder + std::to_string(n) + "b.dat", in, named);
  const std::string pick = folder + std::to_string(n) + "c.dat";
  if (files.fileExists(pick)) {
    Walk p(files, pick);
    auto flag = p.int16("pick flag");
    if (flag && *flag == 1) {
      if (auto item = p.text("item name")) a.gives = *item;
    }
  }
  return a;
}

FrameInfoIndex walkFrame(platform::FileSystem& files, const std::string& name, const IndexInput& in,
                         std::vector<NamedFile>& named) {
  FrameInfoIndex f;
  f.name = name;
  f.file = in.framesPath + name + ".fme";
  f.exists = files.fileExists(f.file);
  if (!f.exists) return f;
  Walk w(files, f.file);
  auto type = w.int16("background type");
  auto background = w.text("background");
  (void)w.boolean("tile background");
  (void)w.boolean("stop music");
  auto music = w.text("music file");
  auto hasDuration = w.boolean("has duration");
  auto duration = w.int16("duration");
  auto next = w.text("next frame");
  auto movie = w.text("video file");
  (void)w.boolean("music after video");
  f.failure = w.failure;
  if (type && *type == 1 && background && !background->empty()) {
    named.push_back({in.framesPath + *background, "picture", f.file, "field 2 (background)"});
  }
  if (music && !music->empty()) named.push_back({in.framesPath + *music, "music", f.file, "field 5 (music file)"});
  if (movie && !movie->empty()) named.push_back({in.framesPath + *movie, "video", f.file, "field 9 (video file)"});
  f.hasDuration = hasDuration.value_or(false);
  f.duration = duration.value_or(0);
  f.nextFrame = next.value_or("");
  Walk link(files, in.framesPath + name + ".lks");
  f.areasCount = link.count("number of areas").value_or(0);
  const std::string folder = in.areasPath + name + "/";
  for (int n = 1; n <= f.areasCount; ++n) f.areas.push_back(walkArea(files, folder, n, in, named));
  for (const std::string& text : files.listFiles(in.areasPath + name, "*.lbl")) {
    Walk t(files, folder + text);
    for (const char* field : {"caption", "left", "top", "bold", "italic", "font name", "font size", "strikethrough",
                              "underline", "colour"}) {
      (void)t.value(field);
    }
    f.texts[folder + text] = t.failure;
  }
  for (const std::string& drop : files.listFiles(in.areasPath + name, "*.drg")) {
    std::size_t digits = 0;
    while (digits < drop.size() && std::isdigit(static_cast<unsigned char>(drop[digits]))) ++digits;
    if (digits == 0 || digits >= drop.size() || drop[digits] != '_' || drop.size() < digits + 6) continue;
    const int n = std::stoi(drop.substr(0, digits));
    const std::string item = drop.substr(digits + 1, drop.size() - digits - 5);
    if (n < 1 || n > f.areasCount) continue;
    f.areas[static_cast<std::size_t>(n) - 1].drops[item] = walkTask(files, folder + drop, in, named);
  }
  return f;
}

void walkConfig(platform::FileSystem& files, const IndexInput& in, GameIndex& g) {
  g.generalFile = in.configPath + "General";
  Walk general(files, g.generalFile);
  for (const char* name : {"game key", "(not used)", "game title"}) (void)general.text(name);
  (void)general.int16("(not used)");
  for (const char* name : {"start frame", "game version"}) (void)general.text(name);
  for (const char* name : {"game width", "game height"}) (void)general.int16(name);
  for (const char* name : {"game author", "author e-mail", "home page"}) (void)general.text(name);
  g.generalFailure = general.failure;
  g.variablesFile = in.configPath + "Variables";
  Walk variables(files, g.variablesFile);
  auto count = variables.int16("count");
  for (int i = 0; count && i < *count; ++i) {
    if (!variables.text("variable name")) break;
  }
  g.variablesFailure = variables.failure;
}

}  // namespace

GameIndex indexGame(platform::FileSystem& files, const IndexInput& in) {
  GameIndex g;
  walkConfig(files, in, g);
  g.startFrame = in.startFrame;
  g.variables = in.variables;
  std::deque<std::pair<std::string, std::string>> pending;  // name, named in
  pending.emplace_back(in.startFrame, "Config/General field 5 (start frame)");
  for (const std::string& file : files.listFiles(in.framesPath, "*.fme")) {
    pending.emplace_back(file.substr(0, file.size() - 4), "");
  }
  while (!pending.empty()) {
    auto [name, namedIn] = pending.front();
    pending.pop_front();
    if (g.frames.count(name) != 0) {
      if (!g.frames[name].exists && !namedIn.empty()) g.missingFrames.push_back(name + "\t" + namedIn);
      continue;
    }
    FrameInfoIndex f = walkFrame(files, name, in, g.files);
    f.namedIn = namedIn;
    if (!f.exists && !namedIn.empty()) g.missingFrames.push_back(name + "\t" + namedIn);
    if (f.exists) {
      if (f.hasDuration && !f.nextFrame.empty()) pending.emplace_back(f.nextFrame, f.file + " field 8 (next frame)");
      for (const AreaInfo& a : f.areas) {
        if (a.click.goTo) pending.emplace_back(*a.click.goTo, a.click.path + " field 13 (frame name)");
        for (const auto& [item, t] : a.drops) {
          if (t.goTo) pending.emplace_back(*t.goTo, t.path + " field 13 (frame name)");
        }
      }
    }
    g.frames.emplace(name, std::move(f));
  }
  std::set<std::string> items;
  for (const std::string& file : files.listFiles(in.areasPath, "*.drg")) {
    const std::size_t on = file.find("_on_");
    if (on == std::string::npos) continue;
    Combination c;
    c.file = in.areasPath + file;
    c.dragged = file.substr(0, on);
    c.target = file.substr(on + 4, file.size() - on - 8);
    Walk w(files, c.file);
    (void)w.value("remove dragged");
    (void)w.value("remove target");
    auto add = w.value("add new");
    auto item = w.value("new item");
    c.failure = w.failure;
    c.addsNew = add && add->isExactlyOne();
    if (c.addsNew && item) c.newItem = item->asText();
    items.insert(c.dragged);
    items.insert(c.target);
    if (c.addsNew) items.insert(c.newItem);
    g.combinations.push_back(std::move(c));
  }
  for (const auto& [name, f] : g.frames) {
    for (const AreaInfo& a : f.areas) {
      if (a.gives) items.insert(*a.gives);
      for (const auto& [item, t] : a.drops) items.insert(item);
    }
  }
  for (const std::string& item : items) {
    const std::string path = in.areasPath + item + ".obj";
    if (!files.fileExists(path)) continue;
    Walk w(files, path);
    auto icon = w.value("icon");
    g.itemFiles[path] = w.failure;
    if (icon) g.files.push_back({in.areasPath + icon->asText(), "item icon", path, "field 1 (icon)"});
  }
  return g;
}

}  // namespace quorlen::checker
