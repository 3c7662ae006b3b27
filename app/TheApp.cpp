// The one application object of the program.
#include "UpdateApp.h"

CUpdateApp theApp;
