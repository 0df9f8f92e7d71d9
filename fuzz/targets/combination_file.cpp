// A combination file (Areas/Matches_on_Candle.drg): one held item is
// dropped on the other.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Areas/Matches_on_Candle.drg", quorlen::fuzzing::bytesOf(data, size));
  g.defineItem("Matches");
  g.defineItem("Candle");
  g.defineItem("Lit candle");
  g.run([&] {
    g.game.AddPickedObject("Matches");
    g.game.AddPickedObject("Candle");
    quorlen::ui::Control* matches = g.game.window().element("PickedObject", 1);
    if (matches == nullptr) return;
    g.game.DraggedObject = 1;
    g.game.PickedObject_DragDrop(2, *matches, 0, 0);
  });
  return 0;
}
