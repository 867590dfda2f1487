#include "title_text.h"

namespace caption {
namespace {

constexpr size_t kClockTrailingSpacesDropped = 3;

// Position of the marker's tilde, looking only at tildes before the last
// character: a title ending in a tilde was never stamped by us.
std::optional<size_t> FindMarkerTilde(const std::u16string& title) {
    if (title.size() < 2) return std::nullopt;
    const std::u16string_view examined(title.data(), title.size() - 1);
    const size_t start = examined.find(kGlassMarker, 0, kGlassMarkerLength);
    if (start == std::u16string_view::npos) return std::nullopt;
    return start + kGlassMarkerLength - 1;
}

}  // namespace

std::u16string StampTitle(const std::u16string& title, const std::u16string& clock) {
    std::u16string stamped;
    if (auto tilde = FindMarkerTilde(title)) {
        stamped = title.substr(0, *tilde + 1);
    } else {
        stamped = title + kGlassMarker;
    }
    const size_t kept =
        clock.size() > kClockTrailingSpacesDropped ? clock.size() - kClockTrailingSpacesDropped : 0;
    return stamped.append(clock, 0, kept);
}

std::optional<std::u16string> RemoveStamp(const std::u16string& title) {
    const auto tilde = FindMarkerTilde(title);
    if (!tilde) return std::nullopt;
    // Keep one of the marker's five spaces.
    return title.substr(0, *tilde - (kGlassMarkerLength - 2));
}

std::optional<std::u16string> ShortenLongTitle(const std::u16string& title) {
    if (title.size() <= kLongTitle) return std::nullopt;
    return title.substr(0, kShortenedKeep) + u". . . . ";
}

}  // namespace caption
