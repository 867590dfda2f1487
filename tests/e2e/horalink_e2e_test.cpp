// The real Horalink.exe, driven as Windows would: started beside (or without)
// the real Orvanta.exe, or by Orvanta's own menu command, its controls
// clicked, its texts read across processes, its settings read from the
// registry.
#include <winsock2.h>
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_daytime_server.h"
#include "horalink_ids.h"
#include "program_driver.h"
#include "server_list.h"
#include "sync_attempt.h"
#include "texts.h"

namespace {

using horalink::kCaption;

constexpr char kHoralink[] = "Horalink.exe";
constexpr DWORD kMessageTimeoutMs = 10000;

std::string HoralinkPath() {
    return driver::BesideThisProgram(kHoralink);
}

// Horalink's dialog, found by its wide caption among the process's windows.
HWND WaitForDialog(const driver::Program& horalink) {
    HWND dialog = nullptr;
    driver::WaitUntil(
        [&] {
            dialog = driver::FindTopWindow(horalink.Id(), nullptr, kCaption);
            return dialog != nullptr;
        },
        kMessageTimeoutMs);
    return dialog;
}

TEST(HoralinkWithoutOrvanta, ShowsTheStartupMessageAndNoDialogAndExitsWithZero) {
    ASSERT_EQ(FindWindowA(driver::kOrvantaClass, nullptr), nullptr) << "no Orvanta is running";
    driver::DeleteSettingsKey();
    driver::Program horalink(HoralinkPath());
    ASSERT_TRUE(horalink.Started());
    const HWND box = driver::WaitForMessageBox(horalink.Id(), nullptr, kMessageTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::MessageBoxText(box).rfind(L"Horalink requires Orvanta Pro", 0), 0u)
        << "the message begins with these words";
    EXPECT_EQ(driver::MessageBoxText(box), horalink::kNeedsOrvanta);
    EXPECT_NE(driver::WindowText(box), kCaption) << "the system's default caption";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(driver::FindVisibleWindow(horalink.Id(), box), nullptr) << "no dialog";
    driver::AnswerOk(box);
    EXPECT_EQ(horalink.WaitForExit(kMessageTimeoutMs), 0u);
    EXPECT_FALSE(driver::GetDword("NISTidx").has_value()) << "nothing was stored";
}

// The real Orvanta runs throughout, started on a clean settings key.
class HoralinkBesideOrvanta : public ::testing::Test {
  protected:
    void SetUp() override {
        driver::DeleteSettingsKey();
        orvanta_.emplace();
        ASSERT_NE(orvanta_->MainWindow(), nullptr);
    }
    void TearDown() override {
        orvanta_.reset();
        driver::DeleteSettingsKey();
    }

    HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(Control(dialog, id), message, wParam, lParam);
    }
    std::wstring ServerEntry(HWND dialog, int index) {
        wchar_t text[256] = {};
        Send(dialog, IDC_SERVERS, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Clicks a button whose handler opens a message box and returns the box.
    HWND ClickForMessage(const driver::Program& horalink, HWND dialog, int id) {
        driver::PostClick(Control(dialog, id));
        return driver::WaitForMessageBox(horalink.Id(), dialog, kMessageTimeoutMs);
    }
    // Wine ignores alpha on screen; the window's attributes show it.
    void ExpectLayered(HWND window, BYTE alpha, DWORD flags) {
        COLORREF key = 0;
        BYTE actualAlpha = 0;
        DWORD actualFlags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &actualAlpha, &actualFlags));
        EXPECT_EQ(key, RGB(1, 0, 0));
        EXPECT_EQ(actualAlpha, alpha);
        EXPECT_EQ(actualFlags, flags);
    }
    // The box goes and the dialog is idle again.
    void ExpectReportedAndIdle(HWND dialog, HWND box, const wchar_t* text) {
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(driver::MessageBoxText(box), text);
        EXPECT_EQ(driver::WindowText(box), kCaption);
        EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
        EXPECT_EQ(driver::WindowText(dialog), kCaption);
        EXPECT_TRUE(IsWindowEnabled(Control(dialog, IDC_SYNC_NOW)));
        EXPECT_TRUE(driver::AnswerOk(box));
    }

    std::optional<driver::Orvanta> orvanta_;
};

TEST_F(HoralinkBesideOrvanta, OpensWithItsServersTheStoredSelectionAndTheTime) {
    const struct {
        const char* what;
        std::optional<DWORD> stored;
        LRESULT selected;
    } cases[] = {
        {"nothing stored", std::nullopt, 0},
        {"a stored server", 5, 5},
        {"an index past the list selects nothing", 40, CB_ERR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        driver::DeleteSettingsKey();
        if (c.stored) driver::SetDword("NISTidx", *c.stored);
        driver::Program horalink(HoralinkPath());
        const HWND dialog = WaitForDialog(horalink);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Send(dialog, IDC_SERVERS, CB_GETCOUNT), 32);
        EXPECT_EQ(Send(dialog, IDC_SERVERS, CB_GETCURSEL), c.selected);
        EXPECT_EQ(ServerEntry(dialog, 0), L"time.nist.gov");
        EXPECT_EQ(ServerEntry(dialog, 31), L"south-america.pool.ntp.org");
        EXPECT_TRUE(driver::WaitUntil(
            [&] {
                return !driver::WindowText(Control(dialog, IDC_TIME)).empty() &&
                       !driver::WindowText(Control(dialog, IDC_DATE)).empty();
            },
            2000))
            << "the time and date show within two seconds";

        driver::PostClick(Control(dialog, IDC_CLOSE));
        EXPECT_EQ(horalink.WaitForExit(kMessageTimeoutMs), 0u);
    }
}

