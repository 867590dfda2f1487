// Horalink's resource and control identifiers; the dialog's controls are in
// the 1000s. Shared by the resource script and the code, so plain defines.
#pragma once

#define IDI_CLOCK 500

#define IDC_SYNC_NOW 1000
#define IDC_CANCEL_SYNC 1001
#define IDC_CLOSE 1002
#define IDC_TIME 1004
#define IDC_DATE 1005
#define IDC_SERVERS 1006
#define IDC_TRANSLUCENT 1010
#define IDC_OPACITY 1011
