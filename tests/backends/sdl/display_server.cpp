#include "display_server.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace quorlen::sdl::testing {

namespace fs = std::filesystem;

bool onPath(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

Child::Child(const std::vector<std::string>& argv, const std::string& display) {
  pid_ = fork();
  if (pid_ != 0) return;
  if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const int quiet = ::open("/dev/null", O_WRONLY);
  dup2(quiet, 1);
  dup2(quiet, 2);
  execvp(args[0], args.data());
  _exit(127);
}

Child::~Child() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

DisplayServer::DisplayServer() {
  if (!onPath("Xvfb")) return;
  for (int n = 140 + getpid() % 40; n < 200; ++n) {
    // The number is named: `"..." + std::to_string(n)` makes GCC 12 at -O3
    // warn falsely (-Wrestrict) about the string insert it inlines.
    const std::string number = std::to_string(n);
    const fs::path socket = "/tmp/.X11-unix/X" + number;
    if (fs::exists(socket) || fs::exists("/tmp/.X" + number + "-lock")) continue;
    name_ = ":" + number;
    server_ = std::make_unique<Child>(
        std::vector<std::string>{"Xvfb", name_, "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, "");
    for (int i = 0; i < 100 && !fs::exists(socket); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (!fs::exists(socket)) {
      server_.reset();
      name_.clear();
      return;
    }
    if (onPath("openbox")) manager_ = std::make_unique<Child>(std::vector<std::string>{"openbox"}, name_);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return;
  }
}

DisplayServer& displayServer() {
  static DisplayServer s;  // lives until the test program ends
  return s;
}

}  // namespace quorlen::sdl::testing
