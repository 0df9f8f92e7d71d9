// The real input path under a display server: quorlen-player replays the
// end-to-end scenarios through synthetic SDL mouse and key events and must
// print the transcripts that quorlen-run prints. Xvfb (and openbox, when
// installed) are started for the test; without Xvfb the tests are skipped.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "display_server.h"

namespace {

namespace fs = std::filesystem;
const fs::path kScenarios = fs::path(QUORLEN_SOURCE_DIR) / "tests" / "scenarios";

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Scenario {
  std::string folder;
  std::string name;
};

void PrintTo(const Scenario& s, std::ostream* out) { *out << s.folder << "/" << s.name; }

// Every scenario that runs on the default machine (no runner options).
std::vector<Scenario> scenarios() {
  std::vector<Scenario> list;
  if (!fs::exists(kScenarios)) return list;
  for (const auto& dir : fs::directory_iterator(kScenarios)) {
    if (!dir.is_directory()) continue;
    for (const auto& f : fs::directory_iterator(dir.path())) {
      if (f.path().extension() != ".script") continue;
      const fs::path base = f.path().parent_path() / f.path().stem();
      if (fs::exists(base.string() + ".args") || !fs::exists(base.string() + ".expected")) continue;
      list.push_back(Scenario{dir.path().filename().string(), f.path().stem().string()});
    }
  }
  std::sort(list.begin(), list.end(), [](const Scenario& a, const Scenario& b) {
    return a.folder + "/" + a.name < b.folder + "/" + b.name;
  });
  return list;
}

class InputPath : public ::testing::TestWithParam<Scenario> {};

TEST_P(InputPath, SameTranscriptAsTheRunner) {
  if (quorlen::sdl::testing::displayServer().name().empty()) GTEST_SKIP() << "no Xvfb to show windows on";
  const Scenario& s = GetParam();
  const fs::path dir = kScenarios / s.folder;
  std::string game = "game";
  if (fs::exists(dir / (s.name + ".game"))) {
    std::istringstream in(readAll(dir / (s.name + ".game")));
    in >> game;
  }
  const fs::path work = fs::temp_directory_path() / ("quorlen-input-" + std::to_string(getpid())) / s.folder / s.name;
  fs::remove_all(work);
  fs::create_directories(work / "config");
  fs::copy(dir / game, work / "game", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
  const std::string command = "cd '" + work.string() + "' && DISPLAY=" + quorlen::sdl::testing::displayServer().name() +
                              " XDG_CONFIG_HOME='" + (work / "config").string() +
                              "' SDL_AUDIODRIVER=dummy timeout 120 '" + QUORLEN_PLAYER + "' --script '" +
                              (dir / (s.name + ".script")).string() + "' game > actual.txt 2> errors.txt";
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  int expectedStatus = 0;
  if (fs::exists(dir / (s.name + ".status"))) std::istringstream(readAll(dir / (s.name + ".status"))) >> expectedStatus;
  EXPECT_EQ(readAll(work / "actual.txt"), readAll(dir / (s.name + ".expected")))
      << s.folder << "/" << s.name << " through SDL events; errors: " << readAll(work / "errors.txt");
  EXPECT_EQ(status, expectedStatus) << "exit status";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, InputPath, ::testing::ValuesIn(scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& p) {
                           std::string n = p.param.folder + "_" + p.param.name;
                           for (char& c : n) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return n;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(InputPath);

}  // namespace
