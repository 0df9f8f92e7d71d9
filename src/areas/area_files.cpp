#include "areas/area_files.h"

namespace quorlen {

std::string areaFilePath(const ProgramState& state, int area, const std::string& ending) {
  return state.paths.AreasPath + state.frame.FrameName + "/" + std::to_string(area) + ending;
}

}  // namespace quorlen
