// Splitting commands into words, and the numbers the commands carry.

#include <gtest/gtest.h>

#include "backends/shared/media/media_command_words.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using backends::splitCommand;

TEST(MediaCommandWords, QuotesHoldBlanksAndAreDropped) {
  const auto words = splitCommand(R"(  Open "C:/My Games/a b.wav" ALIAS "x y"  wait  )");
  ASSERT_TRUE(words.ok());
  EXPECT_EQ(words.value().verb, "Open") << "leading blanks";
  ASSERT_TRUE(words.value().device.has_value());
  EXPECT_EQ(words.value().device->text, "C:/My Games/a b.wav");
  EXPECT_TRUE(words.value().device->quoted);
  ASSERT_EQ(words.value().rest.size(), 3U) << "runs of blanks or trailing blanks made words";
  EXPECT_EQ(words.value().rest[1].text, "x y");
  EXPECT_EQ(words.value().rest[2].text, "wait");
}

TEST(MediaCommandWords, DeviceNameEndsAtTheSecondBlank) {
  const auto words = splitCommand("Status  mode");
  ASSERT_TRUE(words.ok());
  ASSERT_TRUE(words.value().device.has_value()) << "an empty name is still a name";
  EXPECT_EQ(words.value().device->text, "");
  ASSERT_EQ(words.value().rest.size(), 1U);
  EXPECT_EQ(words.value().rest[0].text, "mode");
  EXPECT_FALSE(splitCommand("Status").value().device.has_value());
  EXPECT_EQ(splitCommand("waveaudio!\"a b.wav\"").value().verb, "waveaudio!a b.wav") << "quotes mid-word";
}

TEST(MediaCommandWords, BadCommands) {
  EXPECT_EQ(splitCommand("open \"x.wav").code(), backends::kMediaErrNoClosingQuote);
  EXPECT_EQ(splitCommand("").code(), backends::kMediaErrMissingCommandString);
}

TEST(MediaCommandWords, NumbersAreUnsigned32BitDecimals) {
  EXPECT_EQ(backends::parseMediaNumber("4097"), 4097U);
  EXPECT_EQ(backends::parseMediaNumber("4294967295"), 4294967295U);
  EXPECT_EQ(backends::parseMediaNumber("4294967296"), std::nullopt) << "overflow wrapped";
  EXPECT_EQ(backends::parseMediaNumber("-1"), std::nullopt);
  EXPECT_EQ(backends::parseMediaNumber("12ms"), std::nullopt);
  EXPECT_EQ(backends::parseMediaNumber(""), std::nullopt);
}

}  // namespace
}  // namespace quorlen::testing
