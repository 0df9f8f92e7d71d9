// What the headless devices read from media files: headers and lengths.

#include <gtest/gtest.h>

#include "backends/headless/media/media_file_headers.h"
#include "backends/headless/media/midi_duration.h"
#include "backends/media/media_test_files.h"

namespace quorlen::testing {
namespace {

using backends::MediaDeviceType;

const std::string kEndOfTrack = bytes({0x00, 0xFF, 0x2F, 0x00});

TEST(MediaFileHeaders, EachTypeAcceptsOnlyItsOwnHeader) {
  const std::string wave = waveFile(100, 10);
  const std::string video = aviFile(1000, 1);
  const std::string midi = midiFile(96, {kEndOfTrack});
  const std::string rmid = riffFile("RMID", {riffChunk("data", midi)});
  EXPECT_TRUE(backends::hasMediaHeader(MediaDeviceType::WaveAudio, wave));
  EXPECT_TRUE(backends::hasMediaHeader(MediaDeviceType::AviVideo, video));
  EXPECT_TRUE(backends::hasMediaHeader(MediaDeviceType::Sequencer, midi));
  EXPECT_TRUE(backends::hasMediaHeader(MediaDeviceType::Sequencer, rmid)) << "MIDI wrapped in RIFF";
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::WaveAudio, video));
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::AviVideo, wave));
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::Sequencer, wave));
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::WaveAudio, "RIFF")) << "header cut short";
  // What the desktop cannot begin to play is refused here too.
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::Sequencer, riffFile("RMID", {riffChunk("data", "RIFF")})))
      << "RMID without MIDI in it";
  std::string noChannels = wave;
  noChannels.replace(noChannels.find("fmt ") + 10, 2, std::string(2, '\0'));
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::WaveAudio, noChannels)) << "no channels";
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::WaveAudio, wave.substr(0, wave.find("data"))))
      << "no data chunk";
  EXPECT_FALSE(backends::hasMediaHeader(MediaDeviceType::WaveAudio, ""));
}

TEST(MediaFileHeaders, WaveLengthIsDataOverByteRate) {
  EXPECT_EQ(backends::waveLengthMs(waveFile(22050, 22050 * 3)), 3000U);
  EXPECT_EQ(backends::waveLengthMs(waveFile(8000, 4)), 0U) << "under a millisecond rounds down";
  EXPECT_EQ(backends::waveLengthMs(waveFile(0, 100)), 0U) << "zero byte rate divided";
  EXPECT_EQ(backends::waveLengthMs(riffFile("WAVE", {riffChunk("data", "abcd")})), 0U) << "no fmt chunk";

  // A data chunk that claims more than the file holds counts what is there.
  std::string cut = waveFile(100, 200);
  cut.resize(cut.size() - 100);
  EXPECT_EQ(backends::waveLengthMs(cut), 1000U);
}

TEST(MediaFileHeaders, AviLengthIsFramesOverTheFrameRate) {
  // The picture stream's header, as FFmpeg reads it for the desktop: 30
  // frames at 15 a second are 2000 ms, where the main header's rounded
  // frame time would make 1999.98.
  std::string stream = "vids";
  stream.append(16, '\0');                      // handler, flags, priority, language, initial frames
  stream += bytes({1, 0, 0, 0, 15, 0, 0, 0});    // scale 1, rate 15
  stream += bytes({0, 0, 0, 0, 30, 0, 0, 0});    // start 0, 30 frames
  std::string mainHeader = bytes({0x6A, 0x04, 0x01, 0x00});  // 66666 microseconds a frame
  mainHeader.append(12, '\0');
  mainHeader += bytes({30, 0, 0, 0});
  mainHeader.append(36, '\0');
  const std::string video = riffFile(
      "AVI ", {riffChunk("LIST", "hdrl" + riffChunk("avih", mainHeader) +
                                     riffChunk("LIST", "strl" + riffChunk("strh", stream)))});
  EXPECT_EQ(backends::aviLengthMs(video), 2000U) << "30 frames at 15 a second";

  EXPECT_EQ(backends::aviLengthMs(aviFile(66666, 150)), 10000U) << "15 fps, 150 frames, to the nearest millisecond";
  EXPECT_EQ(backends::aviLengthMs(riffFile("AVI ", {riffChunk("LIST", "movi")})), 0U) << "no header list";
  EXPECT_EQ(backends::aviLengthMs(riffFile("AVI ", {riffChunk("LIST", "hd")})), 0U) << "list too short";
  EXPECT_EQ(backends::aviLengthMs(riffFile("AVI ", {riffChunk("LIST", "hdrl" + riffChunk("avih", "abc"))})), 0U)
      << "cut-off main header";
}

