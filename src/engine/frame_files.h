#pragma once
// The frame file (frame name + ".fme": background, music, video, timed move)
// and the link file (frame name + ".lks": the number of areas), read into
// the record of the frame on display.

#include <cstdint>
#include <string>

#include "common/program_state.h"

namespace quorlen {

struct GameContext;

void ClearFrameInfo(FrameInfo& frame);
// Fills the frame record from the frame's two files; a frame file that
// cannot be read in full is reported in one message.
void ReadFrame(GameContext& context, const std::string& name);
// The number of areas from the link file of the frame on display, also kept
// in AreasCount; 0 without a message when it cannot be read.
std::int16_t ReadAreasCount(GameContext& context);
// A task's message: information icon, OK, titled with the game's title.
void ShowGameMessage(GameContext& context, const std::string& text);

}  // namespace quorlen
