#include "bench_game.h"

#include <atomic>
#include <fstream>

#include <unistd.h>

namespace quorlen::bench {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string readWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// An uncompressed 24-bit BMP of 32 x 32 pixels.
std::string iconBmp() {
  constexpr std::uint32_t side = 32;
  constexpr std::uint32_t pixels = side * side * 3;
  std::string b = "BM";
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&](std::uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
  };
  u32(54 + pixels);
  u32(0);
  u32(54);
  u32(40);
  u32(side);
  u32(side);
  u16(1);
  u16(24);
  u32(0);
  u32(pixels);
  u32(2835);
  u32(2835);
  u32(0);
  u32(0);
  b.append(pixels, '\x7f');
  return b;
}

}  // namespace

std::vector<std::string> numberedNames(const std::string& prefix, int n) {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

BenchGame::BenchGame(const std::vector<std::string>& variables) {
  static std::atomic<int> made{0};
  root_ = fs::temp_directory_path() /
          ("quorlen-bench-" + std::to_string(::getpid()) + "-" + std::to_string(made.fetch_add(1)));
  fs::remove_all(root_);
  write("Config/General", "\"bench\",\"\",\"Bench\",0,\"Hall\",\"1\",640,480,\"\",\"\",\"\",0\r\n");
  std::string list = std::to_string(variables.size()) + "\r\n";
  for (const std::string& v : variables) list += quoted(v) + "\r\n";
  write("Config/Variables", list);
}

BenchGame::~BenchGame() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void BenchGame::write(const std::string& relative, const std::string& bytes) const {
  const fs::path path = root_ / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void BenchGame::addFrame(const std::string& name, int areas, int texts, const std::string& variable) const {
  static const std::string background = readWhole(fs::path(QUORLEN_BENCH_DATA) / "background.jpg");
  write("Frames/" + name + ".jpg", background);
  write("Frames/" + name + ".fme", "1,\"" + name + ".jpg\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#FALSE#\r\n");
  write("Frames/" + name + ".lks", std::to_string(areas) + "\r\n");
  const std::string folder = "Areas/" + name + "/";
  for (int n = 1; n <= areas; ++n) {
    std::string area = "0,0,9600,7200,#TRUE#,#FALSE#,\"\",0,\"\",";
    area += variable.empty() ? "0" : "1,0,1," + quoted(variable);
    write(folder + std::to_string(n) + "a.dat", area + "\r\n");
    write(folder + std::to_string(n) + "b.dat",
          "1," + quoted(variable) + ",#FALSE#,#TRUE#,#FALSE#,0,\"\",0,\"\",0,0,0,\"\"\r\n");
  }
  for (int t = 1; t <= texts; ++t) {
    write(folder + "text" + std::to_string(t) + ".lbl",
          quoted("Text " + std::to_string(t)) + "," + std::to_string(t % 600) + ",20,#FALSE#,#FALSE#,\"Arial\",10,"
          "#FALSE#,#FALSE#,255\r\n");
  }
}

void BenchGame::addItem(const std::string& name) const {
  static const std::string icon = iconBmp();
  write("Areas/" + name + ".obj", quoted(name + ".bmp") + "\r\n");
  write("Areas/" + name + ".bmp", icon);
}

Session::Session(const BenchGame& game) {
  headless::MachineOptions options;
  options.gameFolder = game.root().string();
  machine_ = std::make_unique<headless::HeadlessPlatform>(options, script_, transcript_);
  platform::Platform& machine = machine_->platform();
  files_ = std::make_unique<RecordingFileSystem>(machine.files);
  platform_ = std::make_unique<platform::Platform>(platform::Platform{machine.ui, machine.media, machine.display,
                                                                      machine.settings, machine.shell, *files_,
                                                                      machine.clock});
  program_ = std::make_unique<Program>(*platform_);
  program_->start();
  GameWindow& window = program_->game();
  window.window().load();
  window.ResetAll();
  window.LoadVariables();
  window.window().show();
}

void Session::click(ui::Twips x, ui::Twips y) {
  ui::WindowManager& windows = program_->windows();
  const ui::Handle window = game().window().handle();
  windows.post(ui::PointerDown{window, std::nullopt, x, y, ui::MouseButton::Left});
  windows.post(ui::PointerUp{window, x, y, ui::MouseButton::Left, std::nullopt});
  windows.dispatchPending();
}

}  // namespace quorlen::bench
