// Opening devices: the command forms the game writes, aliases, types and the
// errors a failed open answers.

#include <gtest/gtest.h>

#include "backends/media/media_test_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using backends::MediaDeviceType;
using backends::MediaMode;

using MediaOpenTest = MediaTest;

TEST_F(MediaOpenTest, OpensTheGamesOwnCommands) {
  EXPECT_EQ(send(R"(Open "/games/tale/Frames/intro.mid" ALIAS mid7 TYPE Sequencer wait)").code, 0);
  EXPECT_EQ(send(R"(Open "/games/tale/Areas/door.wav" ALIAS wav7 TYPE Waveaudio wait)").code, 0);
  EXPECT_EQ(send(R"(Open "/games/tale/Frames/intro.avi" ALIAS 23 TYPE AviVideo wait parent 4097 style child)").code,
            0);

  const auto devices = media.openDevices();
  ASSERT_EQ(devices.size(), 3U);
  EXPECT_EQ(devices[0].alias, "mid7") << "alias kept as written";
  EXPECT_EQ(devices[0].type, MediaDeviceType::Sequencer);
  EXPECT_EQ(devices[0].file, kIntroMidi) << "file kept as written, quotes dropped";
  EXPECT_EQ(devices[1].type, MediaDeviceType::WaveAudio);
  EXPECT_EQ(devices[2].alias, "23") << "a number is a valid alias";
  EXPECT_EQ(devices[2].type, MediaDeviceType::AviVideo);
  EXPECT_EQ(devices[2].parentWindow, 4097U) << "parent window of the video lost";
  for (const auto& device : devices) EXPECT_EQ(device.mode, MediaMode::Stopped) << device.alias;
}

TEST_F(MediaOpenTest, KeywordsTypesAndAliasesIgnoreLetterCase) {
  ASSERT_EQ(send(R"(oPeN "/games/tale/Areas/door.wav" aLiAs Door tYpE WAVEAUDIO WAIT)").code, 0);
  EXPECT_EQ(ask("STATUS door MODE"), "stopped") << "alias looked up without regard to case";
  EXPECT_EQ(send(R"(open "/games/tale/Frames/intro.mid" alias DOOR type sequencer)").code,
            backends::kMediaErrDuplicateAlias)
      << "an alias differing only in case is the same alias";
}

TEST_F(MediaOpenTest, QuotedPathKeepsItsBlanks) {
  files.files["/games/tale/Sound Effects/big door.wav"] = waveFile(100, 100);
  ASSERT_EQ(send(R"(open "/games/tale/Sound Effects/big door.wav" alias fx)").code, 0);
  EXPECT_EQ(media.openDevices().at(0).file, "/games/tale/Sound Effects/big door.wav");
  EXPECT_EQ(ask("status fx length"), "1000") << "the file with blanks was the one read";
}

TEST_F(MediaOpenTest, WithoutAliasTheFileNamesTheDevice) {
  ASSERT_EQ(send(R"(open "/games/tale/Areas/door.wav")").code, 0);
  EXPECT_EQ(ask(R"(status "/games/tale/Areas/door.wav" mode)"), "stopped");
  EXPECT_EQ(ask("status /GAMES/tale/areas/DOOR.WAV length"), "2500") << "file name as alias ignores case too";
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav")").code, backends::kMediaErrDeviceOpen)
      << "a second open of the same file without alias";
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias again)").code, 0)
      << "the same file under another alias is a new device";
}

TEST_F(MediaOpenTest, DuplicateAliasIsRefusedAndLeavesTheFirstDevice) {
  ASSERT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias a1)").code, 0);
  EXPECT_EQ(send(R"(open "/games/tale/Frames/intro.mid" alias a1)").code, backends::kMediaErrDuplicateAlias);
  ASSERT_EQ(media.openDevices().size(), 1U) << "refused open added a device";
  EXPECT_EQ(media.openDevices()[0].type, MediaDeviceType::WaveAudio) << "first device replaced";
}

TEST_F(MediaOpenTest, TypeFollowsTheExtensionOrAPrefix) {
  files.files["/m/theme.RMI"] = riffFile("RMID", {riffChunk("data", files.readFile(kIntroMidi).value())});
  ASSERT_EQ(send("open /games/tale/Frames/intro.avi alias v").code, 0);
  ASSERT_EQ(send("open /games/tale/Frames/intro.mid alias m").code, 0);
  ASSERT_EQ(send("open /m/theme.RMI alias r").code, 0);
  const auto devices = media.openDevices();
  EXPECT_EQ(devices[0].type, MediaDeviceType::AviVideo);
  EXPECT_EQ(devices[1].type, MediaDeviceType::Sequencer);
  EXPECT_EQ(devices[2].type, MediaDeviceType::Sequencer) << ".rmi, upper case";
  EXPECT_EQ(ask("status r length"), "5000") << "MIDI data inside the RMID file";

  files.files["/m/notes.txt"] = "text";
  EXPECT_EQ(send("open /m/notes.txt").code, backends::kMediaErrExtensionNotFound);
  EXPECT_EQ(send("open speakers").code, backends::kMediaErrInvalidDeviceName) << "no extension, no such device";
  files.files["/m/door"] = waveFile(100, 300);
  ASSERT_EQ(send("open waveaudio!/m/door alias d").code, 0);
  EXPECT_EQ(media.openDevices().back().file, "/m/door") << "type prefix is not part of the file";
  EXPECT_EQ(ask("status d length"), "3000");
  EXPECT_EQ(send("open waveaudio!/m/door alias e type sequencer").code, backends::kMediaErrFlagsNotCompatible);
}

