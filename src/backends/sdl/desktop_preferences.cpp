#include "backends/sdl/desktop_preferences.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace quorlen::sdl {

namespace {
const std::string kApplication = "Quorlen player";
const std::string kSection = "Desktop";
constexpr int kMaxGain = 128;
constexpr int kLargestWindow = 16384;

std::optional<int> number(platform::SettingsStore& settings, const std::string& key, int low, int high) {
  const auto text = settings.read(kApplication, kSection, key);
  if (!text) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc{} || end != text->data() + text->size()) return std::nullopt;
  return std::clamp(value, low, high);
}
}  // namespace

int DesktopPreferences::musicGain() const { return mute ? 0 : std::clamp(musicVolume, 0, 100) * kMaxGain / 100; }
int DesktopPreferences::soundGain() const { return mute ? 0 : std::clamp(soundVolume, 0, 100) * kMaxGain / 100; }

DesktopPreferences readPreferences(platform::SettingsStore& settings) {
  DesktopPreferences p;
  p.musicVolume = number(settings, "MusicVolume", 0, 100).value_or(p.musicVolume);
  p.soundVolume = number(settings, "SoundVolume", 0, 100).value_or(p.soundVolume);
  p.mute = number(settings, "Mute", 0, 1).value_or(0) == 1;
  p.fullscreen = number(settings, "FullScreen", 0, 1).value_or(1) == 1;
  p.windowWidth = number(settings, "WindowWidth", 0, kLargestWindow).value_or(0);
  p.windowHeight = number(settings, "WindowHeight", 0, kLargestWindow).value_or(0);
  return p;
}

void writePreferences(platform::SettingsStore& settings, const DesktopPreferences& p) {
  const auto put = [&](const std::string& key, int value) {
    // a settings file that cannot be written only forgets the choice
    (void)settings.write(kApplication, kSection, key, std::to_string(value));
  };
  put("MusicVolume", p.musicVolume);
  put("SoundVolume", p.soundVolume);
  put("Mute", p.mute ? 1 : 0);
  put("FullScreen", p.fullscreen ? 1 : 0);
  put("WindowWidth", p.windowWidth);
  put("WindowHeight", p.windowHeight);
}

}  // namespace quorlen::sdl
