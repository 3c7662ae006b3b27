#include "HelpText.h"

const char kCommandLineHelp[] =
    "\r\n"
    " \r\n"
    "               C o m m a n d   L i n e   H e l p\r\n"
    " \r\n"
    " \r\n"
    " Flags are preceeded by a -\r\n"
    " \r\n"
    "      Example: -HELP will show this list\r\n"
    " \r\n"
    " F L A G\t\tF U N C T I O N\t\t\t\tE X A M P L E \r\n"
    "\r\n"
    " SRC\t\tSRC Source path\t\t\t\t-SRC \\\\computer\\c\\somefolder \r\n"
    " \t\t\t\t\t\t\tor -SRC F:\\myFolderPath  \r\n"
    " SHELL\t\tSHELL path to program to execute\t\t-SHELL c:\\pos\\tallyra4.exe\r\n"
    " PARAM \t\tPARAM parameter list for the SHELL above\t-PARAM hostname 69\r\n"
    " DELAY\t\tDELAY number of seconds before shell\t\t-DELAY 10\r\n"
    " \r\n"
    " \r\n"
    " Example Kestrup2 -SRC \\\\computer\\c\\terminal\r\n"
    " \r\n"
    " This would set the update files source path \r\n"
    " The update files would be found in the terminal folder\r\n"
    " Clicking on the update button would start the update procees\r\n"
    " \r\n"
    " Example Kestrup2 -SRC \\computer\\c\\terminal -SHELL c:\\pos\\tallyra4.exe -PARAM "
    "hostname 69 -DELAY 10\r\n"
    " \r\n"
    " \r\n"
    " SRC file would be used to update the current file.\r\n"
    " SHELL parameter would cause the program tallyra4.exe to be executed.\r\n"
    " SHELL also causes the auto run feature to run update automaticly\r\n"
    " before the program indicated by SHELL is started.\r\n"
    " \r\n"
    " PARAM would be the parameter list for the SHELL'ed program\r\n"
    " DELAY would be the time in seconds to delay before process starts\r\n"
    " \r\n"
    " ";

CString FormatHelpScreen(const char* buildDate, const char* buildTime) {
    CString text;
    text.Format("Revised: %s %s", buildDate, buildTime);
    text += kCommandLineHelp;
    return text;
}
