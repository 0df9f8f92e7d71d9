// The window model: control sets, stacking, hit testing, the dispatch of
// input to handlers, modal windows and activation.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/window.h"
#include "platform/window_manager.h"
#include "support/fake_platform.h"

namespace quorlen::ui {
namespace {

class WindowModelTest : public ::testing::Test {
 protected:
  fakes::RecordingUi host;
  WindowManager& manager = host.windows();
  Window game{manager, "Game"};
  std::vector<std::string> events;

  void SetUp() override {
    game.onCreate = [this] {
      Control& display = game.add(ControlKind::PictureBox, "PictureBox");
      display.move(0, 0, 9600, 7200);
      game.add(ControlKind::Image, "BackImage", &display).move(0, 0, 9600, 7200);
      Control& area = game.addSet(ControlKind::Image, "Area", &display);
      area.onMouseDown = [this](Control& c, const MouseArgs& a) {
        events.push_back("down " + c.qualifiedName() + " " + std::to_string(static_cast<int>(a.button)));
      };
      area.onClick = [this](Control& c) { events.push_back("click " + c.qualifiedName()); };
      game.add(ControlKind::PictureBox, "CutSceneArea", &display).setVisible(false);
    };
    game.show();
  }

  Control& area(int index, Twips left, Twips top, Twips width, Twips height) {
    Control& a = game.loadElement("Area", index);
    a.move(left, top, width, height);
    a.setVisible(true);
    return a;
  }
  void press(Twips x, Twips y, MouseButton button = MouseButton::Left) {
    manager.post(PointerDown{game.handle(), std::nullopt, x, y, button});
    manager.post(PointerUp{game.handle(), x, y, button, std::nullopt});
    manager.dispatchPending();
  }
};

TEST_F(WindowModelTest, ElementsStartFromTheirTemplateHiddenAndAreCountedInOrderWhateverTheirIndex) {
  Control& element0 = *game.element("Area", 0);
  element0.setToolTip("from the template");
  Control& a = game.loadElement("Area", 3);
  EXPECT_FALSE(a.visible()) << "a new element is hidden until shown";
  EXPECT_EQ(a.toolTip(), "from the template") << "a new element copies its template's properties";
  EXPECT_EQ(a.qualifiedName(), "Area(3)");
  EXPECT_EQ(game.elementCount("Area"), 2) << "the count includes the template";
  game.unloadElement("Area", 3);
  EXPECT_EQ(game.element("Area", 3), nullptr) << "an unloaded element is gone";
  EXPECT_THROW(game.unloadElement("Area", 0), std::logic_error) << "the template is never unloaded";
  const std::size_t before = game.allControls().size();
  for (const int index : {-5, 70000, 2, 40000}) game.loadElement("Area", index);
  const Handle gone = game.element("Area", 2)->handle();
  EXPECT_THROW(game.loadElement("Area", 70000), std::runtime_error) << "an index is taken once";
  EXPECT_EQ(game.elementIndexes("Area"), (std::vector<int>{-5, 0, 2, 40000, 70000})) << "in rising order";
  EXPECT_EQ(game.highestElementIndex("Area"), 70000);
  game.unloadElement("Area", 70000);
  EXPECT_EQ(game.highestElementIndex("Area"), 40000) << "the next highest after the highest goes";
  game.unloadElement("Area", 40000);
  game.unloadElement("Area", 2);
  EXPECT_EQ(game.highestElementIndex("Area"), 0) << "below the template's index counts as 0";
  EXPECT_EQ(game.elementCount("Area"), 2) << "the template and element -5";
  EXPECT_EQ(game.element("Area", -5)->qualifiedName(), "Area(-5)");
  EXPECT_EQ(game.findByHandle(gone), nullptr) << "an unloaded element is no longer found by its handle";
  ASSERT_EQ(game.allControls().size(), before + 1) << "only element -5 was added for good";
  EXPECT_EQ(game.allControls().back(), game.element("Area", -5)) << "controls are listed in creation order";
  EXPECT_EQ(game.findByHandle(game.allControls().front()->handle()), game.allControls().front());
}

TEST_F(WindowModelTest, LayersHoldThroughRemovalsAndMovesOfEitherLayer) {
  Control& display = *game.find("PictureBox");
  game.add(ControlKind::PictureBox, "Box2", &display);
  game.find("CutSceneArea")->bringToFront();  // the lowest native control goes to the top
  area(1, 0, 0, 100, 100);
  area(2, 0, 0, 100, 100);
  game.unloadElement("Area", 1);
  area(3, 0, 0, 100, 100);
  game.element("Area", 2)->bringToFront();
  std::vector<std::string> names;
  for (const Control* c : display.children()) names.push_back(c->qualifiedName());
  EXPECT_EQ(names, (std::vector<std::string>{"BackImage", "Area(0)", "Area(3)", "Area(2)", "Box2", "CutSceneArea"}))
      << "new images go on top of the images; brought to front within their layer, below the native controls "
         "whichever of them moved or went";
  std::vector<std::string> backwards;
  for (auto c = display.children().rbegin(); c != display.children().rend(); ++c) {
    backwards.push_back((*c)->qualifiedName());
  }
  EXPECT_EQ(backwards.front(), "CutSceneArea") << "walked front to back for hit testing";
  EXPECT_EQ(game.find("Box2"), *std::next(display.children().begin(), 4)) << "a control is found by its name";
}

TEST_F(WindowModelTest, TheTopmostVisibleControlGetsThePress) {
  area(1, 0, 0, 3000, 3000);
  area(2, 1500, 1500, 3000, 3000);
  press(2000, 2000);
  press(500, 500);
  EXPECT_EQ(events, (std::vector<std::string>{"down Area(2) 1", "click Area(2)", "down Area(1) 1", "click Area(1)"}))
      << "where areas overlap the later one gets the press";
  events.clear();
  game.element("Area", 2)->setVisible(false);
  press(2000, 2000, MouseButton::Right);
  EXPECT_EQ(events, (std::vector<std::string>{"down Area(1) 2"}))
      << "a hidden area takes no press; a right press is a press, not a click";
}

TEST_F(WindowModelTest, HitTestGivesTheLocalPosition) {
  Control& display = *game.find("PictureBox");
  display.move(2880, 2160, 9600, 7200);
  area(1, 150, 300, 1500, 1500);
  HitResult hit = game.hitTest(2880 + 150 + 15, 2160 + 300 + 30);
  ASSERT_NE(hit.control, nullptr);
  EXPECT_EQ(hit.control->qualifiedName(), "Area(1)");
  EXPECT_EQ(hit.x, 15) << "x inside the area";
  EXPECT_EQ(hit.y, 30) << "y inside the area";
  EXPECT_EQ(game.hitTest(10, 10).control, nullptr) << "outside the display is the window itself";
}

TEST_F(WindowModelTest, ADraggedControlIsDroppedOnWhatLiesUnderThePointer) {
  Control& item = area(1, 0, 0, 500, 500);
  item.onMouseDown = [](Control& c, const MouseArgs&) { c.beginDrag(); };
  Control& door = area(2, 3000, 3000, 1000, 1000);
  std::string dropped;
  door.onDragDrop = [&dropped](Control& target, Control& source, Twips x, Twips y) {
    dropped = source.qualifiedName() + " on " + target.qualifiedName() + " at " + std::to_string(x) + "," +
              std::to_string(y);
  };
  manager.post(PointerDown{game.handle(), std::nullopt, 100, 100, MouseButton::Left});
  manager.post(PointerUp{game.handle(), 3100, 3200, MouseButton::Left, std::nullopt});
  manager.dispatchPending();
  EXPECT_EQ(dropped, "Area(1) on Area(2) at 100,200") << "the drop names the source and the local place";
  EXPECT_EQ(game.dragSource(), nullptr) << "the drag ends with the drop";
  EXPECT_EQ(events, std::vector<std::string>{}) << "a drag gives no click";
}

TEST_F(WindowModelTest, AModalWindowHoldsTheInputOfTheOthers) {
  area(1, 0, 0, 3000, 3000);
  Window save{manager, "frmSaveGame"};
  save.onCreate = [] {};
  save.showModal();
  EXPECT_EQ(manager.topModal(), &save);
  press(100, 100);
  EXPECT_TRUE(events.empty()) << "a window behind a modal window takes no press";
  save.unload();
  press(100, 100);
  EXPECT_EQ(events.front(), "down Area(1) 1") << "after the modal window the game takes presses again";
}

// Active when shown, and again after a game: the welcome scenario
// large-fonts-after-game, where each activation warns of large fonts.
TEST_F(WindowModelTest, AWindowIsActiveAgainWhenTheModalWindowOverItCloses) {
  Window welcome{manager, "frmWelcome"};
  int activations = 0;
  welcome.onCreate = [] {};
  welcome.onActivate = [&activations] { ++activations; };
  welcome.show();
  Window load{manager, "frmLoadGame"};
  load.onCreate = [] {};
  load.showModal();
  load.unload();
  EXPECT_EQ(activations, 2) << "shown, then active again when the modal window over it closes";
}

// Enter and Esc pressing the default and cancel buttons: the saves-basic
// scenario load-keys. A check box flipped by a click: the welcome scenario
// caption-flips-box (its last click).

TEST_F(WindowModelTest, UnloadedControlsStayUsableUntilTheLoopIsIdle) {
  Control& a = area(1, 0, 0, 3000, 3000);
  a.onMouseDown = [this](Control& c, const MouseArgs&) {
    game.unloadElement("Area", 1);
    events.push_back("still " + c.qualifiedName());
  };
  press(100, 100);
  EXPECT_EQ(events, std::vector<std::string>{"still Area(1)"}) << "a handler may remove its own control";
  manager.collectGarbage();
}

TEST_F(WindowModelTest, PlacesAndSizesFromGameFilesStayInRange) {
  Control& far = area(1, INT32_MAX, 0, 1500, 1500);
  far.parent()->move(150, 0, 9600, 7200);
  manager.post(PointerDown{game.handle(), far.handle(), 100, 100, MouseButton::Left});
  manager.post(PointerUp{game.handle(), 100, 100, MouseButton::Left, far.handle()});
  manager.dispatchPending();
  EXPECT_EQ(events, (std::vector<std::string>{"down Area(1) 1", "click Area(1)"}))
      << "a press aimed at a control past the end of the range reaches it, its origin held in range";
  Control& wide = area(2, 0, 0, 15, 15);
  wide.setPicture(Picture{"wide.bmp", INT32_MAX, 200000000});
  EXPECT_EQ(wide.width(), INT32_MAX) << "a picture wider than any size in twips is held at the largest one";
  EXPECT_EQ(wide.height(), INT32_MAX) << "so is one 200000000 pixels high";
}

}  // namespace
}  // namespace quorlen::ui
