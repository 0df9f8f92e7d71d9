#pragma once
// Reader of the game's data files: 8-bit text of delimited fields, read one
// field at a time, each read naming the kind of value it expects.
//
// Fields are separated by a comma or a line end (CR LF, or a lone LF or CR);
// blanks before a field are skipped. A field that starts with a double quote
// is text up to the next double quote (commas and line ends inside belong to
// it); an unquoted field runs to the next separator, without trailing blanks.
// Text is Windows-1252 in the file and UTF-8 in the values handed out.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/field_value.h"
#include "common/result.h"

namespace quorlen {
namespace platform {
class FileSystem;
}

class FieldReader {
 public:
  // Reads the whole file into memory; two readers may be open at once.
  [[nodiscard]] static Result<FieldReader> open(platform::FileSystem& files, const std::string& path);
  // A reader over bytes already in memory.
  explicit FieldReader(std::string bytes);

  // Every read moves past the field it reads, also when the field is not of
  // the kind asked for; only a read past the end leaves the reader as it is.

  // A text field (a number or Boolean field gives its text as written).
  [[nodiscard]] Result<std::string> readText();
  // A decimal number, rounded to a whole number (ties to even), -32768..32767;
  // #TRUE# reads as -1, #FALSE# and an empty unquoted field as 0, a quoted
  // number as that number. Fails with NotANumber or OutOfRange.
  [[nodiscard]] Result<std::int16_t> readInt16();
  // #TRUE# or #FALSE# (any letter case); a number is True unless it is 0
  // (before rounding); an empty field is False. Fails with NotABoolean.
  [[nodiscard]] Result<bool> readBoolean();
  // A value of whatever kind the file holds: a quoted field is Text (even
  // "12"), #TRUE#/#FALSE# a Boolean, a number a Number, an empty unquoted
  // field Empty, anything else Text.
  [[nodiscard]] Result<FieldValue> readValue();
  // Moves past one field, whatever it holds; fails only past the end.
  [[nodiscard]] Result<void> skip();

  // No further field: only blanks, or nothing, are left.
  [[nodiscard]] bool atEnd() const;

 private:
  struct RawField {
    std::string_view text;  // Windows-1252 bytes, in the reader's buffer
    bool quoted = false;
  };
  // The next field; the reader moves past it and its separator.
  [[nodiscard]] Result<RawField> next();
  [[nodiscard]] Error fieldError(ErrorKind kind, const RawField& field, const char* expected) const;

  std::string bytes_;
  std::size_t pos_ = 0;
  std::size_t fieldStart_ = 0;  // where the last field read began
};

}  // namespace quorlen
