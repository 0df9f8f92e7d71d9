#pragma once
// An X display for the tests of the real input path: Xvfb on a free display
// number, with openbox as its window manager when that is installed. The
// name is empty when there is no Xvfb (the tests then skip).

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace quorlen::sdl::testing {

// A child process, ended (SIGTERM) with its object.
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::string& display);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

 private:
  pid_t pid_ = -1;
};

class DisplayServer {
 public:
  DisplayServer();
  [[nodiscard]] const std::string& name() const { return name_; }

 private:
  std::string name_;
  std::unique_ptr<Child> server_;
  std::unique_ptr<Child> manager_;  // stopped before the server
};

// The test program's display, started on first use.
DisplayServer& displayServer();

bool onPath(const std::string& program);

}  // namespace quorlen::sdl::testing
