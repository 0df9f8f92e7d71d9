#include "app/checker/checks.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <filesystem>
#include <map>
#include <set>

#include "app/checker/game_index.h"
#include "app/checker/game_session.h"
#include "app/checker/media_checks.h"
#include "app/checker/probes.h"
#include "common/path_resolver.h"

namespace quorlen::checker {

namespace {

using Level = Finding::Level;

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

class Checker {
 public:
  Checker(const std::string& folder) : session_(folder) {}

  CheckReport run(const std::optional<SolveOptions>& solveOptions) {
    CheckReport report;
    try {
      Outcome start = session_.startNewGame();
      keep(start.happened.messages);
    } catch (const std::exception& e) {
      add(Level::Error, "search", "", "", std::string("a new game cannot be started: ") + e.what());
      keep(session_.machine().taken().messages);
    }
    const ProgramState& ps = session_.program().state();
    folder_ = ps.paths.GameFolder;
    report.gameFolder = folder_;
    IndexInput in{ps.paths.FramesPath, ps.paths.AreasPath, ps.paths.IconsPath, ps.paths.ConfigPath,
                  ps.project.StartFrame, {}};
    for (const auto& member : session_.program().game().Variables) in.variables.push_back(member->Name());
    index_ = indexGame(session_.machine().files(), in);
    probe();
    checkFiles();
    checkFrames();
    checkVariables();
    checkItems();
    if (solveOptions) {
      report.solve = solve(folder_, *solveOptions);
      checkSolve(*report.solve);
    } else {
      checkAreasStatically();
    }
    reportMessagesLeft();
    report.findings = std::move(findings_);
    return report;
  }

 private:
  std::string rel(const std::string& path) const { return startsWith(path, folder_) ? path.substr(folder_.size()) : path; }

  void add(Level level, std::string check, const std::string& file, std::string field, std::string text,
           std::string playerMessage = {}, std::vector<std::string> way = {}) {
    findings_.push_back({level, std::move(check), rel(file), std::move(field), std::move(text),
                         std::move(playerMessage), std::move(way)});
  }

  void keep(const std::vector<ShownMessage>& messages) {
    for (const ShownMessage& m : messages) {
      if (m.icon != "exclamation" && m.icon != "critical") continue;
      const bool known = std::any_of(messages_.begin(), messages_.end(), [&](const ShownMessage& k) {
        return k.file == m.file && k.text == m.text;
      });
      if (!known) messages_.push_back(m);
    }
  }

  // The message the player showed after reading `file` last; it is then
  // taken as explained.
  std::string messageFor(const std::string& file) {
    std::string first;
    for (const ShownMessage& m : messages_) {
      if (m.file != file) continue;
      explained_.insert(m.file + "\n" + m.text);
      if (first.empty()) first = m.text;
    }
    return first;
  }

  void probe() {
    const ProbeMessages shown = probeGame(session_, index_);
    keep(shown.all);
    frameMessages_ = shown.byFrame;
  }

  void unreadable(const std::string& file, const std::optional<FieldFailure>& failure, const char* what) {
    if (!failure) return;
    const std::string message = messageFor(file);
    if (failure->number == 0) {
      add(Level::Error, "missing-file", file, "", std::string("the ") + what + " is missing or cannot be opened", message);
      return;
    }
    add(Level::Error, "unreadable", file, "field " + std::to_string(failure->number) + " (" + failure->name + ")",
        failure->why, message);
  }

  // Whether the path is there as written, only through the resolver, or
  // not at all.
  void checkExists(const std::string& path, const std::string& kind, const std::string& namedIn,
                   const std::string& field) {
    platform::FileSystem& files = session_.machine().files();
    if (!files.fileExists(path)) {
      add(Level::Error, "missing-file", namedIn, field, "the " + kind + " '" + rel(path) + "' does not exist",
          messageFor(namedIn));
      return;
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) return;
    if (path.find('\\') != std::string::npos && std::filesystem::is_regular_file(normalisePath(path), ec)) {
      add(Level::Warning, "backslash", namedIn, field,
          "the " + kind + " '" + rel(path) + "' is found only by reading '\\' as a folder separator");
      return;
    }
    add(Level::Warning, "letter-case", namedIn, field,
        "the " + kind + " '" + rel(path) + "' exists only under another letter case: '" + rel(files.resolve(path)) +
            "'");
  }

  void checkDecodes(const NamedFile& f) {
    const std::string why = whyNotPlayable(session_.machine().files(), f);
    if (why.empty()) return;
    const bool picture = f.kind == "picture" || f.kind == "item icon" || f.kind == "cursor";
    add(Level::Warning, "media", f.namedIn, f.field,
        "the " + f.kind + " '" + rel(f.path) + (picture ? "' cannot be shown: " : "' cannot be played: ") + why,
        messageFor(f.namedIn));
  }

