// The AVI writer, read back chunk by chunk, and the BMP and JPEG encoders,
// decoded back.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include <jpeglib.h>

#include "display/capture/AviWriter.h"
#include "display/capture/CaptureImage.h"

namespace {

std::uint32_t U32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

std::uint16_t U16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(at)) |
                                    static_cast<unsigned char>(bytes.at(at + 1)) << 8);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A picture whose every pixel differs from its neighbours: blue = x, green = y,
// red = frame number.
CaptureImage Pattern(int width, int height, int frame) {
  CaptureImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &image.Pixels[y * image.RowSize() + 3 * x];
      p[0] = static_cast<unsigned char>(x * 7);
      p[1] = static_cast<unsigned char>(y * 5);
      p[2] = static_cast<unsigned char>(frame * 40);
    }
  }
  return image;
}

struct Decoded {
  int Width = 0, Height = 0, Components = 0;
  bool Progressive = true;
  std::vector<unsigned char> Rgb;  // rows top-down
};

Decoded DecodeJpeg(const std::string& bytes) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  Decoded out;
  out.Progressive = info.progressive_mode;
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.Width = static_cast<int>(info.output_width);
  out.Height = static_cast<int>(info.output_height);
  out.Components = info.output_components;
  out.Rgb.resize(static_cast<std::size_t>(out.Width) * out.Height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &out.Rgb[static_cast<std::size_t>(info.output_scanline) * out.Width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return out;
}

// The chunks of an AVI file as a reader walks them.
struct AviFile {
  std::string Bytes;
  std::size_t Movi = 0;  // position of the 'movi' list type
  std::size_t Index = 0;  // position of the idx1 data
  std::uint32_t IndexSize = 0;
};

AviFile Walk(const std::string& path) {
  AviFile avi;
  avi.Bytes = ReadAll(path);
  const std::string& b = avi.Bytes;
  EXPECT_EQ(b.substr(0, 4), "RIFF");
  EXPECT_EQ(U32(b, 4), b.size() - 8) << "RIFF size";
  EXPECT_EQ(b.substr(8, 4), "AVI ");
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string code = b.substr(at, 4);
    const std::uint32_t size = U32(b, at + 4);
    EXPECT_LE(at + 8 + size, b.size()) << code;
    if (code == "LIST" && b.substr(at + 8, 4) == "movi") avi.Movi = at + 8;
    if (code == "idx1") {
      avi.Index = at + 8;
      avi.IndexSize = size;
    }
    at += 8 + size + (size & 1);
  }
  EXPECT_EQ(at, b.size());
  return avi;
}

class AviWriterTest : public ::testing::Test {
 protected:
  std::string path = (std::filesystem::temp_directory_path() /
                      ("avi_writer_test_" + std::to_string(::getpid()) + ".avi")).string();
  void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(AviWriterTest, UncompressedFramesAreIndexedDibChunks) {
  AviWriter writer;
  // Width 5: 15 bytes of pixels padded to 16 per row.
  ASSERT_TRUE(writer.Open(path) && writer.SetFormat(5, 3, 15, AviCodec::Uncompressed));
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(writer.WriteFrame(Pattern(5, 3, frame)), AviWriter::FrameResult::Written);
  }
  EXPECT_EQ(writer.FrameCount(), 3);
  ASSERT_TRUE(writer.Close());

  const AviFile avi = Walk(path);
  const std::string& b = avi.Bytes;
  EXPECT_EQ(b.substr(12, 4), "LIST");
  EXPECT_EQ(b.substr(20, 4), "hdrl");
  EXPECT_EQ(b.substr(24, 4), "avih");
  EXPECT_EQ(U32(b, 32), 66666u);        // microseconds per frame at 15 per second
  EXPECT_EQ(U32(b, 32 + 12), 0x10u);    // has an index
  EXPECT_EQ(U32(b, 32 + 16), 3u);       // total frames
  EXPECT_EQ(U32(b, 32 + 24), 1u);       // one stream
  EXPECT_EQ(U32(b, 32 + 32), 5u);
  EXPECT_EQ(U32(b, 32 + 36), 3u);
  EXPECT_EQ(b.substr(100, 4), "strh");
  EXPECT_EQ(b.substr(108, 4), "vids");
  EXPECT_EQ(b.substr(112, 4), "DIB ");
  EXPECT_EQ(U32(b, 108 + 20), 1u);      // scale
  EXPECT_EQ(U32(b, 108 + 24), 15u);     // rate
  EXPECT_EQ(U32(b, 108 + 32), 3u);      // length
  EXPECT_EQ(U16(b, 108 + 52), 5u);      // frame rectangle right
  EXPECT_EQ(U16(b, 108 + 54), 3u);      // and bottom
  EXPECT_EQ(b.substr(164, 4), "strf");
  EXPECT_EQ(U32(b, 172), 40u);
  EXPECT_EQ(U32(b, 172 + 4), 5u);
  EXPECT_EQ(U32(b, 172 + 8), 3u);
  EXPECT_EQ(U16(b, 172 + 14), 24u);
  EXPECT_EQ(U32(b, 172 + 16), 0u);      // uncompressed
  EXPECT_EQ(U32(b, 172 + 20), 48u);     // 16-byte rows x 3
  EXPECT_EQ(U32(b, 172 + 24), 2952u);

