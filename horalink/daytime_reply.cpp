#include "daytime_reply.h"

#include <cstring>

namespace horalink {
namespace {

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the reply once, field by field; any mismatch leaves it failed.
class ReplyReader {
  public:
    ReplyReader(const char* data, size_t size) : at_(data), end_(data + size) {
        while (at_ < end_ && IsLineBreak(*at_)) ++at_;
    }

    bool ok() const { return ok_; }

    // Exactly `digits` digits.
    unsigned Number(size_t digits) { return NumberOf(digits, digits); }

    // Between fewest and most digits, as many as there are.
    unsigned NumberOf(size_t fewest, size_t most) {
        unsigned value = 0;
        size_t count = 0;
        while (at_ < end_ && IsDigit(*at_) && count < most) {
            value = value * 10 + static_cast<unsigned>(*at_ - '0');
            ++at_;
            ++count;
        }
        if (count < fewest || (at_ < end_ && IsDigit(*at_))) ok_ = false;
        return value;
    }

    void Expect(char c) {
        if (at_ < end_ && *at_ == c) {
            ++at_;
        } else {
            ok_ = false;
        }
    }

    // Fields are parted by spaces; the server pads msADV with more of them.
    void Spaces() {
        if (at_ >= end_ || *at_ != ' ') ok_ = false;
        while (at_ < end_ && *at_ == ' ') ++at_;
    }

    // The tenths (or more) after the whole milliseconds are optional.
    void OptionalFraction() {
        if (at_ < end_ && *at_ == '.') {
            ++at_;
            NumberOf(1, 3);
        }
    }

    void Label(const char* text) {
        const size_t length = std::strlen(text);
        if (static_cast<size_t>(end_ - at_) < length || std::memcmp(at_, text, length) != 0) {
            ok_ = false;
            return;
        }
        at_ += length;
        // The label is a whole word: the line, the data or a space follows.
        if (at_ < end_ && *at_ != ' ' && !IsLineBreak(*at_)) ok_ = false;
    }

  private:
    const char* at_;
    const char* end_;
    bool ok_ = true;
};

bool InRange(unsigned value, unsigned low, unsigned high) {
    return value >= low && value <= high;
}

}  // namespace

std::optional<ClockTime> ReadDaytimeReply(const char* data, size_t size) {
    ReplyReader reader(data, size);
    reader.Number(5);  // Modified Julian Date
    reader.Spaces();
    const unsigned year = 2000 + reader.Number(2);
    reader.Expect('-');
    const unsigned month = reader.Number(2);
    reader.Expect('-');
    const unsigned day = reader.Number(2);
    reader.Spaces();
    const unsigned hour = reader.Number(2);
    reader.Expect(':');
    const unsigned minute = reader.Number(2);
    reader.Expect(':');
    const unsigned second = reader.Number(2);
    reader.Spaces();
    reader.Number(2);  // daylight-saving code: any two digits
    reader.Spaces();
    const unsigned leap = reader.Number(1);
    reader.Spaces();
    const unsigned health = reader.Number(1);
    reader.Spaces();
    const unsigned advance = reader.NumberOf(1, 3);
    reader.OptionalFraction();
    reader.Spaces();
    reader.Label("UTC(NIST)");

    if (!reader.ok() || !InRange(month, 1, 12) || !InRange(hour, 0, 23) ||
        !InRange(minute, 0, 59) || !InRange(second, 0, 59) || !InRange(leap, 0, 2) ||
        !InRange(health, 0, 4)) {
        return std::nullopt;
    }
    if (!InRange(day, 1, DaysInMonth(year, month))) return std::nullopt;
    // A server in any health other than 0 may be seconds off.
    if (health != 0) return std::nullopt;

    ClockTime utc;
    utc.year = static_cast<uint16_t>(year);
    utc.month = static_cast<uint16_t>(month);
    utc.day = static_cast<uint16_t>(day);
    utc.hour = static_cast<uint16_t>(hour);
    utc.minute = static_cast<uint16_t>(minute);
    utc.second = static_cast<uint16_t>(second);
    utc.milliseconds = static_cast<uint16_t>(advance);
    return utc;
}

bool HoldsCompleteLine(const char* data, size_t size) {
    size_t at = 0;
    while (at < size && IsLineBreak(data[at])) ++at;
    if (at == size) return false;
    return std::memchr(data + at, '\n', size - at) != nullptr ||
           std::memchr(data + at, '\r', size - at) != nullptr;
}

}  // namespace horalink
