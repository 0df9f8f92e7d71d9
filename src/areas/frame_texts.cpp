// The texts of a frame: one label for each ".lbl" file in the frame's folder
// of the areas, created in name order of the files, so that a text whose
// file sorts later lies above the earlier ones. Nothing is reported: a text
// file that cannot be read in full still gives a shown text, whose
// properties not read keep the template's values.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "areas/field_numbers.h"
#include "common/field_reader.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

// A number is true when it is not 0.
std::optional<bool> flagOf(const FieldValue& value) {
  const std::optional<double> number = numberOf(value);
  if (!number) return std::nullopt;
  return *number != 0.0;
}

// Reads the next field and, when it converts, hands it to `apply`; false
// when the field cannot be read or converted.
template <typename Convert, typename Apply>
bool setFromNextField(FieldReader& reader, Convert convert, Apply apply) {
  Result<FieldValue> field = reader.readValue();
  if (!field) return false;
  auto converted = convert(field.value());
  if (!converted) return false;
  apply(*converted);
  return true;
}

std::optional<std::string> textOf(const FieldValue& value) { return value.asText(); }

// A font is named by a text that is not empty.
std::optional<std::string> fontNameOf(const FieldValue& value) {
  std::string name = value.asText();
  if (name.empty()) return std::nullopt;
  return name;
}

// A font has a size above 0 points.
std::optional<double> fontSizeOf(const FieldValue& value) {
  const std::optional<double> size = numberOf(value);
  if (!size || *size <= 0.0) return std::nullopt;
  return size;
}

// Fields 1 to 10 of a text file, each set on the label as soon as it is
// read. The first field that cannot be read or converted ends the reading:
// that property and the later ones keep the template's values.
void applyTextFile(FieldReader& reader, ui::Control& label) {
  auto font = [&](auto member) {
    return [&label, member](auto value) { label.changeFont([&](ui::Font& f) { f.*member = std::move(value); }); };
  };
  if (!setFromNextField(reader, textOf, [&](const std::string& caption) { label.setCaption(caption); })) return;
  if (!setFromNextField(reader, wholeNumberOf, [&](std::int32_t left) { label.setLeft(left); })) return;
  if (!setFromNextField(reader, wholeNumberOf, [&](std::int32_t top) { label.setTop(top); })) return;
  if (!setFromNextField(reader, flagOf, font(&ui::Font::bold))) return;
  if (!setFromNextField(reader, flagOf, font(&ui::Font::italic))) return;
  if (!setFromNextField(reader, fontNameOf, font(&ui::Font::name))) return;
  if (!setFromNextField(reader, fontSizeOf, font(&ui::Font::size))) return;
  if (!setFromNextField(reader, flagOf, font(&ui::Font::strikethrough))) return;
  if (!setFromNextField(reader, flagOf, font(&ui::Font::underline))) return;
  setFromNextField(reader, wholeNumberOf, [&](std::int32_t colour) { label.setForeColor(colour); });
}

}  // namespace

void GameWindow::ResetFrameTexts() {
  for (const int i : window_.elementIndexes("Text")) {
    if (i >= 1) window_.unloadElement("Text", i);
  }
}

void GameWindow::LoadTexts() {
  const ProgramState& state = program_.state();
  const std::string folder = state.paths.AreasPath + state.frame.FrameName;
  ui::Control& list = File1();
  list.setPath(folder);
  list.setPattern("*.lbl");
  list.setItems(program_.platform().files.listFiles(list.path(), list.pattern()));

  // Name i of the list, for each i below the number listed at first.
  const std::size_t listed = list.items().size();
  for (std::size_t i = 0; i < listed && i < list.items().size(); ++i) {
    const std::string path = folder + "/" + list.items()[i];
    const int n = window_.highestElementIndex("Text") + 1;
    ui::Control& label = window_.loadElement("Text", n);
    label.setVisible(false);
    // The label sizes itself to its caption: measured once, when every
    // field has been set, rather than again for each of them.
    label.setAutoSize(false);
    if (Result<FieldReader> reader = FieldReader::open(program_.platform().files, path)) {
      applyTextFile(reader.value(), label);
    }
    label.setAutoSize(true);
    label.setVisible(true);
    label.bringToFront();
  }
}

void GameWindow::Text_MouseDown(int /*Index*/, int Button, int /*Shift*/, ui::Twips /*x*/, ui::Twips /*y*/) {
  MovieStopRequest = true;
  if (PlayingMovieOrNot()) return;
  if (Button == static_cast<int>(ui::MouseButton::Right)) {
    toggleMenus();
    return;
  }
  HideMenus();
}

}  // namespace quorlen
