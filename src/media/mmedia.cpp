#include "media/mmedia.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "common/text_encoding.h"
#include "platform/clock.h"
#include "platform/control.h"
#include "platform/media_control.h"
#include "platform/user_interface.h"

namespace quorlen {

namespace {
constexpr std::size_t kReplyCapacity = 255;
constexpr char kQuote = '"';

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// One draw in [0, 1) after seeding from the clock, as the random number
// generator of the original player did: a 24-bit linear congruence.
double drawAfterSeeding(double secondsSinceMidnight) {
  auto seed = static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::llround(secondsSinceMidnight * 1000.0)) &
                                         0xFFFFFFu);
  seed = (seed * 1140671485u + 12820163u) & 0xFFFFFFu;
  return static_cast<double>(seed) / 16777216.0;
}
}  // namespace

std::string shortestDecimal(float value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc{}) return "0";
  return std::string(buffer, end);
}

float leadingNumber(const std::string& reply) {
  std::size_t start = reply.find_first_not_of(' ');
  if (start == std::string::npos) return 0.0f;
  float value = 0.0f;
  auto [ptr, ec] = std::from_chars(reply.data() + start, reply.data() + reply.size(), value);
  (void)ptr;
  return ec == std::errc{} ? value : 0.0f;
}

Mmedia::Mmedia(MediaEnvironment& environment) : env_(environment) {}

Mmedia::~Mmedia() { releaseAlias(); }

void Mmedia::send(const std::string& command) { env_.media.sendString(command, 0); }

std::string Mmedia::freeAlias(const std::string& wanted) const {
  if (env_.aliasesInUse.count(upper(wanted)) == 0) return wanted;
  for (int n = 2;; ++n) {
    std::string candidate = wanted + "_" + std::to_string(n);
    if (env_.aliasesInUse.count(upper(candidate)) == 0) return candidate;
  }
}

void Mmedia::holdAlias(const std::string& alias) {
  releaseAlias();
  alias_ = alias;
  env_.aliasesInUse.insert(upper(alias_));
}

void Mmedia::releaseAlias() {
  if (!alias_.empty()) env_.aliasesInUse.erase(upper(alias_));
}

void Mmedia::mmOpen(const std::string& sTheFile) {
  if (!alias_.empty()) mmClose();
  const std::string ending = sTheFile.size() >= 3 ? sTheFile.substr(sTheFile.size() - 3) : sTheFile;
  const std::string kind = upper(ending);
  std::string deviceType;
  if (kind == "WAV") {
    deviceType = "Waveaudio";
  } else if (kind == "MID") {
    deviceType = "Sequencer";
  } else {
    return;
  }
  holdAlias(freeAlias(ending + std::to_string(env_.clock.minuteOfHour())));
  send("Open " + std::string(1, kQuote) + sTheFile + kQuote + " ALIAS " + alias_ + " TYPE " + deviceType + " wait");
  fileName_ = sTheFile;
}

void Mmedia::mmClose() {
  if (alias_.empty()) return;
  send("Close " + alias_);
  releaseAlias();
  alias_.clear();
  fileName_.clear();
  movieOpen_ = false;
}

void Mmedia::mmPause() {
  if (!alias_.empty()) send("Pause " + alias_);
}

void Mmedia::mmPlay() {
  if (alias_.empty()) return;
  send(wait_ ? "Play " + alias_ + " wait" : "Play " + alias_);
}

void Mmedia::mmStop() {
  if (!alias_.empty()) send("Stop " + alias_);
}

void Mmedia::mmSeek(float nPosition) { send("Seek " + alias_ + " to " + shortestDecimal(nPosition)); }

std::string Mmedia::statusQuery(const char* what) {
  platform::MediaReply reply = env_.media.sendString("Status " + alias_ + " " + what, kReplyCapacity);
  if (reply.code != 0) return {};
  const std::size_t nul = reply.text.find('\0');
  return nul == std::string::npos ? reply.text : reply.text.substr(0, nul);
}

float Mmedia::Length() { return alias_.empty() ? 0.0f : leadingNumber(statusQuery("length")); }

float Mmedia::Position() { return alias_.empty() ? 0.0f : leadingNumber(statusQuery("position")); }

std::string Mmedia::Status() { return statusQuery("mode"); }

void Mmedia::StopMovie() {
  send("Stop " + alias_);
  send("Close " + alias_);
  movieOpen_ = false;
  env_.ui.doEvents();
}

void Mmedia::PlayMovie(std::string& FileName, const ui::Control& Where) {
  FileName = std::string(1, kQuote) + FileName + kQuote;
  // A video still held is closed first, so that it cannot play on under the
  // next one.
  if (movieOpen_) {
    send("Stop " + alias_);
    send("Close " + alias_);
    movieOpen_ = false;
  }
  const double r = drawAfterSeeding(env_.clock.secondsSinceMidnight());
  holdAlias(std::to_string(static_cast<int>(r * 50.0) + 1));
  const platform::MediaReply opened = env_.media.sendString(
      "Open " + FileName + " ALIAS " + alias_ + " TYPE AviVideo wait parent " + std::to_string(Where.handle()) +
          " style child",
      0);
  movieOpen_ = opened.code == 0;
  if (opened.code != 0) {
    env_.ui.messageBox("Unable to play video. Probably file not found ('" + FileName + "').",
                       ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Information, env_.gameTitle);
  }
  send("play " + alias_);
}

}  // namespace quorlen
