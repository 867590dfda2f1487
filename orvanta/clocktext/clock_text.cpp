#include "clock_text.h"

#include <cstring>

#include "minute_guard.h"

namespace clocktext {
namespace {

struct Token {
    const char* name;
    size_t length;
};

// Tested in this order at every position of the command string.
enum TokenId { kDay, kTime, kMonth, kDate, kYear, kRam, kDrive, kTokenCount };
constexpr Token kTokens[kTokenCount] = {
    {"day", 3}, {"time", 4}, {"month", 5}, {"date", 4}, {"year", 4}, {"ram", 3}, {"drive", 5},
};

constexpr uint64_t kBytesPerShownMegabyte = 1024000;
constexpr uint64_t kBytesPerGigabyte = 1ull << 30;
constexpr uint64_t kBytesPerTenth = 100000000;

const char* DriveRoot(uint32_t driveNum) {
    static const char* const kRoots[] = {"C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\"};
    if (driveNum < 1 || driveNum > 6) return nullptr;
    return kRoots[driveNum - 1];
}

}  // namespace

void UnsignedToDecimal(uint64_t value, char* buffer) {
    char reversed[kDecimalSize];
    size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) *buffer++ = reversed[--count];
    *buffer = '\0';
}

void IntToDecimal(int32_t value, char* buffer) {
    // The magnitude is taken in 64 bits so that the most negative value works.
    int64_t wide = value;
    if (wide < 0) {
        *buffer++ = '-';
        wide = -wide;
    }
    UnsignedToDecimal(static_cast<uint64_t>(wide), buffer);
}

ClockTextEngine::ClockTextEngine(const settings::Settings& settings,
                                 const CurrentLanguage& language, SystemFigures& system,
                                 char* clockString)
    : settings_(settings), language_(language), system_(system), out_(clockString) {
    out_[0] = '\0';
}

void ClockTextEngine::BuildClockString(const char* commandString) {
    snapshot_ = system_.LocalNow();
    CheckMinuteChange();

    pos_ = 0;
    dateTokens_ = 0;
    pendingSeparator_ = false;
    yearSeen_ = false;
    for (size_t i = 0; i < kClockMargin; ++i) Put(' ');

    // Every position is tested, so a name inside a word is found too; the
    // scan moves on by one character even after a match.
    for (const char* at = commandString; *at != '\0' && !Full(); ++at) RenderTokenAt(at);

    EndTrim();
    for (size_t i = 0; i < kClockMargin; ++i) out_[pos_++] = ' ';
    out_[pos_] = '\0';
}

// Done at every build, not only where a time token is rendered, so alerts and
// the speaking clock keep working whatever the command string holds.
void ClockTextEngine::CheckMinuteChange() {
    if (snapshot_.minute == lastMinute_) return;
    alerts::AlertMinuteGuard().Clear();
    alerts::SpeakMinuteGuard().Clear();
    lastMinute_ = snapshot_.minute;
}

void ClockTextEngine::RenderTokenAt(const char* text) {
    for (int id = 0; id < kTokenCount; ++id) {
        if (std::strncmp(text, kTokens[id].name, kTokens[id].length) != 0) continue;
        switch (id) {
            case kDay:
                RenderDay();
                break;
            case kTime:
                RenderTime();
                break;
            case kMonth:
                RenderMonth();
                break;
            case kDate:
                RenderDate();
                break;
            case kYear:
                RenderYear();
                break;
            case kRam:
                RenderRam();
                break;
            case kDrive:
                RenderDrive();
                break;
        }
        return;
    }
}

void ClockTextEngine::RenderDay() {
    PutPendingSeparator();
    PutName(language_.DayName(snapshot_.dayOfWeek));
    PutOutputSeparator();
}

void ClockTextEngine::RenderTime() {
    const unsigned hour = snapshot_.hour;
    unsigned shown = hour;
    if (settings_.HFormat != 1) {
        if (hour == 0)
            shown = 12;
        else if (hour > 12)
            shown = hour - 12;
    }
    PutPendingSeparator();
    PutNumber(shown, settings_.LZero == 1);
    Put(':');
    PutTwoDigits(snapshot_.minute);
    if (settings_.SecFlag == 1) {
        Put(':');
        PutTwoDigits(snapshot_.second);
    }
    if (settings_.AmPmCase != 2 && settings_.NoCase != 1) Put(hour < 12 ? "AM" : "PM");
    PutOutputSeparator();
}

void ClockTextEngine::RenderMonth() {
    const unsigned n = ++dateTokens_;
    if (settings_.ShortD != 0) {
        if (n != 1) PutDateSeparator();
        PutNumber(snapshot_.month, settings_.LZero == 1);
    } else {
        PutName(language_.MonthName(snapshot_.month));
        if (n < 3 && (yearSeen_ || n == 1)) Put(' ');
    }
    pendingSeparator_ = true;
}

void ClockTextEngine::RenderDate() {
    const unsigned n = ++dateTokens_;
    if (n != 1) PutDateSeparator();
    PutNumber(snapshot_.day, settings_.LZero == 1);
    if (settings_.ShortD == 0 && n < 3 && (yearSeen_ || n == 1)) Put(' ');
    pendingSeparator_ = true;
}

void ClockTextEngine::RenderYear() {
    const unsigned n = ++dateTokens_;
    const bool names = settings_.ShortD == 0;
    if (names && n == 3) Put(' ');
    if (n != 1) PutDateSeparator();
    char digits[kDecimalSize];
    UnsignedToDecimal(snapshot_.year, digits);
    const size_t length = std::strlen(digits);
    const bool fullYear = names || settings_.LZero == 1;
    Put(fullYear || length < 2 ? digits : digits + length - 2);
    if (names && n == 1) Put(' ');
    pendingSeparator_ = true;
    yearSeen_ = true;
}

void ClockTextEngine::RenderRam() {
    const uint64_t shown = system_.AvailablePhysicalMemory() / kBytesPerShownMegabyte;
    PutPendingSeparator();
    char digits[kDecimalSize];
    UnsignedToDecimal(shown, digits);
    Put(digits);
    Put("MB");
    PutOutputSeparator();
}

void ClockTextEngine::RenderDrive() {
    const char* root = DriveRoot(settings_.DriveNum);
    const uint64_t free = root ? system_.FreeBytesOnDrive(root) : 0;
    uint64_t tenths = (free % kBytesPerGigabyte) / kBytesPerTenth;
    if (tenths > 9) tenths = 9;
    PutPendingSeparator();
    char digits[kDecimalSize];
    UnsignedToDecimal(free / kBytesPerGigabyte, digits);
    Put(digits);
    Put('.');
    Put(static_cast<char>('0' + tenths));
    Put("GB");
    PutOutputSeparator();
}

// Removes the separator that trails the last token.
void ClockTextEngine::EndTrim() {
    const char spacer = settings_.TSpacer;
    const char last = out_[pos_ - 1];
    if (last == spacer || last == '/' || last == '.' || last == '-') {
        pos_ -= 1;
    } else if (last == ' ' && out_[pos_ - 2] == spacer) {
        pos_ -= 3;
    }
}

void ClockTextEngine::Put(char c) {
    if (!Full()) out_[pos_++] = c;
}

void ClockTextEngine::Put(const char* text) {
    while (*text != '\0') Put(*text++);
}

void ClockTextEngine::PutFirst(const char* text, size_t count) {
    for (size_t i = 0; i < count && text[i] != '\0'; ++i) Put(text[i]);
}

void ClockTextEngine::PutTwoDigits(unsigned value) {
    Put(static_cast<char>('0' + value / 10 % 10));
    Put(static_cast<char>('0' + value % 10));
}

void ClockTextEngine::PutNumber(unsigned value, bool leadingZero) {
    if (leadingZero && value < 10) Put('0');
    char digits[kDecimalSize];
    UnsignedToDecimal(value, digits);
    Put(digits);
}

void ClockTextEngine::PutOutputSeparator() {
    if (settings_.Bspacer == 0) Put(' ');
    Put(settings_.TSpacer);
    if (settings_.Bspacer == 0) Put(' ');
}

void ClockTextEngine::PutPendingSeparator() {
    if (!pendingSeparator_) return;
    PutOutputSeparator();
    pendingSeparator_ = false;
}

void ClockTextEngine::PutDateSeparator() {
    switch (settings_.ShortD) {
        case 1:
            Put('/');
            break;
        case 2:
            Put('.');
            break;
        case 3:
            Put('-');
            break;
        default:
            break;
    }
}

void ClockTextEngine::PutName(const char* name) {
    PutFirst(name, settings_.DMShort == 1 ? 3 : kClockStringSize);
}

}  // namespace clocktext
