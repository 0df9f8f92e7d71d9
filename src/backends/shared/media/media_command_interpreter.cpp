#include "backends/shared/media/media_command_interpreter.h"

#include <algorithm>
#include <utility>

#include "backends/shared/media/media_command_arguments.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::backends {
namespace {

enum class Verb { Open, Close, Play, Pause, Resume, Stop, Seek, Status };

std::optional<Verb> verbNamed(std::string_view name) {
  struct Named {
    std::string_view name;
    Verb verb;
  };
  constexpr Named kVerbs[] = {{"open", Verb::Open},     {"close", Verb::Close}, {"play", Verb::Play},
                              {"pause", Verb::Pause},   {"resume", Verb::Resume},
                              {"stop", Verb::Stop},     {"seek", Verb::Seek},   {"status", Verb::Status}};
  for (const Named& entry : kVerbs) {
    if (sameWord(name, entry.name)) return entry.verb;
  }
  return std::nullopt;
}

bool inGroup(MediaDeviceType type, MediaGroup group) {
  return isAudio(type) == (group == MediaGroup::Audio);
}

MediaResult<std::string> noReply(int code) {
  if (code != kMediaOk) return MediaError{code};
  return std::string{};
}

}  // namespace

MediaCommandInterpreter::MediaCommandInterpreter(MediaDeviceFactory& factory) : factory_(factory) {}

MediaCommandInterpreter::~MediaCommandInterpreter() = default;

platform::MediaReply MediaCommandInterpreter::sendString(std::string_view command, std::size_t replyCapacity) {
  MediaResult<CommandWords> words = splitCommand(command);
  if (!words) return {words.code(), {}};
  MediaResult<std::string> reply = run(words.value());
  if (!reply) return {reply.code(), {}};
  std::string text = std::move(reply).value();
  if (replyCapacity == 0) {
    text.clear();
  } else if (text.size() > replyCapacity - 1) {
    text.resize(replyCapacity - 1);
  }
  return {kMediaOk, std::move(text)};
}

MediaResult<std::string> MediaCommandInterpreter::run(const CommandWords& words) {
  const std::optional<Verb> verb = verbNamed(words.verb);
  if (!verb) return MediaError{kMediaErrUnrecognizedCommand};
  if (*verb == Verb::Open) return open(words);

  if (!words.device) return MediaError{kMediaErrMissingDeviceName};
  const CommandWord& name = *words.device;
  if (*verb == Verb::Close) return close(name, words.rest);
  if (!name.quoted && sameWord(name.text, "all")) return MediaError{kMediaErrCannotUseAll};

  const auto entry = entryFor(name.text);
  if (entry == devices_.end()) return MediaError{kMediaErrInvalidDeviceName};
  MediaDevice& device = *entry->device;
  const auto simple = [&](int (MediaDevice::*action)()) {
    const int code = parseNoArguments(words.rest);
    return noReply(code != kMediaOk ? code : (device.*action)());
  };
  switch (*verb) {
    case Verb::Play: return noReply(play(device, words.rest));
    case Verb::Pause: return simple(&MediaDevice::pause);
    case Verb::Resume: return simple(&MediaDevice::resume);
    case Verb::Stop: return simple(&MediaDevice::stop);
    case Verb::Seek: return noReply(seek(device, words.rest));
    case Verb::Status: return status(device, words.rest);
    case Verb::Open:
    case Verb::Close: break;
  }
  return MediaError{kMediaErrParserInternal};
}

MediaResult<std::string> MediaCommandInterpreter::open(const CommandWords& words) {
  if (!words.device) return MediaError{kMediaErrMissingDeviceName};
  MediaResult<OpenRequest> parsed = parseOpen(*words.device, words.rest);
  if (!parsed) return MediaError{parsed.code()};
  OpenRequest& request = parsed.value();

  // A second open of the same file without an alias finds it open already.
  const bool named = request.alias.has_value();
  std::string alias = named ? *request.alias : request.path;
  if (entryFor(alias) != devices_.end()) {
    return MediaError{named ? kMediaErrDuplicateAlias : kMediaErrDeviceOpen};
  }

  MediaResult<std::unique_ptr<MediaDevice>> device =
      factory_.open(request.type, request.path, request.parentWindow);
  if (!device) return MediaError{device.code()};
  if (!device.value()) return MediaError{kMediaErrDriverInternal};

  const unsigned id = freeId();
  devices_.push_back(OpenDevice{id, std::move(alias), std::move(request.path), request.type,
                                request.parentWindow, std::move(device).value()});
  return std::to_string(id);
}

