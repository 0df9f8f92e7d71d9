// The areas of a frame: loading them from their area files and removing
// them when the frame changes.
//
// The area file begins with the area's place and look:
//   1-4  left, top, width, height (twips of the stored rectangle; the
//        control covers it shrunk by 30 twips on every side)
//   5    no picture (true: the picture is emptied)
//   6    picture (true: the picture of field 7 is loaded)
//   7    picture file, in the Areas folder
//   8    stretch (only the number 1 stretches)
//   9    cursor file in the Icons folder; empty or "default" for the
//        system's pointer
// The visibility conditions that follow are read by the visibility pass.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "areas/area_files.h"
#include "common/field_reader.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

constexpr ui::Twips kAreaInset = 30;
constexpr ui::Twips kAreaShrink = 2 * kAreaInset;

Result<std::int16_t> readNumber(FieldReader& file) {
  auto field = file.readValue();
  if (!field) return field.error();
  return field.value().toInt16();
}

// The control is never less than 1 twip wide or high.
ui::Twips shrunkSize(std::int16_t stored) {
  const ui::Twips size = ui::Twips{stored} - kAreaShrink;
  return size < 1 ? 1 : size;
}

bool namesDefaultPointer(const std::string& cursor) {
  static constexpr std::string_view kDefault = "default";
  if (cursor.empty()) return true;
  if (cursor.size() != kDefault.size()) return false;
  for (std::size_t i = 0; i < cursor.size(); ++i) {
    const char c = cursor[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kDefault[i]) return false;
  }
  return true;
}

Result<ui::Control*> createArea(ui::Window& window, int n) {
  try {
    return &window.loadElement("Area", n);
  } catch (const std::exception& e) {
    return makeError(ErrorKind::Invalid, e.what());
  }
}

// Creates and sets up area n. Each property is set as soon as its field is
// read, so a failure leaves the control with what was set before it.
Result<void> loadArea(GameContext& c, ui::Window& window, int n) {
  auto opened = FieldReader::open(c.platform.files, areaFilePath(c.state, n, kAreaFileEnding));
  if (!opened) return opened.error();
  FieldReader& file = opened.value();
  auto created = createArea(window, n);
  if (!created) return created.error();
  ui::Control& area = *created.value();

  auto left = readNumber(file);
  if (!left) return left.error();
  area.setLeft(ui::Twips{left.value()} + kAreaInset);
  auto top = readNumber(file);
  if (!top) return top.error();
  area.setTop(ui::Twips{top.value()} + kAreaInset);
  auto width = readNumber(file);
  if (!width) return width.error();
  area.setWidth(shrunkSize(width.value()));
  auto height = readNumber(file);
  if (!height) return height.error();
  area.setHeight(shrunkSize(height.value()));

  auto noPicture = file.readValue();
  if (!noPicture) return noPicture.error();
  auto withPicture = file.readValue();
  if (!withPicture) return withPicture.error();
  auto pictureFile = file.readValue();
  if (!pictureFile) return pictureFile.error();
  auto stretch = file.readValue();
  if (!stretch) return stretch.error();

  area.setStretch(stretch.value().isExactlyOne());
  if (noPicture.value().isTrue()) area.setPicture(std::nullopt);
  if (withPicture.value().isTrue()) {
    auto picture = c.platform.ui.loadPicture(c.state.paths.AreasPath + pictureFile.value().asText());
    if (!picture) return picture.error();
    area.setPicture(picture.value());
  }

  auto cursorField = file.readValue();
  if (!cursorField) return cursorField.error();
  const std::string cursor = cursorField.value().asText();
  if (namesDefaultPointer(cursor)) {
    area.setPointer(ui::Pointer{});
  } else {
    auto pointer = c.platform.ui.loadCursor(c.state.paths.IconsPath + cursor);
    if (!pointer) return pointer.error();
    area.setPointer(pointer.value());
  }

  // A later area lies above every earlier one, and above the texts.
  area.bringToFront();
  return {};
}

}  // namespace

void GameWindow::ResetFrameAreas() {
  const int elements = window_.elementCount("Area");
  for (int i = 1; i <= elements - 1; ++i) {
    if (window_.element("Area", i) != nullptr) window_.unloadElement("Area", i);
  }
}

void GameWindow::LoadAreas() {
  GameContext c = context();
  const std::int16_t count = c.state.frame.AreasCount;
  for (int n = 1; n <= count; ++n) {
    if (loadArea(c, window_, n)) continue;
    program_.platform().ui.messageBox("Unable to load all the " + std::to_string(count) +
                                          " frame area(s). The game may not work properly. Press 'Esc' and then "
                                          "click 'Exit' to quit the game.",
                                      ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
    return;
  }
}

}  // namespace quorlen
