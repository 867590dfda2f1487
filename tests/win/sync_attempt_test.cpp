// The synchronisation worker against a fake daytime server on 127.0.0.1.
// Wine accepts a new clock only within half a second of its own, so a reply
// with the true current time succeeds exactly when the reply is read, the
// delay added and the local time converted correctly for the process's zone.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "fake_daytime_server.h"
#include "sync_attempt.h"

namespace {

using horalink::SyncAttempt;
using horalink::SyncOutcome;
using Behaviour = FakeDaytimeServer::Behaviour;

// Collects the one report an attempt makes.
class ReportBox {
  public:
    ReportBox() : arrived_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~ReportBox() { CloseHandle(arrived_); }

    void Put(SyncOutcome outcome) {
        outcome_ = outcome;
        ++count_;
        SetEvent(arrived_);
    }
    std::optional<SyncOutcome> Wait(DWORD timeoutMs) {
        if (WaitForSingleObject(arrived_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
        return outcome_;
    }
    int Count() const { return count_; }

  private:
    HANDLE arrived_;
    SyncOutcome outcome_ = SyncOutcome::Failed;
    int count_ = 0;
};

class SyncAttemptTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &winsock_), 0);
        server_ = std::make_unique<FakeDaytimeServer>();
        ASSERT_TRUE(server_->Listening());
    }
    void TearDown() override {
        server_.reset();
        WSACleanup();
    }

    std::shared_ptr<SyncAttempt> Start(const sockaddr_in& address) {
        auto box = reports_;
        return SyncAttempt::Start(address, [box](SyncOutcome outcome) { box->Put(outcome); });
    }

    // Long enough for the receive time-out and the clock setting after it.
    static constexpr DWORD kReportDeadlineMs = horalink::kReceiveTimeoutMs + 3000;

    WSADATA winsock_;
    std::unique_ptr<FakeDaytimeServer> server_;
    std::shared_ptr<ReportBox> reports_ = std::make_shared<ReportBox>();
};

TEST_F(SyncAttemptTest, TrueCurrentTimeSetsTheClock) {
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    RecordProperty("zone bias", static_cast<int>(zone.Bias));
    server_->Serve(Behaviour::CurrentTime);
    Start(server_->Address());
    EXPECT_EQ(reports_->Wait(kReportDeadlineMs), SyncOutcome::Synchronised);
}

// The line arrives in two packets and the server keeps the connection open:
// the attempt reads on until the line is whole and does not wait for the close.
TEST_F(SyncAttemptTest, ReadsALineThatComesInPieces) {
    server_->Serve(Behaviour::CurrentTimeInPieces);
    Start(server_->Address());
    EXPECT_EQ(reports_->Wait(kReportDeadlineMs), SyncOutcome::Synchronised);
}

TEST_F(SyncAttemptTest, ServersThatGiveNoUsableTimeFail) {
    const struct {
        const char* what;
        Behaviour behaviour;
        std::string text;
    } cases[] = {
        {"closes without sending", Behaviour::CloseAtOnce, ""},
        {"sends junk", Behaviour::Text, "hello, this is not the time\r\n"},
        {"says its time may be off", Behaviour::Text, FakeDaytimeServer::CurrentTimeLine(2)},
        {"never answers", Behaviour::Hang, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto box = std::make_shared<ReportBox>();
        server_->Serve(c.behaviour, c.text);
        SyncAttempt::Start(server_->Address(), [box](SyncOutcome o) { box->Put(o); });
        EXPECT_EQ(box->Wait(kReportDeadlineMs), SyncOutcome::Failed);
    }
}

TEST_F(SyncAttemptTest, NoServerListeningFails) {
    sockaddr_in address = server_->Address();
    server_.reset();
    Start(address);
    EXPECT_EQ(reports_->Wait(kReportDeadlineMs), SyncOutcome::Failed);
}

// Cancelling closes the connection at once and the attempt stays silent,
// even past the moment its receive would have timed out.
TEST_F(SyncAttemptTest, CancelWhileTheServerHangsEndsSilently) {
    server_->Serve(Behaviour::Hang);
    auto attempt = Start(server_->Address());
    ASSERT_TRUE(server_->WaitForClient(2000));
    attempt->Cancel();
    EXPECT_TRUE(server_->WaitForClientToClose(1000)) << "the socket was closed by the cancel";
    EXPECT_FALSE(reports_->Wait(kReportDeadlineMs).has_value());
    EXPECT_EQ(reports_->Count(), 0);
}

TEST(ResolveServer, TakesAddressesAndNamesOnThePortOfTheDaytimeProtocol) {
    WSADATA winsock;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &winsock), 0);
    for (const char* host : {"127.0.0.1", "localhost"}) {
        const auto address = horalink::ResolveServer(host);
        ASSERT_TRUE(address.has_value()) << host;
        EXPECT_EQ(address->sin_family, AF_INET);
        EXPECT_EQ(ntohl(address->sin_addr.s_addr), INADDR_LOOPBACK) << host;
        EXPECT_EQ(ntohs(address->sin_port), 13);
    }
    EXPECT_FALSE(horalink::ResolveServer("").has_value()) << "nothing selected";
    WSACleanup();
}

// Run by CTest with TZ=Asia/Kolkata beside TrueCurrentTimeSetsTheClock: proves
// the zone really is half an hour off whole hours there.
TEST(ZoneUnderTest, IsTheOneTheTZVariableNames) {
    char tz[64] = {};
    if (GetEnvironmentVariableA("TZ", tz, sizeof tz) == 0 || std::string(tz) != "Asia/Kolkata") {
        GTEST_SKIP() << "only meaningful under TZ=Asia/Kolkata";
    }
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    EXPECT_EQ(zone.Bias, -330);
}

}  // namespace
