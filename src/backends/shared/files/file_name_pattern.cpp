#include "backends/shared/files/file_name_pattern.h"

#include <algorithm>
#include <string>

#include "common/path_resolver.h"

namespace quorlen::backends {
namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Moves past one UTF-8 character.
std::size_t nextCharacter(std::string_view text, std::size_t pos) {
  ++pos;
  while (pos < text.size() && isContinuation(text[pos])) ++pos;
  return pos;
}

// Matching with a single '*' backtrack point, which is enough for globs.
bool matchesOne(std::string_view name, std::string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starPattern = std::string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starPattern = ++p;
      starName = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n = nextCharacter(name, n);
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p, ++n;
    } else if (starPattern != std::string_view::npos) {
      p = starPattern;
      starName = nextCharacter(name, starName);
      n = starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

bool matchesFilePattern(std::string_view name, std::string_view pattern) {
  const std::string foldedName = foldLetterCase(name);
  const std::string foldedPattern = foldLetterCase(pattern);
  const std::string_view all = foldedPattern;
  if (trimBlanks(all).empty()) return true;
  std::size_t pos = 0;
  while (pos <= all.size()) {
    const std::size_t end = std::min(all.find(';', pos), all.size());
    const std::string_view one = trimBlanks(all.substr(pos, end - pos));
    if (one == "*.*" || (!one.empty() && matchesOne(foldedName, one))) return true;
    pos = end + 1;
  }
  return false;
}

}  // namespace quorlen::backends