  ASSERT_NE(avi.Movi, 0u);
  ASSERT_EQ(avi.IndexSize, 3u * 16);
  for (int frame = 0; frame < 3; ++frame) {
    const std::size_t entry = avi.Index + 16 * frame;
    EXPECT_EQ(b.substr(entry, 4), "00db");
    EXPECT_EQ(U32(b, entry + 4), 0x10u);  // key frame
    const std::size_t chunk = avi.Movi + U32(b, entry + 8);
    EXPECT_EQ(b.substr(chunk, 4), "00db");
    EXPECT_EQ(U32(b, chunk + 4), 48u);
    EXPECT_EQ(U32(b, entry + 12), 48u);
    const CaptureImage expected = Pattern(5, 3, frame);
    EXPECT_EQ(b.substr(chunk + 8, 48), std::string(expected.Pixels.begin(), expected.Pixels.end()));
  }
}

TEST_F(AviWriterTest, MotionJpegFramesArePaddedToEvenLengthAndDecode) {
  AviWriter writer;
  ASSERT_TRUE(writer.Open(path) && writer.SetFormat(16, 8, 15, AviCodec::MotionJpeg, 90));
  for (int frame = 0; frame < 4; ++frame) writer.WriteFrame(Pattern(16, 8, frame));
  ASSERT_TRUE(writer.Close());

  const AviFile avi = Walk(path);
  const std::string& b = avi.Bytes;
  EXPECT_EQ(b.substr(112, 4), "MJPG");
  EXPECT_EQ(b.substr(172 + 16, 4), "MJPG");
  ASSERT_EQ(avi.IndexSize, 4u * 16);
  std::uint32_t previousEnd = 4;  // the first chunk follows the list type
  for (int frame = 0; frame < 4; ++frame) {
    const std::size_t entry = avi.Index + 16 * frame;
    EXPECT_EQ(b.substr(entry, 4), "00dc");
    const std::uint32_t offset = U32(b, entry + 8), size = U32(b, entry + 12);
    EXPECT_EQ(offset, previousEnd) << "chunks follow each other, each of even length";
    previousEnd = offset + 8 + size + (size & 1);
    const Decoded picture = DecodeJpeg(b.substr(avi.Movi + offset + 8, size));
    EXPECT_EQ(picture.Width, 16);
    EXPECT_EQ(picture.Height, 8);
    EXPECT_NEAR(picture.Rgb[0], frame * 40, 8) << "red of the top-left pixel";
  }
  EXPECT_EQ(previousEnd, U32(b, avi.Movi - 4)) << "movi list size";
}

TEST_F(AviWriterTest, ACutShortRecordingIsStillWhole) {
  {
    AviWriter writer;
    ASSERT_TRUE(writer.Open(path) && writer.SetFormat(4, 4, 15, AviCodec::Uncompressed));
    writer.WriteFrame(Pattern(4, 4, 0));
  }  // destroyed without Close, as when the program ends mid-recording
  const AviFile avi = Walk(path);
  EXPECT_EQ(U32(avi.Bytes, 32 + 16), 1u);
  EXPECT_EQ(avi.IndexSize, 16u);
}

TEST_F(AviWriterTest, BadPlacesFormatsAndFramesAreRefused) {
  AviWriter writer;
  EXPECT_FALSE(writer.Open("/nonexistent-folder/x.avi"));
  ASSERT_TRUE(writer.Open(path));
  EXPECT_EQ(writer.WriteFrame(Pattern(4, 4, 0)), AviWriter::FrameResult::Failed) << "no format yet";
  EXPECT_FALSE(writer.SetFormat(0, 4, 15, AviCodec::Uncompressed));
  EXPECT_FALSE(writer.SetFormat(70000, 4, 15, AviCodec::Uncompressed));
  ASSERT_TRUE(writer.SetFormat(4, 4, 15, AviCodec::Uncompressed));
  EXPECT_FALSE(writer.SetFormat(4, 4, 15, AviCodec::Uncompressed)) << "one stream only";
  EXPECT_EQ(writer.WriteFrame(Pattern(5, 4, 0)), AviWriter::FrameResult::Failed) << "another size";
  ASSERT_TRUE(writer.Close());
  const AviFile avi = Walk(path);
  EXPECT_EQ(U32(avi.Bytes, 32 + 16), 0u);
  EXPECT_EQ(avi.IndexSize, 0u);
}