// The dialog's controls, their identifiers and styles, as the template has them.
TEST_F(HoralinkBesideOrvanta, HasEveryControlOfTheDialog) {
    const struct {
        int id;
        const wchar_t* className;
        LONG style;  // these bits must be set
    } controls[] = {
        {IDC_TIME, L"Edit", ES_READONLY},
        {IDC_DATE, L"Edit", ES_READONLY},
        {IDC_SERVERS, L"ComboBox", CBS_SIMPLE},
        {IDC_SYNC_NOW, L"Button", BS_PUSHBUTTON},
        {IDC_CANCEL_SYNC, L"Button", BS_PUSHBUTTON},
        {IDC_TRANSLUCENT, L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE},
        {IDC_OPACITY, L"msctls_trackbar32", TBS_VERT},
        {IDC_CLOSE, L"Button", BS_DEFPUSHBUTTON},
    };
    driver::Program horalink(HoralinkPath());
    const HWND dialog = WaitForDialog(horalink);
    ASSERT_NE(dialog, nullptr);
    for (const auto& c : controls) {
        const HWND control = Control(dialog, c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(driver::ClassName(control), c.className) << c.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & c.style, c.style) << c.id;
    }
    EXPECT_EQ(GetWindowLongW(Control(dialog, IDC_SERVERS), GWL_STYLE) & CBS_SORT, 0)
        << "not sorted";
    for (int edit : {IDC_TIME, IDC_DATE}) {
        // Dialogs draw an edit's border as a client edge.
        EXPECT_TRUE(GetWindowLongW(Control(dialog, edit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << edit;
    }
    EXPECT_EQ(driver::WindowText(Control(dialog, IDC_TRANSLUCENT)), L"t");
    EXPECT_EQ(driver::WindowText(Control(dialog, IDC_CLOSE)), L"关闭(&C)");
}

TEST_F(HoralinkBesideOrvanta, CancelBeforeAnyAttemptSaysSomethingSeemsCancelled) {
    driver::Program horalink(HoralinkPath());
    const HWND dialog = WaitForDialog(horalink);
    ASSERT_NE(dialog, nullptr);
    const HWND box = ClickForMessage(horalink, dialog, IDC_CANCEL_SYNC);
    ExpectReportedAndIdle(dialog, box, horalink::kNothingToCancel);
}

// Every change of the transparency controls stores all three values.
TEST_F(HoralinkBesideOrvanta, TransparencyControlsStoreTheirValues) {
    driver::Program horalink(HoralinkPath());
    const HWND dialog = WaitForDialog(horalink);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Send(dialog, IDC_OPACITY, TBM_GETPOS), 255) << "Horalink's default opacity";

    Send(dialog, IDC_TRANSLUCENT, BM_CLICK);
    EXPECT_EQ(driver::GetDword("Trans"), 1u);
    EXPECT_EQ(driver::GetDword("Track"), 255u);
    EXPECT_EQ(driver::GetDword("NISTidx"), 0u);
    ExpectLayered(dialog, 255, LWA_COLORKEY | LWA_ALPHA);

    // Page Up on the trackbar moves the thumb towards transparent.
    driver::DeleteValue("NISTidx");
    Send(dialog, IDC_OPACITY, WM_KEYDOWN, VK_PRIOR);
    Send(dialog, IDC_OPACITY, WM_KEYUP, VK_PRIOR);
    const LRESULT position = Send(dialog, IDC_OPACITY, TBM_GETPOS);
    EXPECT_LT(position, 255);
    EXPECT_GE(position, 175);
    EXPECT_EQ(driver::GetDword("Track"), static_cast<DWORD>(position));
    EXPECT_EQ(driver::GetDword("Trans"), 1u);
    EXPECT_EQ(driver::GetDword("NISTidx"), 0u) << "stored again with the opacity";
    ExpectLayered(dialog, static_cast<BYTE>(position), LWA_COLORKEY | LWA_ALPHA);

    // The next start opens with what was stored.
    driver::PostClick(Control(dialog, IDC_CLOSE));
    ASSERT_EQ(horalink.WaitForExit(kMessageTimeoutMs), 0u);
    driver::Program again(HoralinkPath());
    const HWND reopened = WaitForDialog(again);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(Send(reopened, IDC_OPACITY, TBM_GETPOS), position);
    EXPECT_EQ(Send(reopened, IDC_TRANSLUCENT, BM_GETCHECK), BST_CHECKED);
}

// A server added to the list and selected; the fake server on the daytime
// port serves the true current time, which Wine accepts as a new clock.
TEST_F(HoralinkBesideOrvanta, SyncWithALocalServerSucceedsAndStoresTheChoice) {
    WSADATA winsock;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &winsock), 0);
    {
        FakeDaytimeServer server(13);
        ASSERT_TRUE(server.Listening()) << "binding port 13 needs root on Linux";
        server.Serve(FakeDaytimeServer::Behaviour::CurrentTime);

        driver::Program horalink(HoralinkPath());
        const HWND dialog = WaitForDialog(horalink);
        ASSERT_NE(dialog, nullptr);
        const LRESULT added =
            Send(dialog, IDC_SERVERS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"127.0.0.1"));
        ASSERT_EQ(added, 32);
        Send(dialog, IDC_SERVERS, CB_SETCURSEL, added);

        HWND box = ClickForMessage(horalink, dialog, IDC_SYNC_NOW);
        ExpectReportedAndIdle(dialog, box, horalink::kSyncSucceeded);
        EXPECT_EQ(driver::GetDword("NISTidx"), 32u);
        EXPECT_EQ(driver::GetDword("Track"), 255u) << "stored with the server";

        // Cancelling after the attempt ended still says it was cancelled.
        box = ClickForMessage(horalink, dialog, IDC_CANCEL_SYNC);
        ExpectReportedAndIdle(dialog, box, horalink::kSyncCancelled);
    }
    WSACleanup();
}

