#pragma once

// Command ids, shared by the resource script and the code: the Help menu's two items, then the
// form's controls. The four result boxes share IDC_RESULT. IDC_IMPORT_LOG is issued by the F5
// key (the accelerator table "KD") and the Game menu; any WM_COMMAND may carry it. Then the Game
// menu's item that follows the log, and its two lines that only inform (grayed).
#define IDM_VERSION 1000
#define IDM_HELP 1002
#define IDC_NAME 1003
#define IDC_CLAN 1004
#define IDC_KILL 1005
#define IDC_DEATH 1006
#define IDC_RESULT 1007
#define IDC_SAVE 1008
#define IDC_IMPORT_LOG 1009
#define IDM_FOLLOW_LOG 1010
#define IDM_FOLLOWED_LOG 1011
#define IDM_LOG_READ_AT 1012
