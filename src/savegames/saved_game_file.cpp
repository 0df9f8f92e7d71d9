#include "savegames/saved_game_file.h"

#include <cmath>
#include <limits>
#include <optional>

#include "common/field_reader.h"
#include "common/field_writer.h"
#include "common/number_text.h"

namespace quorlen {

namespace {

// A count of the variables or disappeared areas: a whole number of 32 bits,
// read by the rules of the 16-bit numbers (rounded, ties to even; #TRUE# is
// -1; an empty field 0).
Result<std::int32_t> readCount32(FieldReader& reader) {
  Result<std::string> field = reader.readText();
  if (!field) return field.error();
  const std::string& text = field.value();
  if (text.empty()) return std::int32_t{0};
  if (const std::optional<bool> word = parseBooleanWord(text)) return std::int32_t{*word ? -1 : 0};
  const std::optional<double> number = parseDecimal(text);
  if (!number) return makeError(ErrorKind::NotANumber, "\"" + text + "\" is not a count");
  const double rounded = std::nearbyint(*number);  // the default rounding: ties to even
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
    return makeError(ErrorKind::OutOfRange, "\"" + text + "\" is too large for a count");
  }
  return static_cast<std::int32_t>(rounded);
}

void writePairs(FieldWriter& writer, const std::vector<SavedGameContent::Pair>& pairs) {
  writer.writeNumber(static_cast<std::int64_t>(pairs.size()));
  for (const auto& [name, value] : pairs) {
    writer.writeText(name);
    writer.writeNumber(value);
  }
}

}  // namespace

std::string savedGameBytes(const SavedGameContent& content) {
  FieldWriter writer;
  writer.writeText(content.frame);
  writePairs(writer, content.variables);
  writePairs(writer, content.disappeared);
  writer.writeNumber(static_cast<std::int64_t>(content.items.size()));
  for (const std::string& item : content.items) writer.writeText(item);
  return writer.bytes();
}

Result<std::string> readSavedGame(FieldReader& reader, SavedGameSink& sink) {
  Result<FieldValue> frame = reader.readValue();
  if (!frame) return frame.error();

  Result<std::int32_t> variables = readCount32(reader);
  if (!variables) return variables.error();
  for (std::int32_t i = 1; i <= variables.value(); ++i) {
    Result<std::string> name = reader.readText();
    if (!name) return name.error();
    Result<std::int16_t> value = reader.readInt16();
    if (!value) return value.error();
    sink.variable(name.value(), value.value());
  }

  Result<std::int32_t> disappeared = readCount32(reader);
  if (!disappeared) return disappeared.error();
  for (std::int32_t i = 1; i <= disappeared.value(); ++i) {
    Result<std::string> name = reader.readText();
    if (!name) return name.error();
    Result<std::int16_t> area = reader.readInt16();
    if (!area) return area.error();
    sink.disappeared(name.value(), area.value());
  }

  Result<std::int16_t> items = reader.readInt16();
  if (!items) return items.error();
  for (std::int16_t i = 0; i < items.value(); ++i) {
    Result<FieldValue> name = reader.readValue();
    if (!name) return name.error();
    sink.item(name.value().asText());
  }
  return frame.value().asText();
}

}  // namespace quorlen
