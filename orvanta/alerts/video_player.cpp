#include "video_player.h"

#include <mmsystem.h>

namespace alerts {

constexpr DWORD kPauseAfterVideoMs = 1000;

void PlayVideo(HWND mainWindow, const char* path) {
    MCI_OPEN_PARMSA open = {};
    open.dwCallback = reinterpret_cast<DWORD_PTR>(mainWindow);
    open.lpstrDeviceType = "AVIVideo";
    open.lpstrElementName = path;
    const MCIERROR opened = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT,
                                            reinterpret_cast<DWORD_PTR>(&open));
    MCI_PLAY_PARMS play = {};
    mciSendCommandA(open.wDeviceID, MCI_PLAY, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&play));
    Sleep(kPauseAfterVideoMs);
    // A device that opened is closed even when it could not play.
    if (opened == 0) mciSendCommandA(open.wDeviceID, MCI_CLOSE, 0, 0);
}

}  // namespace alerts
