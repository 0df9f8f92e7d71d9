// The visibility pass: whether each area of the frame is shown, decided
// afresh on every pass from the disappeared areas and from the conditions
// of its area file, which follow the area's place and look:
//   10        conditional (0: no conditions, nothing more is read)
//   11        count of list A, then its names: variables that must be 0
//   12+N1     count of list B, then its names: variables that must be 1
// A name that is not a game variable never hides an area. Nothing is
// cached: every pass reads every area file again.
#include <cstdint>
#include <string>

#include "areas/area_files.h"
#include "common/field_reader.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

constexpr int kPlaceAndLookFields = 9;
constexpr std::int16_t kNoSuchVariable = -1;

// Field 10: 0, #FALSE# or an empty field mean no conditions; a text that is
// not a number cannot be compared with 0.
Result<bool> hasNoConditions(const FieldValue& conditional) {
  if (conditional.kind() == FieldValue::Kind::Empty) return true;
  if (conditional.isSet()) return false;
  if (conditional.kind() != FieldValue::Kind::Text) return true;
  auto number = conditional.toInt16();
  if (!number) return number.error();
  return number.value() == 0;
}

// Reads one list of names; false as soon as a variable has a value other
// than `wanted` (the rest of the file is then not read).
Result<bool> listAllows(const GameWindow& game, FieldReader& file, std::int16_t wanted) {
  auto countField = file.readValue();
  if (!countField) return countField.error();
  auto count = countField.value().toInt16();
  if (!count) return count.error();
  for (int i = 0; i < count.value(); ++i) {
    auto name = file.readValue();
    if (!name) return name.error();
    const std::int16_t value = game.GetVariableValue(name.value().asText());
    if (value != wanted && value != kNoSuchVariable) return false;
  }
  return true;
}

Result<bool> conditionsAllow(const GameWindow& game, FieldReader& file) {
  for (int i = 0; i < kPlaceAndLookFields; ++i) {
    auto skipped = file.skip();
    if (!skipped) return skipped.error();
  }
  auto conditional = file.readValue();
  if (!conditional) return conditional.error();
  auto none = hasNoConditions(conditional.value());
  if (!none) return none.error();
  if (none.value()) return true;
  auto listA = listAllows(game, file, 0);
  if (!listA || !listA.value()) return listA;
  return listAllows(game, file, 1);
}

bool hasDisappeared(const VariablesCollection& disappear, const std::string& frame, int n) {
  for (const ClassVariable* member : disappear.Named(frame)) {
    if (member->Value() == n) return true;
  }
  return false;
}

Result<void> showOrHideArea(GameWindow& game, GameContext& c, int n) {
  auto opened = FieldReader::open(c.platform.files, areaFilePath(c.state, n, kAreaFileEnding));
  if (!opened) return opened.error();
  bool shown = !hasDisappeared(game.Disappear, c.state.frame.FrameName, n);
  if (shown) {
    auto allowed = conditionsAllow(game, opened.value());
    if (!allowed) return allowed.error();
    shown = allowed.value();
  }
  ui::Control* area = game.window().element("Area", n);
  if (area == nullptr) return makeError(ErrorKind::NotFound, "area " + std::to_string(n) + " has no control");
  area->setVisible(shown);
  return {};
}

}  // namespace

void GameWindow::ShowOrNotShowAreas() {
  GameContext c = context();
  const std::int16_t count = c.state.frame.AreasCount;
  for (int n = 1; n <= count; ++n) {
    if (showOrHideArea(*this, c, n)) continue;
    program_.platform().ui.messageBox("Unable to load areas information.", ui::MsgBoxButtons::Ok,
                                      ui::MsgBoxIcon::Exclamation, c.state.project.GameTitle);
    return;
  }
}

}  // namespace quorlen
