// Resource identifiers of Kestrup2.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_UPDATE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDI_UPDATE 131
#define IDR_UPDATE_CLIP 144

#define IDC_UPDATE_NOW 1000
#define IDC_VERSION 1001
#define IDC_HELP_TEXT 1002
#define IDC_NOTICE 1004
#define IDC_UPDATE_GROUP 1005
#define IDC_ANIMATE 1006

#define IDM_ABOUTBOX 0x0010
