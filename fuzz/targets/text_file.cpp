// A text file of the frame (Areas/Hall/Sign.lbl): the frame's texts load
// and the text is pressed.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Areas/Hall/Sign.lbl", quorlen::fuzzing::bytesOf(data, size));
  g.run([&] {
    g.game.LoadTexts();
    g.game.Text_MouseDown(1, 1, 0, 0, 0);
  });
  return 0;
}
