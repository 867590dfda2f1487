#include "alert_actions.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "picture_window.h"
#include "program.h"
#include "resource.h"
#include "video_player.h"

namespace alerts {

bool g_alertBusy;

namespace {

enum Visual : uint32_t { kPopupMessage = 1, kPicture = 2, kVideo = 3, kProgram = 4 };
enum Audible : uint32_t { kRepeatingTone = 1, kSoundFile = 2 };

constexpr UINT kAlertBoxStyle = MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL;

void ShowVisibleAlert(HWND mainWindow) {
    const auto& s = orvanta::g_settings;
    if (g_alertBusy || s.Visual < kPopupMessage || s.Visual > kProgram) return;
    g_alertBusy = true;
    switch (s.Visual) {
        case kPopupMessage:
            MessageBoxA(mainWindow, s.ANote, "Pop-up message", kAlertBoxStyle);
            break;
        case kPicture:
            ShowPictureAlert(mainWindow);
            break;
        case kVideo:
            PlayVideo(mainWindow, s.AName);
            break;
        case kProgram:
            ShellExecuteA(mainWindow, nullptr, s.YName, nullptr, nullptr, SW_SHOW);
            break;
    }
    g_alertBusy = false;
}

// The tone loops until the user confirms.
void RunRepeatingTone(HWND mainWindow) {
    if (g_alertBusy) return;
    g_alertBusy = true;
    PlaySoundA(MAKEINTRESOURCEA(IDW_ALERT_TONE), GetModuleHandleA(nullptr),
               SND_RESOURCE | SND_LOOP | SND_ASYNC);
    MessageBoxA(mainWindow, "Click Ok to stop", "Audible Alert", kAlertBoxStyle);
    PlaySoundA(nullptr, nullptr, SND_PURGE | SND_ASYNC);
    g_alertBusy = false;
}

void SoundAudibleAlert(HWND mainWindow) {
    switch (orvanta::g_settings.Audible) {
        case kRepeatingTone:
            RunRepeatingTone(mainWindow);
            break;
        // Plays once in the background; a new alert restarts it.
        case kSoundFile:
            PlaySoundA(orvanta::g_settings.WName, nullptr, SND_ASYNC);
            break;
        default:
            break;
    }
}

}  // namespace

void OnAlertMessage(HWND mainWindow) {
    ShowVisibleAlert(mainWindow);
    SoundAudibleAlert(mainWindow);
}

}  // namespace alerts
