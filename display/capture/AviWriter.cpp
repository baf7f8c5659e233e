#include "AviWriter.h"

#include <algorithm>
#include <cerrno>

#include "LittleEndian.h"

namespace {

// Positions of the fields patched on Close.
constexpr std::uint32_t kRiffSizeAt = 4;
constexpr std::uint32_t kAvihAt = 32;  // start of the avih data
constexpr std::uint32_t kAvihMaxBytesPerSecAt = kAvihAt + 4;
constexpr std::uint32_t kAvihTotalFramesAt = kAvihAt + 16;
constexpr std::uint32_t kAvihSuggestedBufferAt = kAvihAt + 28;
constexpr std::uint32_t kStrhAt = kAvihAt + 56 + 20;  // after avih and the strl list header
constexpr std::uint32_t kStrhLengthAt = kStrhAt + 32;
constexpr std::uint32_t kStrhSuggestedBufferAt = kStrhAt + 36;
constexpr std::uint32_t kHeaderListSize = 4 + (8 + 56) + (12 + (8 + 56) + (8 + 40));

constexpr std::uint32_t kKeyFrame = 0x10;  // AVIIF_KEYFRAME
constexpr std::uint32_t kHasIndex = 0x10;  // AVIF_HASINDEX

// 'MJPG' as the bitmap header's compression code.
constexpr std::uint32_t kMotionJpegCompression = 'M' | 'J' << 8 | 'P' << 16 | static_cast<std::uint32_t>('G') << 24;

const char (&ChunkCode(AviCodec codec))[5] { return codec == AviCodec::Uncompressed ? "00db" : "00dc"; }

}  // namespace

AviWriter::~AviWriter() { Close(); }

bool AviWriter::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  failed_ = false;
  error_ = file_ ? 0 : errno;
  end_ = 0;
  moviCode_ = 0;
  largestFrame_ = 0;
  index_.clear();
  return file_ != nullptr;
}

bool AviWriter::SetFormat(int width, int height, int frameRate, AviCodec codec, int quality) {
  if (!file_ || HasFormat() || width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF || frameRate <= 0) {
    return false;
  }
  codec_ = codec;
  quality_ = quality;
  width_ = width;
  height_ = height;
  frameRate_ = frameRate;

  const bool dib = codec == AviCodec::Uncompressed;
  const auto frameBytes = static_cast<std::uint32_t>(CaptureImage::DibRowSize(width) * height);
  std::string head;
  PutFourCC(head, "RIFF");
  PutU32(head, 0);  // patched
  PutFourCC(head, "AVI ");
  PutFourCC(head, "LIST");
  PutU32(head, kHeaderListSize);
  PutFourCC(head, "hdrl");
  PutFourCC(head, "avih");
  PutU32(head, 56);
  PutU32(head, static_cast<std::uint32_t>(1000000 / frameRate));  // microseconds per frame
  PutU32(head, 0);  // maximum bytes per second, patched
  PutU32(head, 0);  // padding granularity
  PutU32(head, kHasIndex);
  PutU32(head, 0);  // total frames, patched
  PutU32(head, 0);  // initial frames
  PutU32(head, 1);  // streams
  PutU32(head, 0);  // suggested buffer size, patched
  PutU32(head, static_cast<std::uint32_t>(width));
  PutU32(head, static_cast<std::uint32_t>(height));
  for (int i = 0; i < 4; ++i) PutU32(head, 0);
  PutFourCC(head, "LIST");
  PutU32(head, 4 + (8 + 56) + (8 + 40));
  PutFourCC(head, "strl");
  PutFourCC(head, "strh");
  PutU32(head, 56);
  PutFourCC(head, "vids");
  PutFourCC(head, dib ? "DIB " : "MJPG");
  PutU32(head, 0);  // flags
  PutU16(head, 0);  // priority
  PutU16(head, 0);  // language
  PutU32(head, 0);  // initial frames
  PutU32(head, 1);  // scale
  PutU32(head, static_cast<std::uint32_t>(frameRate));
  PutU32(head, 0);  // start
  PutU32(head, 0);  // length in frames, patched
  PutU32(head, 0);  // suggested buffer size, patched
  PutU32(head, 0xFFFFFFFFu);  // default quality
  PutU32(head, 0);  // sample size: frames vary
  PutU16(head, 0);
  PutU16(head, 0);
  PutU16(head, static_cast<std::uint16_t>(width));
  PutU16(head, static_cast<std::uint16_t>(height));
  PutFourCC(head, "strf");
  PutU32(head, 40);
  PutBitmapInfoHeader(head, width, height, dib ? 0 : kMotionJpegCompression, frameBytes);
  PutFourCC(head, "LIST");
  PutU32(head, 0);  // patched
  PutFourCC(head, "movi");
  if (!WriteBytes(head) || std::fflush(file_) != 0) {
    NoteFailure();
    return false;
  }
  moviCode_ = static_cast<std::uint32_t>(head.size()) - 4;
  return true;
}

