// A plain-text editor that takes nothing from a source without any format (an
// empty clipboard or selection): Qt 6.4's own editor reads the first format of
// such a source and crashes on paste, middle-click and drop.
#pragma once

#include <QPlainTextEdit>

class PlainTextEdit : public QPlainTextEdit {
 public:
  explicit PlainTextEdit(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};
