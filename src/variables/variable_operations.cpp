#include "variables/variable_operations.h"

#include "common/field_reader.h"
#include "common/game_context.h"
#include "common/program_state.h"
#include "platform/platform.h"

namespace quorlen {

namespace {
constexpr const char* kLoadFailure =
    "Unable to load variables list. The game may not work properly. Press 'Esc' and then click 'Exit' to quit the "
    "game.";

Result<void> readVariablesFile(GameContext& context, VariablesCollection& Variables) {
  auto reader = FieldReader::open(context.platform.files, context.state.paths.ConfigPath + "Variables");
  if (!reader) return reader.error();
  auto count = reader.value().readInt16();
  if (!count) return count.error();
  Variables.reserve(count.value());
  for (int i = 0; i < count.value(); ++i) {
    auto name = reader.value().readText();
    if (!name) return name.error();
    Variables.Add(name.value(), 0);
  }
  return {};
}
}  // namespace

void LoadVariables(GameContext& context, VariablesCollection& Variables) {
  Variables.Empty();
  if (readVariablesFile(context, Variables)) return;
  context.platform.ui.messageBox(kLoadFailure, ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
}

void ChangeVariableValue(VariablesCollection& Variables, const std::string& VariableName, std::int16_t NewValue) {
  for (ClassVariable* member : Variables.Named(VariableName)) {
    if (NewValue == -1) {
      member->setValue(static_cast<std::int16_t>(member->Value() ^ 1));
    } else {
      member->setValue(NewValue);
    }
  }
}

std::int16_t GetVariableValue(const VariablesCollection& Variables, const std::string& VariableName) {
  const auto members = Variables.Named(VariableName);
  return members.empty() ? std::int16_t{-1} : members.front()->Value();
}

}  // namespace quorlen
