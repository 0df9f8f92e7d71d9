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
#include <string>
#include <vector>

#include "backends/sdl/media/mixer_format.h"
#include "backends/sdl/media/mixer_handles.h"
#include "backends/sdl/media/pcm_stream.h"

namespace quorlen::sdl {

// A device that plays SDL_mixer's music and is told when another takes it.
class MusicUser {
 public:
  virtual void musicTakenOver() = 0;

 protected:
  ~MusicUser() = default;
};

// A piece of MIDI music that can let go of its synthesiser while another
// piece is loaded, and load it again when it plays.
class MidiPiece {
 public:
  // Lets go of the synthesiser unless the piece holds the music (plays, or
  // is stopped where it can go on).
  virtual void unloadUnlessHeld() = 0;

 protected:
  ~MidiPiece() = default;
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

  // `file` (a standard MIDI file, kept by the caller for as long as the
  // music lives) loaded as music; null when it cannot be. SDL_mixer makes a
  // synthesiser for every piece, each with its own copy of the sound font
  // (15 MB with Debian's 6 MB font), so every other piece lets go of its
  // own first unless it holds the music: one synthesiser at a time, two
  // only while the piece that plays is kept until the new one takes over.
  [[nodiscard]] MusicHandle loadMidi(const std::string& file);
  void addMidiPiece(MidiPiece& piece) { midiPieces_.push_back(&piece); }
  void removeMidiPiece(const MidiPiece& piece) { std::erase(midiPieces_, &piece); }

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
  std::vector<MidiPiece*> midiPieces_;
  std::mutex streamsMutex_;
  std::vector<std::shared_ptr<PcmStream>> streams_;
  std::vector<std::int16_t> gainBuffer_;  // video sound at a lower loudness
};

}  // namespace quorlen::sdl
