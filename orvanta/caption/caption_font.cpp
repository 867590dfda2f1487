#include "caption_font.h"

#include <cstring>

#include "program.h"

namespace caption {

static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize, "room for the metrics");
static_assert(sizeof(orvanta::g_settings.FtFace) > LF_FACESIZE, "FtFace holds a face name");

NONCLIENTMETRICSA g_nonClientMetrics;
LOGFONTA g_captionClockFont;
LOGFONTA g_desktopClockFont;

constexpr LONG kDesktopClockExtraWeight = 200;

void RefreshNonClientMetrics() {
    g_nonClientMetrics.cbSize = kNonClientMetricsSize;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &g_nonClientMetrics, 0);
}

void RefreshCaptionFont() {
    RefreshNonClientMetrics();
    const LOGFONTA& system = g_nonClientMetrics.lfCaptionFont;
    auto& block = orvanta::g_settings;

    g_captionClockFont.lfHeight = system.lfHeight;
    g_captionClockFont.lfWidth = system.lfWidth;
    g_captionClockFont.lfWeight = system.lfWeight;
    g_captionClockFont.lfItalic = system.lfItalic;
    std::memcpy(g_captionClockFont.lfFaceName, system.lfFaceName, LF_FACESIZE);

    block.FtWeight = static_cast<uint32_t>(system.lfWeight);
    block.FtItalic = system.lfItalic;
    std::memcpy(block.FtFace, system.lfFaceName, LF_FACESIZE);

    g_desktopClockFont.lfHeight = static_cast<LONG>(block.DTFtsize);
    g_desktopClockFont.lfWeight = system.lfWeight + kDesktopClockExtraWeight;
    g_desktopClockFont.lfItalic = system.lfItalic;
    std::memcpy(g_desktopClockFont.lfFaceName, system.lfFaceName, LF_FACESIZE);
}

}  // namespace caption
