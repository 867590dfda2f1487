// The clock text engine: turns a command string such as
// "day+month+date+year+time+ram+drive" into the clock string that the caption,
// the clipboard copy and the desktop clock show.
#pragma once

#include <cstddef>
#include <cstdint>

#include "languages.h"
#include "settings.h"
#include "system_figures.h"

namespace clocktext {

constexpr size_t kClockStringSize = 256;
// The clock string begins and ends with this many spaces.
constexpr size_t kClockMargin = 4;
// Enough for any 64-bit number and its NUL.
constexpr size_t kDecimalSize = 24;

// Signed decimal text without leading zeros; buffer of at least 12 bytes.
void IntToDecimal(int32_t value, char* buffer);
// Unsigned decimal text; buffer of at least kDecimalSize bytes.
void UnsignedToDecimal(uint64_t value, char* buffer);

class ClockTextEngine {
  public:
    // clockString: the shared kClockStringSize-byte buffer the engine rewrites.
    ClockTextEngine(const settings::Settings& settings, const CurrentLanguage& language,
                    SystemFigures& system, char* clockString);

    // Takes the local-time snapshot, clears the alert and speak minute guards
    // when a new minute has begun, and renders the command string. The result
    // never holds more than kClockStringSize - 1 characters.
    void BuildClockString(const char* commandString);

    const char* ClockString() const { return out_; }
    const LocalTime& Snapshot() const { return snapshot_; }

  private:
    void CheckMinuteChange();
    void RenderTokenAt(const char* text);
    void RenderDay();
    void RenderTime();
    void RenderMonth();
    void RenderDate();
    void RenderYear();
    void RenderRam();
    void RenderDrive();
    void EndTrim();

    void Put(char c);
    void Put(const char* text);
    void PutFirst(const char* text, size_t count);
    void PutTwoDigits(unsigned value);
    void PutNumber(unsigned value, bool leadingZero);
    void PutOutputSeparator();
    void PutPendingSeparator();
    void PutDateSeparator();
    void PutName(const char* name);
    bool Full() const { return pos_ >= kRenderLimit; }

    // Room for the closing margin and the NUL is kept back while rendering.
    static constexpr size_t kRenderLimit = kClockStringSize - kClockMargin - 1;

    const settings::Settings& settings_;
    const CurrentLanguage& language_;
    SystemFigures& system_;
    char* out_;
    LocalTime snapshot_{};
    uint16_t lastMinute_ = 0;

    // State of one build.
    size_t pos_ = 0;
    unsigned dateTokens_ = 0;
    bool pendingSeparator_ = false;
    bool yearSeen_ = false;
};

}  // namespace clocktext
