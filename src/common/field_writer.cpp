#include "common/field_writer.h"

#include <string>

#include "common/text_encoding.h"

namespace quorlen {

void FieldWriter::writeText(std::string_view utf8Text) {
  std::string text = utf8ToWindows1252(utf8Text);
  // A quoted field ends at the next double quote and the data files have no
  // way to escape one, so a double quote inside the text is written as a
  // single quote; the text then reads back whole.
  for (char& c : text) {
    if (c == '"') c = '\'';
  }
  bytes_ += '"';
  bytes_ += text;
  bytes_ += "\"\r\n";
}

void FieldWriter::writeNumber(std::int64_t value) {
  bytes_ += std::to_string(value);
  bytes_ += "\r\n";
}

}  // namespace quorlen
