#include "backends/sdl/cmyk_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "backends/shared/pictures/byte_reading.h"
#include "backends/shared/pictures/picture_headers.h"

namespace quorlen::sdl {

namespace {
struct ErrorJump {
  jpeg_error_mgr manager{};
  std::jmp_buf jump{};
};

void jumpOut(j_common_ptr info) {
  auto* e = reinterpret_cast<ErrorJump*>(info->err);
  std::longjmp(e->jump, 1);
}

void quiet(j_common_ptr /*info*/, int /*level*/) {}

struct Frame {
  int components = 0;
  int width = 0;
  int height = 0;
};

// The start-of-frame marker's numbers.
Frame frameOf(std::string_view b) {
  using backends::bytes::be16;
  using backends::bytes::u8;
  std::size_t at = 2;
  while (at + 10 < b.size() && u8(b, at) == 0xFF) {
    const auto marker = u8(b, at + 1);
    if (marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
      at += marker == 0xFF ? 1 : 2;
      continue;
    }
    const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) {
      return Frame{static_cast<int>(u8(b, at + 9)), static_cast<int>(be16(b, at + 7)),
                   static_cast<int>(be16(b, at + 5))};
    }
    at += 2 + be16(b, at + 2);
  }
  return Frame{};
}
}  // namespace

bool isCmykJpeg(std::string_view b) { return frameOf(b).components == 4; }

SurfacePtr decodeCmykJpeg(std::string_view bytes) {
  const Frame frame = frameOf(bytes);
  if (frame.components != 4 || frame.width <= 0 || frame.height <= 0 || frame.width > backends::kLargestSide ||
      frame.height > backends::kLargestSide) {
    return nullptr;
  }
  // Made before the jump point: nothing below changes these objects.
  SurfacePtr out = makeRgbaSurface(frame.width, frame.height);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(frame.width) * 4);
  if (!out) return nullptr;
  jpeg_decompress_struct info{};
  ErrorJump error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = jumpOut;
  error.manager.emit_message = quiet;
  if (setjmp(error.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (info.num_components != 4 || static_cast<int>(info.image_width) != frame.width ||
      static_cast<int>(info.image_height) != frame.height) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  info.out_color_space = JCS_CMYK;
  jpeg_start_decompress(&info);
  const bool inverted = info.saw_Adobe_marker != 0;
  const int width = frame.width;
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const auto y = info.output_scanline;
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    auto* px = static_cast<Uint8*>(out->pixels) + static_cast<std::ptrdiff_t>(y) * out->pitch;
    for (int x = 0; x < width; ++x) {
      unsigned c = row[4 * x];
      unsigned m = row[4 * x + 1];
      unsigned yellow = row[4 * x + 2];
      unsigned k = row[4 * x + 3];
      if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        yellow = 255 - yellow;
        k = 255 - k;
      }
      // with the inversion undone, each value is the share of light left
      px[4 * x] = static_cast<Uint8>((c * k + 127) / 255);
      px[4 * x + 1] = static_cast<Uint8>((m * k + 127) / 255);
      px[4 * x + 2] = static_cast<Uint8>((yellow * k + 127) / 255);
      px[4 * x + 3] = 255;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return out;
}

}  // namespace quorlen::sdl
