// The report as plain text: page by page, one row per caption and value.
#pragma once

#include <string>
#include <vector>

#include "report/control_facts.h"

// The rows (Latin-1) that the given controls of one page make, in order.
std::vector<std::string> TextRows(const std::vector<ControlFacts>& controls);

// The whole report in UTF-8: each page's caption with its rows indented
// below it, then the rows of the controls outside the pages.
std::string TextReport(const std::vector<ControlFacts>& controls);
