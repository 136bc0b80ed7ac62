// The window on the system's ANSI code page, whichever it is: 932 as on a Japanese Windows, or
// another (the test command runs these tests on 1252 too). The program's own texts are tested
// everywhere else, read back through the wide functions; here, what differs between code pages.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32_fonts.h"
#include "platform/win32_wide_text.h"
#include "tests/window/window_test_support.h"

namespace {

constexpr UINT kJapanese = 932;

// The code page the test command means this run to have; 932 unless it says otherwise.
UINT ExpectedCodePage() {
    char value[16] = {};
    if (GetEnvironmentVariableA("TALLYMERE_CODE_PAGE", value, sizeof value) == 0) {
        return kJapanese;
    }
    return static_cast<UINT>(std::stoul(value));
}

TEST(CodePage, IsTheOneThisRunIsFor) {
    EXPECT_EQ(GetACP(), ExpectedCodePage());
}

// Every own text the program draws or shows in its controls, menu and boxes.
const std::wstring kOwnJapanese = WideFromUtf8(
    "名前所属KILL数DEATH数K/D+1%まで-1%平均保存K/Dグラフヘルプバージョン情報メッセージボックス"
    "未入力の項目があります.ファイルのオープンエラー.保存しました。");

// Whether the font selected into the context has a glyph for every character of the text.
bool HasEveryGlyph(HDC context, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(context, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    return std::ranges::none_of(glyphs, [](WORD glyph) { return glyph == 0xFFFF; });
}

class CodePageWindowTest : public FormWindowTest {};

TEST_F(CodePageWindowTest, ControlsKeepTheSystemFontOnlyWhereItHoldsJapanese) {
    Start();
    for (HWND control : ChildControls(window_)) {
        auto* const font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (GetACP() == kJapanese) {
            EXPECT_EQ(font, nullptr) << "the system font, as always";
            continue;
        }
        ASSERT_NE(font, nullptr);
        LOGFONTW chosen{};
        GetObjectW(font, sizeof chosen, &chosen);
        EXPECT_EQ(chosen.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(chosen.lfFaceName[0], L'\0') << "the font mapper chooses the face";
    }
}

TEST_F(CodePageWindowTest, PaintedTextsAndControlsHaveEveryJapaneseGlyph) {
    Start();
    HDC context = GetDC(window_);
    HFONT font = CreateProgramFont(GetDeviceCaps(context, LOGPIXELSY));
    {
        const FontSelection selection(context, font);
        EXPECT_TRUE(HasEveryGlyph(context, kOwnJapanese));
    }
    DeleteObject(font);
    HGDIOBJ previous = SelectObject(
        context, reinterpret_cast<HGDIOBJ>(SendMessageW(form_.name, WM_GETFONT, 0, 0)));
    if (GetACP() != kJapanese) {
        EXPECT_TRUE(HasEveryGlyph(context, kOwnJapanese)) << "the controls' font";
    }
    SelectObject(context, previous);
    ReleaseDC(window_, context);
}

// Typed as a keyboard with an input method types it: characters, not key codes.
void TypeText(HWND field, const std::string& utf8) {
    SetFocus(field);
    std::vector<INPUT> inputs;
    for (const wchar_t unit : WideFromUtf8(utf8)) {
        INPUT press{};
        press.type = INPUT_KEYBOARD;
        press.ki.wScan = unit;
        press.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT release = press;
        release.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(press);
        inputs.push_back(release);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages();
}

struct NameCase {
    const char* name;  // UTF-8
    const char* clan;
    UINT codePage;
    std::string nameInFile;  // the NAME line's bytes
    bool byteOrderMark;
};

class DataFileNameTest : public FormWindowTest, public testing::WithParamInterface<NameCase> {};

TEST_P(DataFileNameTest, SurvivesSaveAndRestartInTheFileItCan) {
    const NameCase& c = GetParam();
    if (GetACP() != c.codePage) {
        GTEST_SKIP() << "for code page " << c.codePage;
    }
    Start();
    SetForegroundWindow(window_);
    TypeText(form_.name, c.name);
    TypeText(form_.clan, c.clan);
    TypeText(form_.kill, "3");
    TypeText(form_.death, "1");
    ASSERT_EQ(WindowText(form_.name), c.name) << "typed";
    MessageBoxCatcher catcher;
    SendMessageW(form_.save, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_EQ(catcher.Caught().size(), 1U);
    EXPECT_EQ(catcher.Caught()[0].text, "保存しました。");

    const std::string bytes = ReadFileBytes(DataFilePath());
    EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBF"), c.byteOrderMark);
    EXPECT_NE(bytes.find("\r\nNAME = " + c.nameInFile + "\r\n"), std::string::npos) << bytes;

    DestroyWindow(window_);
    PumpMessages();
    Start();
    EXPECT_EQ(WindowText(form_.name), c.name);
    EXPECT_EQ(WindowText(form_.clan), c.clan);
    EXPECT_EQ(WindowText(form_.kill), "3");
}

INSTANTIATE_TEST_SUITE_P(
    Names, DataFileNameTest,
    testing::Values(
        // On a Japanese system the file holds code page 932, as every version wrote it ...
        NameCase{"太郎", "アルファ", kJapanese, "\x91\xBE\x98\x59", false},
        NameCase{"Taro", "Alpha", kJapanese, "Taro", false},
        // ... and UTF-8 where code page 932 has no place for a character.
        NameCase{"Zoë", "Alpha", kJapanese, "Zo\xC3\xAB", true},
        NameCase{"太郎🎯", "Alpha", kJapanese, "\xE5\xA4\xAA\xE9\x83\x8E\xF0\x9F\x8E\xAF", true},
        // On a Western system a Western name stays in code page 1252, a Japanese one is UTF-8.
        NameCase{"Zoë", "Alpha", 1252, "Zo\xEB", false},
        NameCase{"太郎", "アルファ", 1252, "\xE5\xA4\xAA\xE9\x83\x8E", true},
        NameCase{"Zoë", "アルファ", 1252, "Zo\xC3\xAB", true}));

// A name or a clan loaded and left as it was goes back into the file as it came, whatever its
// bytes. Decoded from code page 932 and encoded again, a lead byte alone (as a cut at 254 bytes
// leaves it) and characters that 932 maps to others would change; on every code page, a CR.
TEST_F(CodePageWindowTest, ANameAndClanLeftAsLoadedAreSavedAsTheyCame) {
    const std::string header = GetACP() == kJapanese
                                   ? "[Info Of You]\r\nNAME = Zo\x82\r\nCLAN = \x87\x90\xED\x40\r\n"
                                   : "[Info Of You]\r\nNAME = Ta\rro\r\nCLAN = Al\rpha\r\n";
    WriteFileBytes(DataFilePath(), header + "K = 3 D = 1 K/D = 75.000\r\n");
    Start();
    const MessageBoxCatcher catcher;
    SendMessageW(form_.save, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_TRUE(ReadFileBytes(DataFilePath()).starts_with(header)) << ReadFileBytes(DataFilePath());
}

}  // namespace
