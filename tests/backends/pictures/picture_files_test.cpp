// The readers every backend shares: picture sizes from the headers of
// every format of the era, lying headers refused, cursor and icon files
// decoded from the entry the system shows, animated cursors; and a frame
// whose area cursor is animated loads all its areas in the runner.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/runner/runner.h"
#include "backends/shared/pictures/animated_cursors.h"
#include "backends/shared/pictures/picture_headers.h"
#include "picture_manifest.h"
#include "support/temp_folder.h"

namespace quorlen::backends {
namespace {

using testing::cursorPoints;
using testing::fileBytes;
using testing::testPicture;

void put32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A BMP of `bytes` bytes whose header declares this size.
std::string bitmapClaiming(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t compression,
                           std::size_t bytes = 58) {
  std::string b(bytes, '\0');
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<std::uint32_t>(bytes));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = static_cast<char>(bits);
  put32(b, 30, compression);
  return b;
}

TEST(PictureHeaders, EveryFormatOfTheEraReportsItsOwnSize) {
  std::set<std::string> seen;
  for (const auto& p : testing::picturePoints()) {
    if (!seen.insert(p.name).second) continue;
    auto size = readPictureSize(fileBytes(testPicture(p.name)));
    ASSERT_TRUE(size) << p.name << " is a picture";
    EXPECT_EQ(size.value().width, p.width) << p.name << ": the width its header declares";
    EXPECT_EQ(size.value().height, p.height) << p.name << ": the height its header declares";
  }
  EXPECT_GE(seen.size(), 22u) << "every picture format was made";
  EXPECT_FALSE(readPictureSize(fileBytes(testPicture("animated.ani")))) << "an animated cursor is no picture";
}

TEST(PictureHeaders, AbsurdOrLyingSizesAreRefusedBeforeAnythingDecodes) {
  std::string gif = "GIF89a";
  gif += std::string("\xFF\xFF\xFF\xFF", 4) + std::string(25, '\0');  // 65535 x 65535 in 35 bytes
  std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + std::string("\x7F\xFF\xFF\xFF\0\0\0\x01", 8) +
                    std::string(20, '\0');
  const struct {
    const char* what;
    std::string bytes;
  } hostile[] = {
      {"a height of INT_MIN", bitmapClaiming(4, INT_MIN, 24, 0)},
      {"a width of INT_MIN", bitmapClaiming(INT_MIN, 4, 24, 0)},
      {"30000 x 30000 in 58 bytes", bitmapClaiming(30000, 30000, 24, 0)},
      {"a side over 16384", bitmapClaiming(16385, 1, 8, 1, 100000)},
      {"over 64 megapixels", bitmapClaiming(16384, 4097, 8, 1, 100000)},
      {"more pixels than an uncompressed file holds", bitmapClaiming(100, 100, 24, 0, 1000)},
      {"more pixels than run-length bytes can make", bitmapClaiming(8000, 8000, 8, 1, 100)},
      {"a GIF of 65535 x 65535 in 35 bytes", gif},
      {"a PNG of width 2^31-1", png},
      {"a zero width", bitmapClaiming(0, 4, 24, 0)},
  };
  for (const auto& h : hostile) {
    auto size = readPictureSize(h.bytes);
    ASSERT_FALSE(size) << h.what << " is refused";
    EXPECT_EQ(size.error().kind, ErrorKind::Unreadable) << h.what << ": an unreadable picture";
  }
  auto upsideDown = readPictureSize(bitmapClaiming(2, -2, 24, 0, 70));
  ASSERT_TRUE(upsideDown) << "a negative height is a top-down bitmap";
  EXPECT_EQ(upsideDown.value().height, 2) << "a top-down bitmap's height";
}

TEST(PictureHeaders, EveryMalformedFileIsRefusedAsAPictureAndAsACursor) {
  namespace fs = std::filesystem;
  int tried = 0;
  for (const auto& entry : fs::directory_iterator(std::string(QUORLEN_TEST_DATA) + "/malformed/pictures")) {
    if (entry.path().extension() == ".md") continue;
    const std::string bytes = fileBytes(entry.path().string());
    EXPECT_FALSE(readPictureSize(bytes)) << entry.path().filename() << " is no picture";
    EXPECT_FALSE(readCursorHeader(bytes)) << entry.path().filename() << " is no cursor";
    ++tried;
  }
  EXPECT_GE(tried, 12) << "every malformed picture was tried";
}

TEST(CursorFiles, SizeHotSpotAndPixelsComeFromTheShownEntry) {
  int checked = 0;
  for (const auto& p : cursorPoints()) {
    const std::string bytes = fileBytes(testPicture(p.name));
    auto header = readCursorHeader(bytes);
    auto animation = decodeCursorAnimation(bytes);
    ASSERT_TRUE(header) << p.name << " is a cursor";
    ASSERT_TRUE(animation) << p.name << " decodes";
    const IconImage& image = animation.value().frames[animation.value().steps[0].frame];
    EXPECT_EQ(header.value().size.width, p.width) << p.name << ": the shown entry's width";
    EXPECT_EQ(image.width, p.width) << p.name << ": pixels of the entry whose size is reported";
    EXPECT_EQ(image.height, p.height) << p.name;
    EXPECT_EQ(header.value().hotX, p.hotX) << p.name << ": hot spot of the shown entry";
    EXPECT_EQ(header.value().hotY, p.hotY) << p.name;
    EXPECT_EQ(image.hotX, p.hotX) << p.name << ": the pointer's hot spot is the reported one";
    EXPECT_EQ(image.hotY, p.hotY) << p.name;
    EXPECT_EQ(image.monochrome, p.monochrome) << p.name << ": made as a two-colour cursor or not";
    const std::size_t i = static_cast<std::size_t>(p.y) * image.width + p.x;
    ASSERT_LT(i * 4 + 3, image.rgba.size()) << p.name;
    EXPECT_EQ(image.inverting[i] != 0, p.inverting) << p.name << " at " << p.x << "," << p.y;
    const int black[4] = {0, 0, 0, 255};
    const int* want = p.inverting ? black : p.rgba;  // inverting pixels are black where nothing inverts
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(image.rgba[i * 4 + c], want[c]) << p.name << " at " << p.x << "," << p.y << " channel " << c;
    }
    ++checked;
  }
  EXPECT_GE(checked, 20) << "every cursor was checked";
}

