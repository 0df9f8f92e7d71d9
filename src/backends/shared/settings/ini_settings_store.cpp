#include "backends/shared/settings/ini_settings_store.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorlen::backends {

namespace {
std::string trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}
}  // namespace

IniSettingsStore::IniSettingsStore(std::optional<std::string> path) : path_(std::move(path)) {
  if (!path_) return;
  std::ifstream in(*path_, std::ios::binary);
  if (!in) return;
  std::ostringstream content;
  content << in.rdbuf();
  parse(content.str());
}

void IniSettingsStore::parse(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  std::string section;
  while (std::getline(lines, line)) {
    line = trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos || section.empty()) continue;
    sections_[section][trim(line.substr(0, equals))] = trim(line.substr(equals + 1));
  }
}

std::optional<std::string> IniSettingsStore::read(const std::string& application, const std::string& section,
                                                  const std::string& key) {
  auto s = sections_.find(application + "/" + section);
  if (s == sections_.end()) return std::nullopt;
  auto k = s->second.find(key);
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::string IniSettingsStore::text() const {
  std::ostringstream out;
  for (const auto& [section, keys] : sections_) {
    out << '[' << section << "]\n";
    for (const auto& [key, value] : keys) out << key << '=' << value << '\n';
  }
  return out.str();
}

Result<void> IniSettingsStore::write(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value) {
  sections_[application + "/" + section][key] = value;
  if (!path_) return {};
  std::error_code ec;
  const std::filesystem::path target(*path_);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  const std::filesystem::path partial = target.string() + ".new";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text();
    out.flush();
    if (!out) return makeError(ErrorKind::WriteFailed, partial.string());
  }
  std::filesystem::rename(partial, target, ec);
  if (ec) return makeError(ErrorKind::WriteFailed, ec.message());
  return {};
}

}  // namespace quorlen::backends