MediaResult<std::string> MediaCommandInterpreter::close(const CommandWord& name,
                                                        const std::vector<CommandWord>& rest) {
  const bool all = !name.quoted && sameWord(name.text, "all");
  const auto entry = all ? devices_.end() : entryFor(name.text);
  if (!all && entry == devices_.end()) return MediaError{kMediaErrInvalidDeviceName};
  if (const int code = parseNoArguments(rest); code != kMediaOk) return MediaError{code};
  // Destroying a device ends whatever it was playing.
  if (all) {
    devices_.clear();
  } else {
    devices_.erase(entry);
  }
  return std::string{};
}

int MediaCommandInterpreter::play(MediaDevice& device, const std::vector<CommandWord>& rest) {
  const MediaResult<PlayRequest> parsed = parsePlay(rest);
  if (!parsed) return parsed.code();
  const PlayRequest& request = parsed.value();
  const std::uint64_t length = device.lengthMs();
  const std::uint64_t from = request.fromMs.value_or(device.positionMs());
  if (from > length || request.toMs.value_or(length) > length || request.toMs.value_or(length) < from) {
    return kMediaErrOutOfRange;
  }
  return request.wait ? device.playAndWait(request.fromMs, request.toMs)
                      : device.play(request.fromMs, request.toMs);
}

int MediaCommandInterpreter::seek(MediaDevice& device, const std::vector<CommandWord>& rest) {
  const MediaResult<SeekRequest> parsed = parseSeek(rest);
  if (!parsed) return parsed.code();
  const SeekRequest& request = parsed.value();
  const std::uint64_t length = device.lengthMs();
  switch (request.target) {
    case SeekRequest::Target::Start: return device.seek(0);
    case SeekRequest::Target::End: return device.seek(length);
    case SeekRequest::Target::Position: break;
  }
  if (request.ms > length) return kMediaErrOutOfRange;
  return device.seek(request.ms);
}

MediaResult<std::string> MediaCommandInterpreter::status(const MediaDevice& device,
                                                         const std::vector<CommandWord>& rest) {
  const MediaResult<StatusItem> item = parseStatus(rest);
  if (!item) return MediaError{item.code()};
  switch (item.value()) {
    case StatusItem::Length: return std::to_string(device.lengthMs());
    case StatusItem::Position: return std::to_string(device.positionMs());
    case StatusItem::Mode: return std::string(toString(device.mode()));
    case StatusItem::Ready: return std::string("true");
  }
  return MediaError{kMediaErrParserInternal};
}

std::vector<OpenDeviceInfo> MediaCommandInterpreter::openDevices() const {
  std::vector<OpenDeviceInfo> infos;
  infos.reserve(devices_.size());
  for (const OpenDevice& entry : devices_) {
    infos.push_back(
        OpenDeviceInfo{entry.id, entry.alias, entry.type, entry.file, entry.device->mode(), entry.parentWindow});
  }
  return infos;
}

MediaDevice* MediaCommandInterpreter::find(std::string_view alias) {
  const auto entry = entryFor(alias);
  return entry == devices_.end() ? nullptr : entry->device.get();
}

const MediaDevice* MediaCommandInterpreter::find(std::string_view alias) const {
  const auto entry = entryFor(alias);
  return entry == devices_.end() ? nullptr : entry->device.get();
}

int MediaCommandInterpreter::endPlayback(std::string_view alias) {
  MediaDevice* device = find(alias);
  if (device == nullptr) return kMediaErrInvalidDeviceName;
  device->endPlayback();
  return kMediaOk;
}

std::size_t MediaCommandInterpreter::endPlayback(MediaGroup group) {
  std::size_t ended = 0;
  for (OpenDevice& entry : devices_) {
    if (!inGroup(entry.type, group) || entry.device->mode() != MediaMode::Playing) continue;
    entry.device->endPlayback();
    ++ended;
  }
  return ended;
}

void MediaCommandInterpreter::endScripted(const std::optional<std::string>& word) {
  if (!word || *word == "audio") endPlayback(MediaGroup::Audio);
  if (!word || *word == "video") endPlayback(MediaGroup::Video);
  if (word && *word != "audio" && *word != "video") (void)endPlayback(*word);
}

std::vector<MediaCommandInterpreter::OpenDevice>::iterator MediaCommandInterpreter::entryFor(
    std::string_view alias) {
  return std::find_if(devices_.begin(), devices_.end(),
                      [&](const OpenDevice& entry) { return sameWord(entry.alias, alias); });
}

std::vector<MediaCommandInterpreter::OpenDevice>::const_iterator MediaCommandInterpreter::entryFor(
    std::string_view alias) const {
  return std::find_if(devices_.begin(), devices_.end(),
                      [&](const OpenDevice& entry) { return sameWord(entry.alias, alias); });
}

unsigned MediaCommandInterpreter::freeId() const {
  unsigned id = 1;
  while (std::any_of(devices_.begin(), devices_.end(), [&](const OpenDevice& entry) { return entry.id == id; })) {
    ++id;
  }
  return id;
}

}  // namespace quorlen::backends
