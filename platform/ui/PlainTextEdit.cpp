#include "PlainTextEdit.h"

#include <QMimeData>

namespace {

bool HasFormats(const QMimeData* source) { return source && !source->formats().isEmpty(); }

}  // namespace

bool PlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
  return HasFormats(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PlainTextEdit::insertFromMimeData(const QMimeData* source) {
  if (HasFormats(source)) QPlainTextEdit::insertFromMimeData(source);
}
