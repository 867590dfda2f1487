// The fonts of the clocks, copied from the system's caption font.
#pragma once

#include <windows.h>

namespace caption {

// The layout without the padded-border field, which older systems reject.
constexpr UINT kNonClientMetricsSize = 340;

extern NONCLIENTMETRICSA g_nonClientMetrics;
extern LOGFONTA g_captionClockFont;
extern LOGFONTA g_desktopClockFont;

// Takes the system caption font into both clock fonts and into the
// FtFace, FtWeight and FtItalic settings (the callers store them).
void RefreshCaptionFont();

// Only the metrics copy: a new caption font reaches the clock at the next
// caption font refresh.
void RefreshNonClientMetrics();

}  // namespace caption
