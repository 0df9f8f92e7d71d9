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

bool needsEscape(std::string_view text, std::size_t i, std::string_view specials) {
  const auto byte = static_cast<unsigned char>(text[i]);
  if (byte < 0x20 || byte == 0x7F || byte == '%' || specials.find(text[i]) != std::string_view::npos) return true;
  const bool atAnEnd = i == 0 || i + 1 == text.size();
  if (atAnEnd && (byte == ' ' || byte == '\t')) return true;
  return i == 0 && (byte == ';' || byte == '#' || byte == '[');
}

// `specials` are escaped wherever they stand.
std::string encode(std::string_view text, std::string_view specials) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!needsEscape(text, i, specials)) {
      out += text[i];
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i]);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A '%' not followed by two hexadecimal digits is kept as it is.
std::string decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

constexpr std::string_view kNameSpecials = "/[]=";
constexpr std::string_view kKeySpecials = "[]=";
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
  std::optional<std::pair<std::string, std::string>> section;
  while (std::getline(lines, line)) {
    line = trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = line.substr(1, line.size() - 2);
      const std::size_t slash = name.find('/');
      section.reset();
      if (slash != std::string::npos) section.emplace(decode(name.substr(0, slash)), decode(name.substr(slash + 1)));
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos || !section) continue;
    sections_[*section][decode(trim(line.substr(0, equals)))] = decode(trim(line.substr(equals + 1)));
  }
}

std::optional<std::string> IniSettingsStore::read(const std::string& application, const std::string& section,
                                                  const std::string& key) {
  auto s = sections_.find({application, section});
  if (s == sections_.end()) return std::nullopt;
  auto k = s->second.find(key);
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::string IniSettingsStore::text() const {
  std::ostringstream out;
  for (const auto& [section, keys] : sections_) {
    out << '[' << encode(section.first, kNameSpecials) << '/' << encode(section.second, kNameSpecials) << "]\n";
    for (const auto& [key, value] : keys) out << encode(key, kKeySpecials) << '=' << encode(value, {}) << '\n';
  }
  return out.str();
}

Result<void> IniSettingsStore::write(const std::string& application, const std::string& section,
                                     const std::string& key, const std::string& value) {
  sections_[{application, section}][key] = value;
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
