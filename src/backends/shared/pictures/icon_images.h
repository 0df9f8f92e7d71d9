#pragma once
// Cursor (.cur) and icon (.ico) files: the directory entry the system takes
// (the one nearest 32 x 32, then the most colours), with its size, its hot
// spot and its pixels all from that same entry. The pixels of the AND and
// XOR masks become RGBA; pixels that invert the screen are marked as such.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace quorlen::backends {

// Where the chosen image lies in the file, and what its own header says.
struct IconEntry {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  std::size_t offset = 0;
  std::size_t length = 0;
  bool png = false;  // a PNG stream rather than a device-independent bitmap
};

struct IconImage {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  std::vector<std::uint8_t> rgba;       // width x height x 4, top row first; empty for a PNG entry
  std::vector<std::uint8_t> inverting;  // width x height: 1 where the pixel inverts the screen
  bool monochrome = false;  // only black, white, transparent and inverting pixels
  std::string png;          // the PNG stream of a PNG entry, decoded by the backend
};

// The entry of a .cur or .ico file that is shown (bounds checked).
[[nodiscard]] Result<IconEntry> chooseIconEntry(std::string_view bytes);
// The shown image of a .cur or .ico file.
[[nodiscard]] Result<IconImage> decodeIconFile(std::string_view bytes);

}  // namespace quorlen::backends
