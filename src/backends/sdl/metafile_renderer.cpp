#include "backends/sdl/metafile_renderer.h"

#include <iostream>
#include <utility>

namespace quorlen::sdl {

std::optional<MetafileModule> MetafileModule::load(const std::vector<std::filesystem::path>& folders) {
  Result<SharedModule> module =
      SharedModule::open(folders, kMetafileModuleFile, {"quorlen_draw_wmf", "quorlen_draw_emf"});
  if (!module) {
    std::cerr << "quorlen: metafiles cannot be drawn: " << module.error().detail << '\n';
    return std::nullopt;
  }
  auto wmf = reinterpret_cast<DrawMetafile>(module.value().symbol("quorlen_draw_wmf"));
  auto emf = reinterpret_cast<DrawMetafile>(module.value().symbol("quorlen_draw_emf"));
  return MetafileModule(std::move(module).value(), wmf, emf);
}

SurfacePtr MetafileModule::drawWmf(std::string_view bytes, int width, int height) const {
  return SurfacePtr(wmf_(bytes.data(), bytes.size(), width, height));
}

SurfacePtr MetafileModule::drawEmf(std::string_view bytes, int width, int height) const {
  return SurfacePtr(emf_(bytes.data(), bytes.size(), width, height));
}

const MetafileModule* MetafileLoader::module() {
  if (!tried_) {
    tried_ = true;
    module_ = MetafileModule::load(moduleFolders());
  }
  return module_ ? &*module_ : nullptr;
}

}  // namespace quorlen::sdl
