#pragma once
// A shared module of the player's own, opened with the dynamic loader and
// closed with its owner. Modules are looked for only in the program's own
// places: the installed library folder found from the running program (so
// that an installed tree can be moved), then the program's own folder (the
// build tree) unless it holds a game. Never in the game's folder, the
// working folder or a folder named by the environment.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/result.h"

namespace quorlen::sdl {

// The installed module folder and the running program's folder, as above;
// empty when the program's own place cannot be found.
[[nodiscard]] std::vector<std::filesystem::path> moduleFolders();
// The same for a program in the folder `program`.
[[nodiscard]] std::vector<std::filesystem::path> moduleFoldersOf(const std::filesystem::path& program);

class SharedModule {
 public:
  // `fileName` from the first of `folders` that holds it, loaded with every
  // symbol resolved; NotFound when none holds it, Unreadable with the
  // loader's reason when it cannot be loaded or lacks one of `entries`.
  [[nodiscard]] static Result<SharedModule> open(const std::vector<std::filesystem::path>& folders,
                                                 const std::string& fileName,
                                                 std::initializer_list<const char*> entries);
  ~SharedModule();
  SharedModule(SharedModule&& other) noexcept;
  SharedModule& operator=(SharedModule&& other) noexcept;
  SharedModule(const SharedModule&) = delete;
  SharedModule& operator=(const SharedModule&) = delete;

  // The address of `name` in the module, null when it has none.
  [[nodiscard]] void* symbol(const char* name) const;

 private:
  explicit SharedModule(void* handle) : handle_(handle) {}
  void* handle_ = nullptr;
};

}  // namespace quorlen::sdl
