// The data-file reader: the first byte chooses which typed read comes next
// (two bits a read, in turn), the rest is the file. Every value read is
// also turned into the other forms the game asks of it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/field_reader.h"
#include "common/field_value.h"
#include "common/memory_file_system.h"
#include "common/number_text.h"
#include "common/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorlen;
  if (size == 0) return 0;
  const unsigned kinds = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  fakes::MemoryFileSystem files;
  files.files["/game/data"] = bytes;
  Result<FieldReader> opened = FieldReader::open(files, "/game/data");
  if (!opened) __builtin_trap();  // the file is there
  FieldReader& reader = opened.value();

  // Every read moves past a field, so the file runs out within size reads.
  for (std::size_t read = 0; read <= bytes.size() + 1 && !reader.atEnd(); ++read) {
    switch ((kinds >> (2 * (read % 4))) & 3u) {
      case 0: {
        Result<std::string> text = reader.readText();
        if (text) (void)utf8ToWindows1252(text.value());
        break;
      }
      case 1:
        (void)reader.readInt16();
        break;
      case 2:
        (void)reader.readBoolean();
        break;
      default: {
        Result<FieldValue> value = reader.readValue();
        if (value) {
          (void)value.value().asText();
          (void)value.value().toInt16();
          (void)value.value().isSet();
          (void)value.value().isTrue();
          (void)value.value().isExactlyOne();
        }
        break;
      }
    }
  }
  if (!reader.atEnd()) __builtin_trap();  // a read that did not move on
  // The number helpers on the whole input as one field.
  if (std::optional<double> number = parseDecimal(bytes)) {
    (void)roundToInt16(*number);
    (void)formatNumber(*number);
  }
  (void)parseBooleanWord(bytes);
  (void)windows1252ToUtf8(bytes);
  return 0;
}
