#include "clock_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "fixed_figures.h"
#include "minute_guard.h"

namespace {

using clocktext::ClockTextEngine;
using clocktext::kClockMargin;
using clocktext::kClockStringSize;
using settings::Settings;

const std::string kMargin(kClockMargin, ' ');

class ClockTextTest : public ::testing::Test {
  protected:
    ClockTextTest() {
        figures.now = kThursdayAfternoon;
        figures.memory = 8 * kGiB;
        figures.freeBytes = 45 * kGiB + 650000000;
    }

    // The clock string without its margins; fails the test if they are missing.
    std::string Render(const char* command) {
        engine.BuildClockString(command);
        std::string text = engine.ClockString();
        EXPECT_GE(text.size(), 2 * kClockMargin);
        EXPECT_EQ(text.substr(0, kClockMargin), kMargin);
        EXPECT_EQ(text.substr(text.size() - kClockMargin), kMargin);
        return text.substr(kClockMargin, text.size() - 2 * kClockMargin);
    }

    Settings settings = settings::DefaultSettings();
    clocktext::CurrentLanguage language;
    FixedFigures figures;
    char clockString[kClockStringSize] = {};
    ClockTextEngine engine{settings, language, figures, clockString};
};

struct RenderCase {
    const char* command;
    std::function<void(Settings&, FixedFigures&, clocktext::CurrentLanguage&)> setUp;
    const char* expected;
};

auto At(uint16_t hour, uint16_t minute, uint16_t second = 0) {
    return [=](Settings&, FixedFigures& f, clocktext::CurrentLanguage&) {
        f.now.hour = hour;
        f.now.minute = minute;
        f.now.second = second;
    };
}

const RenderCase kRenderCases[] = {
    {"day+month+date+year+time+ram+drive", nullptr,
     "Thursday - January 4 2024 - 1:07PM - 8388MB - 45.6GB"},
    {"day+month+date+year+time+ram+drive", [](Settings& s, auto&, auto&) { s.DMShort = 1; },
     "Thu - Jan 4 2024 - 1:07PM - 8388MB - 45.6GB"},
    {"month+date+year", [](Settings& s, auto&, auto&) { s.ShortD = 1; }, "1/4/24"},
    {"month+date+year",
     [](Settings& s, auto&, auto&) {
         s.ShortD = 1;
         s.LZero = 1;
     },
     "01/04/2024"},
    {"date+month+year", [](Settings& s, auto&, auto&) { s.ShortD = 2; }, "4.1.24"},
    {"year+month+date", [](Settings& s, auto&, auto&) { s.ShortD = 3; }, "24-1-4"},
    {"month+date+year", nullptr, "January 4 2024"},
    {"date+month+year", nullptr, "4 January 2024"},
    {"year+month+date", nullptr, "2024 January 4"},
    {"year+date+month", nullptr, "2024 4 January"},
    {"month+year", nullptr, "January 2024"},
    {"time",
     [](Settings& s, auto&, auto&) {
         s.HFormat = 1;
         s.AmPmCase = 2;
     },
     "13:07"},
    {"time",
     [](Settings& s, FixedFigures& f, auto& l) {
         s.HFormat = 1;
         s.AmPmCase = 2;
         At(0, 5)(s, f, l);
     },
     "0:05"},
    {"time", At(0, 5), "12:05AM"},
    {"time", At(12, 0), "12:00PM"},
    {"time",
     [](Settings& s, FixedFigures& f, auto& l) {
         s.LZero = 1;
         s.SecFlag = 1;
         At(9, 5, 3)(s, f, l);
     },
     "09:05:03AM"},
    {"time", [](Settings& s, auto&, auto&) { s.NoCase = 1; }, "1:07"},
    {"day+time+ram",
     [](Settings& s, auto&, auto&) {
         s.Bspacer = 1;
         s.TSpacer = '|';
     },
     "Thursday|1:07PM|8388MB"},
    {"day+month+date", [](Settings& s, auto&, auto&) { s.TSpacer = ' '; }, "Thursday   January 4"},
    {"day+year+month+date", [](Settings& s, auto&, auto&) { s.ShortD = 3; }, "Thursday - 24-1-4"},
    {"month+day", nullptr, "January  - Thursday"},
    {"today", nullptr, "Thursday"},
    {"DAY+TIME", nullptr, ""},
    {"drive", [](Settings& s, auto&, auto&) { s.DriveNum = 7; }, "0.0GB"},
    {"drive", [](auto&, FixedFigures& f, auto&) { f.freeBytes = 0; }, "0.0GB"},
    {"drive", [](auto&, FixedFigures& f, auto&) { f.freeBytes = 3 * kGiB + 1050000000; }, "3.9GB"},
    {"day+month+date+year+time+ram+drive",
     [](Settings& s, auto&, clocktext::CurrentLanguage& l) {
         s.DMShort = 1;
         l.Select(clocktext::kGerman);
     },
     "Don - Jan 4 2024 - 1:07PM - 8388MB - 45.6GB"},
    // Greek names are the Windows-1253 bytes: Πέμπτη, Ιανουαρίου; abbreviated Πέμ, Ιαν.
    {"day+month+date+year", [](auto&, auto&, auto& l) { l.Select(clocktext::kGreek); },
     "\xD0\xDD\xEC\xF0\xF4\xE7 - \xC9\xE1\xED\xEF\xF5\xE1\xF1\xDF\xEF\xF5 4 2024"},
    {"day+month+date+year",
     [](Settings& s, auto&, auto& l) {
         s.DMShort = 1;
         l.Select(clocktext::kGreek);
     },
     "\xD0\xDD\xEC - \xC9\xE1\xED 4 2024"},
    // French February abbreviated is F, é (0xE9 in Windows-1252), v.
    {"date+month",
     [](Settings& s, FixedFigures& f, auto& l) {
         s.DMShort = 1;
         f.now.month = 2;
         l.Select(clocktext::kFrench);
     },
     "4 F\xE9v"},
    {"day+month+date",
     [](auto&, auto&, auto& l) {
         l.Select(clocktext::kGreek);
         l.Select(9);
         l.Select(clocktext::kEnglish);
         l.Select(255);
     },
     "Thursday - January 4"},
};

TEST_F(ClockTextTest, RendersEveryTokenSeparatorAndDateStyle) {
    for (const RenderCase& c : kRenderCases) {
        settings = settings::DefaultSettings();
        language = clocktext::CurrentLanguage();
        figures.now = kThursdayAfternoon;
        figures.freeBytes = 45 * kGiB + 650000000;
        if (c.setUp) c.setUp(settings, figures, language);
        EXPECT_EQ(Render(c.command), c.expected) << "command string: " << c.command;
    }
}

TEST_F(ClockTextTest, EmptyCommandStringGivesEightSpaces) {
    engine.BuildClockString("");
    EXPECT_STREQ(engine.ClockString(), "        ");
}

TEST_F(ClockTextTest, DriveTokenAsksTheRootOfDriveNumber) {
    const struct {
        uint32_t driveNum;
        const char* root;
    } cases[] = {{1, "C:\\"}, {3, "E:\\"}, {6, "H:\\"}, {0, ""}, {7, ""}};
    for (const auto& c : cases) {
        settings.DriveNum = c.driveNum;
        figures.askedRoot.clear();
        Render("drive");
        EXPECT_EQ(figures.askedRoot, c.root) << "DriveNum " << c.driveNum;
    }
}

TEST_F(ClockTextTest, SnapshotIsTakenAtEveryBuild) {
    Render("ram");
    EXPECT_EQ(engine.Snapshot().hour, 13);
    figures.now.hour = 22;
    Render("");
    EXPECT_EQ(engine.Snapshot().hour, 22);
}

// The alert and speak guards must be cleared when the minute changes even
// when the command string has no time token.
TEST_F(ClockTextTest, NewMinuteClearsBothGuardsWhateverTheCommandString) {
    auto& alert = alerts::AlertMinuteGuard();
    auto& speak = alerts::SpeakMinuteGuard();
    for (const char* command : {"time", "day+month", ""}) {
        Render(command);
        alert.Set();
        speak.Set();
        Render(command);  // same minute: the guards stay
        EXPECT_TRUE(alert.IsSet()) << command;
        EXPECT_TRUE(speak.IsSet()) << command;
        figures.now.minute = static_cast<uint16_t>((figures.now.minute + 1) % 60);
        Render(command);
        EXPECT_FALSE(alert.IsSet()) << command;
        EXPECT_FALSE(speak.IsSet()) << command;
    }
}

TEST(IntToDecimal, WritesSignedDecimalWithoutPadding) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {{0, "0"},
                 {7, "7"},
                 {-7, "-7"},
                 {1000, "1000"},
                 {INT_MAX, "2147483647"},
                 {INT_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        char buffer[12];
        clocktext::IntToDecimal(c.value, buffer);
        EXPECT_STREQ(buffer, c.text);
    }
}

TEST_F(ClockTextTest, LongCommandStringStopsAtTheCapacity) {
    settings.TSpacer = ' ';
    language.Select(clocktext::kItalian);
    figures.now.dayOfWeek = 3;  // Mercoledì, one of the longest day names
    std::string command;
    while (command.size() + 4 <= 133) command += "day+";
    engine.BuildClockString(command.c_str());
    const std::string text = engine.ClockString();
    EXPECT_LE(text.size(), kClockStringSize - 1);
    EXPECT_GT(text.size(), kClockStringSize - 20) << "renders up to the capacity";
    EXPECT_EQ(text.substr(0, kClockMargin), kMargin);
    EXPECT_EQ(text.substr(text.size() - kClockMargin), kMargin);
}

// Random command strings and settings against a heap buffer of exactly the
// clock string's size: under AddressSanitizer any write past it fails.
TEST(ClockTextFuzz, NeverWritesPastTheClockString) {
    static const char* const kPieces[] = {"day", "time", "month", "date", "year", "ram", "drive",
                                          "+",   "da",   "tim",   "x",    " ",    "~"};
    std::mt19937 random(20261211);
    auto pick = [&](uint32_t below) { return static_cast<uint32_t>(random() % below); };
    auto buffer = std::make_unique<char[]>(kClockStringSize);
    Settings settings = settings::DefaultSettings();
    clocktext::CurrentLanguage language;
    FixedFigures figures;
    ClockTextEngine engine(settings, language, figures, buffer.get());
    for (int round = 0; round < 20000; ++round) {
        std::string command;
        const uint32_t length = pick(300);
        while (command.size() < length) {
            if (pick(4) == 0) {
                command += static_cast<char>(1 + pick(255));
            } else {
                command += kPieces[pick(sizeof kPieces / sizeof kPieces[0])];
            }
        }
        settings.HFormat = pick(3);
        settings.LZero = pick(3);
        settings.DMShort = pick(3);
        settings.ShortD = pick(6);
        settings.Bspacer = pick(3);
        settings.TSpacer = static_cast<char>(pick(256));
        settings.AmPmCase = pick(4);
        settings.NoCase = pick(3);
        settings.SecFlag = pick(3);
        settings.DriveNum = pick(9);
        language.Select(pick(12));
        figures.now = {static_cast<uint16_t>(pick(70000)), static_cast<uint16_t>(pick(14)),
                       static_cast<uint16_t>(pick(8)),     static_cast<uint16_t>(pick(32)),
                       static_cast<uint16_t>(pick(24)),    static_cast<uint16_t>(pick(60)),
                       static_cast<uint16_t>(pick(60)),    0};
        figures.memory = (static_cast<uint64_t>(random()) << 32) | random();
        figures.freeBytes = (static_cast<uint64_t>(random()) << 32) | random();

        engine.BuildClockString(command.c_str());
        ASSERT_LT(strnlen(buffer.get(), kClockStringSize), kClockStringSize)
            << "command string: " << command;
    }
}

}  // namespace
