#include "app/player/machines.h"

#include <utility>

#if QUORLEN_HAVE_SDL_MEDIA
#include "backends/sdl/lazy_media_devices.h"
#endif

namespace quorlen::player {

sdl::UiOptions uiOptions(const PlayerOptions& options) {
  sdl::UiOptions ui;
  ui.fullscreen = options.fullscreen;
  ui.scale = options.scale;
  ui.filter = options.filter;
  return ui;
}

DesktopMedia makeDesktopMedia(platform::FileSystem& files) {
  DesktopMedia media;
#if QUORLEN_HAVE_SDL_MEDIA
  auto devices = std::make_unique<sdl::LazyMediaDevices>(files, sdl::moduleFolders());
  media.pump = devices.get();
  media.devices = devices.get();
  media.factory = std::move(devices);
#else
  media.factory = std::make_unique<backends::HeadlessMediaDeviceFactory>(files);
#endif
  return media;
}

sdl::UiOptions desktopOptions(const PlayerOptions& options, platform::SettingsStore& settings,
                              std::function<void(const sdl::DesktopPreferences&)> applyLoudness) {
  if (!applyLoudness) applyLoudness = [](const sdl::DesktopPreferences&) {};
  sdl::UiOptions ui = uiOptions(options);
  sdl::DesktopPreferences& p = ui.preferences;
  const sdl::DesktopPreferences remembered = sdl::readPreferences(settings);
  p = remembered;
  if (options.displayChosen) p.fullscreen = options.fullscreen;
  if (options.musicVolume) p.musicVolume = *options.musicVolume;
  if (options.soundVolume) p.soundVolume = *options.soundVolume;
  if (options.mute) p.mute = true;
  ui.fullscreen = p.fullscreen;
  if (p != remembered) writePreferences(settings, p);
  applyLoudness(p);
  ui.preferencesChanged = [&settings, last = p, applyLoudness = std::move(applyLoudness)](
                              const sdl::DesktopPreferences& changed) mutable {
    if (changed == last) return;
    writePreferences(settings, changed);
    applyLoudness(changed);
    last = changed;
  };
  return ui;
}

DesktopMachine::DesktopMachine(const std::string& gameFolder, const PlayerOptions& options)
    : files_(gameFolder),
      settings_(sdl::settingsFilePath().empty() ? std::nullopt : std::optional<std::string>(sdl::settingsFilePath())),
      display_(sdl::desktopSize, [this] { return ui_.pixelRatio(); }),
      ui_(files_, display_, clock_,
          desktopOptions(options, settings_,
                         [this](const sdl::DesktopPreferences& p) {
                           musicGain_ = p.musicGain();
                           soundGain_ = p.soundGain();
                           if (loudnessTarget_ != nullptr) loudnessTarget_->setOutputGain(musicGain_, soundGain_);
                         })),
      media_(makeDesktopMedia(files_)),
      interpreter_(*media_.factory),
      platform_{ui_, interpreter_, display_, settings_, shell_, files_, clock_} {
  display_.setChangeListener([this] { ui_.displayChanged(); });
  ui_.setMediaPump(media_.pump);
  loudnessTarget_ = media_.devices;
  if (loudnessTarget_ != nullptr) loudnessTarget_->setOutputGain(musicGain_, soundGain_);
}

int TranscribedDisplay::changeMode(int width, int height) {
  const int result = display_.changeMode(width, height);
  transcript_.line("display change " + std::to_string(width) + "x" + std::to_string(height) + " -> " +
                   std::to_string(result));
  return result;
}

namespace {
constexpr int kNoon = 12 * 3600;
}  // namespace

ScriptedMachine::ScriptedMachine(const std::string& gameFolder, const PlayerOptions& options, std::istream& script,
                                 std::ostream& transcript)
    : transcript_(transcript),
      script_(script),
      clock_(kNoon),
      disk_(gameFolder),
      files_(disk_),
      devices_(files_),
      interpreter_(devices_),
      media_(transcript_, interpreter_),
      sdlDisplay_(sdl::desktopSize, [this] { return ui_.pixelRatio(); }),
      display_(transcript_, sdlDisplay_),
      settings_(transcript_, sdl::settingsFilePath().empty() ? std::nullopt
                                                             : std::optional<std::string>(sdl::settingsFilePath())),
      shell_(transcript_),
      ui_(files_, display_, clock_, uiOptions(options), [this](std::int64_t ms) { clock_.advanceTo(ms); }),
      platform_{ui_, media_, display_, settings_, shell_, files_, clock_} {
  sdlDisplay_.setChangeListener([this] { ui_.displayChanged(); });
}

void ScriptedMachine::drive(ScriptDriver::Hooks hooks) {
  driver_ = std::make_unique<ScriptDriver>(ui_, script_, transcript_, files_, std::move(hooks));
  ui_.setObserver(driver_.get());
}

void ScriptedMachine::endMedia(const std::optional<std::string>& word) { interpreter_.endScripted(word); }

}  // namespace quorlen::player
