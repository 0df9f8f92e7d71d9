#pragma once
// MIDI music on SDL_mixer's music (its FluidSynth synthesiser), opened as a
// sequencer. SDL_mixer plays one piece of music at a time: playing this
// device halts the piece another device played, which then reads stopped
// where it was.
//
// What the synthesiser allows, and so what is approximate:
// - the length is read from the MIDI file (its last event);
// - the position is counted by the clock from where playing started;
// - playing starts at the beginning or goes on where the device stopped
//   (stop holds the music where it is, and play from there resumes it);
//   a start anywhere else plays from the beginning, and the position then
//   counts from 0;
// - a range ends by the clock, the whole music too: the music ends at its
//   last event, as a sequencer ends it, and the synthesiser's notes still
//   fading then are cut (they would keep the device playing for seconds).
//
// A piece that does not hold the music lets go of its synthesiser when
// another piece is loaded or takes the music over, and loads it again when
// it plays (AudioOutput::loadMidi).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/playback_device.h"

namespace quorlen::sdl {

class MusicDevice final : public PlaybackDevice, private MusicUser, private MidiPiece {
 public:
  // The device of `midi`, a standard MIDI file of `lengthMs`; fails with
  // kMediaErrInvalidFile when SDL_mixer cannot load it.
  [[nodiscard]] static backends::MediaResult<std::unique_ptr<backends::MediaDevice>> load(
      std::shared_ptr<MediaSession> session, AudioOutput& output, std::string midi, std::uint64_t lengthMs);

  MusicDevice(std::shared_ptr<MediaSession> session, AudioOutput& output, std::string midi, std::uint64_t lengthMs);
  ~MusicDevice() override;
  MusicDevice(const MusicDevice&) = delete;
  MusicDevice& operator=(const MusicDevice&) = delete;

  [[nodiscard]] std::uint64_t lengthMs() const override { return lengthMs_; }

 private:
  [[nodiscard]] backends::MediaResult<std::uint64_t> startOutput(std::uint64_t fromMs, std::uint64_t toMs) override;
  void pauseOutput() override;
  void resumeOutput() override;
  void haltOutput(std::uint64_t atMs) override;
  [[nodiscard]] bool outputFinished() const override;
  [[nodiscard]] bool endsByClock() const override { return true; }
  void musicTakenOver() override;
  void unloadUnlessHeld() override;

  AudioOutput& output_;
  std::string midi_;  // read by the music for as long as it lives
  MusicHandle music_;  // null while let go
  std::uint64_t lengthMs_;
  std::optional<std::uint64_t> heldAtMs_;  // stopped there, SDL_mixer's music paused
};

}  // namespace quorlen::sdl
