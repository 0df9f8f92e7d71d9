#pragma once
// The game window: the full-screen window in which a game is played. It
// owns the frame display and the controls the frame's parts fill (areas,
// texts, inventory icons, the cut-scene box), the frame timer, the menu, and
// the game state: the variables, the disappeared areas, the inventory count,
// the dragged item and the movie stop request.
//
// Its procedures are defined in the folders of the subsystems they belong
// to: the frame engine here, areas and texts in areas/, the variable
// operations in variables/, the inventory in inventory/, the video wait in
// media/.

#include <cstdint>
#include <string>

#include "common/game_context.h"
#include "platform/window.h"
#include "variables/variable_operations.h"
#include "variables/variables_collection.h"

namespace quorlen {

class Program;

class GameWindow {
 public:
  explicit GameWindow(Program& program);

  [[nodiscard]] ui::Window& window() { return window_; }
  [[nodiscard]] const ui::Window& window() const { return window_; }
  [[nodiscard]] ui::Control& PictureBox() const { return *window_.find("PictureBox"); }
  [[nodiscard]] ui::Control& BackImage() const { return *window_.find("BackImage"); }
  [[nodiscard]] ui::Control& ImageTile() const { return *window_.find("ImageTile"); }
  [[nodiscard]] ui::Control& CutSceneArea() const { return *window_.find("CutSceneArea"); }
  [[nodiscard]] ui::Control& Timer1() const { return *window_.find("Timer1"); }
  [[nodiscard]] ui::Control& File1() const { return *window_.find("File1"); }
  [[nodiscard]] ui::Control& mnuExit() const { return *window_.find("mnuExit"); }
  [[nodiscard]] ui::Control& mnuSaveGame() const { return *window_.find("mnuSaveGame"); }

  // Game state.
  VariablesCollection Variables;
  VariablesCollection Disappear;
  std::int16_t ObjectsCount = 0;
  std::int16_t DraggedObject = 0;
  bool MovieStopRequest = false;

  // Frame engine.
  void Form_Load();
  void ResetAll();
  void StartNewGame();
  void PictureBox_Paint();
  void OpenFrame(const std::string& CurrentFrame);
  void Timer1_Timer();

  // Variables.
  void LoadVariables();
  void ChangeVariableValue(const std::string& VariableName, std::int16_t NewValue);
  [[nodiscard]] std::int16_t GetVariableValue(const std::string& VariableName) const;

  // Areas of the frame and their tasks.
  void ResetFrameAreas();
  void LoadAreas();
  void ShowOrNotShowAreas();
  [[nodiscard]] std::int16_t MakeAction(std::int16_t AreaIndex, std::int16_t ObjectIndex);
  void Area_MouseDown(int Index, int Button, int Shift, ui::Twips x, ui::Twips y);
  void BackImage_MouseDown(int Button, int Shift, ui::Twips x, ui::Twips y);
  void Form_MouseDown(int Button, int Shift, ui::Twips x, ui::Twips y);

  // Texts of the frame.
  void ResetFrameTexts();
  void LoadTexts();
  void Text_MouseDown(int Index, int Button, int Shift, ui::Twips x, ui::Twips y);

  // Menus, keyboard and leaving the game.
  void ShowMenus();
  void HideMenus();
  void PictureBox_KeyDown(int KeyCode, int Shift);
  void mnuExit_Click();
  void mnuSaveGame_Click();
  void Form_Unload(int& Cancel);

  // Inventory.
  void AddPickedObject(const std::string& ObjectName);
  void RemovePickedObject(std::int16_t ObjectIndex);
  void PickOrNotPickObject(std::int16_t AreaIndex);
  void PickedObject_MouseDown(int Index, int Button, int Shift, ui::Twips x, ui::Twips y);
  void Area_DragDrop(int Index, ui::Control& Source, ui::Twips x, ui::Twips y);
  void PickedObject_DragDrop(int Index, ui::Control& Source, ui::Twips x, ui::Twips y);

  // Videos.
  void PlayMovieWithStop(std::string FileName, ui::Control& WhereToPlay);
  [[nodiscard]] bool PlayingMovieOrNot();

  [[nodiscard]] Program& program() { return program_; }

 private:
  void createControls();
  // Connects the input handlers of the window and its control sets.
  void connectInput();
  void toggleMenus();
  void showBackground();
  void startMusic();
  void armFrameTimer();
  [[nodiscard]] GameContext context();

  // Runs the frame timer's move held back by an area task, once the last
  // task in progress has returned and only if it stayed in the frame.
  void runHeldFrameMove(std::int16_t taskResult);

  Program& program_;
  ui::Window window_;
  int movieWaits_ = 0;  // video waits in progress
  int tasksInProgress_ = 0;     // area tasks running (a press or a drop)
  bool frameMoveHeld_ = false;  // the frame timer fired during a task
  bool closing_ = false;        // Form_Unload is closing the window
};

}  // namespace quorlen
