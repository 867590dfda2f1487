#include "settings.h"

#include <cstddef>

namespace settings {
namespace {

using reg::ValueType;

#define NUMBER(field, groups, fallback)                                                       \
    {                                                                                         \
#field, ValueType::Dword, 4, 4, groups, fallback, nullptr, offsetof(Settings, field), \
            sizeof(Settings::field)                                                           \
    }
#define BYTE(field, groups, fallback)                                                          \
    {                                                                                          \
#field, ValueType::Binary, 1, 1, groups, fallback, nullptr, offsetof(Settings, field), \
            sizeof(Settings::field)                                                            \
    }
#define TEXT(field, written, limit, groups, fallback)                                              \
    {                                                                                              \
#field, ValueType::String, written, limit, groups, 0, fallback, offsetof(Settings, field), \
            sizeof(Settings::field)                                                                \
    }

constexpr SettingRow kRows[] = {
    NUMBER(DriveNum, kFormat, 1),
    NUMBER(HFormat, kFormat, 0),
    NUMBER(LZero, kFormat, 0),
    NUMBER(DMShort, kFormat, 0),
    NUMBER(ShortD, kFormat, 0),
    NUMBER(Bspacer, kFormat, 0),
    BYTE(TSpacer, kFormat, '-'),
    NUMBER(AmPmCase, kFormat, 1),
    NUMBER(NoCase, kFormat, 0),
    NUMBER(SecFlag, kFormat, 0),
    TEXT(Layout, 134, 134, kFormat, "day+month+date+year+time+ram+drive"),

    NUMBER(Shadval, kGeneral, 2),
    NUMBER(CFlag, kGeneral, 1),
    NUMBER(SetNew, kGeneral, 0),
    NUMBER(BColor, kGeneral, 0),
    NUMBER(TColor, kGeneral, 0xFFFFFF),
    NUMBER(Maximize, kGeneral, 0),
    NUMBER(Center, kGeneral, 0),
    NUMBER(Language, kGeneral, 1),
    NUMBER(SpeakS, kGeneral, 0),
    NUMBER(QCtype, kGeneral, 0),
    NUMBER(AutoRun, kGeneral, 0),
    NUMBER(Wframe, kGeneral, 0),
    BYTE(FtItalic, kGeneral, 0),
    NUMBER(FtWeight, kGeneral, 0),
    TEXT(FtFace, 32, 32, kGeneral, ""),
    NUMBER(SpeakT, kGeneral, 0),
    NUMBER(VistaAero, kGeneral, 1),

    NUMBER(AFlag, kAlert, 0),
    NUMBER(AType, kAlert, 1),
    NUMBER(Visual, kAlert, 1),
    NUMBER(Audible, kAlert, 0),
    NUMBER(DTPick, kAlert, 1),
    NUMBER(IBflag, kAlert | kShutdown, 0),
    TEXT(TAlert, 7, 10, kAlert, ""),
    TEXT(ANote, 500, 501, kAlert, ""),
    TEXT(WName, 128, 128, kAlert, ""),
    TEXT(BName, 128, 128, kAlert, ""),
    TEXT(AName, 128, 128, kAlert, ""),
    TEXT(YName, 128, 128, kAlert, ""),
    TEXT(DString, 20, 20, kAlert, ""),

    NUMBER(SDown, kShutdown, 0),
    TEXT(STime, 9, 10, kShutdown, ""),

    NUMBER(XPlace, kPosition, 0),
    NUMBER(YPlace, kPosition, 1),

    transparency::TransRow(offsetof(Settings, transparency), kTransparency),
    transparency::TrackRow(offsetof(Settings, transparency), kTransparency, 220),

    NUMBER(DTCflag, kDesktopClock, 1),
    NUMBER(DTPlace, kDesktopClock, 2),
    NUMBER(DTColor, kDesktopClock, 0xFFFFFF),
    NUMBER(DTFtsize, kDesktopClock, 50),
    NUMBER(DTCpos, kDesktopClock, 0),
    NUMBER(DTCtype, kDesktopClock, 0),
    NUMBER(DTCtrans, kDesktopClock, 0),

    TEXT(AppName1, 128, 128, kDisallow, ""),
    TEXT(AppName2, 128, 128, kDisallow, ""),
    TEXT(AppName3, 128, 128, kDisallow, ""),
    TEXT(AppName4, 128, 128, kDisallow, ""),
};

#undef NUMBER
#undef BYTE
#undef TEXT

static_assert(AllRowsFitFields(kRows),
              "every field holds what is read into it and written from it");

}  // namespace

SettingTable OrvantaSettingTable() {
    return {kRows, sizeof kRows / sizeof kRows[0]};
}

Settings DefaultSettings() {
    Settings block{};
    ApplyDefaults(OrvantaSettingTable(), &block);
    return block;
}

void Read(reg::Registry& registry, Settings& block, GroupMask groups) {
    ReadGroups(registry, OrvantaSettingTable(), &block, groups);
}

void Write(reg::Registry& registry, const Settings& block, GroupMask groups) {
    WriteGroups(registry, OrvantaSettingTable(), &block, groups);
}

}  // namespace settings
