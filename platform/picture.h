#pragma once

#include <string_view>
#include <vector>

// A decoded picture: rows of RGB pixels, top row first.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// Each answers false when the bytes hold no picture of its kind (or one too large to show).
bool DecodeJpeg(std::string_view bytes, Bitmap& picture);
// Uncompressed Windows bitmaps of 1, 4, 8, 16, 24 or 32 bits per pixel.
bool DecodeBmp(std::string_view bytes, Bitmap& picture);
// Either kind, told by the file's first bytes.
bool DecodePicture(std::string_view bytes, Bitmap& picture);

// Pictures larger than this many pixels are refused rather than decoded.
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;
