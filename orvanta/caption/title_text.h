// What the caption painter does to other programs' titles, as text
// transforms on UTF-16 titles. Lengths count UTF-16 units.
#pragma once

#include <optional>
#include <string>

namespace caption {

// Glass mode writes the clock into a title behind this marker.
constexpr char16_t kGlassMarker[] = u"     ~";
constexpr size_t kGlassMarkerLength = 6;

// How much of a title each step reads: a buffer of this many units, so one
// fewer characters.
constexpr size_t kStampReadBuffer = 70;
constexpr size_t kUnstampReadBuffer = 100;
constexpr size_t kShortenReadBuffer = 110;

// Titles longer than this are shortened to their first kShortenedKeep units
// followed by ". . . . " before the clock is drawn beside them.
constexpr size_t kLongTitle = 100;
constexpr size_t kShortenedKeep = 70;

// The title with the clock stamped into it. title: what was read (at most
// kStampReadBuffer - 1 units); clock: the clock string in UTF-16. The text
// after an existing marker is replaced; otherwise the marker is appended.
// The clock loses three of its four trailing spaces.
std::u16string StampTitle(const std::u16string& title, const std::u16string& clock);

// The title without a glass-mode stamp (the text before the marker plus one
// space), or nothing when the title holds no stamp.
std::optional<std::u16string> RemoveStamp(const std::u16string& title);

// The shortened title, or nothing when it is not longer than kLongTitle.
std::optional<std::u16string> ShortenLongTitle(const std::u16string& title);

}  // namespace caption
