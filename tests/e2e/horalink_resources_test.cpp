// What Horalink.exe carries: its manifest, the clock icon in both sizes, and
// the Chinese dialog template with its caption, size and font.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "horalink_ids.h"
#include "program_driver.h"

namespace {

class HoralinkResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryExA(driver::BesideThisProgram("Horalink.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    // The resource's bytes; empty when it is missing.
    std::string Resource(const wchar_t* type, const wchar_t* name, WORD language) {
        const HRSRC found = FindResourceExW(module_, type, name, language);
        if (!found) return "";
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(data, SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

TEST_F(HoralinkResources, ManifestAsksForAdministratorAndCommonControlsSix) {
    const std::string manifest =
        Resource(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1),
                 MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find(R"(level="requireAdministrator")"), std::string::npos);
    EXPECT_NE(manifest.find("<description>Orvanta Pro Set Time Utility</description>"),
              std::string::npos);
    EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
              std::string::npos);
}

TEST_F(HoralinkResources, ClockIconHasBothSizes) {
    const std::string group =
        Resource(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, MAKEINTRESOURCEW(IDI_CLOCK),
                 MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ASSERT_GE(group.size(), 6u);
    const size_t count = static_cast<uint8_t>(group[4]);
    ASSERT_EQ(group.size(), 6 + 14 * count);
    std::string sizes;
    for (size_t i = 0; i < count; ++i) sizes += std::to_string(uint8_t(group[6 + 14 * i])) + " ";
    EXPECT_EQ(sizes, "32 16 ");
}

// Reads a DLGTEMPLATEEX header as the dialog manager does.
class TemplateReader {
  public:
    explicit TemplateReader(const std::string& bytes) : bytes_(bytes) {}
    template <class T>
    T Take() {
        T value{};
        if (at_ + sizeof value <= bytes_.size())
            std::memcpy(&value, bytes_.data() + at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    std::wstring Text() {
        std::wstring text;
        for (wchar_t c = Take<wchar_t>(); c != 0 && at_ <= bytes_.size(); c = Take<wchar_t>()) {
            text += c;
        }
        return text;
    }
    // A name or an ordinal, as menu and class are given.
    void SkipNameOrOrdinal() {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF) {
            Take<WORD>();
        } else if (first != 0) {
            Text();
        }
    }

  private:
    const std::string& bytes_;
    size_t at_ = 0;
};

TEST_F(HoralinkResources, DialogTemplateIsChineseInEightPointTahoma) {
    const std::string dialog = Resource(MAKEINTRESOURCEW(5) /* RT_DIALOG */, L"HORALINK",
                                        MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ASSERT_FALSE(dialog.empty()) << "a Chinese dialog resource";
    TemplateReader reader(dialog);
    EXPECT_EQ(reader.Take<WORD>(), 1) << "DLGTEMPLATEEX";
    EXPECT_EQ(reader.Take<WORD>(), 0xFFFF);
    reader.Take<DWORD>();  // help id
    reader.Take<DWORD>();  // extended style
    const DWORD style = reader.Take<DWORD>();
    const DWORD required = DS_MODALFRAME | DS_CENTER | DS_SETFOREGROUND | DS_SYSMODAL | DS_SETFONT |
                           WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(style & required, required);
    reader.Take<WORD>();   // control count
    reader.Take<short>();  // x
    reader.Take<short>();  // y
    EXPECT_EQ(reader.Take<short>(), 275);
    EXPECT_EQ(reader.Take<short>(), 263);
    reader.SkipNameOrOrdinal();  // menu
    reader.SkipNameOrOrdinal();  // class
    EXPECT_EQ(reader.Text(), L"Orvanta Pro Horalink");
    EXPECT_EQ(reader.Take<WORD>(), 8) << "point size";
    reader.Take<WORD>();  // weight
    reader.Take<BYTE>();  // italic
    reader.Take<BYTE>();  // character set
    EXPECT_EQ(reader.Text(), L"Tahoma");
}

}  // namespace