// While an attempt runs the caption says so and sync now is disabled; cancel
// ends it at once, and the attempt never reports, not even after its receive
// would have timed out.
TEST_F(HoralinkBesideOrvanta, CancelEndsARunningAttemptSilently) {
    WSADATA winsock;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &winsock), 0);
    {
        FakeDaytimeServer server(13);
        ASSERT_TRUE(server.Listening()) << "binding port 13 needs root on Linux";
        server.Serve(FakeDaytimeServer::Behaviour::Hang);

        driver::Program horalink(HoralinkPath());
        const HWND dialog = WaitForDialog(horalink);
        ASSERT_NE(dialog, nullptr);
        Send(dialog, IDC_SERVERS, CB_SETCURSEL,
             Send(dialog, IDC_SERVERS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"127.0.0.1")));
        driver::PostClick(Control(dialog, IDC_SYNC_NOW));
        ASSERT_TRUE(server.WaitForClient(kMessageTimeoutMs));
        EXPECT_EQ(driver::WindowText(dialog), horalink::kCaptionWhileSyncing);
        EXPECT_FALSE(IsWindowEnabled(Control(dialog, IDC_SYNC_NOW)));

        const HWND box = ClickForMessage(horalink, dialog, IDC_CANCEL_SYNC);
        EXPECT_TRUE(server.WaitForClientToClose(kMessageTimeoutMs)) << "its socket was closed";
        ExpectReportedAndIdle(dialog, box, horalink::kSyncCancelled);
        EXPECT_EQ(
            driver::WaitForMessageBox(horalink.Id(), dialog, horalink::kReceiveTimeoutMs + 2000),
            nullptr)
            << "no report from the cancelled attempt";
    }
    WSACleanup();
}

// With nothing selected there is no host to look up.
TEST_F(HoralinkBesideOrvanta, SyncWithNothingSelectedSaysTheServerIsUnavailable) {
    driver::SetDword("NISTidx", 40);
    driver::Program horalink(HoralinkPath());
    const HWND dialog = WaitForDialog(horalink);
    ASSERT_NE(dialog, nullptr);
    const HWND box = ClickForMessage(horalink, dialog, IDC_SYNC_NOW);
    ExpectReportedAndIdle(dialog, box, horalink::kServerUnavailable);
    EXPECT_EQ(driver::GetDword("NISTidx"), 0xFFFFFFFFu) << "the empty selection, -1";
}

// Orvanta's "Run Horalink" starts the Horalink beside it, which finds
// Orvanta's window and opens its dialog.
TEST_F(HoralinkBesideOrvanta, OrvantasRunHoralinkCommandOpensTheDialog) {
    ASSERT_EQ(driver::FindProcess(kHoralink), 0u) << "no Horalink before the command";
    PostMessageW(orvanta_->MainWindow(), WM_COMMAND, driver::kRunHoralinkCommand, 0);
    DWORD started = 0;
    ASSERT_TRUE(driver::WaitUntil([&] { return (started = driver::FindProcess(kHoralink)) != 0; },
                                  kMessageTimeoutMs));
    driver::Program horalink(started);
    ASSERT_TRUE(horalink.Started());
    const HWND dialog = WaitForDialog(horalink);
    ASSERT_NE(dialog, nullptr) << "the dialog, not the message that Orvanta is missing";
    EXPECT_EQ(driver::ClassName(dialog), L"#32770");
    EXPECT_TRUE(IsWindowVisible(dialog));
    driver::PostClick(Control(dialog, IDC_CLOSE));
    EXPECT_EQ(horalink.WaitForExit(kMessageTimeoutMs), 0u);
}

}  // namespace
