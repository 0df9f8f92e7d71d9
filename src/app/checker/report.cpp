#include "app/checker/report.h"

#include <iomanip>
#include <nlohmann/json.hpp>

namespace quorlen::checker {

namespace {

const char* levelName(Finding::Level level) { return level == Finding::Level::Error ? "error" : "warning"; }

std::size_t count(const CheckReport& report, Finding::Level level) {
  std::size_t n = 0;
  for (const Finding& f : report.findings) n += f.level == level ? 1 : 0;
  return n;
}

nlohmann::json wayJson(const Way& way) { return {{"steps", way.steps}, {"script", way.script}}; }

}  // namespace

int exitStatus(const CheckReport& report) {
  if (count(report, Finding::Level::Error) > 0) return kErrors;
  if (count(report, Finding::Level::Warning) > 0) return kWarningsOnly;
  return kClean;
}

void writeText(const CheckReport& report, std::ostream& out) {
  out << "quorlen-check " << report.gameFolder << "\n";
  for (const Finding& f : report.findings) {
    out << levelName(f.level) << " [" << f.check << "]";
    if (!f.file.empty()) out << " " << f.file;
    if (!f.field.empty()) out << " " << f.field;
    out << ": " << f.text << "\n";
    if (!f.playerMessage.empty()) out << "    the player shows: \"" << f.playerMessage << "\"\n";
    if (!f.way.empty()) {
      out << "    quorlen-run script of the way:\n";
      for (const std::string& line : f.way) out << "      " << line << "\n";
    }
  }
  if (report.solve) {
    const SolveResult& r = *report.solve;
    out << "search: " << r.states << " states" << (r.complete ? " (all that can be reached)" : " (bound reached)")
        << ", " << r.inputs << " inputs, " << std::fixed << std::setprecision(2) << r.seconds << " s, "
        << static_cast<long long>(r.seconds > 0 ? r.states / r.seconds : 0) << " states a second, "
        << r.memoryBytes / (1024 * 1024) << " MB\n";
    for (std::size_t i = 0; i < r.ends.size(); ++i) {
      const GameEnd& e = r.ends[i];
      out << "end " << i + 1 << ": the game ends in '" << e.frame << "' by: " << e.how << ", after "
          << e.way.steps.size() << " steps:\n";
      for (const std::string& s : e.way.steps) out << "    " << s << "\n";
      out << "  quorlen-run script:\n";
      for (const std::string& line : e.way.script) out << "    " << line << "\n";
    }
    if (r.complete && !r.ends.empty()) {
      out << "dead ends: " << r.deadStates << " states from which no end can be reached";
      out << (r.deadEnds.empty() ? "\n" : ", entered by the ways above\n");
    }
  }
  out << count(report, Finding::Level::Error) << " errors, " << count(report, Finding::Level::Warning)
      << " warnings\n";
}

void writeJson(const CheckReport& report, std::ostream& out) {
  nlohmann::json j;
  j["game"] = report.gameFolder;
  j["findings"] = nlohmann::json::array();
  for (const Finding& f : report.findings) {
    nlohmann::json o{{"level", levelName(f.level)}, {"check", f.check}, {"file", f.file},
                     {"field", f.field},            {"text", f.text}};
    if (!f.playerMessage.empty()) o["playerMessage"] = f.playerMessage;
    if (!f.way.empty()) o["script"] = f.way;
    j["findings"].push_back(o);
  }
  if (report.solve) {
    const SolveResult& r = *report.solve;
    nlohmann::json s{{"complete", r.complete},
                     {"states", r.states},
                     {"inputs", r.inputs},
                     {"seconds", r.seconds},
                     {"memoryBytes", r.memoryBytes},
                     {"deadStates", r.deadStates}};
    s["ends"] = nlohmann::json::array();
    for (const GameEnd& e : r.ends) s["ends"].push_back({{"frame", e.frame}, {"how", e.how}, {"way", wayJson(e.way)}});
    s["deadEnds"] = nlohmann::json::array();
    for (const DeadEnd& d : r.deadEnds) {
      s["deadEnds"].push_back(
          {{"frame", d.frame}, {"items", d.items}, {"input", d.fatalInput}, {"way", wayJson(d.way)}});
    }
    j["solve"] = s;
  }
  j["errors"] = count(report, Finding::Level::Error);
  j["warnings"] = count(report, Finding::Level::Warning);
  j["status"] = exitStatus(report);
  out << j.dump(2) << "\n";
}

}  // namespace quorlen::checker
