#include "backends/shared/media/media_command_arguments.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "backends/shared/media/media_errors.h"

namespace quorlen::backends {
namespace {

using Words = std::vector<CommandWord>;

std::optional<MediaDeviceType> deviceTypeNamed(std::string_view name) {
  constexpr std::array kTypes{MediaDeviceType::WaveAudio, MediaDeviceType::Sequencer,
                              MediaDeviceType::AviVideo};
  for (const MediaDeviceType type : kTypes) {
    if (sameWord(name, toString(type))) return type;
  }
  return std::nullopt;
}

// The extension of the last component of `path`, without the dot; empty
// when there is none.
std::string_view extensionOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

MediaResult<MediaDeviceType> typeFromExtension(std::string_view path) {
  const std::string_view extension = extensionOf(path);
  if (sameWord(extension, "wav")) return MediaDeviceType::WaveAudio;
  if (sameWord(extension, "mid") || sameWord(extension, "rmi")) return MediaDeviceType::Sequencer;
  if (sameWord(extension, "avi")) return MediaDeviceType::AviVideo;
  if (!extension.empty()) return MediaError{kMediaErrExtensionNotFound};
  // No extension: a bare device type would open the device without a file,
  // which these devices cannot do; anything else names no device at all.
  if (deviceTypeNamed(path)) return MediaError{kMediaErrFilenameRequired};
  return MediaError{kMediaErrInvalidDeviceName};
}

// Reads the keyword at rest[i]'s value, advancing i past it.
const CommandWord* takeValue(const Words& rest, std::size_t& i) {
  if (i + 1 >= rest.size()) return nullptr;
  ++i;
  return &rest[i];
}

MediaResult<std::uint64_t> takeNumber(const Words& rest, std::size_t& i) {
  const CommandWord* value = takeValue(rest, i);
  if (value == nullptr) return MediaError{kMediaErrMissingParameter};
  const std::optional<std::uint32_t> number = parseMediaNumber(value->text);
  if (!number) return MediaError{kMediaErrBadInteger};
  return std::uint64_t{*number};
}

// Marks a keyword as seen; false when it was seen before.
bool firstTime(bool& seen) {
  if (seen) return false;
  seen = true;
  return true;
}

bool isWindowStyle(std::string_view text) {
  return sameWord(text, "child") || sameWord(text, "popup") || sameWord(text, "overlapped") ||
         parseMediaNumber(text).has_value();
}

}  // namespace

MediaResult<OpenRequest> parseOpen(const CommandWord& element, const Words& rest) {
  OpenRequest request;
  std::optional<std::string> typeName;
  bool sawAlias = false, sawType = false, sawWait = false, sawParent = false, sawStyle = false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const std::string_view keyword = rest[i].text;
    if (sameWord(keyword, "alias")) {
      if (!firstTime(sawAlias)) return MediaError{kMediaErrDuplicateFlags};
      const CommandWord* value = takeValue(rest, i);
      if (value == nullptr || value->text.empty()) return MediaError{kMediaErrMissingStringArgument};
      if (sameWord(value->text, "all")) return MediaError{kMediaErrCannotUseAll};
      request.alias = value->text;
    } else if (sameWord(keyword, "type")) {
      if (!firstTime(sawType)) return MediaError{kMediaErrDuplicateFlags};
      const CommandWord* value = takeValue(rest, i);
      if (value == nullptr || value->text.empty()) return MediaError{kMediaErrMissingStringArgument};
      typeName = value->text;
    } else if (sameWord(keyword, "parent")) {
      if (!firstTime(sawParent)) return MediaError{kMediaErrDuplicateFlags};
      MediaResult<std::uint64_t> parent = takeNumber(rest, i);
      if (!parent) return MediaError{parent.code()};
      request.parentWindow = parent.value();
    } else if (sameWord(keyword, "style")) {
      if (!firstTime(sawStyle)) return MediaError{kMediaErrDuplicateFlags};
      const CommandWord* value = takeValue(rest, i);
      if (value == nullptr) return MediaError{kMediaErrMissingParameter};
      if (!isWindowStyle(value->text)) return MediaError{kMediaErrBadConstant};
    } else if (sameWord(keyword, "wait")) {
      if (!firstTime(sawWait)) return MediaError{kMediaErrDuplicateFlags};
    } else {
      return MediaError{kMediaErrUnrecognizedKeyword};
    }
  }

