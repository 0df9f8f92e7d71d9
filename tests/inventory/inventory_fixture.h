#pragma once
// The game window of the frame Hall (tests/support/frame_game_fixture.h),
// for tests of the inventory, the combining of items and the frame texts.

#include <initializer_list>
#include <string>
#include <vector>

#include "support/frame_game_fixture.h"

namespace quorlen::testing {

class GameWindowTest : public FrameGameTest {
 protected:
  // An item whose file names the icon NAME.bmp, which is there.
  void defineItem(const std::string& name) {
    put("/game/Areas/" + name + ".obj", "\"" + name + ".bmp\"\r\n");
    putPicture("/game/Areas/" + name + ".bmp");
  }
  void pickUp(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      defineItem(name);
      game.AddPickedObject(name);
    }
  }
  // The tags of slots 1 to ObjectsCount.
  [[nodiscard]] std::vector<std::string> tags() const {
    std::vector<std::string> out;
    for (int slot = 1; slot <= game.ObjectsCount; ++slot) {
      const ui::Control* c = item(slot);
      out.push_back(c == nullptr ? "<missing>" : c->tag());
    }
    return out;
  }
};

}  // namespace quorlen::testing
