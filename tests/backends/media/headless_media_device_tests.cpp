// The headless factory and devices on their own, below the interpreter.

#include <gtest/gtest.h>

#include "backends/headless/media/headless_media_devices.h"
#include "backends/media/media_test_files.h"
#include "common/memory_file_system.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using backends::HeadlessMediaDevice;
using backends::MediaDeviceType;
using backends::MediaMode;

TEST(HeadlessMediaDeviceFactory, OnlyVideoKeepsAParentWindow) {
  fakes::MemoryFileSystem files;
  files.files["/a.wav"] = waveFile(100, 100);
  files.files["/a.avi"] = aviFile(1000, 5);
  backends::HeadlessMediaDeviceFactory factory(files);

  auto video = factory.open(MediaDeviceType::AviVideo, "/a.avi", 77);
  ASSERT_TRUE(video.ok());
  EXPECT_EQ(dynamic_cast<HeadlessMediaDevice&>(*video.value()).parentWindow(), 77U);
  auto audio = factory.open(MediaDeviceType::WaveAudio, "/a.wav", 77);
  ASSERT_TRUE(audio.ok());
  EXPECT_EQ(dynamic_cast<HeadlessMediaDevice&>(*audio.value()).parentWindow(), std::nullopt)
      << "audio has no window";
  EXPECT_EQ(factory.open(MediaDeviceType::WaveAudio, "/b.wav", {}).code(), backends::kMediaErrFileNotFound);
}

TEST(HeadlessMediaDevice, PositionsPastTheEndAreHeldThere) {
  // The interpreter checks ranges; a device driven directly stays sane.
  HeadlessMediaDevice device(MediaDeviceType::WaveAudio, 1000, {});
  ASSERT_EQ(device.seek(5000), 0);
  EXPECT_EQ(device.positionMs(), 1000U);
  ASSERT_EQ(device.play(0, 9000), 0);
  device.endPlayback();
  EXPECT_EQ(device.positionMs(), 1000U) << "range end past the medium";
  ASSERT_EQ(device.play(600, 400), 0);
  EXPECT_EQ(device.mode(), MediaMode::Stopped) << "a backwards range played";
  EXPECT_EQ(device.positionMs(), 600U);
}

}  // namespace
}  // namespace quorlen::testing
