#include "FormFont.h"

#include <QStringList>

QFont FormFont(const QFont& base) {
  QFont font = base;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), base.family()});
  return font;
}
