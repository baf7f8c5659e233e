// Writing a user's file without ever leaving half of it in place or showing
// it to others: the new contents go to a temporary file in the target's
// folder, made with the target's permission bits, flushed to the disk and
// renamed over the target. Every writer of the program's files goes through
// here.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

// Whether a save went through; when not, the system's words for why
// ("Permission denied", "No space left on device").
struct SaveResult {
  bool Ok = true;
  std::string Reason;
  explicit operator bool() const { return Ok; }
  static SaveResult Failed(int error);
};

// What a save finds at its target. A link is followed: a link to a regular
// file is that file.
enum class TargetState {
  Absent,
  Replaceable,  // a regular file the user may write
  NotWritable,  // a regular file the user may not write
  NotRegular,   // a folder, a FIFO, a device, ...: never replaced
};
// `reason`, when given, gets the system's words for the last two.
TargetState InspectTarget(const std::string& target, std::string* reason = nullptr);

// One replacement of `target`, for contents that a writer puts into Path()
// itself, possibly over a long time (a recording). Path() is a new temporary
// file, or, when the folder takes no new file but the target is a writable
// regular file, the target itself, written in place. Temporary files that
// earlier saves of the same target left behind (a killed program) are
// removed; one still in use is not.
class FileReplacement {
 public:
  explicit FileReplacement(const std::string& target);
  ~FileReplacement();  // an uncommitted temporary file is removed
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Empty when nothing can be written; Result() says why.
  const std::string& Path() const { return path_; }
  const SaveResult& Result() const { return result_; }
  // Flushes the written file to the disk and puts it in the target's place.
  SaveResult Commit();

 private:
  void Fail(int error);
  bool CreateTemporary(const std::string& target, bool exists, mode_t mode);

  std::string target_;  // a link resolved
  std::string path_;
  int fd_ = -1;  // the temporary file, locked while this save owns it
  SaveResult result_;
};

// The whole of `bytes` as the new contents of `target`, or nothing changed.
SaveResult ReplaceFileWithBytes(const std::string& target, std::string_view bytes);
