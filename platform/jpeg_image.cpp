// Decoding of the JPEG pictures the main window shows, with libjpeg.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf resume;
};

void OnJpegError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(manager->resume, 1);
}

// Decodes into `picture`; false when the bytes are no JPEG picture.
bool DecodeJpeg(const std::string& bytes, Bitmap& picture) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  if (setjmp(errors.resume)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.rgb.assign(static_cast<size_t>(picture.width) * picture.height * 3, 0);
  while (info.output_scanline < info.output_height) {
    unsigned char* row = picture.rgb.data() + static_cast<size_t>(info.output_scanline) *
                                                  picture.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

void TImage::LoadFromFile(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  Bitmap decoded;
  if (!DecodeJpeg(bytes, decoded)) throw FileError("Not a JPEG picture: " + path);
  Picture = std::move(decoded);
  PictureFile = path;
}
