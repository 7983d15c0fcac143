// Activation step: cache clocks, and rated speed, bus clock and overclock figure of a Pentium 4a.
#pragma once

class QWidget;

// Runs after the clock is measured and the cache page is filled: it may
// replace the L2 size that the cache step wrote.
void ShowClockDetails(QWidget& form);
