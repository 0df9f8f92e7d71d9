#include "common/field_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "common/number_text.h"
#include "common/text_encoding.h"
#include "platform/file_system.h"

namespace quorlen {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isSeparator(char c) { return c == ',' || isLineEnd(c); }

}  // namespace

Result<FieldReader> FieldReader::open(platform::FileSystem& files, const std::string& path) {
  Result<std::string> bytes = files.readFileUpTo(path, platform::kDataFileLimit);
  if (!bytes) return bytes.error();
  return FieldReader(std::move(bytes).value());
}

FieldReader::FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

bool FieldReader::atEnd() const {
  std::size_t pos = pos_;
  while (pos < bytes_.size() && isBlank(bytes_[pos])) ++pos;
  return pos >= bytes_.size();
}

Result<FieldReader::RawField> FieldReader::next() {
  std::size_t pos = pos_;
  while (pos < bytes_.size() && isBlank(bytes_[pos])) ++pos;
  if (pos >= bytes_.size()) return makeError(ErrorKind::EndOfFile, "no field left in the file");
  fieldStart_ = pos;

  // Moves past one separator: a comma, CR LF, a lone LF or a lone CR.
  auto skipSeparator = [this, &pos] {
    if (pos >= bytes_.size()) return;
    if (bytes_[pos] == '\r' && pos + 1 < bytes_.size() && bytes_[pos + 1] == '\n') ++pos;
    ++pos;
  };

  RawField field;
  if (bytes_[pos] == '"') {
    field.quoted = true;
    const std::size_t close = bytes_.find('"', pos + 1);
    if (close == std::string::npos) {
      // The quoted field was never closed: it runs to the end of the file.
      field.text = std::string_view(bytes_).substr(pos + 1);
      pos_ = bytes_.size();
      return field;
    }
    field.text = std::string_view(bytes_).substr(pos + 1, close - pos - 1);
    pos = close + 1;
    while (pos < bytes_.size() && isBlank(bytes_[pos])) ++pos;
    // Anything between the closing quote and the separator is dropped.
    while (pos < bytes_.size() && !isSeparator(bytes_[pos])) ++pos;
    skipSeparator();
  } else {
    const std::size_t start = pos;
    while (pos < bytes_.size() && !isSeparator(bytes_[pos])) ++pos;
    std::size_t end = pos;
    while (end > start && isBlank(bytes_[end - 1])) --end;
    field.text = std::string_view(bytes_).substr(start, end - start);
    skipSeparator();
  }
  pos_ = pos;
  return field;
}

Error FieldReader::fieldError(ErrorKind kind, const RawField& field, const char* expected) const {
  const auto line = 1 + std::count(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(fieldStart_), '\n');
  return makeError(kind, "line " + std::to_string(line) + ": \"" + windows1252ToUtf8(field.text) + "\" is not " +
                             expected);
}

Result<std::string> FieldReader::readText() {
  Result<RawField> field = next();
  if (!field) return field.error();
  return windows1252ToUtf8(field.value().text);
}

Result<void> FieldReader::skip() {
  Result<RawField> field = next();
  if (!field) return field.error();
  return {};
}

Result<std::int16_t> FieldReader::readInt16() {
  Result<RawField> field = next();
  if (!field) return field.error();
  const RawField& raw = field.value();
  if (!raw.quoted && raw.text.empty()) return std::int16_t{0};
  if (const std::optional<bool> word = parseBooleanWord(raw.text)) {
    return static_cast<std::int16_t>(*word ? -1 : 0);
  }
  const std::optional<double> number = parseDecimal(raw.text);
  if (!number) return fieldError(ErrorKind::NotANumber, raw, "a number");
  Result<std::int16_t> rounded = roundToInt16(*number);
  if (!rounded) return fieldError(ErrorKind::OutOfRange, raw, "within -32768..32767");
  return rounded;
}

Result<bool> FieldReader::readBoolean() {
  Result<RawField> field = next();
  if (!field) return field.error();
  const RawField& raw = field.value();
  if (raw.text.empty()) return false;
  if (const std::optional<bool> word = parseBooleanWord(raw.text)) return *word;
  if (const std::optional<double> number = parseDecimal(raw.text)) return *number != 0.0;
  return fieldError(ErrorKind::NotABoolean, raw, "#TRUE#, #FALSE# or a number");
}

Result<FieldValue> FieldReader::readValue() {
  Result<RawField> field = next();
  if (!field) return field.error();
  const RawField& raw = field.value();
  if (raw.quoted) return FieldValue::text(windows1252ToUtf8(raw.text));
  if (raw.text.empty()) return FieldValue::empty();
  if (const std::optional<bool> word = parseBooleanWord(raw.text)) return FieldValue::boolean(*word);
  if (const std::optional<double> number = parseDecimal(raw.text); number && std::isfinite(*number)) {
    return FieldValue::number(*number);
  }
  return FieldValue::text(windows1252ToUtf8(raw.text));
}

}  // namespace quorlen
