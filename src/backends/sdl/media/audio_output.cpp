#include "backends/sdl/media/audio_output.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <utility>

#include "backends/sdl/media/sound_fonts.h"

namespace quorlen::sdl {
namespace {

constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms a buffer
// SDL_mixer's music volume at which General MIDI music at its loudest (a
// band playing fortissimo) stays below full scale: SDL_mixer sets the
// synthesiser's gain to 1.2 times the volume's share of its maximum, so
// this is a gain of 0.2, FluidSynth's own default, which leaves room for
// many voices at once. At SDL_mixer's maximum (six times that) loud pieces
// clip.
constexpr int kLoudestCleanMusicVolume = 21;

std::atomic<int> musicGain{MIX_MAX_VOLUME};
std::atomic<int> soundGain{MIX_MAX_VOLUME};

// The player's music loudness (0 to SDL_mixer's maximum) scales the
// loudest clean level.
void applyGain() {
  Mix_VolumeMusic((musicGain.load() * kLoudestCleanMusicVolume + MIX_MAX_VOLUME / 2) / MIX_MAX_VOLUME);
  Mix_MasterVolume(soundGain.load());
}

}  // namespace

void setOutputGain(int music, int sound) {
  musicGain = std::clamp(music, 0, MIX_MAX_VOLUME);
  soundGain = std::clamp(sound, 0, MIX_MAX_VOLUME);
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) != 0) applyGain();
}

AudioOutput::AudioOutput() {
  subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!subsystem_) return;
  mixerLibraries_ = Mix_Init(MIX_INIT_MID);
  // The format is fixed (SDL converts for the hardware), so that decoded
  // video sound can be added sample by sample.
  opened_ = Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) == 0;
  if (!opened_) return;
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  format_ = MixerFormat{frequency, channels};
  channelsTaken_.assign(static_cast<std::size_t>(Mix_AllocateChannels(-1)), false);
  chooseMidiSoundFonts();
  applyGain();
  if (format == AUDIO_S16SYS) Mix_SetPostMix(&AudioOutput::mixStreams, this);
}

AudioOutput::~AudioOutput() {
  if (opened_) {
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
  }
  if (mixerLibraries_ != 0) Mix_Quit();
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int AudioOutput::takeChannel() {
  const auto free = std::find(channelsTaken_.begin(), channelsTaken_.end(), false);
  const auto channel = static_cast<std::size_t>(free - channelsTaken_.begin());
  if (free == channelsTaken_.end()) {
    channelsTaken_.resize(channelsTaken_.size() * 2 + 8, false);
    Mix_AllocateChannels(static_cast<int>(channelsTaken_.size()));
  }
  channelsTaken_[channel] = true;
  return static_cast<int>(channel);
}

void AudioOutput::giveBackChannel(int channel) {
  if (channel < 0 || static_cast<std::size_t>(channel) >= channelsTaken_.size()) return;
  Mix_HaltChannel(channel);
  channelsTaken_[static_cast<std::size_t>(channel)] = false;
}

void AudioOutput::takeMusic(MusicUser& user) {
  if (musicUser_ == &user) return;
  MusicUser* previous = std::exchange(musicUser_, &user);
  if (previous != nullptr) previous->musicTakenOver();
}

void AudioOutput::giveBackMusic(const MusicUser& user) {
  if (musicUser_ != &user) return;
  Mix_HaltMusic();
  musicUser_ = nullptr;
}

MusicHandle AudioOutput::loadMidi(const std::string& file) {
  for (MidiPiece* piece : midiPieces_) piece->unloadUnlessHeld();
  SDL_RWops* reader = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  return MusicHandle(Mix_LoadMUSType_RW(reader, MUS_MID, 1));
}

void AudioOutput::addStream(std::shared_ptr<PcmStream> stream) {
  const std::lock_guard lock(streamsMutex_);
  streams_.push_back(std::move(stream));
}

void AudioOutput::removeStream(const PcmStream* stream) {
  const std::lock_guard lock(streamsMutex_);
  std::erase_if(streams_, [&](const std::shared_ptr<PcmStream>& entry) { return entry.get() == stream; });
}

void SDLCALL AudioOutput::mixStreams(void* self, Uint8* buffer, int bytes) {
  auto& output = *static_cast<AudioOutput*>(self);
  // The buffer holds 16-bit samples (the format asked for at opening).
  auto* samples = reinterpret_cast<std::int16_t*>(buffer);
  const auto count = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
  const std::lock_guard lock(output.streamsMutex_);
  const int gain = soundGain.load();
  if (gain == MIX_MAX_VOLUME) {
    for (const std::shared_ptr<PcmStream>& stream : output.streams_) stream->mixInto(samples, count);
    return;
  }
  // the tracks mixed apart, then added at the player's sound loudness
  output.gainBuffer_.assign(count, 0);
  for (const std::shared_ptr<PcmStream>& stream : output.streams_) stream->mixInto(output.gainBuffer_.data(), count);
  for (std::size_t i = 0; i < count; ++i) {
    const int mixed = samples[i] + output.gainBuffer_[i] * gain / MIX_MAX_VOLUME;
    samples[i] = static_cast<std::int16_t>(std::clamp(mixed, -32768, 32767));
  }
}

}  // namespace quorlen::sdl
