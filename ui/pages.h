// Builders of the main window's pages and of the strip below them.
#pragma once

class QWidget;

void BuildSummaryPage(QWidget& page);
void BuildCachePage(QWidget& page);
void BuildFeaturesetPage(QWidget& page);
void BuildDetailPage(QWidget& page);
void BuildSupportPage(QWidget& page);
// The pictures and labels below the pages, on the window itself.
void BuildStrip(QWidget& form);
