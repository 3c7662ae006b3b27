#include "Messages.h"

const char MSG_NO_UPDATE_FILE[] =
    "E R R O R !\r\n\r\nNo Update File Was Found!\r\n\r\nPath %s\r\n\r\nExit Program And Correct "
    "Problem Before Trying Again.";
const char MSG_NEW_FILE_OLDER[] =
    "W A R N I N G !\r\n\r\nThe New File Is Older Than The Current File!\r\n\r\n%s\r\n\r\nDo You "
    "Want To Over Write With The Older File?";
const char MSG_FILES_SAME[] = "W A R N I N G !\r\n\r\nThe Files Appear To Be The "
                              "Same!\r\n\r\n%s\r\n\r\nDo You Want To Continue?";
const char MSG_POS_FOLDER_FAILED[] = "E R R O R !\r\n\r\nFailed To Create Folder "
                                     "\"c:\\pos\"\r\n\r\nUpdate Failed!\r\n\r\nTerminating "
                                     "Update Procedure";
const char MSG_POS_BACKUP_FOLDER_FAILED[] =
    "E R R O R !\r\n\r\nFailed To Create Folder \"c:\\pos\\backup\"\r\n\r\nUpdate "
    "Failed!\r\n\r\nTerminating Update Procedure";
const char MSG_BACKUP_FOLDER_EXISTS[] =
    "W A R N I N G !\r\n\r\nA Backup Folder With This Name Already Exists!\r\n\r\n%s\r\n\r\nDo You "
    "Want To Over Write With The Current File?";
const char MSG_REPLACE_WITHOUT_BACKUP[] =
    "Would You Like To Replace The Current \"%s\" Dated %02.2d/%02.2d/%02.2d\r\n\r\nWith The New "
    "Update File? \"%s\" Dated %02.2d/%02.2d/%02.2d\r\n\r\nT h i s   W i l l   N o t   C r e a t "
    "e   A   B a c k u p !";
const char MSG_DATED_FOLDER_FAILED[] =
    "E R R O R !\r\n\r\nFailed To Create Folder For Backup \"%s\"\r\n\r\nUpdate "
    "Failed!\r\n\r\nTerminating Update Procedure";
const char MSG_BACKUP_SOURCE_MISSING[] =
    "E R R O R !\r\n\r\nSource File Not Found\r\n\r\n%s\r\n\r\nExit Program And Correct Problem "
    "Before Trying Again.";
const char MSG_BACKUP_FAILED[] =
    "E R R O R !\r\n\r\nCould Not Create Backup Of\r\n\r\n%s\r\n\r\nExit Program And Correct "
    "Problem Before Trying Again.";

const char MSG_NEW_FILE_MISSING[] = "E R R O R !\r\n\r\nFile Not Found\r\n\r\n%s\r\n\r\nExit "
                                    "Program And Correct Problem Before Trying Again.";
const char MSG_TARGET_FOLDER_FAILED[] =
    "E R R O R !\r\n\r\nThe Directory...\r\n\r\n%s\r\n\r\nDoes Not Exist and I was unable to "
    "create one for you.\r\n\r\nExit Program And Correct Problem Before Trying Again.";
const char MSG_INSTALL_FAILED[] =
    "E R R O R !\r\n\r\nFailed To Copy New File\r\n\r\nFrom: %s\r\n\r\nTo:   %s\r\n\r\nExit "
    "Program And Correct Problem Before Trying Again.";
const char MSG_UPDATED_BACKED_UP[] =
    "\"%s\" Was Successfully Updated!\r\n\r\n\"%s\" Was Successfully Backed up!";
const char MSG_UPDATED_NOT_BACKED_UP[] =
    "\"%s\" Was Successfully Updated!\r\n\r\n\"%s\" Was Not Backed up! ";
