// tallymere.exe as a screen reader meets it: through oleacc, from another process.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/win32_wide_text.h"
#include "tests/support/example_files.h"
#include "tests/window/program_launch.h"
#include "tests/window/window_test_support.h"

namespace {

// IID_IAccessible, written here: the symbol of that name a static link finds is not it.
constexpr IID kAccessibleInterface{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// What a reader says of a control: its name and its value.
struct Heard {
    std::string name;
    std::string value;
    bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& heard, std::ostream* os) {
    *os << "\"" << heard.name << "\" = \"" << heard.value << "\"";
}

std::string Text(BSTR text) {
    std::string utf8 = text != nullptr ? Utf8FromWide(text) : "";
    SysFreeString(text);
    return utf8;
}

// The window's client area as oleacc makes it out, for the caller to release; null if none.
IAccessible* ClientOf(HWND window) {
    IAccessible* client = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                               reinterpret_cast<void**>(&client));
    return client;
}

Heard HeardOf(HWND control) {
    IAccessible* object = ClientOf(control);
    if (object == nullptr) {
        return {"(nothing)", ""};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR value = nullptr;
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->Release();
    return {Text(name), Text(value)};
}

// The main window's accessible children in order, as object navigation walks them.
std::vector<Heard> HeardInOrder(HWND window) {
    std::vector<Heard> heard;
    IAccessible* client = ClientOf(window);
    if (client == nullptr) {
        return heard;
    }
    LONG count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(client, 0, count, children.data(), &obtained);
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        HWND control = nullptr;
        IAccessible* object = nullptr;
        if (child.vt == VT_DISPATCH &&
            SUCCEEDED(child.pdispVal->QueryInterface(kAccessibleInterface,
                                                     reinterpret_cast<void**>(&object)))) {
            WindowFromAccessibleObject(object, &control);
            object->Release();
        }
        heard.push_back(HeardOf(control));
        VariantClear(&child);
    }
    client->Release();
    return heard;
}

// The K/D box's text as the form shows it (60% for the example's counts), and what the reader
// hears of the whole window: each field by its label, each result after its label.
TEST(ScreenReader, NamesEachFieldByItsLabelAndReadsEachResultAfterIt) {
    const std::string folder = EnterFreshWorkingFolder();
    WriteFileBytes(folder + "\\kddata.ioy", kExampleDataFile);
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    const Form form = FormOf(program.window);
    ASSERT_EQ(ControlText(form.kdResult), "60%   (60.000%)");
    const std::vector<Heard> expected{
        {"名前", ""},       {"名前", "Taro"},
        {"所属", ""},       {"所属", "Alpha"},
        {"KILL数", ""},     {"KILL数", "12"},
        {"DEATH数", ""},    {"DEATH数", "8"},
        {"K/D", ""},        {ControlText(form.kdResult), ""},
        {"K/D+1%まで", ""}, {ControlText(form.plusOne), ""},
        {"K/D-1%まで", ""}, {ControlText(form.minusOne), ""},
        {"平均", ""},       {ControlText(form.average), ""},
        {"保存", ""},
    };
    EXPECT_EQ(HeardInOrder(program.window), expected);
    EXPECT_EQ(CloseProgram(program), 0U);
}

// The live-region changes raised for the K/D box, received as a screen reader receives them:
// out of context, while this thread takes its messages.
std::vector<HWND>* liveRegionChanges = nullptr;

void CALLBACK RecordLiveRegionChange(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window,
                                     LONG object, LONG child, DWORD /*thread*/, DWORD /*time*/) {
    if (liveRegionChanges != nullptr && object == OBJID_CLIENT && child == CHILDID_SELF) {
        liveRegionChanges->push_back(window);
    }
}

struct Keystroke {
    const char* what;
    HWND Form::*control;
    wchar_t character;
    std::size_t changes;  // since the keystroke before
};

// One event for each change of the K/D, none for a keystroke that leaves it as it was, one for
// an import that sets both counts.
TEST(ScreenReader, HearsTheKdOnceForEachChange) {
    const std::string folder = EnterFreshWorkingFolder();
    WriteFileBytes(folder + "\\kddata.ioy", kExampleDataFile);
    PlaceGameLog(kExampleGameLog);
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    const Form form = FormOf(program.window);
    std::vector<HWND> changes;
    liveRegionChanges = &changes;
    HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
        RecordLiveRegionChange, program.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    const auto heard = [&](HWND control, UINT message, WPARAM wParam) {
        changes.clear();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(control, message, wParam, 0, SMTO_NORMAL, 5000, &result);
        PumpMessages();
        return changes;
    };
    const std::vector<HWND> once{form.kdResult};
    for (const Keystroke& key : {Keystroke{"3 before the 12 kills", &Form::kill, L'3', 1},
                                 Keystroke{"0 before the 312 kills", &Form::kill, L'0', 0},
                                 Keystroke{"a letter of the name", &Form::name, L'x', 0}}) {
        SendMessageW(form.*key.control, EM_SETSEL, 0, 0);
        EXPECT_EQ(heard(form.*key.control, WM_CHAR, key.character),
                  std::vector<HWND>(key.changes, form.kdResult))
            << key.what;
    }
    EXPECT_EQ(heard(program.window, WM_COMMAND, MAKEWPARAM(1009, 0)), once)
        << "F5 sets both counts";
    EXPECT_EQ(ControlText(form.kill), "10");
    UnhookWinEvent(hook);
    liveRegionChanges = nullptr;
    RemoveGameLog();
    EXPECT_EQ(CloseProgram(program), 0U);
}

}  // namespace
