// The window's own pictures, drawn at the sizes the layout gives them.
#pragma once

#include <QPixmap>

// 33 x 33: a small monitor, the screen-capture picture.
QPixmap MonitorIcon();
// 33 x 33: an open door with an arrow leaving through it, the exit picture.
QPixmap ExitDoorIcon();
// 353 x 529: light grey with "Halvane 2" written upwards along the right edge.
QPixmap SummaryBackground();
