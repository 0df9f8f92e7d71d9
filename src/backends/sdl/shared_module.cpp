#include "backends/sdl/shared_module.h"

#include <SDL.h>
#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include <memory>
#include <system_error>
#include <utility>

#include "backends/shared/files/disk_file_system.h"

namespace quorlen::sdl {

namespace {
#if defined(_WIN32)
void* load(const std::filesystem::path& path) { return SDL_LoadObject(path.string().c_str()); }
std::string loadError(const std::filesystem::path&) { return SDL_GetError(); }
void unload(void* handle) { SDL_UnloadObject(handle); }
void* find(void* handle, const char* name) { return SDL_LoadFunction(handle, name); }
#else
// Kept in memory once loaded: the libraries a module brings start threads
// and register handlers that must not outlive their code.
void* load(const std::filesystem::path& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE); }
std::string loadError(const std::filesystem::path& path) {
  const char* why = dlerror();
  return why != nullptr ? std::string(why) : path.string() + ": cannot be loaded";
}
void unload(void* handle) { dlclose(handle); }
void* find(void* handle, const char* name) { return dlsym(handle, name); }
#endif
}  // namespace

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
                                        const std::string& fileName, std::initializer_list<const char*> entries) {
  std::string missing;  // the folders that do not hold it
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path path = folder / fileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
      missing += (missing.empty() ? "" : ", ") + folder.string();
      continue;
    }
    void* handle = load(path);
    if (handle == nullptr) return Error{ErrorKind::Unreadable, loadError(path)};
    SharedModule module(handle);
    for (const char* entry : entries) {
      if (module.symbol(entry) == nullptr) return Error{ErrorKind::Unreadable, fileName + " has no " + entry};
    }
    return module;
  }
  return Error{ErrorKind::NotFound, fileName + " is not in " + (missing.empty() ? "any folder" : missing)};
}

SharedModule::~SharedModule() {
  if (handle_ != nullptr) unload(handle_);
}

SharedModule::SharedModule(SharedModule&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

SharedModule& SharedModule::operator=(SharedModule&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) unload(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

void* SharedModule::symbol(const char* name) const { return handle_ != nullptr ? find(handle_, name) : nullptr; }

}  // namespace quorlen::sdl
