// Modal dialogs behind one small interface, so that the forms never call Qt's
// dialogs directly and tests can answer them from a script.
#pragma once

#include <string>

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// An open or save dialog that keeps its properties between runs, as the
// forms' dialog components do. Filter is "description|pattern;pattern|...";
// FilterIndex counts from 1.
class FileDialog {
 public:
  enum class Kind { Open, Save };
  explicit FileDialog(Kind kind) : DialogKind(kind) {}

  // Shows the dialog; on OK FileName holds the chosen absolute path and
  // FilterIndex the chosen filter. False when the user cancelled.
  bool Execute(QWidget* parent);

  Kind DialogKind;
  QString Title;
  QString FileName;
  QString InitialDir;
  QString Filter;
  int FilterIndex = 1;
};

class ColorChooser {
 public:
  bool Execute(QWidget* parent);  // false when cancelled
  QColor Color = Qt::black;
};

class FontChooser {
 public:
  bool Execute(QWidget* parent);  // false when cancelled
  QFont Font;
};

// The compressor of a video recording: uncompressed frames, or Motion JPEG
// of a quality from 1 to 100.
struct VideoCompressor {
  enum class Codec { Uncompressed, MotionJpeg };
  Codec Kind = Codec::Uncompressed;
  int Quality = 90;
};

// Lets the user pick the compressor; false when cancelled.
bool ChooseCompressor(QWidget* parent, VideoCompressor& compressor);

// Message box with an empty caption and an OK button.
void ShowMessage(QWidget* parent, const QString& text);
// Message box with an empty caption and OK and Cancel; true for OK.
bool AskOkCancel(QWidget* parent, const QString& text);

// The recurring messages about a file, each text in one place: `name` as the
// user chose it, what went wrong and, on a line of its own, the system's
// reason when there is one ("Permission denied").
QString WithSystemReason(const QString& text, const std::string& reason);
QString CouldNotSaveText(const QString& name, const std::string& reason = {});
QString NotWritableText(const QString& name, const std::string& reason = {});
QString CannotDeleteText(const QString& name, const std::string& reason = {});
QString CouldNotReadText(const QString& name, const std::string& reason = {});
// A recording's file refused because only writing it in place could replace
// it; `cause` is why (EMLINK, EACCES or EPERM, as the file replacement gives).
QString NotReplaceableInPlaceText(const QString& name, int cause);
void ShowCouldNotSave(QWidget* parent, const QString& name, const std::string& reason = {});
void ShowNotWritable(QWidget* parent, const QString& name, const std::string& reason = {});
void ShowCannotDelete(QWidget* parent, const QString& name, const std::string& reason = {});
// The overwrite question; true for OK.
bool AskOverwrite(QWidget* parent, const QString& name);

class Dialogs {
 public:
  enum class Buttons { Ok, OkCancel };
  virtual ~Dialogs() = default;
  virtual bool RunFile(QWidget* parent, FileDialog& dialog) = 0;
  virtual bool RunColor(QWidget* parent, QColor& color) = 0;
  virtual bool RunFont(QWidget* parent, QFont& font) = 0;
  // True when OK was pressed.
  virtual bool RunMessage(QWidget* parent, const QString& text, Buttons buttons) = 0;
  virtual bool RunCompressor(QWidget* parent, VideoCompressor& compressor) = 0;
};

// The dialogs in use: Qt's own unless a test installed others. The caller of
// SetDialogs keeps ownership; nullptr goes back to Qt's.
Dialogs& CurrentDialogs();
void SetDialogs(Dialogs* dialogs);