TEST(CursorFiles, AnAnimatedCursorGoesThroughItsSequenceAtItsRates) {
  auto animation = decodeCursorAnimation(fileBytes(testPicture("animated.ani")));
  ASSERT_TRUE(animation) << "the animated cursor decodes";
  const CursorAnimation& a = animation.value();
  ASSERT_EQ(a.frames.size(), 3u) << "its three icon chunks";
  ASSERT_EQ(a.steps.size(), 4u) << "the four steps of its sequence";
  const std::size_t frames[] = {0, 1, 2, 1};
  const int times[] = {100, 200, 100, 500};
  for (std::size_t s = 0; s < 4; ++s) {
    EXPECT_EQ(a.steps[s].frame, frames[s]) << "step " << s << " shows the frame its sequence names";
    EXPECT_EQ(a.steps[s].milliseconds, times[s]) << "step " << s << " lasts its rate in jiffies of 1/60 s";
  }
  EXPECT_EQ(a.frames[1].rgba[1], 255) << "the second frame is green";
  EXPECT_EQ(a.frames[1].hotX, 4) << "each frame keeps its own hot spot";
}

TEST(CursorFiles, FilesCutAnywhereFailOrDecodeWithoutReadingPastTheirEnd) {
  for (const char* name : {"animated.ani", "multi.ico", "mono.cur", "alpha32.cur"}) {
    const std::string whole = fileBytes(testPicture(name));
    int refused = 0;
    for (std::size_t length = 0; length < whole.size(); length += 7) {
      const std::string cut = whole.substr(0, length);  // a copy: reading past it is caught
      if (!decodeCursorAnimation(cut)) ++refused;
      (void)readCursorHeader(cut);
    }
    EXPECT_GT(refused, 0) << name << ": a cut file is refused";
  }
}

TEST(CursorFiles, AFrameWhoseAreaCursorIsAnimatedLoadsAllItsAreas) {
  namespace fs = std::filesystem;
  const quorlen::testing::TempFolder folder("quorlen-ani");
  const fs::path game = folder.path();
  fs::copy(fs::path(QUORLEN_SOURCE_DIR) / "games/sample", game, fs::copy_options::recursive);
  fs::create_directories(game / "Icons");
  fs::copy_file(testPicture("animated.ani"), game / "Icons/Busy.ani");
  std::ofstream(game / "Areas/Garden/1a.dat", std::ios::binary)
      << "6900,2970,1260,2010,#FALSE#,#TRUE#,\"Garden\\door.bmp\",1,\"busy.ani\"\r\n0\r\n";
  std::istringstream script("click frmWelcome.Image5\ndump\n");
  std::ostringstream out;
  std::ostringstream err;
  const int status = runnerMain({"--display", "640x480", game.string()}, script, out, err);
  EXPECT_EQ(status, 0) << err.str();
  const std::string transcript = out.str();
  EXPECT_EQ(transcript.find("Unable to load all"), std::string::npos) << "no area fails: " << transcript;
  EXPECT_NE(transcript.find("Icons/busy.ani\""), std::string::npos) << "area 1 has the animated cursor: " << transcript;
  EXPECT_NE(transcript.find("{\"index\":2,"), std::string::npos) << "the area after it is created";
}

}  // namespace
}  // namespace quorlen::backends
