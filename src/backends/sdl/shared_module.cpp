#include "backends/sdl/shared_module.h"

#include <SDL.h>
#include <dlfcn.h>

#include <memory>
#include <system_error>
#include <utility>

#include "backends/shared/files/disk_file_system.h"

namespace quorlen::sdl {

std::vector<std::filesystem::path> moduleFolders() {
  const std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  if (!base) return {};
  return moduleFoldersOf(base.get());
}

std::vector<std::filesystem::path> moduleFoldersOf(const std::filesystem::path& program) {
  std::vector<std::filesystem::path> folders{(program / QUORLEN_MODULES_FROM_PROGRAM).lexically_normal()};
  // A player copied into a game's folder, as games were handed out, never
  // loads what that folder holds.
  backends::DiskFileSystem files(program.string());
  if (!files.fileExists((program / "Config" / "General").string())) folders.push_back(program);
  return folders;
}

Result<SharedModule> SharedModule::open(const std::vector<std::filesystem::path>& folders,
                                        const std::string& fileName) {
  std::string missing;  // the folders that do not hold it
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path path = folder / fileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
      missing += (missing.empty() ? "" : ", ") + folder.string();
      continue;
    }
    // Kept in memory once loaded: the libraries it brings start threads
    // and register handlers that must not outlive their code.
    if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) return SharedModule(handle);
    const char* why = dlerror();
    return Error{ErrorKind::Unreadable, why != nullptr ? std::string(why) : path.string() + ": cannot be loaded"};
  }
  return Error{ErrorKind::NotFound, fileName + " is not in " + (missing.empty() ? "any folder" : missing)};
}

SharedModule::~SharedModule() {
  if (handle_ != nullptr) dlclose(handle_);
}

SharedModule::SharedModule(SharedModule&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

SharedModule& SharedModule::operator=(SharedModule&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

void* SharedModule::symbol(const char* name) const { return handle_ != nullptr ? dlsym(handle_, name) : nullptr; }

}  // namespace quorlen::sdl
