#include "title_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using caption::RemoveStamp;
using caption::ShortenLongTitle;
using caption::StampTitle;

const std::u16string kClock = u"    Thursday - 1:07PM    ";
const std::u16string kStampedClock = u"    Thursday - 1:07PM ";  // three trailing spaces dropped
const std::u16string kMarker = u"     ~";

std::string Narrow(const std::u16string& s) {
    return std::string(s.begin(), s.end());
}

TEST(TitleText, StampPutsTheClockBehindTheMarker) {
    const std::u16string eighty(80, u'e');
    const std::u16string sixtyNine(69, u'e');
    const struct {
        std::u16string title;
        std::u16string stamped;
    } cases[] = {
        {u"", kMarker + kStampedClock},
        {u"Notes", u"Notes" + kMarker + kStampedClock},
        // What was read of an 80-character title: its first 69 characters.
        {eighty.substr(0, 69), sixtyNine + kMarker + kStampedClock},
        // A stamped title gets a fresh clock after its marker.
        {u"Notes" + kMarker + u"    old clock ", u"Notes" + kMarker + kStampedClock},
        // A lone tilde is text of the title, not a marker.
        {u"~notes.txt - Editor", u"~notes.txt - Editor" + kMarker + kStampedClock},
        {u"a~b", u"a~b" + kMarker + kStampedClock},
        {u"Greek \u03A0\u03AD\u03BC", u"Greek \u03A0\u03AD\u03BC" + kMarker + kStampedClock},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StampTitle(c.title, kClock), c.stamped) << Narrow(c.title);
    }
}

TEST(TitleText, RemoveStampKeepsTheNameAndOneSpace) {
    const struct {
        std::u16string title;
        std::optional<std::u16string> unstamped;
    } cases[] = {
        {u"Name" + kMarker + kStampedClock, u"Name "},
        {kMarker + kStampedClock, u" "},
        {u"Name", std::nullopt},
        {u"~notes.txt - Editor", std::nullopt},
        {u"a~b", std::nullopt},
        {u"Name    ~ four spaces only", std::nullopt},
        // A marker at the very end is never taken for a stamp.
        {u"Name" + kMarker, std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoveStamp(c.title), c.unstamped) << Narrow(c.title);
    }
}

TEST(TitleText, TitlesOverAHundredCharactersAreShortened) {
    const std::u16string hundred(100, u'h');
    const std::u16string hundredOne = u"x" + hundred;
    EXPECT_EQ(ShortenLongTitle(hundred), std::nullopt);
    EXPECT_EQ(ShortenLongTitle(hundredOne), hundredOne.substr(0, 70) + u". . . . ");
    EXPECT_EQ(ShortenLongTitle(hundredOne)->size(), 78u);
}

}  // namespace
