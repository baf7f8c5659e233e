// The small images of the console's lists, by index: 0 bond, 1 molecule
// hidden, 2 molecule shown, 3 normal mode animated, 4 normal mode not animated.
#pragma once

#include <QIcon>

enum ImageIndex { IMAGE_BOND = 0, IMAGE_HIDDEN = 1, IMAGE_SHOWN = 2, IMAGE_ANIMATED = 3, IMAGE_NOT_ANIMATED = 4 };

// An empty icon for an index outside 0..4.
QIcon ImageListIcon(int index);
