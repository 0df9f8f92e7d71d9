#include "app/checker/media_checks.h"

#include <optional>

#include "backends/headless/media/media_file_headers.h"
#include "backends/shared/pictures/picture_headers.h"
#include "common/path_resolver.h"

namespace quorlen::checker {

namespace {

std::string lowerExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return foldLetterCase(path.substr(dot + 1));
}

}  // namespace

std::string whyNotPlayable(platform::FileSystem& files, const NamedFile& f) {
  if (!files.fileExists(f.path)) return {};
  Result<std::string> bytes = files.readFile(f.path);
  if (!bytes) return bytes.error().detail;
  if (f.kind == "picture" || f.kind == "item icon") {
    auto r = backends::readPictureSize(bytes.value());
    return r ? std::string() : r.error().detail;
  }
  if (f.kind == "cursor") {
    auto r = backends::readCursorHeader(bytes.value());
    return r ? std::string() : r.error().detail;
  }
  // Sounds, music and videos: the media device is chosen by the extension.
  const std::string ext = lowerExtension(f.path);
  std::optional<backends::MediaDeviceType> type;
  if (ext == "wav") type = backends::MediaDeviceType::WaveAudio;
  if (ext == "mid" || ext == "rmi") type = backends::MediaDeviceType::Sequencer;
  if (ext == "avi") type = backends::MediaDeviceType::AviVideo;
  if (!type) return "the player plays only .wav, .mid, .rmi and .avi files";
  if (!backends::hasMediaHeader(*type, bytes.value())) return "it does not start as a ." + ext + " file does";
  return {};
}

}  // namespace quorlen::checker
