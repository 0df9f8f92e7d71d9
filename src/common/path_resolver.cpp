#include "common/path_resolver.h"

#include <algorithm>
#include <utility>

namespace quorlen {
namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

std::vector<std::string_view> splitComponents(std::string_view normalised) {
  std::vector<std::string_view> parts;
  std::size_t pos = 0;
  while (pos < normalised.size()) {
    if (normalised[pos] == '/') {
      ++pos;
      continue;
    }
    const std::size_t end = std::min(normalised.find('/', pos), normalised.size());
    parts.push_back(normalised.substr(pos, end - pos));
    pos = end;
  }
  return parts;
}

std::string join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (folder.back() == '/') return folder + std::string(name);
  return folder + "/" + std::string(name);
}

}  // namespace

std::string normalisePath(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (const char c : path) {
    if (isSeparator(c)) {
      if (out.empty() || out.back() != '/') out += '/';
    } else {
      out += c;
    }
  }
  // A trailing separator names the same folder; drop it, but keep the root.
  if (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

std::string foldLetterCase(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto byte = static_cast<unsigned char>(out[i]);
    if (byte >= 'A' && byte <= 'Z') {
      out[i] = static_cast<char>(byte + ('a' - 'A'));
    } else if (byte == 0xC3 && i + 1 < out.size()) {
      // U+00C0..U+00DE are C3 80..C3 9E, their small letters C3 A0..C3 BE;
      // U+00D7 (the multiplication sign, C3 97) has no small letter.
      const auto second = static_cast<unsigned char>(out[i + 1]);
      if (second >= 0x80 && second <= 0x9E && second != 0x97) out[i + 1] = static_cast<char>(second + 0x20);
      ++i;
    }
  }
  return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && foldLetterCase(a) == foldLetterCase(b);
}

std::optional<std::string> DirectoryProbe::findIgnoringCase(const std::string& folder, std::string_view name) const {
  std::optional<std::string> first;
  for (std::string& entry : entries(folder)) {
    if (equalsIgnoringCase(entry, name) && (!first || entry < *first)) first = std::move(entry);
  }
  return first;
}

std::string resolveGamePath(std::string_view path, const DirectoryProbe& probe) {
  const std::string normalised = normalisePath(path);
  if (normalised.empty() || probe.exists(normalised)) return normalised;

  std::string resolved = normalised.front() == '/' ? "/" : "";
  const std::vector<std::string_view> parts = splitComponents(normalised);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string_view part = parts[i];
    const std::string exact = join(resolved, part);
    if (part == "." || part == ".." || probe.exists(exact)) {
      resolved = exact;
      continue;
    }
    const std::optional<std::string> match = probe.findIgnoringCase(resolved.empty() ? "." : resolved, part);
    if (!match) {
      // Nothing on disk matches: keep the rest as written.
      for (std::size_t j = i; j < parts.size(); ++j) resolved = join(resolved, parts[j]);
      return resolved;
    }
    resolved = join(resolved, *match);
  }
  return resolved;
}

}  // namespace quorlen
