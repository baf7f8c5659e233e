// The forms' font: the designed Japanese UI face where it is installed, else
// its free look-alike, else the face `base` has; size and style from `base`.
#pragma once

#include <QFont>

QFont FormFont(const QFont& base);
