// Host builds only: choose the code page that IsLeadByte describes.
#pragma once

void SetHostDoubleByteCodePage(bool on);
