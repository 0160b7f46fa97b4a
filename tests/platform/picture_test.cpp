#include "platform/picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

#include "platform/controls.h"
#include "platform/errors.h"
#include "tests/support/test_world.h"

namespace {

// A JPEG of one colour, made with libjpeg's compressor.
std::string SolidJpeg(int width, int height, unsigned char r, unsigned char g, unsigned char b) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::string row;
  for (int x = 0; x < width; ++x)
    row += {static_cast<char>(r), static_cast<char>(g), static_cast<char>(b)};
  while (info.next_scanline < info.image_height) {
    auto* line = reinterpret_cast<unsigned char*>(row.data());
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A Windows bitmap with a plain info header; `palette` holds blue, green, red, 0 per colour.
std::string Bmp(int width, int height, int bits, const std::string& palette,
                const std::string& pixels) {
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
  return "BM" + Le(offset + pixels.size(), 4) + Le(0, 4) + Le(offset, 4) + Le(40, 4) +
         Le(width, 4) + Le(static_cast<std::uint32_t>(height), 4) + Le(1, 2) + Le(bits, 2) +
         Le(0, 4) + Le(pixels.size(), 4) + Le(2835, 4) + Le(2835, 4) + Le(palette.size() / 4, 4) +
         Le(0, 4) + palette + pixels;
}

std::vector<int> Pixel(const Bitmap& picture, int x, int y) {
  const size_t at = (static_cast<size_t>(y) * picture.width + x) * 3;
  return {picture.rgb[at], picture.rgb[at + 1], picture.rgb[at + 2]};
}

TEST(Pictures, JpegDecodes) {
  Bitmap picture;
  ASSERT_TRUE(DecodeJpeg(SolidJpeg(8, 4, 200, 30, 40), picture));
  EXPECT_EQ(picture.width, 8);
  EXPECT_EQ(picture.height, 4);
  const std::vector<int> rgb = Pixel(picture, 7, 3);
  EXPECT_NEAR(rgb[0], 200, 3);
  EXPECT_NEAR(rgb[1], 30, 3);
  EXPECT_NEAR(rgb[2], 40, 3);
  EXPECT_FALSE(DecodeJpeg("", picture));
  EXPECT_FALSE(DecodeJpeg("\xFF\xD8\xFF garbage after the start marker", picture));
  EXPECT_EQ(picture.width, 8);  // a failure leaves the picture as it was
}

TEST(Pictures, BitmapsDecodeBottomUpTopDownAndWithAColourTable) {
  // 2x2, 24 bits, bottom row first: blue white / red green; rows padded to 8 bytes.
  const std::string rows = std::string(
                               "\xFF\x00\x00"
                               "\xFF\xFF\xFF"
                               "\x00\x00",
                               8) +
                           std::string(
                               "\x00\x00\xFF"
                               "\x00\xFF\x00"
                               "\x00\x00",
                               8);
  Bitmap picture;
  ASSERT_TRUE(DecodeBmp(Bmp(2, 2, 24, "", rows), picture));
  EXPECT_EQ(Pixel(picture, 0, 0), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(Pixel(picture, 1, 0), (std::vector<int>{0, 255, 0}));
  EXPECT_EQ(Pixel(picture, 0, 1), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(Pixel(picture, 1, 1), (std::vector<int>{255, 255, 255}));

  // 3x1, 8 bits, top row first (negative height), two colours.
  const std::string palette = std::string(
      "\x00\x00\x80\x00"
      "\x10\x20\x30\x00",
      8);
  ASSERT_TRUE(DecodePicture(Bmp(3, -1, 8, palette, std::string("\x01\x00\x01\x00", 4)), picture));
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.height, 1);
  EXPECT_EQ(Pixel(picture, 0, 0), (std::vector<int>{0x30, 0x20, 0x10}));
  EXPECT_EQ(Pixel(picture, 1, 0), (std::vector<int>{0x80, 0, 0}));

  // Rows missing, a compression we do not read, no bitmap at all.
  EXPECT_FALSE(DecodeBmp(Bmp(2, 2, 24, "", rows.substr(0, 12)), picture));
  std::string compressed = Bmp(2, 2, 24, "", rows);
  compressed[30] = 1;
  EXPECT_FALSE(DecodeBmp(compressed, picture));
  EXPECT_FALSE(DecodeBmp("BM", picture));
  EXPECT_FALSE(DecodePicture("plain text, no picture", picture));
}

// Pixels of one and four bits index the colour table from the high bits of each byte; the
// old 12-byte header has 16-bit sizes and a table of three bytes per colour.
TEST(Pictures, SmallIndexesAndTheOldHeaderDecode) {
  const std::string two_colours = std::string(
      "\x00\x00\x00\x00"
      "\xFF\xFF\xFF\x00",
      8);
  Bitmap picture;
  // 10x1, 1 bit: 1011 0000 01.. -> white black white white black black black black black white.
  ASSERT_TRUE(DecodeBmp(Bmp(10, 1, 1, two_colours, std::string("\xB0\x40\x00\x00", 4)), picture));
  const std::vector<int> black{0, 0, 0};
  const std::vector<int> white{255, 255, 255};
  const std::vector<std::vector<int>> row{white, black, white, white, black,
                                          black, black, black, black, white};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Pixel(picture, x, 0), row[x]) << x;

  // 3x1, 4 bits: indexes 2, 0, 1 of a three-colour table.
  const std::string three_colours = two_colours + std::string("\x00\x00\xFF\x00", 4);
  ASSERT_TRUE(DecodeBmp(Bmp(3, 1, 4, three_colours, std::string("\x20\x10\x00\x00", 4)), picture));
  EXPECT_EQ(Pixel(picture, 0, 0), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(Pixel(picture, 1, 0), black);
  EXPECT_EQ(Pixel(picture, 2, 0), white);

  // 2x1, 1 bit with the old header: width and height in 16 bits, a full table of colours of
  // three bytes each.
  const std::string core_table = std::string("\x10\x20\x30\x40\x50\x60", 6);
  const std::uint32_t offset = 14 + 12 + 6;
  const std::string core = "BM" + Le(offset + 4, 4) + Le(0, 4) + Le(offset, 4) + Le(12, 4) +
                           Le(2, 2) + Le(1, 2) + Le(1, 2) + Le(1, 2) + core_table +
                           std::string("\x40\x00\x00\x00", 4);
  ASSERT_TRUE(DecodeBmp(core, picture));
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(Pixel(picture, 0, 0), (std::vector<int>{0x30, 0x20, 0x10}));
  EXPECT_EQ(Pixel(picture, 1, 0), (std::vector<int>{0x60, 0x50, 0x40}));
  // The same with its table cut short is refused.
  EXPECT_FALSE(DecodeBmp(core.substr(0, 14 + 12 + 4), picture));
}

TEST(Pictures, PackedPixelsTakeTheirChannelsFromTheMasks) {
  Bitmap picture;
  // 16 bits, 5-5-5 without masks: one red pixel of full strength (padded to 4 bytes a row).
  ASSERT_TRUE(DecodeBmp(Bmp(1, 1, 16, "", Le(0x7C00, 2) + Le(0, 2)), picture));
  EXPECT_EQ(Pixel(picture, 0, 0), (std::vector<int>{255, 0, 0}));

  // 32 bits with masks after the header; a channel may be wider than a byte.
  const std::string masks = Le(0xFFFFFFF0u, 4) + Le(0x0000000Cu, 4) + Le(0x00000003u, 4);
  std::string bitfields = Bmp(2, 1, 32, masks, Le(0xFFFFFFF0u, 4) + Le(0x7FFFFFF9u, 4));
  bitfields[30] = 3;
  ASSERT_TRUE(DecodeBmp(bitfields, picture));
  EXPECT_EQ(Pixel(picture, 0, 0), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(Pixel(picture, 1, 0), (std::vector<int>{127, 170, 85}));
}

TEST(Pictures, AnImageLoadsAFileOrKeepsWhatItShowed) {
  EventLoop loop;
  HeadlessDialogs dialogs;
  ControlRegistry window{loop, dialogs};
  TImage image{window, "CImage"};
  TempFolder folder;
  folder.Write("Camp/cimage.jpg", SolidJpeg(16, 9, 0, 0, 255));
  folder.Write("Camp/garbage.jpg", "not a picture at all");

  image.LoadFromFile(folder.Path() + "camp\\CImage.jpg");
  EXPECT_EQ(image.Picture.width, 16);
  EXPECT_EQ(image.PictureFile, folder.Path() + "camp\\CImage.jpg");
  EXPECT_THROW(image.LoadFromFile(folder.Path() + "camp\\garbage.jpg"), FileError);
  EXPECT_THROW(image.LoadFromFile(folder.Path() + "camp\\missing.jpg"), FileError);
  EXPECT_EQ(image.Picture.height, 9);
  image.Clear();
  EXPECT_TRUE(image.PictureFile.empty());
  EXPECT_EQ(image.Picture.width, 0);
}

}  // namespace