TEST(MidiDuration, TempoDivisionAndTheLongestTrack) {
  // One quarter note at 96 ticks a quarter, then the end of the track.
  const std::string track = bytes({0x00, 0x90, 0x40, 0x7F, 0x60, 0x80, 0x40, 0x00}) + kEndOfTrack;
  EXPECT_EQ(backends::midiLengthMs(midiFile(96, {track})), 500U) << "the default tempo: half a second a quarter";
  // 1 s a quarter for the first quarter, then 0.25 s a quarter for three more.
  const std::string tempoTrack = bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,   // 1 000 000 us
                                        0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}) +  // 250 000 us
                                 kEndOfTrack;
  const std::string notes = bytes({0x00, 0x90, 0x40, 0x7F, 0x83, 0x00, 0x40, 0x00}) + kEndOfTrack;  // running
  EXPECT_EQ(backends::midiLengthMs(midiFile(96, {tempoTrack, notes})), 1750U)
      << "tempo from one track times the longest other track";
  // Program change and channel pressure carry one data byte, the others two.
  const std::string shortTrack = bytes({0x30, 0x90, 0x40, 0x40}) + kEndOfTrack;
  const std::string longTrack = bytes({0x00, 0xF0, 0x02, 0x7E, 0xF7,  // system exclusive
                                       0x00, 0xC0, 0x05,              // program change
                                       0x00, 0xD0, 0x40,              // channel pressure
                                       0x83, 0x00, 0xB0, 0x07, 0x64}) +  // 384 ticks later
                                kEndOfTrack;
  EXPECT_EQ(backends::midiLengthMs(midiFile(96, {shortTrack, longTrack})), 2000U) << "the longest track decides";
  // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
  const std::uint16_t division = static_cast<std::uint16_t>(((256 - 25) << 8) | 40);
  const std::string smpte = bytes({0x87, 0x68, 0x90, 0x40, 0x40}) + kEndOfTrack;  // 1000 ticks
  EXPECT_EQ(backends::midiLengthMs(midiFile(division, {smpte})), 1000U) << "an SMPTE division counts frames";
}

TEST(MidiDuration, DamagedFilesCountWhatCanBeReadAndRmidHoldsAStandardFile) {
  const std::string cut = bytes({0x60, 0x90, 0x40, 0x7F, 0x60, 0x80});  // second event cut short
  EXPECT_EQ(backends::midiLengthMs(midiFile(96, {cut})), 500U) << "a cut event: what came before it counts";
  EXPECT_EQ(backends::midiLengthMs(midiFile(96, {bytes({0x60, 0x40, 0x40})})), 0U) << "data with no status";
  EXPECT_EQ(backends::midiLengthMs(midiFile(0, {bytes({0x60, 0x90, 0x40, 0x40})})), 0U) << "zero division";
  EXPECT_EQ(backends::midiLengthMs("MThd"), 0U);
  EXPECT_EQ(backends::midiLengthMs(""), 0U);

  std::string overlong = midiFile(96, {bytes({0x60, 0x90, 0x40, 0x40}) + kEndOfTrack});
  overlong[18] = '\x7F';  // track size far past the end of the file
  EXPECT_EQ(backends::midiLengthMs(overlong), 500U) << "a track size past the end of the file";
  overlong[18] = '\0';
  const std::string rmid = riffFile("RMID", {riffChunk("data", overlong)});
  EXPECT_EQ(backends::midiFileIn(rmid), overlong) << "RMID holds a standard file";
  EXPECT_EQ(backends::mediaLengthMs(MediaDeviceType::Sequencer, rmid), 500U);
  EXPECT_EQ(backends::midiFileIn(riffFile("RMID", {})), "") << "RMID without data";
}

}  // namespace
}  // namespace quorlen::testing
