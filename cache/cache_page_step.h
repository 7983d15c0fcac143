// The Cache page step: descriptor list or cache and TLB table, and the Summary cache rows.
#pragma once

class QWidget;

// Decodes the caches of the running processor and shows them on `form`.
void ShowCacheInfo(QWidget& form);