std::string AviWriter::FrameData(const CaptureImage& frame) const {
  if (codec_ == AviCodec::Uncompressed) return {reinterpret_cast<const char*>(frame.Pixels.data()), frame.Pixels.size()};
  return EncodeJpeg(frame, quality_);
}

AviWriter::FrameResult AviWriter::WriteFrame(const CaptureImage& frame) {
  if (!file_ || failed_ || !HasFormat()) return FrameResult::Failed;
  if (frame.Width != width_ || frame.Height != height_ || frame.Pixels.size() != frame.RowSize() * frame.Height) {
    return FrameResult::Failed;
  }
  const std::string data = FrameData(frame);
  if (data.empty()) return FrameResult::Failed;
  const std::uint64_t padded = data.size() + (data.size() & 1);
  // This frame, its index entry and the index header must all fit.
  const std::uint64_t riffAfter = std::uint64_t{end_} - 8 + 8 + padded + 8 + 16 * (index_.size() + 1);
  if (riffAfter >= limit_) return FrameResult::Full;

  std::string chunk;
  chunk.reserve(8 + padded);
  PutFourCC(chunk, ChunkCode(codec_));
  PutU32(chunk, static_cast<std::uint32_t>(data.size()));
  chunk += data;
  if (data.size() & 1) chunk += '\0';
  const std::uint32_t offset = end_ - moviCode_;
  // Flushed at once, so that a full disk is noticed on the frame that met it.
  if (!WriteBytes(chunk) || std::fflush(file_) != 0) {
    NoteFailure();
    return FrameResult::Failed;
  }
  index_.push_back({offset, static_cast<std::uint32_t>(data.size())});
  largestFrame_ = std::max(largestFrame_, static_cast<std::uint32_t>(data.size()));
  return FrameResult::Written;
}

bool AviWriter::Close() {
  if (!file_) return false;
  bool ok = !failed_ && HasFormat();
  if (ok) {
    const std::uint32_t moviEnd = end_;
    std::string index;
    PutFourCC(index, "idx1");
    PutU32(index, static_cast<std::uint32_t>(16 * index_.size()));
    for (const IndexEntry& entry : index_) {
      PutFourCC(index, ChunkCode(codec_));
      PutU32(index, kKeyFrame);
      PutU32(index, entry.Offset);
      PutU32(index, entry.Size);
    }
    const auto frames = static_cast<std::uint32_t>(index_.size());
    const std::uint32_t buffer = largestFrame_ + 8;
    ok = WriteBytes(index) && PatchU32(kRiffSizeAt, end_ - 8) && PatchU32(moviCode_ - 4, moviEnd - moviCode_) &&
         PatchU32(kAvihMaxBytesPerSecAt, static_cast<std::uint32_t>(std::min<std::uint64_t>(
                                            std::uint64_t{largestFrame_} * frameRate_, 0xFFFFFFFFu))) &&
         PatchU32(kAvihTotalFramesAt, frames) && PatchU32(kAvihSuggestedBufferAt, buffer) &&
         PatchU32(kStrhLengthAt, frames) && PatchU32(kStrhSuggestedBufferAt, buffer);
  }
  if (std::fclose(file_) != 0) {
    NoteFailure();
    ok = false;
  }
  file_ = nullptr;
  return ok;
}

bool AviWriter::WriteBytes(const std::string& bytes) {
  if (failed_) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    NoteFailure();
    return false;
  }
  end_ += static_cast<std::uint32_t>(bytes.size());
  return true;
}

void AviWriter::NoteFailure() {
  if (!failed_) error_ = errno != 0 ? errno : EIO;
  failed_ = true;
}

bool AviWriter::PatchU32(std::uint32_t position, std::uint32_t value) {
  std::string bytes;
  PutU32(bytes, value);
  if (std::fseek(file_, static_cast<long>(position), SEEK_SET) != 0 ||
      std::fwrite(bytes.data(), 1, 4, file_) != 4) {
    NoteFailure();
    return false;
  }
  return true;
}
