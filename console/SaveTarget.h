// The questions before a user's file is written, the same for every save.
#pragma once

#include <string>

#include <QString>

class QWidget;

// How a file that may not be written is refused: before the overwrite
// question (the program's own files), or after it, as a file that cannot be
// deleted (captures).
enum class ReadOnlyTarget { RefuseFirst, RefuseAfterQuestion };

// True when `path` (shown as `name`) may be written: nothing is there, or a
// regular file the user may write whose overwrite the user confirmed. A
// folder, a FIFO or a device is never written; it and a file the user may not
// write are refused with a message naming them.
bool ConfirmSaveTarget(QWidget* parent, const std::string& path, const QString& name, ReadOnlyTarget readOnly);
