// The picture-header readers: the size of a picture and the header of a
// cursor, read from the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "backends/shared/pictures/picture_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)quorlen::backends::readPictureSize(bytes);
  (void)quorlen::backends::readCursorHeader(bytes);
  return 0;
}
