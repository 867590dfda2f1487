#include "languages.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using clocktext::NameEntry;
using clocktext::TablesOf;

// Every table is complete, in index order, and every name field holds a
// name of 3 to 11 bytes, its NUL and NUL filling.
TEST(Languages, TablesHoldEveryNameInIndexOrder) {
    for (uint32_t id = 0; id < clocktext::kLanguageCount; ++id) {
        const auto& tables = TablesOf(static_cast<clocktext::LanguageId>(id));
        auto check = [&](const NameEntry* entries, int count, int firstIndex) {
            for (int i = 0; i < count; ++i) {
                const NameEntry& e = entries[i];
                EXPECT_EQ(e.index, firstIndex + i) << "language " << id;
                const size_t length = strnlen(e.name, sizeof e.name);
                EXPECT_GE(length, 3u) << "language " << id << " entry " << i;
                EXPECT_LE(length, 11u) << "language " << id << " entry " << i;
                for (size_t b = length; b < sizeof e.name; ++b) EXPECT_EQ(e.name[b], '\0');
            }
        };
        check(tables.days, 7, 0);
        check(tables.months, 12, 1);
        EXPECT_EQ(tables.codePage, id == clocktext::kGreek ? 1253u : 1252u);
    }
}

// Names with letters outside ASCII, as the bytes of their code page.
TEST(Languages, NamesAreStoredInTheirCodePage) {
    const struct {
        clocktext::LanguageId language;
        bool month;
        unsigned index;
        const char* bytes;
    } cases[] = {
        {clocktext::kGreek, false, 4, "\xD0\xDD\xEC\xF0\xF4\xE7"},                 // Πέμπτη
        {clocktext::kGreek, false, 0, "\xCA\xF5\xF1\xE9\xE1\xEA\xDE"},             // Κυριακή
        {clocktext::kGreek, true, 1, "\xC9\xE1\xED\xEF\xF5\xE1\xF1\xDF\xEF\xF5"},  // Ιανουαρίου
        {clocktext::kGreek, true, 2,
         "\xD6\xE5\xE2\xF1\xEF\xF5\xE1\xF1\xDF\xEF\xF5"},      // Φεβρουαρίου
        {clocktext::kGreek, true, 5, "\xCC\xE1\xC0\xEF\xF5"},  // Μαΐου
        {clocktext::kFrench, true, 2, "F\xE9vrier"},
        {clocktext::kFrench, true, 8, "Ao\xFBt"},
        {clocktext::kFrench, true, 12,
         "D\xE9"
         "cembre"},
        {clocktext::kGerman, true, 3, "M\xE4rz"},
        {clocktext::kItalian, false, 3, "Mercoled\xEC"},
        {clocktext::kNorwegian, false, 6, "L\xF8rdag"},
        {clocktext::kSpanish, false, 3, "Mi\xE9rcoles"},
        {clocktext::kSpanish, false, 6,
         "S\xE1"
         "bado"},
        {clocktext::kSwedish, false, 1, "M\xE5ndag"},
    };
    for (const auto& c : cases) {
        clocktext::CurrentLanguage current;
        current.Select(c.language);
        EXPECT_STREQ(c.month ? current.MonthName(c.index) : current.DayName(c.index), c.bytes)
            << "language " << c.language << " index " << c.index;
    }
}

TEST(Languages, SelectIgnoresNumbersOutsideTheTable) {
    clocktext::CurrentLanguage current;
    EXPECT_STREQ(current.DayName(0), "Sunday") << "English until chosen";
    current.Select(clocktext::kDutch);
    current.Select(9);
    current.Select(0xFFFFFFFF);
    EXPECT_STREQ(current.MonthName(5), "Mei");
    EXPECT_STREQ(current.DayName(7), "") << "no entry carries day 7";
}

}  // namespace
