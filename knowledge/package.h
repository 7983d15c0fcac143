// Socket or slot and package of the processor, into CpuidState.Platform and FormFactor.
#pragma once

void FillPackageInfo();
