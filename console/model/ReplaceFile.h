// Writing a user's file without ever leaving half of it in place: the new
// contents go to a temporary file in the target's folder, which is then
// renamed over the target.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// `write` is given the temporary file's path and reports success. On any
// failure the target stays as it was and the temporary file is removed. A
// replaced file keeps its permissions; a new one gets the usual ones.
bool ReplaceFile(const std::string& target, const std::function<bool(const std::string&)>& write);

bool ReplaceFileWithBytes(const std::string& target, std::string_view bytes);

// The two halves of ReplaceFile, for contents written over a long time (a
// recording): a new, empty file beside `target` (empty when none could be
// made), and the rename of that file over `target`, which keeps the
// permissions of a file already there and removes the temporary file when it
// fails.
std::string CreateTemporaryBeside(const std::string& target);
bool CommitTemporary(const std::string& temp, const std::string& target);