  void checkFiles() {
    unreadable(index_.generalFile, index_.generalFailure, "project information file");
    unreadable(index_.variablesFile, index_.variablesFailure, "variables file");
    for (const std::string& missing : index_.missingFrames) {
      const std::size_t tab = missing.find('\t');
      const std::string name = missing.substr(0, tab);
      const std::string where = missing.substr(tab + 1);
      const std::size_t space = where.find(' ');
      add(Level::Error, "missing-file", where.substr(0, space), space == std::string::npos ? "" : where.substr(space + 1),
          "the frame '" + name + "' has no frame file '" + rel(session_.program().state().paths.FramesPath) + name +
              ".fme'");
    }
    for (const auto& [name, f] : index_.frames) {
      if (!f.exists) continue;
      if (!f.namedIn.empty()) {
        const std::size_t space = f.namedIn.find(' ');
        checkExists(f.file, "frame file", f.namedIn.substr(0, space),
                    space == std::string::npos ? "" : f.namedIn.substr(space + 1));
      }
      unreadable(f.file, f.failure, "frame file");
      for (const auto& [path, failure] : f.texts) {
        if (!failure) continue;
        add(Level::Warning, "short-text", path, "field " + std::to_string(failure->number) + " (" + failure->name + ")",
            failure->why + ": the text keeps the template's look from this field on");
      }
      for (const AreaInfo& a : f.areas) {
        unreadable(a.file, a.failure, "area file");
        unreadable(a.click.path, a.click.failure, "click task file");
        for (const auto& [item, t] : a.drops) unreadable(t.path, t.failure, "drop task file");
      }
    }
    for (const Combination& c : index_.combinations) unreadable(c.file, c.failure, "combination file");
    for (const auto& [path, failure] : index_.itemFiles) unreadable(path, failure, "item file");
    for (const NamedFile& f : index_.files) {
      checkExists(f.path, f.kind, f.namedIn, f.field);
      checkDecodes(f);
    }
  }

  void checkFrames() {
    // Frames are told apart by name, as the player does; a frame counts as
    // reached when any name that finds its file is.
    platform::FileSystem& files = session_.machine().files();
    std::set<std::string> reached;
    std::set<std::string> reachedFiles;
    std::deque<std::string> queue{index_.startFrame};
    while (!queue.empty()) {
      const std::string name = queue.front();
      queue.pop_front();
      auto it = index_.frames.find(name);
      if (it == index_.frames.end() || !it->second.exists || !reached.insert(name).second) continue;
      const FrameInfoIndex& f = it->second;
      reachedFiles.insert(files.resolve(f.file));
      if (f.hasDuration && f.duration >= 1 && f.duration <= 32 && !f.nextFrame.empty()) queue.push_back(f.nextFrame);
      for (const AreaInfo& a : f.areas) {
        if (a.click.goTo) queue.push_back(*a.click.goTo);
        for (const auto& [item, t] : a.drops) {
          if (t.goTo) queue.push_back(*t.goTo);
        }
      }
    }
    for (const auto& [name, f] : index_.frames) {
      if (!f.exists) continue;
      if (reachedFiles.count(files.resolve(f.file)) == 0) {
        add(Level::Warning, "unreachable-frame", f.file, "",
            "the frame '" + name + "' cannot be reached from the start frame '" + index_.startFrame + "'");
      }
      if (!f.failure && f.hasDuration && (f.duration < 1 || f.duration > 32)) {
        std::string shown;
        for (const ShownMessage& m : frameMessages_[name]) {
          if (startsWith(m.text, "Unable to load frame duration")) shown = m.text;
        }
        explainedTexts_.insert(shown);
        add(Level::Warning, "duration", f.file, "field 7 (duration)",
            "a duration of " + std::to_string(f.duration) +
                " seconds: only 1 to 32 seconds move on to the next frame; this frame stays",
            shown);
      }
    }
  }

  void checkVariables() {
    const std::set<std::string> declared(index_.variables.begin(), index_.variables.end());
    std::set<std::string> used;
    auto use = [&](const std::string& name, const std::string& file, const char* field) {
      used.insert(name);
      if (declared.count(name) == 0) {
        add(Level::Warning, "undeclared-variable", file, field,
            "the variable '" + name + "' is not declared in Config/Variables: it never changes and never hides an area");
      }
    };
    for (const auto& [name, f] : index_.frames) {
      for (const AreaInfo& a : f.areas) {
        for (const std::string& v : a.mustBeZero) use(v, a.file, "list A");
        for (const std::string& v : a.mustBeOne) use(v, a.file, "list B");
        if (!a.click.variable.empty()) use(a.click.variable, a.click.path, "field 2 (variable name)");
        for (const auto& [item, t] : a.drops) {
          if (!t.variable.empty()) use(t.variable, t.path, "field 2 (variable name)");
        }
      }
    }
    for (const std::string& v : index_.variables) {
      if (used.count(v) == 0) {
        add(Level::Warning, "unused-variable", folder_ + "Config/Variables", "",
            "the variable '" + v + "' is declared but no task changes it and no area tests it");
      }
    }
  }

