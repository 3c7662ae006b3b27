// Resource identifiers of the minimal dialog program.
#pragma once

#define IDD_MINIMAL 100
