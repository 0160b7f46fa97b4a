// Decoding of the pictures the main window shows: JPEG with libjpeg, Windows bitmaps by hand.
#include "platform/picture.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf resume;
};

void OnJpegError(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  std::longjmp(errors->resume, 1);
}

// Warnings (a picture cut short, say) are no reason to refuse it and are not printed.
void OnJpegMessage(j_common_ptr) {}

bool TooLarge(long long width, long long height) {
  return width * height > kMaxPicturePixels;
}

// The libjpeg calls; an error of the library comes back here through longjmp, so this frame
// holds nothing that needs destroying and changes only what the caller owns.
bool Decompress(jpeg_decompress_struct& info, JpegErrors& errors, std::string_view bytes,
                Bitmap& decoded) {
  if (setjmp(errors.resume)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
      TooLarge(info.image_width, info.image_height)) {
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  decoded.width = static_cast<int>(info.output_width);
  decoded.height = static_cast<int>(info.output_height);
  decoded.rgb.assign(static_cast<size_t>(decoded.width) * decoded.height * 3, 0);
  while (info.output_scanline < info.output_height) {
    unsigned char* row =
        decoded.rgb.data() + static_cast<size_t>(info.output_scanline) * decoded.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool DecodeJpeg(std::string_view bytes, Bitmap& picture) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.output_message = OnJpegMessage;
  Bitmap decoded;
  const bool decoded_ok = Decompress(info, errors, bytes, decoded);
  jpeg_destroy_decompress(&info);
  if (decoded_ok) picture = std::move(decoded);
  return decoded_ok;
}

namespace {

std::uint32_t Read16(std::string_view bytes, size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

std::uint32_t Read32(std::string_view bytes, size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

// One colour channel packed in a 16- or 32-bit pixel, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t top = 0;

  explicit Channel(std::uint32_t channel_mask) : mask(channel_mask) {
    if (mask == 0) return;
    while (((mask >> shift) & 1) == 0) ++shift;
    top = mask >> shift;
  }
  unsigned char Of(std::uint32_t pixel) const {
    if (top == 0) return 0;
    // In 64 bits: a channel wider than 24 bits would overflow the product.
    return static_cast<unsigned char>(std::uint64_t{(pixel & mask) >> shift} * 255 / top);
  }
};

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

}  // namespace

bool DecodeBmp(std::string_view bytes, Bitmap& picture) {
  if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
    return false;
  }
  const std::uint32_t header_size = Read32(bytes, kFileHeaderSize);
  const bool core = header_size == kCoreHeaderSize;
  if (!core && (header_size < kInfoHeaderSize || kFileHeaderSize + header_size > bytes.size())) {
    return false;
  }
  const size_t h = kFileHeaderSize;
  // The core header holds unsigned 16-bit sizes; the info header signed 32-bit ones, a
  // negative height marking rows stored top first.
  const long long width = core ? static_cast<long long>(Read16(bytes, h + 4))
                               : static_cast<std::int32_t>(Read32(bytes, h + 4));
  const long long signed_height = core ? static_cast<long long>(Read16(bytes, h + 6))
                                       : static_cast<std::int32_t>(Read32(bytes, h + 8));
  const unsigned bits = core ? Read16(bytes, h + 10) : Read16(bytes, h + 14);
  const std::uint32_t compression = core ? kUncompressed : Read32(bytes, h + 16);
  const bool top_down = signed_height < 0;
  const long long height = std::llabs(signed_height);
  if (width <= 0 || height == 0 || TooLarge(width, height)) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const bool packed = bits == 16 || bits == 32;
  if (compression != kUncompressed && !(compression == kBitFields && packed)) return false;

  // Colour masks of packed pixels: given after a plain info header, inside a longer one.
  size_t table_at = h + header_size;
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bits == 32) masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
  if (compression == kBitFields) {
    const size_t masks_at = h + kInfoHeaderSize;
    if (masks_at + 12 > bytes.size()) return false;
    for (int i = 0; i < 3; ++i) masks[i] = Read32(bytes, masks_at + 4 * i);
    if (header_size == kInfoHeaderSize) table_at += 12;
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

  const size_t entry_size = core ? 3 : 4;
  size_t colours = 0;
  if (bits <= 8) {
    const std::uint32_t used = core ? 0 : Read32(bytes, h + 32);
    colours = (used == 0 || used > (1u << bits)) ? (1u << bits) : used;
  }
  if (table_at + colours * entry_size > bytes.size()) return false;

  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  size_t pixels_at = Read32(bytes, 10);
  if (pixels_at < table_at + colours * entry_size || pixels_at > bytes.size()) {
    pixels_at = table_at + colours * entry_size;  // an offset that cannot be right
  }
  if (stride * height > bytes.size() - pixels_at) return false;

  Bitmap decoded;
  decoded.width = static_cast<int>(width);
  decoded.height = static_cast<int>(height);
  decoded.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (long long y = 0; y < height; ++y) {
    const size_t row_at = pixels_at + stride * static_cast<size_t>(top_down ? y : height - 1 - y);
    unsigned char* out = decoded.rgb.data() + static_cast<size_t>(y) * width * 3;
    for (long long x = 0; x < width; ++x, out += 3) {
      if (bits <= 8) {
        const size_t bit = static_cast<size_t>(x) * bits;
        const auto byte = static_cast<unsigned char>(bytes[row_at + bit / 8]);
        const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= colours) continue;  // outside the colour table: black
        const size_t entry = table_at + index * entry_size;
        out[0] = static_cast<unsigned char>(bytes[entry + 2]);
        out[1] = static_cast<unsigned char>(bytes[entry + 1]);
        out[2] = static_cast<unsigned char>(bytes[entry]);
      } else if (bits == 24) {
        const size_t at = row_at + static_cast<size_t>(x) * 3;
        out[0] = static_cast<unsigned char>(bytes[at + 2]);
        out[1] = static_cast<unsigned char>(bytes[at + 1]);
        out[2] = static_cast<unsigned char>(bytes[at]);
      } else {
        const size_t at = row_at + static_cast<size_t>(x) * (bits / 8);
        const std::uint32_t pixel = bits == 16 ? Read16(bytes, at) : Read32(bytes, at);
        out[0] = red.Of(pixel);
        out[1] = green.Of(pixel);
        out[2] = blue.Of(pixel);
      }
    }
  }
  picture = std::move(decoded);
  return true;
}

bool DecodePicture(std::string_view bytes, Bitmap& picture) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, picture);
  return DecodeJpeg(bytes, picture);
}