TEST_F(AviWriterTest, AWriteThatFailsIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  AviWriter writer;
  // /dev/full takes the open but refuses every write: as a full disk.
  ASSERT_TRUE(writer.Open("/dev/full"));
  EXPECT_FALSE(writer.SetFormat(4, 4, 15, AviCodec::Uncompressed));
  EXPECT_EQ(writer.WriteFrame(Pattern(4, 4, 0)), AviWriter::FrameResult::Failed);
  EXPECT_FALSE(writer.Close());
  EXPECT_EQ(writer.Error(), ENOSPC) << "the reason a message can give";
  EXPECT_FALSE(writer.Open("/no/such/folder/x.avi"));
  EXPECT_EQ(writer.Error(), ENOENT);
}

TEST_F(AviWriterTest, TheRiffStaysBelowItsLimit) {
  EXPECT_EQ(AviWriter::RiffSizeLimit, 1u << 30);
  // Headers 224 bytes, each 4 x 4 frame 8 + 48 in movi and 16 in idx1, the
  // idx1 header 8: 224 + 72 n + 8 < 600 holds for n up to 5.
  AviWriter writer(600);
  ASSERT_TRUE(writer.Open(path) && writer.SetFormat(4, 4, 15, AviCodec::Uncompressed));
  AviWriter::FrameResult result = AviWriter::FrameResult::Written;
  while (result == AviWriter::FrameResult::Written) result = writer.WriteFrame(Pattern(4, 4, 0));
  EXPECT_EQ(result, AviWriter::FrameResult::Full);
  EXPECT_EQ(writer.FrameCount(), 5);
  ASSERT_TRUE(writer.Close());
  const auto size = std::filesystem::file_size(path);
  EXPECT_EQ(size, 232u + 5 * 72);
  EXPECT_LT(size - 8, 600u);
}

TEST(Bmp, HeadersAndBottomUpRowsAsWritten) {
  const CaptureImage image = Pattern(3, 2, 1);
  const std::string file = EncodeBmp(image);
  ASSERT_EQ(file.size(), 14u + 40 + 12 * 2);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(U32(file, 2), file.size());
  EXPECT_EQ(U32(file, 10), 54u);
  EXPECT_EQ(U32(file, 18), 3u);
  EXPECT_EQ(U32(file, 22), 2u);
  EXPECT_EQ(U16(file, 28), 24u);
  EXPECT_EQ(file.substr(54), std::string(image.Pixels.begin(), image.Pixels.end()));
}

TEST(Jpeg, BaselineAtQualityHundredKeepsThePicture) {
  const CaptureImage image = Pattern(24, 16, 3);
  const std::string file = EncodeJpeg(image, 100);
  ASSERT_FALSE(file.empty());
  const Decoded picture = DecodeJpeg(file);
  EXPECT_FALSE(picture.Progressive);
  ASSERT_EQ(picture.Width, 24);
  ASSERT_EQ(picture.Height, 16);
  ASSERT_EQ(picture.Components, 3);
  int worst = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) {
      // JPEG rows run top-down, ours bottom-up; ours are blue, green, red.
      const unsigned char* ours = &image.Pixels[(15 - y) * image.RowSize() + 3 * x];
      const unsigned char* theirs = &picture.Rgb[(y * 24 + x) * 3];
      for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(theirs[c] - ours[2 - c]));
    }
  }
  EXPECT_LE(worst, 12);
}

TEST(Jpeg, AnEmptyPictureGivesNoFile) {
  EXPECT_TRUE(EncodeJpeg(CaptureImage(), 100).empty());
  // Beyond the format's largest side the encoder fails without ending the program.
  CaptureImage huge;
  huge.Width = 70000;
  huge.Height = 1;
  huge.Pixels.resize(huge.RowSize());
  EXPECT_TRUE(EncodeJpeg(huge, 100).empty());
}

}  // namespace

namespace {

// What ffprobe reads of the first video stream.
std::string Probe(const std::string& path) {
  const std::string command = "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
                              "stream=codec_name,width,height,r_frame_rate,nb_read_frames -of compact=p=0 '" +
                              path + "' 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  if (pipe) ::pclose(pipe);
  return out;
}

TEST_F(AviWriterTest, AnotherReaderPlaysBothKinds) {
  if (std::system("ffprobe -version > /dev/null 2>&1") != 0) GTEST_SKIP() << "ffprobe is not installed";
  for (const AviCodec codec : {AviCodec::Uncompressed, AviCodec::MotionJpeg}) {
    AviWriter writer;
    ASSERT_TRUE(writer.Open(path) && writer.SetFormat(32, 24, 15, codec, 80));
    for (int frame = 0; frame < 7; ++frame) writer.WriteFrame(Pattern(32, 24, frame));
    ASSERT_TRUE(writer.Close());
    const std::string probed = Probe(path);
    EXPECT_NE(probed.find(codec == AviCodec::Uncompressed ? "codec_name=rawvideo" : "codec_name=mjpeg"),
              std::string::npos) << probed;
    EXPECT_NE(probed.find("width=32|height=24"), std::string::npos) << probed;
    EXPECT_NE(probed.find("r_frame_rate=15/1"), std::string::npos) << probed;
    EXPECT_NE(probed.find("nb_read_frames=7"), std::string::npos) << probed;
  }
}

}  // namespace
