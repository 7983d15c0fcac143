// The Featureset page step: every leaf-1 and extended feature flag as a coloured label.
#pragma once

class QWidget;

void ShowFeaturesetPage(QWidget& form);
