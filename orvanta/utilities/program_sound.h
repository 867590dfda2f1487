// The short sounds the program plays from its own WAVE resources before an
// action; they play on while the action runs.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace utilities {

inline void PlayProgramSound(WORD waveResource) {
    PlaySoundA(MAKEINTRESOURCEA(waveResource), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
}

}  // namespace utilities
