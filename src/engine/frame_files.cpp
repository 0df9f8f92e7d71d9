#include "engine/frame_files.h"

#include "common/field_reader.h"
#include "common/game_context.h"
#include "platform/platform.h"

namespace quorlen {

namespace {

Result<void> readFrameFile(GameContext& context, const std::string& name) {
  FrameInfo& f = context.state.frame;
  auto opened = FieldReader::open(context.platform.files, context.state.paths.FramesPath + name + ".fme");
  if (!opened) return opened.error();
  FieldReader& reader = opened.value();
  auto readInto = [&reader](auto& member) -> Result<void> {
    using T = std::decay_t<decltype(member)>;
    if constexpr (std::is_same_v<T, std::string>) {
      auto v = reader.readText();
      if (!v) return v.error();
      member = std::move(v).value();
    } else if constexpr (std::is_same_v<T, bool>) {
      auto v = reader.readBoolean();
      if (!v) return v.error();
      member = v.value();
    } else {
      auto v = reader.readInt16();
      if (!v) return v.error();
      member = v.value();
    }
    return {};
  };
  if (auto r = readInto(f.BackgroundType); !r) return r;
  if (auto r = readInto(f.Background); !r) return r;
  if (auto r = readInto(f.TileBackground); !r) return r;
  if (auto r = readInto(f.StopMusic); !r) return r;
  if (auto r = readInto(f.MusicFile); !r) return r;
  if (auto r = readInto(f.HasDuration); !r) return r;
  if (auto r = readInto(f.Duration); !r) return r;
  if (auto r = readInto(f.NextFrame); !r) return r;
  if (auto r = readInto(f.MovieFile); !r) return r;
  return readInto(f.MusicAfterMovie);
}

Result<std::int16_t> readLinkFile(GameContext& context) {
  auto reader = FieldReader::open(context.platform.files,
                                  context.state.paths.FramesPath + context.state.frame.FrameName + ".lks");
  if (!reader) return reader.error();
  auto first = reader.value().readValue();
  if (!first) return first.error();
  return first.value().toInt16();
}

}  // namespace

void ClearFrameInfo(FrameInfo& frame) { frame = FrameInfo{}; }

void ReadFrame(GameContext& context, const std::string& name) {
  context.state.frame.FrameName = name;
  if (!readFrameFile(context, name)) {
    context.platform.ui.messageBox("Sorry, unable to open '" + name +
                                       "'. The game may not work properly. Press 'Esc' and then click 'Exit' to "
                                       "quit the game.",
                                   ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
    return;
  }
  context.state.frame.AreasCount = readLinkFile(context).valueOr(0);
}

std::int16_t ReadAreasCount(GameContext& context) {
  const std::int16_t count = readLinkFile(context).valueOr(0);
  context.state.frame.AreasCount = count;
  return count;
}

void ShowGameMessage(GameContext& context, const std::string& text) {
  context.platform.ui.messageBox(text, ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Information,
                                 context.state.project.GameTitle);
}

}  // namespace quorlen
