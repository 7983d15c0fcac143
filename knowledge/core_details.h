// The seven core architecture texts of the Processor detail page, into CpuidState.
#pragma once

void FillCoreDetails();
