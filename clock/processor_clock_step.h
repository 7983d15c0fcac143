// Activation step: measure the core clock and show it on the Summary page.
#pragma once

class QWidget;

void ShowProcessorClock(QWidget& form);