  void checkItems() {
    std::map<std::string, std::string> given;  // item, where
    std::set<std::string> used;
    for (const auto& [name, f] : index_.frames) {
      for (const AreaInfo& a : f.areas) {
        if (a.gives) given.emplace(*a.gives, folder_ + "Areas/" + name + "/" + std::to_string(a.number) + "c.dat");
        for (const auto& [item, t] : a.drops) used.insert(item);
      }
    }
    for (const Combination& c : index_.combinations) {
      if (c.addsNew) given.emplace(c.newItem, c.file);
      used.insert(c.dragged);
      used.insert(c.target);
    }
    for (const auto& [item, where] : given) {
      if (used.count(item) == 0) {
        add(Level::Warning, "unused-item", where, "",
            "the item '" + item + "' can be picked up but has no drop task file and no combination file");
      }
      checkExists(session_.program().state().paths.AreasPath + item + ".obj", "item file", where, "");
    }
    for (const auto& [name, f] : index_.frames) {
      for (const AreaInfo& a : f.areas) {
        for (const auto& [item, t] : a.drops) {
          if (given.count(item) == 0) {
            add(Level::Warning, "never-held", t.path, "",
                "a drop task file for the item '" + item + "', which no area and no combination gives");
          }
        }
      }
    }
    for (const Combination& c : index_.combinations) {
      for (const std::string* item : {&c.dragged, &c.target}) {
        if (given.count(*item) == 0) {
          add(Level::Warning, "never-held", c.file, "",
              "a combination file for the item '" + *item + "', which no area and no combination gives");
        }
      }
    }
  }

  // Without a search: an area that needs a variable at 1 that no task ever
  // sets to 1 or flips.
  void checkAreasStatically() {
    std::set<std::string> raised;
    for (const auto& [name, f] : index_.frames) {
      for (const AreaInfo& a : f.areas) {
        if (a.click.setsOne || a.click.flips) raised.insert(a.click.variable);
        for (const auto& [item, t] : a.drops) {
          if (t.setsOne || t.flips) raised.insert(t.variable);
        }
      }
    }
    const std::set<std::string> declared(index_.variables.begin(), index_.variables.end());
    for (const auto& [name, f] : index_.frames) {
      for (const AreaInfo& a : f.areas) {
        for (const std::string& v : a.mustBeOne) {
          if (declared.count(v) != 0 && raised.count(v) == 0) {
            add(Level::Warning, "area-never-shown", a.file, "list B",
                "area " + std::to_string(a.number) + " of '" + name + "' needs '" + v +
                    "' at 1, and no task sets it to 1 or flips it");
            break;
          }
        }
      }
    }
  }

  void checkSolve(const SolveResult& r) {
    if (r.fault) add(Level::Error, "search", "", "", "the search stopped: " + *r.fault);
    if (r.ends.empty()) {
      add(Level::Error, "no-end", "", "",
          r.complete ? "no way leads to an end of the game: all " + std::to_string(r.states) + " states were explored"
                     : "no end of the game within " + std::to_string(r.states) + " states (--max-states)");
    }
    for (const DeadEnd& d : r.deadEnds) {
      std::string items;
      for (const std::string& i : d.items) items += (items.empty() ? "" : ", ") + i;
      std::string steps;
      for (const std::string& s : d.way.steps) steps += (steps.empty() ? "" : "; ") + s;
      add(Level::Warning, "dead-end", "", "",
          "after '" + d.fatalInput + "' no end can be reached (in '" + d.frame + "', holding [" + items +
              "]). The shortest way in: " + steps,
          "", d.way.script);
    }
    if (r.complete) {
      for (const auto& [name, f] : index_.frames) {
        if (r.framesReached.count(name) == 0) continue;
        for (const AreaInfo& a : f.areas) {
          if (r.shownAreas.count({name, a.number}) == 0) {
            add(Level::Warning, "area-never-shown", a.file, "",
                "area " + std::to_string(a.number) + " of '" + name + "' is shown in no state the game can reach");
          }
        }
      }
    }
    for (const MessageMet& m : r.messages) {
      const bool known = std::any_of(messages_.begin(), messages_.end(), [&](const ShownMessage& k) {
        return k.file == m.message.file && k.text == m.message.text;
      });
      if (known || explainedTexts_.count(m.message.text) != 0) continue;
      std::string steps;
      for (const std::string& s : m.way.steps) steps += (steps.empty() ? "" : "; ") + s;
      add(Level::Error, "message", m.message.file, "", "the player shows a message on the way: " + steps,
          m.message.text, m.way.script);
    }
  }

  void reportMessagesLeft() {
    for (const ShownMessage& m : messages_) {
      if (explained_.count(m.file + "\n" + m.text) != 0 || explainedTexts_.count(m.text) != 0) continue;
      add(Level::Error, "message", m.file, "", "the player shows a message after reading this file", m.text);
    }
  }

  GameSession session_;
  GameIndex index_;
  std::string folder_;
  std::vector<Finding> findings_;
  std::vector<ShownMessage> messages_;
  std::set<std::string> explained_;      // file and text
  std::set<std::string> explainedTexts_;  // a message quoted for its cause, wherever it showed
  std::map<std::string, std::vector<ShownMessage>> frameMessages_;
};

}  // namespace

CheckReport checkGame(const std::string& gameFolder, const std::optional<SolveOptions>& solveOptions) {
  return Checker(gameFolder).run(solveOptions);
}

}  // namespace quorlen::checker
