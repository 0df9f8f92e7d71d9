// The saved games: listing them in the load window, saving a game and
// loading it again, each beside its floor (the same files read, listed and
// written through the disk file system alone).
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench_game.h"
#include "budget.h"
#include "savegames/saved_game_storage.h"

namespace quorlen::bench {

namespace {

constexpr const char* kItem = "Key";
constexpr const char* kSaveName = "bench";

const BenchGame& savedGamesFolder(int savedGames) {
  static std::map<int, std::unique_ptr<BenchGame>> games;
  auto& game = games[savedGames];
  if (!game) {
    game = std::make_unique<BenchGame>();
    game->addFrame("Hall", 0, 0, "");
    for (int i = 0; i < savedGames; ++i) {
      game->write("game " + std::to_string(i) + ".sav", "\"Hall\"\r\n0\r\n0\r\n0\r\n");
    }
  }
  return *game;
}

void addLoadSaveGames(int savedGames) {
  addCase(
      "LoadSaveGames", std::to_string(savedGames), savedGames, 0,
      [=](benchmark::State&) -> Operation {
        auto session = std::make_shared<Session>(savedGamesFolder(savedGames));
        return [session] {
          session->program().loadGame().LoadSaveGames();
          session->rest();
        };
      },
      [=](benchmark::State&) -> Operation {
        const BenchGame& game = savedGamesFolder(savedGames);
        Session session(game);
        session.files().recording = true;
        session.program().loadGame().LoadSaveGames();
        auto disk = std::make_shared<backends::DiskFileSystem>(game.root().string());
        return [disk, reads = session.files().take()] { benchmark::DoNotOptimize(replay(*disk, reads)); };
      });
}

// A game of `variables` variables, every other one at 1, holding `items`
// items (one item, picked up again and again), in a frame of nothing but
// its background; saved once under kSaveName.
struct PlayedGame {
  std::unique_ptr<BenchGame> folder;
  std::unique_ptr<Session> session;
  std::string savedPath;
  std::string savedBytes;
};

PlayedGame& playedGame(int variables, int items) {
  static std::map<std::pair<int, int>, PlayedGame> games;
  PlayedGame& played = games[{variables, items}];
  if (played.folder) return played;
  const std::vector<std::string> names = numberedNames("Variable", variables);
  played.folder = std::make_unique<BenchGame>(names);
  played.folder->addFrame("Hall", 0, 0, "");
  played.folder->addItem(kItem);
  played.session = std::make_unique<Session>(*played.folder);
  GameWindow& game = played.session->game();
  game.OpenFrame("Hall");
  for (int v = 0; v < variables; v += 2) game.ChangeVariableValue(names[static_cast<std::size_t>(v)], 1);
  for (int i = 0; i < items; ++i) game.AddPickedObject(kItem);
  SaveGameWindow& save = played.session->program().saveGame();
  save.window().load();
  save.window().find("Text1")->setText(kSaveName);
  save.Command2_Click();
  played.savedPath = savedGamePath(played.session->program().state().paths, kSaveName);
  auto bytes = played.session->files().readFile(played.savedPath);
  played.savedBytes = bytes ? bytes.value() : std::string();
  return played;
}

// `grows`: "variables" or "items", whichever of the two the sizes compared
// differ in.
void addSaveAndLoad(const std::string& grows, int variables, int items) {
  const std::string label = std::to_string(grows == "items" ? items : variables);
  const double size = grows == "items" ? items : variables;
  addCase(
      "SaveGame/" + grows, label, size, 0,
      [=](benchmark::State&) -> Operation {
        PlayedGame& played = playedGame(variables, items);
        SaveGameWindow& save = played.session->program().saveGame();
        return [&played, &save] {
          // Saving over a saved game would ask first.
          (void)played.session->files().removeFile(played.savedPath);
          save.window().load();
          save.window().find("Text1")->setText(kSaveName);
          save.Command2_Click();
          played.session->rest();
        };
      },
      [=](benchmark::State&) -> Operation {
        PlayedGame& played = playedGame(variables, items);
        auto disk = std::make_shared<backends::DiskFileSystem>(played.folder->root().string());
        return [&played, disk, folder = played.session->program().state().paths.GameFolder] {
          (void)disk->removeFile(played.savedPath);
          (void)disk->replaceContent(played.savedPath, played.savedBytes);
          benchmark::DoNotOptimize(disk->listFiles(folder, "*.sav"));
        };
      });
  addCase(
      "LoadGame/" + grows, label, size, 0,
      [=](benchmark::State& state) -> Operation {
        PlayedGame& played = playedGame(variables, items);
        LoadGameWindow& window = played.session->program().loadGame();
        Operation load = [&played, &window] {
          window.LoadSaveGames();
          window.window().find("List1")->setListIndex(0);
          window.Command2_Click();
          played.session->rest();
        };
        load();
        if (played.session->game().ObjectsCount != items) state.SkipWithError("the saved game did not load");
        return load;
      },
      [=](benchmark::State&) -> Operation {
        PlayedGame& played = playedGame(variables, items);
        Session& session = *played.session;
        LoadGameWindow& load = session.program().loadGame();
        session.files().recording = true;
        load.LoadSaveGames();
        load.window().find("List1")->setListIndex(0);
        load.Command2_Click();
        session.files().recording = false;
        session.rest();
        auto reads = session.files().take();
        // The icons, whose headers the simulated machine reads itself.
        const std::string icon = session.program().state().paths.AreasPath + kItem + ".bmp";
        for (int i = 0; i < items; ++i) reads.push_back({icon, {}});
        auto disk = std::make_shared<backends::DiskFileSystem>(played.folder->root().string());
        return [disk, reads = std::move(reads)] { benchmark::DoNotOptimize(replay(*disk, reads)); };
      });
}

}  // namespace

void registerSavedGameBenchmarks(bool quick) {
  for (int n : quick ? std::vector<int>{100} : std::vector<int>{100, 1000, 10000}) addLoadSaveGames(n);
  addSaveAndLoad("variables", 1000, 0);
  if (!quick) addSaveAndLoad("variables", 30000, 0);
  addSaveAndLoad("items", 0, 500);
  if (!quick) addSaveAndLoad("items", 0, 32767);
}

}  // namespace quorlen::bench
