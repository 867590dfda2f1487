// Reading a daytime server's reply: what is taken, and everything that must
// be refused so the clock is never set from a reply that was not fully read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "daytime_reply.h"

namespace horalink {
namespace {

const std::string kGoodReply = "\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) * \n";

// The reply in a buffer of exactly its size, so AddressSanitizer sees any
// read past its end.
std::optional<ClockTime> Read(const std::string& reply) {
    std::vector<char> exact(reply.begin(), reply.end());
    return ReadDaytimeReply(exact.data(), exact.size());
}

TEST(DaytimeReply, ReadsTheFieldsOfTheNistLayout) {
    const auto utc = Read(kGoodReply);
    ASSERT_TRUE(utc.has_value());
    EXPECT_EQ(utc->year, 2019);
    EXPECT_EQ(utc->month, 2);
    EXPECT_EQ(utc->day, 24);
    EXPECT_EQ(utc->hour, 19);
    EXPECT_EQ(utc->minute, 53);
    EXPECT_EQ(utc->second, 28);
    EXPECT_EQ(utc->milliseconds, 727);
}

TEST(DaytimeReply, AcceptsTheLayoutsVariations) {
    const struct {
        const char* reply;
        uint16_t milliseconds;
    } cases[] = {
        {"58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) *", 727},      // no leading line feed
        {"\r\n\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST)", 727},  // no on-time marker
        {"\n58538 19-02-24 19:53:28 50 1 0  50.0 UTC(NIST) # \n", 50},  // msADV padded
        {"\n58538 19-02-24 19:53:28 00 0 0 0 UTC(NIST) *\r\n", 0},      // msADV without tenths
        {"\n58538 19-02-24 19:53:28 00 0 0 999.9 UTC(NIST) *\n", 999},
        {"\n58538 24-02-29 19:53:28 00 0 0 1.0 UTC(NIST) *\n", 1},  // leap day
    };
    for (const auto& c : cases) {
        const auto utc = Read(c.reply);
        ASSERT_TRUE(utc.has_value()) << c.reply;
        EXPECT_EQ(utc->milliseconds, c.milliseconds) << c.reply;
    }
}

TEST(DaytimeReply, RefusesWhatItCannotFullyRead) {
    const struct {
        const char* what;
        std::string reply;
    } cases[] = {
        {"empty", ""},
        {"line breaks only", "\n\r\n"},
        {"all zero bytes", std::string(128, '\0')},
        {"zero bytes after a line feed", "\n" + std::string(127, '\0')},
        {"cut after the time", "\n58538 19-02-24 19:53:28"},
        {"cut inside msADV", "\n58538 19-02-24 19:53:28 00 0 0 72"},
        {"cut inside the label", "\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NI"},
        {"letter in the day", "\n58538 19-02-2x 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"space in the hour", "\n58538 19-02-24  9:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"sign in the minute", "\n58538 19-02-24 19:-3:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"three-digit second", "\n58538 19-02-24 19:53:280 00 0 0 727.6 UTC(NIST) *\n"},
        {"short Julian date", "\n5853 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"health 2", "\n58538 19-02-24 19:53:28 00 0 2 727.6 UTC(NIST) *\n"},
        {"health 1", "\n58538 19-02-24 19:53:28 00 0 1 727.6 UTC(NIST) *\n"},
        {"health out of range", "\n58538 19-02-24 19:53:28 00 0 9 727.6 UTC(NIST) *\n"},
        {"leap flag out of range", "\n58538 19-02-24 19:53:28 00 3 0 727.6 UTC(NIST) *\n"},
        {"month 13", "\n58538 19-13-24 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"month 0", "\n58538 19-00-24 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"day 0", "\n58538 19-02-00 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"29 February in a common year", "\n58538 19-02-29 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"31 April", "\n58538 19-04-31 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"hour 24", "\n58538 19-02-24 24:00:00 00 0 0 727.6 UTC(NIST) *\n"},
        {"minute 60", "\n58538 19-02-24 19:60:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"second 60", "\n58538 19-02-24 19:53:60 00 0 0 727.6 UTC(NIST) *\n"},
        {"msADV of a second or more", "\n58538 19-02-24 19:53:28 00 0 0 1000.0 UTC(NIST) *\n"},
        {"msADV with a comma", "\n58538 19-02-24 19:53:28 00 0 0 727,6 UTC(NIST) *\n"},
        {"another time scale", "\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(USNO) *\n"},
        {"label run on", "\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST)X\n"},
        {"text before the line", "x\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
        {"zero byte inside",
         std::string("\n58538 19-02-24 19:53:28 00\0 0 0 727.6 UTC(NIST)\n", 50)},
        {"another layout", "Sun Feb 24 19:53:28 2019\r\n"},
        {"date with slashes", "\n58538 19/02/24 19:53:28 00 0 0 727.6 UTC(NIST) *\n"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Read(c.reply).has_value()) << c.what;
    }
}

// No reply cut short before its label is taken, however it is cut.
TEST(DaytimeReply, RefusesEveryTruncationBeforeTheLabelEnds) {
    const size_t labelEnd = kGoodReply.find("UTC(NIST)") + std::strlen("UTC(NIST)");
    for (size_t length = 0; length < labelEnd; ++length) {
        EXPECT_FALSE(Read(kGoodReply.substr(0, length)).has_value()) << length;
    }
    EXPECT_TRUE(Read(kGoodReply.substr(0, labelEnd)).has_value());
}

// Random damage to a good reply and random bytes: the reader never reads
// outside the buffer (AddressSanitizer watches), never crashes, and what it
// takes is always a valid time.
TEST(DaytimeReply, SurvivesRandomDamage) {
    std::mt19937 random(20240610);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "0123456789 -:.\n\rUTC(NIST)*x";
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string reply = kGoodReply;
        const int damage = 1 + round % 4;
        for (int i = 0; i < damage; ++i) {
            const size_t at = random() % (reply.size() + 1);
            switch (random() % 4) {
                case 0:
                    if (at < reply.size()) reply[at] = alphabet[random() % alphabet.size()];
                    break;
                case 1:
                    reply.insert(at, 1, alphabet[random() % alphabet.size()]);
                    break;
                case 2:
                    if (at < reply.size()) reply.erase(at, 1);
                    break;
                default:
                    reply.resize(at);
                    break;
            }
        }
        const auto utc = Read(reply);
        if (!utc) continue;
        ++accepted;
        EXPECT_GE(utc->month, 1);
        EXPECT_LE(utc->month, 12);
        EXPECT_GE(utc->day, 1);
        EXPECT_LE(utc->day, DaysInMonth(utc->year, utc->month));
        EXPECT_LE(utc->hour, 23);
        EXPECT_LE(utc->minute, 59);
        EXPECT_LE(utc->second, 59);
        EXPECT_LE(utc->milliseconds, 999);
    }
    EXPECT_GT(accepted, 0) << "damage that keeps the layout is still read";

    for (int round = 0; round < 20000; ++round) {
        std::string junk(random() % 129, '\0');
        for (char& c : junk) c = static_cast<char>(byte(random));
        EXPECT_FALSE(Read(junk).has_value());
    }
}

TEST(DaytimeReply, KnowsWhenTheLineIsComplete) {
    const struct {
        std::string bytes;
        bool complete;
    } cases[] = {
        {"", false},
        {"\n", false},
        {"\r\n\n", false},
        {"\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) *", false},
        {"\n58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) * \n", true},
        {"58538 19-02-24 19:53:28 00 0 0 727.6 UTC(NIST) * \r", true},
        {"junk\n", true},
    };
    for (const auto& c : cases) {
        std::vector<char> exact(c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(HoldsCompleteLine(exact.data(), exact.size()), c.complete) << c.bytes;
    }
}

}  // namespace
}  // namespace horalink
