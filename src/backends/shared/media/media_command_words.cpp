#include "backends/shared/media/media_command_words.h"

#include <cstddef>
#include <limits>

#include "backends/shared/media/media_errors.h"

namespace quorlen::backends {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && isBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

MediaResult<CommandWords> splitCommand(std::string_view command) {
  const std::string_view text = trimmed(command);
  if (text.empty()) return MediaError{kMediaErrMissingCommandString};

  // Every single blank outside quotes ends a word, so runs of blanks leave
  // empty words behind; only the device name keeps an empty word.
  std::vector<CommandWord> words(1);
  bool inQuotes = false;
  for (const char c : text) {
    if (c == '"') {
      inQuotes = !inQuotes;
      words.back().quoted = true;
    } else if (!inQuotes && isBlank(c)) {
      words.emplace_back();
    } else {
      words.back().text.push_back(c);
    }
  }
  if (inQuotes) return MediaError{kMediaErrNoClosingQuote};

  CommandWords result;
  result.verb = std::move(words[0].text);
  if (words.size() > 1) result.device = std::move(words[1]);
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (words[i].text.empty() && !words[i].quoted) continue;
    result.rest.push_back(std::move(words[i]));
  }
  return result;
}

bool sameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldCase(a[i]) != foldCase(b[i])) return false;
  }
  return true;
}

std::optional<std::uint32_t> parseMediaNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace quorlen::backends
