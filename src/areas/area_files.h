#pragma once
// The files the editor leaves for each area of a frame, all in the frame's
// own folder of the Areas folder and named after the area number: the area
// file (n "a.dat"), the click task file (n "b.dat") and the drop task files
// (n "_" item name ".drg").

#include <string>

#include "common/program_state.h"

namespace quorlen {

// AreasPath + FrameName + "/" + n + ending, n in decimal without sign,
// blanks or leading zeros.
[[nodiscard]] std::string areaFilePath(const ProgramState& state, int area, const std::string& ending);

inline constexpr const char* kAreaFileEnding = "a.dat";
inline constexpr const char* kClickTaskFileEnding = "b.dat";

}  // namespace quorlen
