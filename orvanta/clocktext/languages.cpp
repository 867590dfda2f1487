#include "languages.h"

namespace clocktext {
namespace {

// Dutch (Windows-1252)
constexpr NameEntry kDutchDays[7] = {
    {"Zondag", 0},    {"Maandag", 1}, {"Dinsdag", 2},  {"Woensdag", 3},
    {"Donderdag", 4}, {"Vrijdag", 5}, {"Zaterdag", 6},
};
constexpr NameEntry kDutchMonths[12] = {
    {"Januari", 1},   {"Februari", 2}, {"Maart", 3},     {"April", 4},
    {"Mei", 5},       {"Juni", 6},     {"Juli", 7},      {"Augustus", 8},
    {"September", 9}, {"Oktober", 10}, {"November", 11}, {"December", 12},
};

// English (Windows-1252)
constexpr NameEntry kEnglishDays[7] = {
    {"Sunday", 0},   {"Monday", 1}, {"Tuesday", 2},  {"Wednesday", 3},
    {"Thursday", 4}, {"Friday", 5}, {"Saturday", 6},
};
constexpr NameEntry kEnglishMonths[12] = {
    {"January", 1},   {"February", 2}, {"March", 3},     {"April", 4},
    {"May", 5},       {"June", 6},     {"July", 7},      {"August", 8},
    {"September", 9}, {"October", 10}, {"November", 11}, {"December", 12},
};

// French (Windows-1252)
constexpr NameEntry kFrenchDays[7] = {
    {"Dimanche", 0}, {"Lundi", 1},    {"Mardi", 2},  {"Mercredi", 3},
    {"Jeudi", 4},    {"Vendredi", 5}, {"Samedi", 6},
};
constexpr NameEntry kFrenchMonths[12] = {
    {"Janvier", 1},
    {"F\xE9vrier", 2},  // Février
    {"Mars", 3},
    {"Avril", 4},
    {"Mai", 5},
    {"Juin", 6},
    {"Juillet", 7},
    {"Ao\xFBt", 8},  // Août
    {"Septembre", 9},
    {"Octobre", 10},
    {"Novembre", 11},
    {"D\xE9"
     "cembre",
     12},  // Décembre
};

// German (Windows-1252)
constexpr NameEntry kGermanDays[7] = {
    {"Sonntag", 0},    {"Montag", 1},  {"Dienstag", 2}, {"Mittwoch", 3},
    {"Donnerstag", 4}, {"Freitag", 5}, {"Samstag", 6},
};
constexpr NameEntry kGermanMonths[12] = {
    {"Januar", 1},    {"Februar", 2},  {"M\xE4rz", 3},  // März
    {"April", 4},     {"Mai", 5},      {"Juni", 6},      {"Juli", 7},      {"August", 8},
    {"September", 9}, {"Oktober", 10}, {"November", 11}, {"Dezember", 12},
};

// Greek (Windows-1253)
constexpr NameEntry kGreekDays[7] = {
    {"\xCA\xF5\xF1\xE9\xE1\xEA\xDE", 0},          // Κυριακή
    {"\xC4\xE5\xF5\xF4\xDD\xF1\xE1", 1},          // Δευτέρα
    {"\xD4\xF1\xDF\xF4\xE7", 2},                  // Τρίτη
    {"\xD4\xE5\xF4\xDC\xF1\xF4\xE7", 3},          // Τετάρτη
    {"\xD0\xDD\xEC\xF0\xF4\xE7", 4},              // Πέμπτη
    {"\xD0\xE1\xF1\xE1\xF3\xEA\xE5\xF5\xDE", 5},  // Παρασκευή
    {"\xD3\xDC\xE2\xE2\xE1\xF4\xEF", 6},          // Σάββατο
};
constexpr NameEntry kGreekMonths[12] = {
    {"\xC9\xE1\xED\xEF\xF5\xE1\xF1\xDF\xEF\xF5", 1},      // Ιανουαρίου
    {"\xD6\xE5\xE2\xF1\xEF\xF5\xE1\xF1\xDF\xEF\xF5", 2},  // Φεβρουαρίου
    {"\xCC\xE1\xF1\xF4\xDF\xEF\xF5", 3},                  // Μαρτίου
    {"\xC1\xF0\xF1\xE9\xEB\xDF\xEF\xF5", 4},              // Απριλίου
    {"\xCC\xE1\xC0\xEF\xF5", 5},                          // Μαΐου
    {"\xC9\xEF\xF5\xED\xDF\xEF\xF5", 6},                  // Ιουνίου
    {"\xC9\xEF\xF5\xEB\xDF\xEF\xF5", 7},                  // Ιουλίου
    {"\xC1\xF5\xE3\xEF\xFD\xF3\xF4\xEF\xF5", 8},          // Αυγούστου
    {"\xD3\xE5\xF0\xF4\xE5\xEC\xE2\xF1\xDF\xEF\xF5", 9},  // Σεπτεμβρίου
    {"\xCF\xEA\xF4\xF9\xE2\xF1\xDF\xEF\xF5", 10},         // Οκτωβρίου
    {"\xCD\xEF\xE5\xEC\xE2\xF1\xDF\xEF\xF5", 11},         // Νοεμβρίου
    {"\xC4\xE5\xEA\xE5\xEC\xE2\xF1\xDF\xEF\xF5", 12},     // Δεκεμβρίου
};

// Italian (Windows-1252)
constexpr NameEntry kItalianDays[7] = {
    {"Domenica", 0},     {"Luned\xEC", 1},  // Lunedì
    {"Marted\xEC", 2},                      // Martedì
    {"Mercoled\xEC", 3},                    // Mercoledì
    {"Gioved\xEC", 4},                      // Giovedì
    {"Venerd\xEC", 5},                      // Venerdì
    {"Sabato", 6},
};
constexpr NameEntry kItalianMonths[12] = {
    {"Gennaio", 1},   {"Febbraio", 2}, {"Marzo", 3},     {"Aprile", 4},
    {"Maggio", 5},    {"Giugno", 6},   {"Luglio", 7},    {"Agosto", 8},
    {"Settembre", 9}, {"Ottobre", 10}, {"Novembre", 11}, {"Dicembre", 12},
};

// Norwegian (Windows-1252)
constexpr NameEntry kNorwegianDays[7] = {
    {"S\xF8ndag", 0},  // Søndag
    {"Mandag", 1},    {"Tirsdag", 2}, {"Onsdag", 3},
    {"Torsdag", 4},   {"Fredag", 5},  {"L\xF8rdag", 6},  // Lørdag
};
constexpr NameEntry kNorwegianMonths[12] = {
    {"Januar", 1},    {"Februar", 2},  {"Mars", 3},      {"April", 4},
    {"Mai", 5},       {"Juni", 6},     {"Juli", 7},      {"August", 8},
    {"September", 9}, {"Oktober", 10}, {"November", 11}, {"Desember", 12},
};

// Spanish (Windows-1252)
constexpr NameEntry kSpanishDays[7] = {
    {"Domingo", 0},
    {"Lunes", 1},
    {"Martes", 2},
    {"Mi\xE9rcoles", 3},  // Miércoles
    {"Jueves", 4},
    {"Viernes", 5},
    {"S\xE1"
     "bado",
     6},  // Sábado
};
constexpr NameEntry kSpanishMonths[12] = {
    {"Enero", 1},      {"Febrero", 2},  {"Marzo", 3},      {"Abril", 4},
    {"Mayo", 5},       {"Junio", 6},    {"Julio", 7},      {"Agosto", 8},
    {"Septiembre", 9}, {"Octubre", 10}, {"Noviembre", 11}, {"Diciembre", 12},
};

// Swedish (Windows-1252)
constexpr NameEntry kSwedishDays[7] = {
    {"S\xF6ndag", 0},                                                                  // Söndag
    {"M\xE5ndag", 1},                                                                  // Måndag
    {"Tisdag", 2},    {"Onsdag", 3}, {"Torsdag", 4}, {"Fredag", 5}, {"L\xF6rdag", 6},  // Lördag
};
constexpr NameEntry kSwedishMonths[12] = {
    {"Januari", 1},   {"Februari", 2}, {"Mars", 3},      {"April", 4},
    {"Maj", 5},       {"Juni", 6},     {"Juli", 7},      {"Augusti", 8},
    {"September", 9}, {"Oktober", 10}, {"November", 11}, {"December", 12},
};

constexpr LanguageTables kTables[kLanguageCount] = {
    {kDutchDays, kDutchMonths, 1252},         {kEnglishDays, kEnglishMonths, 1252},
    {kFrenchDays, kFrenchMonths, 1252},       {kGermanDays, kGermanMonths, 1252},
    {kGreekDays, kGreekMonths, 1253},         {kItalianDays, kItalianMonths, 1252},
    {kNorwegianDays, kNorwegianMonths, 1252}, {kSpanishDays, kSpanishMonths, 1252},
    {kSwedishDays, kSwedishMonths, 1252},
};

// Takes the first entry carrying the wanted number, so a table is read the
// way it is laid out rather than by position.
const char* FindName(const NameEntry* table, unsigned count, unsigned wanted) {
    for (unsigned i = 0; i < count; ++i) {
        if (table[i].index == wanted) return table[i].name;
    }
    return "";
}

}  // namespace

const LanguageTables& TablesOf(LanguageId language) {
    return kTables[language];
}

void CurrentLanguage::Select(uint32_t language) {
    if (language < kLanguageCount) tables_ = &kTables[language];
}

const char* CurrentLanguage::DayName(unsigned dayOfWeek) const {
    return FindName(tables_->days, 7, dayOfWeek);
}

const char* CurrentLanguage::MonthName(unsigned month) const {
    return FindName(tables_->months, 12, month);
}

}  // namespace clocktext
