#pragma once

#include <QIcon>

// The icon of toolbar button number (1-5, 7-10, 12): the desktop theme's icon when there is one,
// otherwise one drawn here, so a bare machine shows clear pictures too.
QIcon toolbarIcon(int number);
