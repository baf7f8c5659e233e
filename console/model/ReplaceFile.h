// Writing a user's file without ever leaving half of it in place or showing
// it to others: the new contents go to a temporary file in the target's
// folder, made with the target's owner, group, extended attributes (an
// access control list) and permission bits, flushed to the disk and renamed
// over the target. Every writer of the program's files goes through here.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

// Whether a save went through; when not, the system's words for why
// ("Permission denied", "No space left on device").
struct SaveResult {
  bool Ok = true;
  std::string Reason;
  // Set when the save was refused because only writing in place could
  // replace the file: why it would have to be (EMLINK the file has other
  // names, EACCES the folder takes no new file, EPERM a new file could not
  // have the old one's owner, group or attributes).
  int InPlaceCause = 0;
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

// Whether a save may write its target in place. Only a writer that knows its
// length beforehand may: it reserves that length on the disk before the
// first old byte changes, so a full disk leaves the old file whole.
enum class InPlaceWrite { Allowed, Refused };

// One replacement of `target`, for contents that a writer puts into Path()
// itself, possibly over a long time (a recording). Path() is a new temporary
// file. It is the target itself, written in place, where a rename would lose
// something the target has and in-place writing is allowed: when the folder
// takes no new file (a locked folder, another user's file in a sticky
// folder), when the saver cannot give a new file the target's owner, group
// and attributes, or when the target has other hard links. Temporary files
// that earlier saves of the same target left behind (a killed program) are
// removed; one still in use is not.
class FileReplacement {
 public:
  explicit FileReplacement(const std::string& target, InPlaceWrite inPlace = InPlaceWrite::Refused);
  ~FileReplacement();  // an uncommitted temporary file is removed
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Empty when nothing can be written; Result() says why.
  const std::string& Path() const { return path_; }
  const SaveResult& Result() const { return result_; }
  // Path() is the target itself.
  bool InPlace() const { return fd_ < 0 && !path_.empty(); }
  // Nothing can be written only because the target would have to be
  // written in place, which was refused; Result().InPlaceCause says why.
  bool InPlaceRefused() const { return result_.InPlaceCause != 0; }
  // Flushes the written file to the disk and puts it in the target's place.
  SaveResult Commit();

 private:
  void Fail(int error);
  void WriteInPlace(int reason, InPlaceWrite inPlace);
  bool CreateTemporary(const struct stat* old);

  std::string target_;  // a link resolved
  std::string path_;
  int fd_ = -1;  // the temporary file, locked while this save owns it
  SaveResult result_;
  // The replaced file's permission bits, given to the new file before the
  // rename; none for a new file.
  std::optional<mode_t> mode_;
};

// The whole of `bytes` as the new contents of `target`, or nothing changed
// (written in place, a failure after the reservation may leave a mix).
SaveResult ReplaceFileWithBytes(const std::string& target, std::string_view bytes,
                                InPlaceWrite inPlace = InPlaceWrite::Allowed);
