// Dialogs answered from a script, for tests: nothing modal is ever shown.
// Each kind of dialog takes the next answer of its own queue; with none left
// it is cancelled (a message box with only OK is confirmed). Every call is
// recorded with what the dialog was given.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "Dialogs.h"

class ScriptedDialogs : public Dialogs {
 public:
  enum class Kind { File, Color, Font, Message, Compressor };
  struct Call {
    Kind What = Kind::File;
    // File dialogs: the properties at the time of the call.
    FileDialog::Kind FileKind = FileDialog::Kind::Open;
    QString Title, FileName, InitialDir, Filter;
    int FilterIndex = 0;
    // Colour dialogs: the colour it opened with.
    QColor Color;
    // Message boxes.
    QString Text;
    Buttons MessageButtons = Buttons::Ok;
  };

  // Installs itself as the current dialogs; the destructor puts Qt's back.
  ScriptedDialogs();
  ~ScriptedDialogs() override;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  void ChooseFile(const QString& fileName, int filterIndex = 1);
  void CancelFile();
  void ChooseColor(const QColor& color);
  void ChooseFont(const QFont& font);
  void AnswerMessage(bool ok);
  void ChooseCompressor(const VideoCompressor& compressor);

  // Calls of one kind, in order.
  std::vector<Call> CallsOf(Kind kind) const;

  std::vector<Call> Calls;

  bool RunFile(QWidget* parent, FileDialog& dialog) override;
  bool RunColor(QWidget* parent, QColor& color) override;
  bool RunFont(QWidget* parent, QFont& font) override;
  bool RunMessage(QWidget* parent, const QString& text, Buttons buttons) override;
  bool RunCompressor(QWidget* parent, VideoCompressor& compressor) override;

 private:
  struct FileAnswer {
    QString FileName;
    int FilterIndex;
  };
  std::deque<std::optional<FileAnswer>> files_;
  std::deque<QColor> colors_;
  std::deque<QFont> fonts_;
  std::deque<bool> messages_;
  std::deque<VideoCompressor> compressors_;
};
