#pragma once
// The one audio output of the program: SDL's audio subsystem and SDL_mixer,
// opened together for as long as this object lives. Sounds play on mixer
// channels that each device takes for itself; SDL_mixer plays one piece of
// music at a time, so the music device that plays last has it; the sound
// tracks of videos are added after SDL_mixer has mixed the rest.

#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>
#include <mutex>
#include <vector>

#include "backends/sdl/media/pcm_stream.h"

namespace quorlen::sdl {

// What the mixer plays: 16-bit signed samples in native order, interleaved.
struct MixerFormat {
  int frequency = 0;
  int channels = 0;

  [[nodiscard]] int bytesPerFrame() const { return channels * 2; }
};

// A device that plays SDL_mixer's music and is told when another takes it.
class MusicUser {
 public:
  virtual void musicTakenOver() = 0;

 protected:
  ~MusicUser() = default;
};

// The player's own loudness over whatever the game plays, 0 (silent) to
// 128 (as the game asks) each: music is SDL_mixer's music, sound its
// channels and the sound tracks of videos. Kept for an output opened later.
void setOutputGain(int music, int sound);

class AudioOutput {
 public:
  // Opens the output; ok() tells whether it could.
  AudioOutput();
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  [[nodiscard]] bool ok() const { return opened_; }
  [[nodiscard]] const MixerFormat& format() const { return format_; }

  // A mixer channel of the caller's own, until it gives it back.
  [[nodiscard]] int takeChannel();
  void giveBackChannel(int channel);

  // The music is the caller's from now on; the one that had it is told.
  void takeMusic(MusicUser& user);
  [[nodiscard]] bool hasMusic(const MusicUser& user) const { return musicUser_ == &user; }
  void giveBackMusic(const MusicUser& user);

  // The synthesiser loads its sound font for every piece of MIDI music, and
  // does so quickly only while another piece still holds the font's
  // samples: the last one loaded is kept for that.
  void keepMidiSamples(std::shared_ptr<Mix_Music> music);

  // Sound tracks mixed in while they run.
  void addStream(std::shared_ptr<PcmStream> stream);
  void removeStream(const PcmStream* stream);

 private:
  static void SDLCALL mixStreams(void* self, Uint8* buffer, int bytes);

  bool subsystem_ = false;
  int mixerLibraries_ = 0;
  bool opened_ = false;
  MixerFormat format_;
  std::vector<bool> channelsTaken_;
  MusicUser* musicUser_ = nullptr;
  std::shared_ptr<Mix_Music> warmMidi_;
  std::mutex streamsMutex_;
  std::vector<std::shared_ptr<PcmStream>> streams_;
  std::vector<std::int16_t> gainBuffer_;  // video sound at a lower loudness
};

}  // namespace quorlen::sdl