  // TYPE!FILE names the type in front of the file.
  std::string_view path = element.text;
  const std::size_t bang = path.find('!');
  if (bang != std::string_view::npos && deviceTypeNamed(path.substr(0, bang))) {
    if (typeName) return MediaError{kMediaErrFlagsNotCompatible};
    typeName = std::string(path.substr(0, bang));
    path.remove_prefix(bang + 1);
  }
  if (path.empty()) {
    return MediaError{element.text.empty() && !element.quoted ? kMediaErrMissingDeviceName
                                                              : kMediaErrFilenameRequired};
  }
  request.path = std::string(path);

  if (typeName) {
    const std::optional<MediaDeviceType> named = deviceTypeNamed(*typeName);
    if (!named) return MediaError{kMediaErrCannotLoadDriver};
    request.type = *named;
  } else {
    const MediaResult<MediaDeviceType> inferred = typeFromExtension(path);
    if (!inferred) return MediaError{inferred.code()};
    request.type = inferred.value();
  }
  if (request.type != MediaDeviceType::AviVideo && (sawParent || sawStyle)) {
    return MediaError{kMediaErrUnrecognizedKeyword};
  }
  return request;
}

MediaResult<PlayRequest> parsePlay(const Words& rest) {
  PlayRequest request;
  bool sawFrom = false, sawTo = false, sawWait = false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const std::string_view keyword = rest[i].text;
    if (sameWord(keyword, "from") || sameWord(keyword, "to")) {
      const bool isFrom = sameWord(keyword, "from");
      if (!firstTime(isFrom ? sawFrom : sawTo)) return MediaError{kMediaErrDuplicateFlags};
      MediaResult<std::uint64_t> ms = takeNumber(rest, i);
      if (!ms) return MediaError{ms.code()};
      (isFrom ? request.fromMs : request.toMs) = ms.value();
    } else if (sameWord(keyword, "wait")) {
      if (!firstTime(sawWait)) return MediaError{kMediaErrDuplicateFlags};
      request.wait = true;
    } else {
      return MediaError{kMediaErrUnrecognizedKeyword};
    }
  }
  return request;
}

MediaResult<SeekRequest> parseSeek(const Words& rest) {
  std::optional<SeekRequest> request;
  bool sawWait = false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const std::string_view keyword = rest[i].text;
    if (sameWord(keyword, "to")) {
      if (request) return MediaError{kMediaErrDuplicateFlags};
      const CommandWord* value = takeValue(rest, i);
      if (value == nullptr) return MediaError{kMediaErrMissingParameter};
      SeekRequest target;
      if (sameWord(value->text, "start")) {
        target.target = SeekRequest::Target::Start;
      } else if (sameWord(value->text, "end")) {
        target.target = SeekRequest::Target::End;
      } else {
        const std::optional<std::uint32_t> ms = parseMediaNumber(value->text);
        if (!ms) return MediaError{kMediaErrBadInteger};
        target.target = SeekRequest::Target::Position;
        target.ms = *ms;
      }
      request = target;
    } else if (sameWord(keyword, "wait")) {
      if (!firstTime(sawWait)) return MediaError{kMediaErrDuplicateFlags};
    } else {
      return MediaError{kMediaErrUnrecognizedKeyword};
    }
  }
  if (!request) return MediaError{kMediaErrMissingParameter};
  return *request;
}

MediaResult<StatusItem> parseStatus(const Words& rest) {
  std::optional<StatusItem> item;
  bool sawWait = false;
  for (const CommandWord& word : rest) {
    std::optional<StatusItem> named;
    if (sameWord(word.text, "length")) {
      named = StatusItem::Length;
    } else if (sameWord(word.text, "position")) {
      named = StatusItem::Position;
    } else if (sameWord(word.text, "mode")) {
      named = StatusItem::Mode;
    } else if (sameWord(word.text, "ready")) {
      named = StatusItem::Ready;
    } else if (sameWord(word.text, "wait")) {
      if (!firstTime(sawWait)) return MediaError{kMediaErrDuplicateFlags};
      continue;
    } else {
      return MediaError{kMediaErrUnrecognizedKeyword};
    }
    if (item) return MediaError{*item == *named ? kMediaErrDuplicateFlags : kMediaErrFlagsNotCompatible};
    item = named;
  }
  if (!item) return MediaError{kMediaErrMissingParameter};
  return *item;
}

int parseNoArguments(const Words& rest) {
  bool sawWait = false;
  for (const CommandWord& word : rest) {
    if (!sameWord(word.text, "wait")) return kMediaErrUnrecognizedKeyword;
    if (!firstTime(sawWait)) return kMediaErrDuplicateFlags;
  }
  return kMediaOk;
}

}  // namespace quorlen::backends
