// A saved game (Slot.sav), loaded through the load window: its variables,
// disappeared areas and items are applied and its frame opens.
#include "savegames/load_game_window.h"
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Slot.sav", quorlen::fuzzing::bytesOf(data, size));
  g.put("/game/Config/Variables", "2\r\n\"Door\"\r\n\"Lamp\"\r\n");
  g.put("/game/Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  g.put("/game/Frames/Hall.lks", "1\r\n");
  g.put("/game/Areas/Hall/1a.dat", "0,0,10,10,\"\",#FALSE#,0\r\n");
  g.defineItem("Lamp");
  g.defineItem("Key");
  quorlen::LoadGameWindow& load = g.program.loadGame();
  g.run([&] {
    g.program.welcome().window().load();
    load.window().load();
    quorlen::ui::Control& list = *load.window().find("List1");
    list.setItems({"Slot"});
    list.setListIndex(0);
    load.Command2_Click();
  });
  return 0;
}
