#pragma once
// What the desktop player remembers between runs, beside the games' own
// settings: the loudness of music and sound and whether both are muted,
// full screen or a window, and the window's size. Kept in the settings file
// under an application name that no game uses.

#include <optional>

#include "platform/settings_store.h"

namespace quorlen::sdl {

struct DesktopPreferences {
  int musicVolume = 100;  // 0 to 100
  int soundVolume = 100;
  bool mute = false;
  bool fullscreen = true;
  int windowWidth = 0;  // window points; 0: three quarters of the display
  int windowHeight = 0;

  bool operator==(const DesktopPreferences&) const = default;

  // The mixer's gain for each, 0 to 128.
  [[nodiscard]] int musicGain() const;
  [[nodiscard]] int soundGain() const;
};

inline constexpr int kVolumeStep = 10;

// Missing or unreadable values keep their defaults.
[[nodiscard]] DesktopPreferences readPreferences(platform::SettingsStore& settings);
void writePreferences(platform::SettingsStore& settings, const DesktopPreferences& preferences);

}  // namespace quorlen::sdl
