// The pictures of the nine transport buttons, drawn in code.
#pragma once

#include <QIcon>

enum class SpeedGlyph { GoTop, FastReverse, Reverse1Frame, ReversePlay, Stop, Play, Forward1Frame, FastForward, GoEnd };

QIcon SpeedButtonIcon(SpeedGlyph glyph);
