// Orvanta's resource identifiers.
#pragma once

#define IDI_PROGRAM 500

// Menu bitmaps are numbered 1 to 15 as the menu definition names them.

// The about box and the hotkey list share their Close button.
#define IDC_INFO_CLOSE 9999

#define IDW_ALERT_TONE 700
#define IDW_CAPTURE_CLICK 800
#define IDW_COPY_CHIME 900
