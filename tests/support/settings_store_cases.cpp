// The settings store's behaviour against a real key: which values each
// reader and writer handles, with which types and sizes, and how stored
// values of the wrong size or type are taken. Instantiated once per backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "settings.h"
#include "store_backend.h"

namespace {

using reg::ValueType;
using settings::Settings;

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}
std::vector<uint8_t> Bytes(const char* text, size_t size) {
    return {text, text + size};
}
std::vector<uint8_t> Dword(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

// A block where every field differs from its default.
Settings ChangedSettings() {
    Settings s = settings::DefaultSettings();
    const settings::SettingTable table = settings::OrvantaSettingTable();
    for (size_t i = 0; i < table.count; ++i) {
        const settings::SettingRow& row = table.rows[i];
        auto* field = reinterpret_cast<uint8_t*>(&s) + row.offset;
        if (row.type == ValueType::String) {
            std::strcpy(reinterpret_cast<char*>(field), "x");
        } else {
            field[0] = static_cast<uint8_t>(field[0] + 7);
        }
    }
    return s;
}

bool SameField(const Settings& a, const Settings& b, const settings::SettingRow& row) {
    const auto* fa = reinterpret_cast<const uint8_t*>(&a) + row.offset;
    const auto* fb = reinterpret_cast<const uint8_t*>(&b) + row.offset;
    return std::memcmp(fa, fb, row.fieldSize) == 0;
}

Settings LoadAtStart(StoreBackend& backend) {
    Settings s = settings::DefaultSettings();
    settings::Read(backend.Registry(), s, settings::kLoadAtStart);
    return s;
}

TEST_P(SettingsStore, FirstRunWithNoKeyKeepsEveryDefault) {
    const Settings loaded = LoadAtStart(*backend);
    EXPECT_STREQ(loaded.Layout, "day+month+date+year+time+ram+drive");
    EXPECT_EQ(loaded.TSpacer, '-');
    EXPECT_EQ(loaded.HFormat, 0u);
    EXPECT_EQ(loaded.Language, 1u);
    EXPECT_EQ(loaded.AFlag, 0u);
    EXPECT_EQ(loaded.SDown, 0u);
    EXPECT_EQ(loaded.transparency.Trans, 0u);
    EXPECT_EQ(loaded.transparency.Track, 220u);
    EXPECT_EQ(loaded.VistaAero, 1u);
    EXPECT_TRUE(backend->ValueNames().empty()) << "reading creates nothing";
}

struct GroupWrite {
    settings::GroupMask group;
    std::vector<std::string> names;
};

// Every writer writes exactly the values of its group, under these names.
TEST_P(SettingsStore, EachWriterWritesExactlyItsGroup) {
    const GroupWrite groups[] = {
        {settings::kFormat,
         {"AmPmCase", "Bspacer", "DMShort", "DriveNum", "HFormat", "LZero", "Layout", "NoCase",
          "SecFlag", "ShortD", "TSpacer"}},
        {settings::kGeneral,
         {"AutoRun", "BColor", "CFlag", "Center", "FtFace", "FtItalic", "FtWeight", "Language",
          "Maximize", "QCtype", "SetNew", "Shadval", "SpeakS", "SpeakT", "TColor", "VistaAero",
          "Wframe"}},
        {settings::kAlert,
         {"AFlag", "AName", "ANote", "AType", "Audible", "BName", "DString", "DTPick", "IBflag",
          "TAlert", "Visual", "WName", "YName"}},
        {settings::kShutdown, {"IBflag", "SDown", "STime"}},
        {settings::kPosition, {"XPlace", "YPlace"}},
        {settings::kTransparency, {"Trans", "Track"}},
        {settings::kDesktopClock,
         {"DTCflag", "DTColor", "DTCpos", "DTCtrans", "DTCtype", "DTFtsize", "DTPlace"}},
        {settings::kDisallow, {"AppName1", "AppName2", "AppName3", "AppName4"}},
    };
    const Settings block = settings::DefaultSettings();
    for (const GroupWrite& g : groups) {
        backend->RemoveKey();
        settings::Write(backend->Registry(), block, g.group);
        std::vector<std::string> written = backend->ValueNames();
        std::vector<std::string> expected = g.names;
        std::sort(written.begin(), written.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(written, expected) << "group " << g.group;
    }
}

TEST_P(SettingsStore, ValuesAreWrittenWithTheirTypeAndFixedSize) {
    const struct {
        const char* name;
        ValueType type;
        size_t size;
    } cases[] = {
        {"Layout", ValueType::String, 134}, {"TSpacer", ValueType::Binary, 1},
        {"TAlert", ValueType::String, 7},   {"STime", ValueType::String, 9},
        {"FtFace", ValueType::String, 32},  {"FtItalic", ValueType::Binary, 1},
        {"ANote", ValueType::String, 500},  {"DString", ValueType::String, 20},
        {"WName", ValueType::String, 128},  {"AppName4", ValueType::String, 128},
        {"HFormat", ValueType::Dword, 4},   {"Track", ValueType::Dword, 4},
        {"DTCpos", ValueType::Dword, 4},
    };
    const Settings block = settings::DefaultSettings();
    settings::Write(backend->Registry(), block, ~0u);
    for (const auto& c : cases) {
        const auto value = backend->GetRaw(c.name);
        ASSERT_TRUE(value.has_value()) << c.name;
        EXPECT_EQ(value->type, c.type) << c.name;
        EXPECT_EQ(value->bytes.size(), c.size) << c.name;
    }
    // The whole field is written: the text, then its zero filling.
    const auto layout = backend->GetRaw("Layout");
    const std::string text = "day+month+date+year+time+ram+drive";
    EXPECT_EQ(std::string(layout->bytes.begin(), layout->bytes.begin() + text.size()), text);
    EXPECT_TRUE(std::all_of(layout->bytes.begin() + text.size(), layout->bytes.end(),
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(backend->GetRaw("Track")->bytes, Dword(220));
}

TEST_P(SettingsStore, WrittenValuesLoadBack) {
    const Settings changed = ChangedSettings();
    settings::Write(backend->Registry(), changed, ~0u);
    Settings loaded = settings::DefaultSettings();
    settings::Read(backend->Registry(), loaded, ~0u);
    const settings::SettingTable table = settings::OrvantaSettingTable();
    for (size_t i = 0; i < table.count; ++i) {
        EXPECT_TRUE(SameField(loaded, changed, table.rows[i])) << table.rows[i].name;
    }
}

// The load at start leaves the desktop clock and transparency values to
// their own readers.
TEST_P(SettingsStore, EachReaderReadsOnlyItsGroups) {
    settings::Write(backend->Registry(), ChangedSettings(), ~0u);
    const Settings defaults = settings::DefaultSettings();
    const struct {
        settings::GroupMask read;
    } cases[] = {{settings::kLoadAtStart}, {settings::kDesktopClock}, {settings::kTransparency}};
    const settings::SettingTable table = settings::OrvantaSettingTable();
    for (const auto& c : cases) {
        Settings loaded = defaults;
        settings::Read(backend->Registry(), loaded, c.read);
        for (size_t i = 0; i < table.count; ++i) {
            const bool inGroup = (table.rows[i].groups & c.read) != 0;
            EXPECT_EQ(!SameField(loaded, defaults, table.rows[i]), inGroup)
                << table.rows[i].name << " read with groups " << c.read;
        }
    }
}

TEST_P(SettingsStore, RemovingOneValueRestoresOnlyItsDefault) {
    const Settings changed = ChangedSettings();
    settings::Write(backend->Registry(), changed, ~0u);
    backend->Remove("Layout");
    backend->Remove("HFormat");
    const Settings loaded = LoadAtStart(*backend);
    EXPECT_STREQ(loaded.Layout, "day+month+date+year+time+ram+drive");
    EXPECT_EQ(loaded.HFormat, 0u);
    EXPECT_STREQ(loaded.FtFace, "x");
    EXPECT_EQ(loaded.LZero, changed.LZero);
    EXPECT_EQ(loaded.TSpacer, changed.TSpacer);
}

TEST_P(SettingsStore, TextIsReadUpToItsFirstNul) {
    backend->SetRaw("Layout", ValueType::String, Bytes("time\0+ram+drive", 15));
    EXPECT_STREQ(LoadAtStart(*backend).Layout, "time");
}

// A stored value is taken only up to its read limit, and text without its
// NUL still ends inside the field.
TEST_P(SettingsStore, ReadLimitsDecideWhatIsTaken) {
    const std::string fullLayout(134, 'y');
    backend->SetRaw("Layout", ValueType::String, Bytes(fullLayout));
    backend->SetRaw("TAlert", ValueType::String, Bytes("7:30p12345"));  // 10 bytes, no NUL
    backend->SetRaw("STime", ValueType::String, Bytes("5:00PM 1234"));  // 11 bytes: too long
    backend->SetRaw("ANote", ValueType::String, Bytes(std::string(501, 'n')));
    backend->SetRaw("FtFace", ValueType::String, Bytes(std::string(33, 'f')));  // too long
    backend->SetRaw("HFormat", ValueType::Dword, {1, 0, 0, 0, 0, 0, 0, 0});     // too long
    backend->SetRaw("TSpacer", ValueType::Binary, {'*', '*'});                  // too long
    const Settings loaded = LoadAtStart(*backend);
    EXPECT_EQ(std::string(loaded.Layout), fullLayout);
    EXPECT_STREQ(loaded.TAlert, "7:30p12345");
    EXPECT_STREQ(loaded.STime, "");
    EXPECT_EQ(std::string(loaded.ANote), std::string(501, 'n'));
    EXPECT_STREQ(loaded.FtFace, "");
    EXPECT_EQ(loaded.HFormat, 0u);
    EXPECT_EQ(loaded.TSpacer, '-');
}

// The stored type is ignored: the bytes are taken as they are if they fit.
TEST_P(SettingsStore, ValueOfAnotherTypeIsTakenAsRawBytes) {
    backend->SetRaw("HFormat", ValueType::Binary, Dword(1));
    backend->SetRaw("Layout", ValueType::Binary, Bytes("ram\0", 4));
    backend->SetRaw("TSpacer", ValueType::Dword, {'*'});
    backend->SetRaw("DTPlace", ValueType::String, Bytes("A\0", 2));  // over the default 2
    backend->SetRaw("DTFtsize", ValueType::Binary, {80});            // over the default 50
    Settings loaded = LoadAtStart(*backend);
    settings::Read(backend->Registry(), loaded, settings::kDesktopClock);
    EXPECT_EQ(loaded.HFormat, 1u);
    EXPECT_STREQ(loaded.Layout, "ram");
    EXPECT_EQ(loaded.TSpacer, '*');
    EXPECT_EQ(loaded.DTPlace, 0x41u);
    EXPECT_EQ(loaded.DTFtsize, 80u);
}

TEST_P(SettingsStore, ListsKeepTheirExactByteCounts) {
    // The byte after the saved command strings is not a NUL here: the system
    // adds the NUL to a text value written without one when the next byte
    // in memory is a NUL, and this test is about the count the store passes.
    const char strings[] = "time~day+time~X";
    const char dates[] = "5:00PM;12/25/2014~17:00;25.12.2014~";
    settings::WriteList(backend->Registry(), "Strings", strings, sizeof strings - 2);
    settings::WriteList(backend->Registry(), "DStrings", dates, sizeof dates);
    EXPECT_EQ(backend->GetRaw("Strings")->bytes.size(), sizeof strings - 2);
    EXPECT_EQ(backend->GetRaw("DStrings")->bytes.size(), sizeof dates);
    EXPECT_EQ(backend->GetRaw("DStrings")->type, ValueType::String);

    char buffer[2100];
    bool truncated = true;
    EXPECT_EQ(
        settings::ReadList(backend->Registry(), "DStrings", buffer, sizeof buffer, &truncated),
        sizeof dates);
    EXPECT_STREQ(buffer, dates);
    EXPECT_FALSE(truncated);
    EXPECT_EQ(settings::ReadList(backend->Registry(), "Missing", buffer, sizeof buffer, &truncated),
              0u);

    // A list longer than the buffer gives as much as the buffer holds.
    char small[10] = {};
    EXPECT_EQ(settings::ReadList(backend->Registry(), "DStrings", small, sizeof small, &truncated),
              sizeof small);
    EXPECT_TRUE(truncated);
    EXPECT_EQ(std::string(small, sizeof small), std::string(dates, sizeof small));
}

}  // namespace
