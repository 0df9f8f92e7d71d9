#pragma once
// Game folders made for the measurements, in the temporary folder, removed
// again when the object goes; and a running program on the runner's
// simulated machine, with the game window loaded and its variables read.

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "backends/headless/headless_platform.h"
#include "recorded_reads.h"
#include "startup/program.h"

namespace quorlen::bench {

namespace fs = std::filesystem;

class BenchGame {
 public:
  // A game whose start frame is "Hall", with these variables (all at 0).
  explicit BenchGame(const std::vector<std::string>& variables = {});
  ~BenchGame();
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;

  [[nodiscard]] const fs::path& root() const { return root_; }
  void write(const std::string& relative, const std::string& bytes) const;

  // A frame with a 640 x 480 JPEG background, `texts` texts and `areas`
  // areas covering the whole frame, each shown only while `variable` is 1
  // (none when it is empty); a click on area n sets that variable to 1.
  void addFrame(const std::string& name, int areas, int texts, const std::string& variable) const;
  // An item whose icon is a small picture.
  void addItem(const std::string& name) const;

 private:
  fs::path root_;
};

// The program started on the simulated machine, the game window loaded and
// reset and the variables file read, as a new game has it before its first
// frame opens.
class Session {
 public:
  explicit Session(const BenchGame& game);
  [[nodiscard]] Program& program() { return *program_; }
  [[nodiscard]] GameWindow& game() { return program_->game(); }
  // What the main loop does when it comes back to rest: controls removed by
  // the last step are freed.
  void rest() { program_->windows().collectGarbage(); }
  // A press and release of the left button at a point of the game window.
  void click(ui::Twips x, ui::Twips y);
  // The files the game reads (the pictures, whose headers the simulated
  // machine reads itself, are not among them).
  [[nodiscard]] RecordingFileSystem& files() { return *files_; }

 private:
  std::istringstream script_;
  std::ostream transcript_{nullptr};
  std::unique_ptr<headless::HeadlessPlatform> machine_;
  std::unique_ptr<RecordingFileSystem> files_;
  std::unique_ptr<platform::Platform> platform_;
  std::unique_ptr<Program> program_;
};

// n names: prefix0, prefix1, ...
[[nodiscard]] std::vector<std::string> numberedNames(const std::string& prefix, int n);

}  // namespace quorlen::bench
