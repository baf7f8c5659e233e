#include "ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs() { SetDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() { SetDialogs(nullptr); }

void ScriptedDialogs::ChooseFile(const QString& fileName, int filterIndex) {
  files_.push_back(FileAnswer{fileName, filterIndex});
}

void ScriptedDialogs::CancelFile() { files_.push_back(std::nullopt); }

void ScriptedDialogs::ChooseColor(const QColor& color) { colors_.push_back(color); }

void ScriptedDialogs::ChooseFont(const QFont& font) { fonts_.push_back(font); }

void ScriptedDialogs::AnswerMessage(bool ok) { messages_.push_back(ok); }

void ScriptedDialogs::ChooseCompressor(const VideoCompressor& compressor) { compressors_.push_back(compressor); }

std::vector<ScriptedDialogs::Call> ScriptedDialogs::CallsOf(Kind kind) const {
  std::vector<Call> found;
  for (const Call& call : Calls) {
    if (call.What == kind) found.push_back(call);
  }
  return found;
}

bool ScriptedDialogs::RunFile(QWidget*, FileDialog& dialog) {
  Call call;
  call.What = Kind::File;
  call.FileKind = dialog.DialogKind;
  call.Title = dialog.Title;
  call.FileName = dialog.FileName;
  call.InitialDir = dialog.InitialDir;
  call.Filter = dialog.Filter;
  call.FilterIndex = dialog.FilterIndex;
  Calls.push_back(call);
  if (files_.empty()) return false;
  const std::optional<FileAnswer> answer = files_.front();
  files_.pop_front();
  if (!answer) return false;
  dialog.FileName = answer->FileName;
  dialog.FilterIndex = answer->FilterIndex;
  return true;
}

bool ScriptedDialogs::RunColor(QWidget*, QColor& color) {
  Call call;
  call.What = Kind::Color;
  call.Color = color;
  Calls.push_back(call);
  if (colors_.empty()) return false;
  color = colors_.front();
  colors_.pop_front();
  return true;
}

bool ScriptedDialogs::RunFont(QWidget*, QFont& font) {
  Call call;
  call.What = Kind::Font;
  Calls.push_back(call);
  if (fonts_.empty()) return false;
  font = fonts_.front();
  fonts_.pop_front();
  return true;
}

bool ScriptedDialogs::RunMessage(QWidget*, const QString& text, Buttons buttons) {
  Call call;
  call.What = Kind::Message;
  call.Text = text;
  call.MessageButtons = buttons;
  Calls.push_back(call);
  if (messages_.empty()) return buttons == Buttons::Ok;
  const bool ok = messages_.front();
  messages_.pop_front();
  return ok;
}

bool ScriptedDialogs::RunCompressor(QWidget*, VideoCompressor& compressor) {
  Call call;
  call.What = Kind::Compressor;
  Calls.push_back(call);
  if (compressors_.empty()) return false;
  compressor = compressors_.front();
  compressors_.pop_front();
  return true;
}
