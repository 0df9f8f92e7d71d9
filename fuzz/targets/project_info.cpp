// The project information (Config/General), read when the welcome window
// loads; then the game starts with what it said: its start frame opens in a
// window of its size.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorlen;
  fakes::FakePlatform machine;
  machine.files.files["/game/Config/General"] = fuzzing::bytesOf(data, size);
  machine.files.files["/game/Frames/Hall.fme"] = "0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n";
  machine.files.files["/game/Frames/Hall.lks"] = "0\r\n";
  Program program{machine.platform};
  try {
    program.start();
    program.welcome().Image5_Click();
  } catch (const ui::ProgramEnded&) {
  }
  return 0;
}
