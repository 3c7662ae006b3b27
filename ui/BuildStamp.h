// When this program was built: the compiler's date ("Jun 18 2009") and time
// ("09:16:51"), fixed at build time; SOURCE_DATE_EPOCH makes them reproducible.
#pragma once

extern const char kBuildDate[];
extern const char kBuildTime[];
