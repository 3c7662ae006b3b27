// The program's entry point.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return AfxWinMain(instance, showCommand);
}
