// Orvanta's settings block: one field per value of the settings key, named as
// the value is named. Every field starts at its default; the load at start
// and the group readers fill them, and each owner stores its group through
// WriteGroup as soon as it changes something.
#pragma once

#include <cstdint>

#include "registry.h"
#include "settings_key.h"
#include "settings_table.h"
#include "transparency.h"

namespace settings {

constexpr char kSettingsKeyClass[] = "Orvanta Pro 7.2";

enum Group : GroupMask {
    kFormat = 1u << 0,
    kGeneral = 1u << 1,
    kAlert = 1u << 2,
    kShutdown = 1u << 3,
    kPosition = 1u << 4,
    kTransparency = 1u << 5,
    kDesktopClock = 1u << 6,
    kDisallow = 1u << 7,
};

// What the main window loads when it is created; the desktop clock and the
// transparency pair are read by their own readers.
constexpr GroupMask kLoadAtStart = kFormat | kGeneral | kAlert | kShutdown | kPosition | kDisallow;

// Text fields are one byte longer than their read limit (see RowFitsField).
constexpr int kLayoutSize = 135;
constexpr int kPathSize = 129;

struct Settings {
    // Format group
    uint32_t DriveNum;
    uint32_t HFormat;
    uint32_t LZero;
    uint32_t DMShort;
    uint32_t ShortD;
    uint32_t Bspacer;
    char TSpacer;
    uint32_t AmPmCase;
    uint32_t NoCase;
    uint32_t SecFlag;
    char Layout[kLayoutSize];

    // General group
    uint32_t Shadval;
    uint32_t CFlag;
    uint32_t SetNew;
    uint32_t BColor;
    uint32_t TColor;
    uint32_t Maximize;
    uint32_t Center;
    uint32_t Language;
    uint32_t SpeakS;
    uint32_t QCtype;
    uint32_t AutoRun;
    uint32_t Wframe;
    uint8_t FtItalic;
    uint32_t FtWeight;
    char FtFace[33];
    uint32_t SpeakT;
    uint32_t VistaAero;

    // Alert group (IBflag is shared with the shutdown group)
    uint32_t AFlag;
    uint32_t AType;
    uint32_t Visual;
    uint32_t Audible;
    uint32_t DTPick;
    uint32_t IBflag;
    char TAlert[11];
    char ANote[502];
    char WName[kPathSize];
    char BName[kPathSize];
    char AName[kPathSize];
    char YName[kPathSize];
    char DString[21];

    // Shutdown group
    uint32_t SDown;
    char STime[11];

    // Clock position group
    int32_t XPlace;
    int32_t YPlace;

    // Dialog transparency, shared with Horalink
    transparency::Pair transparency;

    // Desktop clock group
    uint32_t DTCflag;
    uint32_t DTPlace;
    uint32_t DTColor;
    uint32_t DTFtsize;
    int32_t DTCpos;
    uint32_t DTCtype;
    uint32_t DTCtrans;

    // Disallow list
    char AppName1[kPathSize];
    char AppName2[kPathSize];
    char AppName3[kPathSize];
    char AppName4[kPathSize];
};

// The schema: every value of the settings block with its registry type,
// sizes, groups and default.
SettingTable OrvantaSettingTable();

// A block holding every default.
Settings DefaultSettings();

// Read: the load at start (kLoadAtStart), the desktop clock reader
// (kDesktopClock) and the transparency reader (kTransparency).
// Write: the writer of each group, and of the disallow list.
void Read(reg::Registry& registry, Settings& block, GroupMask groups);
void Write(reg::Registry& registry, const Settings& block, GroupMask groups);

}  // namespace settings
