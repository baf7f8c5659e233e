// JPEG encoding with libjpeg-turbo's classic interface.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "CaptureImage.h"

namespace {

struct ErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  // The output, kept where a jump back cannot lose it.
  unsigned char* Buffer;
  unsigned long Size;
};

// The library's own handler would end the program.
[[noreturn]] void FailEncoding(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

void Silent(j_common_ptr) {}

}  // namespace

std::string EncodeJpeg(const CaptureImage& image, int quality) {
  if (image.Width <= 0 || image.Height <= 0 || image.Pixels.size() < image.RowSize() * image.Height) return {};
  jpeg_compress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = FailEncoding;
  errors.Base.output_message = Silent;
  if (setjmp(errors.Jump)) {
    jpeg_destroy_compress(&info);
    std::free(errors.Buffer);
    return {};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &errors.Buffer, &errors.Size);
  info.image_width = static_cast<JDIMENSION>(image.Width);
  info.image_height = static_cast<JDIMENSION>(image.Height);
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  info.dct_method = JDCT_ISLOW;  // the most accurate transform
  jpeg_set_quality(&info, quality < 1 ? 1 : quality > 100 ? 100 : quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  // The picture's rows run bottom-up; JPEG's run top-down.
  while (info.next_scanline < info.image_height) {
    const std::size_t row = static_cast<std::size_t>(image.Height) - 1 - info.next_scanline;
    JSAMPROW pointer = const_cast<JSAMPROW>(image.Pixels.data() + row * image.RowSize());
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  std::string file(reinterpret_cast<const char*>(errors.Buffer), errors.Size);
  jpeg_destroy_compress(&info);
  std::free(errors.Buffer);
  return file;
}
