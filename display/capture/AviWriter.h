// An AVI file of one video stream, written frame by frame: RIFF 'AVI '
// with hdrl (avih, strl with strh and strf), movi and idx1. Every frame is
// a key frame. The sizes and counts in the headers are patched on Close, so
// a recording cut short is still a whole file. The RIFF stays below 1 GiB.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "CaptureImage.h"

enum class AviCodec {
  Uncompressed,  // 24-bit DIB frames, chunks '00db'
  MotionJpeg,    // one JPEG per frame, chunks '00dc'
};

class AviWriter {
 public:
  // Largest RIFF size (the bytes after its 8-byte header) a file may reach.
  static constexpr std::uint64_t RiffSizeLimit = 1ull << 30;

  enum class FrameResult {
    Written,
    Full,    // the frame would take the file past the size limit; not written
    Failed,  // a write failed; the file is no longer usable
  };

  // A smaller limit is for tests, which cannot write a gibibyte.
  explicit AviWriter(std::uint64_t riffSizeLimit = RiffSizeLimit) : limit_(riffSizeLimit) {}
  ~AviWriter();
  AviWriter(const AviWriter&) = delete;
  AviWriter& operator=(const AviWriter&) = delete;

  // Creates `path`, replacing any file there. False when it cannot be made.
  bool Open(const std::string& path);
  // Writes the headers of the one stream: width x height frames at
  // `frameRate` per second; `quality` (1 to 100) applies to Motion JPEG.
  // False for sizes or rates below 1, a second call, or a failed write.
  bool SetFormat(int width, int height, int frameRate, AviCodec codec, int quality = 100);

  // Appends one frame after SetFormat; the picture must have the stream's size.
  FrameResult WriteFrame(const CaptureImage& frame);

  // Writes the index, patches the headers and closes the file. False when
  // any write of the file failed (then the file is not a valid AVI).
  bool Close();

  bool IsOpen() const { return file_ != nullptr; }
  // The system's error of the first open or write that failed; 0 when none.
  int Error() const { return error_; }
  bool HasFormat() const { return moviCode_ != 0; }
  int FrameCount() const { return static_cast<int>(index_.size()); }

 private:
  struct IndexEntry {
    std::uint32_t Offset;  // of the chunk header, from the 'movi' code
    std::uint32_t Size;    // of the data, padding not counted
  };

  bool WriteBytes(const std::string& bytes);
  void NoteFailure();
  bool PatchU32(std::uint32_t position, std::uint32_t value);
  std::string FrameData(const CaptureImage& frame) const;

  std::uint64_t limit_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  int error_ = 0;
  AviCodec codec_ = AviCodec::Uncompressed;
  int quality_ = 100;
  int width_ = 0;
  int height_ = 0;
  int frameRate_ = 15;
  std::uint32_t end_ = 0;        // bytes written so far
  std::uint32_t moviCode_ = 0;   // position of the 'movi' list type
  std::uint32_t largestFrame_ = 0;
  std::vector<IndexEntry> index_;
};
