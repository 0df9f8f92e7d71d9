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
#include <array>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "areas/area_files.h"
#include "areas/field_numbers.h"
#include "common/field_reader.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

constexpr ui::Twips kAreaInset = 30;
constexpr ui::Twips kAreaShrink = 2 * kAreaInset;

// Fields 1 to 4: any number, as the control's place and size take it; a
// value that is not a number, or whose place does not fit, fails.
Result<std::int64_t> readNumber(FieldReader& file) {
  auto field = file.readValue();
  if (!field) return field.error();
  const std::optional<std::int32_t> number = wholeNumberOf(field.value());
  if (!number) {
    // Appended rather than `"\"" + text`: GCC 12 at -O3 warns falsely
    // (-Wrestrict) about the string insert that the operator inlines.
    std::string message(1, '"');
    message += field.value().asText();
    message += "\" is not a number";
    return makeError(ErrorKind::NotANumber, std::move(message));
  }
  return std::int64_t{*number};
}

Result<ui::Twips> twipsOf(std::int64_t value) {
  if (value < std::numeric_limits<ui::Twips>::min() || value > std::numeric_limits<ui::Twips>::max()) {
    return makeError(ErrorKind::OutOfRange, "an area's place is out of range");
  }
  return static_cast<ui::Twips>(value);
}

Result<ui::Twips> placeOf(std::int64_t stored) { return twipsOf(stored + kAreaInset); }

// The control is never less than 1 twip wide or high.
Result<ui::Twips> shrunkSize(std::int64_t stored) {
  const std::int64_t size = stored - kAreaShrink;
  return twipsOf(size < 1 ? 1 : size);
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

  // Each side is set as soon as its field is read.
  using Setter = void (ui::Control::*)(ui::Twips);
  using Adjust = Result<ui::Twips> (*)(std::int64_t);
  static constexpr std::array<std::pair<Setter, Adjust>, 4> kRectangle{{{&ui::Control::setLeft, &placeOf},
                                                                         {&ui::Control::setTop, &placeOf},
                                                                         {&ui::Control::setWidth, &shrunkSize},
                                                                         {&ui::Control::setHeight, &shrunkSize}}};
  for (const auto& [set, adjust] : kRectangle) {
    auto stored = readNumber(file);
    if (!stored) return stored.error();
    auto twips = adjust(stored.value());
    if (!twips) return twips.error();
    (area.*set)(twips.value());
  }

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