TEST_F(MediaOpenTest, FileProblemsAnswerTheirOwnNumbers) {
  EXPECT_EQ(send(R"(Open "/games/tale/Areas/none.wav" ALIAS w TYPE Waveaudio wait)").code,
            backends::kMediaErrFileNotFound);
  files.files["/m/fake.wav"] = riffFile("AVI ", {});
  EXPECT_EQ(send(R"(Open "/m/fake.wav" ALIAS w)").code, backends::kMediaErrInvalidFile) << "video bytes as wave";
  EXPECT_EQ(send(R"(Open "/games/tale/Areas/door.wav" ALIAS w TYPE Sequencer)").code,
            backends::kMediaErrInvalidFile)
      << "a type given explicitly is checked against the header";
  files.files["/m/short.mid"] = "MTh";
  EXPECT_EQ(send("open /m/short.mid alias w").code, backends::kMediaErrInvalidFile) << "cut-off header";
  files.unreadable.push_back("/m/locked.wav");
  EXPECT_EQ(send("open /m/locked.wav alias w").code, backends::kMediaErrFileRead);
  EXPECT_TRUE(media.openDevices().empty()) << "failed opens left a device behind";
  EXPECT_EQ(send(R"(Open "/games/tale/Areas/door.wav" ALIAS w)").code, 0) << "failed opens held the alias";
}

TEST_F(MediaOpenTest, ParentAndStyleBelongToVideo) {
  ASSERT_EQ(send(R"(open "/games/tale/Frames/intro.avi" alias v parent 1234 style child)").code, 0);
  const auto* video = dynamic_cast<const backends::HeadlessMediaDevice*>(media.find("V"));
  ASSERT_NE(video, nullptr);
  EXPECT_EQ(video->parentWindow(), 1234U) << "device forgot its window";

  EXPECT_EQ(send(R"(open "/games/tale/Frames/intro.avi" alias w parent 12ab)").code, backends::kMediaErrBadInteger);
  EXPECT_EQ(send(R"(open "/games/tale/Frames/intro.avi" alias w parent)").code,
            backends::kMediaErrMissingParameter);
  EXPECT_EQ(send(R"(open "/games/tale/Frames/intro.avi" alias w style sideways)").code,
            backends::kMediaErrBadConstant);
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias w parent 1234)").code,
            backends::kMediaErrUnrecognizedKeyword)
      << "wave audio has no window";
  ASSERT_EQ(send(R"(open "/games/tale/Frames/intro.avi" alias w)").code, 0);
  EXPECT_EQ(media.openDevices().at(1).parentWindow, std::nullopt) << "parent invented";
}

TEST_F(MediaOpenTest, MalformedOpenCommands) {
  const std::string door = R"(open "/games/tale/Areas/door.wav" )";
  EXPECT_EQ(send(door + "alias").code, backends::kMediaErrMissingStringArgument);
  EXPECT_EQ(send(door + "alias a alias b").code, backends::kMediaErrDuplicateFlags);
  EXPECT_EQ(send(door + "alias a shuffle").code, backends::kMediaErrUnrecognizedKeyword);
  EXPECT_EQ(send(door + "alias a type jukebox").code, backends::kMediaErrCannotLoadDriver);
  EXPECT_EQ(send(door + "alias all").code, backends::kMediaErrCannotUseAll) << "'all' would be unreachable";
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav alias a)").code, backends::kMediaErrNoClosingQuote);
  EXPECT_EQ(send("open").code, backends::kMediaErrMissingDeviceName);
  EXPECT_EQ(send(R"(open "" alias a)").code, backends::kMediaErrFilenameRequired);
  EXPECT_TRUE(media.openDevices().empty());
}

TEST_F(MediaOpenTest, OpenAnswersTheDeviceNumberAndUnknownVerbsAreRefused) {
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias a)").text, "1");
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias b)").text, "2");
  ASSERT_EQ(send("close a").code, 0);
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias c)").text, "1") << "freed number not reused";
  EXPECT_EQ(send(R"(open "/games/tale/Areas/door.wav" alias d)", 0).text, "") << "no reply wanted";
  EXPECT_EQ(send("Rewind mid7").code, backends::kMediaErrUnrecognizedCommand);
  EXPECT_EQ(send("Rewind").code, backends::kMediaErrUnrecognizedCommand) << "verb checked before device";
  EXPECT_EQ(send("   ").code, backends::kMediaErrMissingCommandString);
}

}  // namespace
}  // namespace quorlen::testing
