// The dialog transparency handlers on a real window with a "t" check box and
// a vertical trackbar, storing through a settings table of their own, as
// either program's dialogs do. Wine ignores alpha on screen, so the window's
// layered attributes are checked instead of pixels.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstddef>

#include "memory_registry.h"
#include "win32_transparency.h"

namespace {

using transparency::Pair;

constexpr int kCheckBox = 100;
constexpr int kTrackbar = 101;

struct Block {
    Pair pair;
};
constexpr settings::SettingRow kRows[] = {
    transparency::TransRow(offsetof(Block, pair), 1),
    transparency::TrackRow(offsetof(Block, pair), 1, 220),
};

struct Layered {
    COLORREF key;
    BYTE alpha;
    DWORD flags;
};

class TransparencyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        dialog = CreateWindowExA(0, "STATIC", "transparency", WS_POPUP | WS_VISIBLE, 10, 10, 200,
                                 200, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, "BUTTON", "t", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, 4,
                        150, 16, 16, dialog, reinterpret_cast<HMENU>(kCheckBox), nullptr, nullptr);
        CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT, 24, 100, 20, 90,
                        dialog, reinterpret_cast<HMENU>(kTrackbar), nullptr, nullptr);
        block.pair = {0, 220};
    }
    void TearDown() override { DestroyWindow(dialog); }

    transparency::PairStore Store() { return {&registry, {kRows, 2}, &block, 1, &block.pair}; }
    transparency::DialogControls Controls() { return {Store(), kCheckBox, kTrackbar}; }

    void StoreValue(const char* name, uint32_t value) {
        registry.keyExists = true;
        registry.values[name] = {reg::ValueType::Dword,
                                 {uint8_t(value), uint8_t(value >> 8), 0, 0}};
    }
    uint32_t Stored(const char* name) {
        const auto& bytes = registry.values.at(name).bytes;
        return bytes[0] | bytes[1] << 8;
    }
    Layered Attributes() {
        Layered layered = {};
        EXPECT_TRUE(
            GetLayeredWindowAttributes(dialog, &layered.key, &layered.alpha, &layered.flags));
        return layered;
    }
    void ExpectTranslucentAt(BYTE alpha) {
        const Layered layered = Attributes();
        EXPECT_EQ(layered.key, RGB(1, 0, 0));
        EXPECT_EQ(layered.alpha, alpha);
        EXPECT_EQ(layered.flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
    }
    void ExpectOpaque() {
        const Layered layered = Attributes();
        EXPECT_EQ(layered.alpha, 255);
        EXPECT_EQ(layered.flags, static_cast<DWORD>(LWA_ALPHA));
    }
    HWND Trackbar() { return GetDlgItem(dialog, kTrackbar); }
    LRESULT TrackbarPosition() { return SendMessageA(Trackbar(), TBM_GETPOS, 0, 0); }
    void Scroll(int code, int thumb = 0) {
        Controls().OnScroll(dialog, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(Trackbar()));
    }

    HWND dialog = nullptr;
    reg::MemoryRegistry registry;
    Block block;
};

TEST_F(TransparencyTest, OpeningAppliesTheStoredPairAndSetsUpTheControls) {
    StoreValue("Trans", 1);
    StoreValue("Track", 200);
    Controls().Open(dialog);
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYERED);
    ExpectTranslucentAt(200);
    EXPECT_EQ(SendMessageA(Trackbar(), TBM_GETRANGEMIN, 0, 0), 175);
    EXPECT_EQ(SendMessageA(Trackbar(), TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_EQ(TrackbarPosition(), 200);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kCheckBox), static_cast<UINT>(BST_CHECKED));
}

TEST_F(TransparencyTest, AnythingButTransOneOpensOpaqueAndUnticked) {
    for (uint32_t trans : {0u, 2u}) {
        StoreValue("Trans", trans);
        StoreValue("Track", 200);
        Controls().Open(dialog);
        ExpectOpaque();
        EXPECT_EQ(IsDlgButtonChecked(dialog, kCheckBox), static_cast<UINT>(BST_UNCHECKED)) << trans;
    }
}

TEST_F(TransparencyTest, TickingTheBoxSwitchesAndStoresTranslucency) {
    Controls().Open(dialog);
    ExpectOpaque();
    SendDlgItemMessageA(dialog, kCheckBox, BM_CLICK, 0, 0);
    Controls().OnCheckBoxClicked(dialog);
    ExpectTranslucentAt(220);
    EXPECT_EQ(Stored("Trans"), 1u);
    EXPECT_EQ(Stored("Track"), 220u);

    SendDlgItemMessageA(dialog, kCheckBox, BM_CLICK, 0, 0);
    Controls().OnCheckBoxClicked(dialog);
    ExpectOpaque();
    EXPECT_EQ(Stored("Trans"), 0u);
}

// Each scroll code either takes a new opacity (from the bar or from the drag)
// or keeps the old one; the pair is applied and stored in every case.
TEST_F(TransparencyTest, ScrollCodesDecideTheOpacity) {
    const struct {
        const char* what;
        int code;
        int thumb;
        uint32_t track;
    } cases[] = {
        {"line up", TB_LINEUP, 0, 190},      {"line down", TB_LINEDOWN, 0, 190},
        {"page up", TB_PAGEUP, 0, 190},      {"page down", TB_PAGEDOWN, 0, 190},
        {"drag", TB_THUMBTRACK, 180, 180},   {"drag past the range", TB_THUMBTRACK, 20, 175},
        {"drag ended", TB_ENDTRACK, 0, 230}, {"thumb released", TB_THUMBPOSITION, 240, 230},
        {"home key", TB_TOP, 0, 230},        {"end key", TB_BOTTOM, 0, 230},
    };
    StoreValue("Trans", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StoreValue("Track", 230);
        Controls().Open(dialog);
        SendMessageA(Trackbar(), TBM_SETPOS, TRUE, 190);  // where the key or click left the thumb
        Scroll(c.code, c.thumb);
        EXPECT_EQ(block.pair.Track, c.track);
        EXPECT_EQ(Stored("Track"), c.track);
        ExpectTranslucentAt(static_cast<BYTE>(c.track));
    }
}

TEST_F(TransparencyTest, WhileOpaqueTheTrackbarStillStoresTheOpacity) {
    Controls().Open(dialog);
    Scroll(TB_THUMBTRACK, 190);
    EXPECT_EQ(Stored("Track"), 190u);
    EXPECT_EQ(TrackbarPosition(), 190);
    ExpectOpaque();
}

TEST_F(TransparencyTest, ScrollsFromOtherControlsAreIgnored) {
    Controls().Open(dialog);
    Controls().OnScroll(dialog, MAKEWPARAM(TB_THUMBTRACK, 190), 0);
    EXPECT_EQ(block.pair.Track, 220u);
    EXPECT_TRUE(registry.values.empty());
}

}  // namespace
