// The fonts of the windows: Debian fonts that fit the layout's fixed geometry.
#pragma once

#include <QFont>

// Narrow enough that every caption fits where the layout puts it.
QFont WindowFont();
// The large red letters of the Featureset page.
QFont LetterFont();
// The notice of the download window.
QFont NoticeFont();
