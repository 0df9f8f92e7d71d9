#include "backends/sdl/lazy_codecs.h"

#include <iostream>
#include <utility>

namespace quorlen::sdl {

LazyCodecs::LazyCodecs(std::vector<std::filesystem::path> folders) : folders_(std::move(folders)) {}

LazyCodecs::~LazyCodecs() = default;

Codecs* LazyCodecs::codecs() {
  if (tried_) return codecs_.get();
  tried_ = true;
  Result<SharedModule> module = SharedModule::open(folders_, kCodecsModuleFile, {kMakeCodecsSymbol});
  if (!module) {
    std::cerr << "quorlen: videos and some sounds cannot be played: " << module.error().detail << '\n';
    return nullptr;
  }
  auto make = reinterpret_cast<MakeCodecs>(module.value().symbol(kMakeCodecsSymbol));
  module_.emplace(std::move(module).value());
  codecs_.reset(make());
  if (!codecs_) std::cerr << "quorlen: videos and some sounds cannot be played: " << kCodecsModuleFile << " made no codecs\n";
  return codecs_.get();
}

}  // namespace quorlen::sdl
