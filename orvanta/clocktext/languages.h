// Day and month names of the nine clock languages. Names are single-byte
// text in the code page of their language (Windows-1253 for Greek,
// Windows-1252 for the others).
#pragma once

#include <cstdint>

namespace clocktext {

// The numbering of the Language setting: alphabetical by English name.
enum LanguageId : uint32_t {
    kDutch,
    kEnglish,
    kFrench,
    kGerman,
    kGreek,
    kItalian,
    kNorwegian,
    kSpanish,
    kSwedish,
    kLanguageCount
};

// A 12-byte name field, NUL-terminated and NUL-filled, and the number the
// entry stands for (day of the week 0 = Sunday, or month 1 to 12).
struct NameEntry {
    char name[12];
    uint8_t index;
};
static_assert(sizeof(NameEntry) == 13, "entries are 13 bytes");

struct LanguageTables {
    const NameEntry* days;    // 7 entries, Sunday first
    const NameEntry* months;  // 12 entries, January first
    unsigned codePage;        // for converting the names to UTF-16
};

const LanguageTables& TablesOf(LanguageId language);

// The language the day and month tokens use. English until chosen.
class CurrentLanguage {
  public:
    // A number outside 0 to 8 leaves the choice as it is.
    void Select(uint32_t language);
    const char* DayName(unsigned dayOfWeek) const;  // "" for a number not in the table
    const char* MonthName(unsigned month) const;
    unsigned CodePage() const { return tables_->codePage; }

  private:
    const LanguageTables* tables_ = &TablesOf(kEnglish);
};

}  // namespace clocktext
