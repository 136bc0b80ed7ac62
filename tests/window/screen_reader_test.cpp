// tallymere.exe as a screen reader meets it: through oleacc and WinEvents, from another process.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <span>
#include <string>
#include <vector>

#include "platform/win32_wide_text.h"
#include "res/resource_ids.h"
#include "tests/support/example_files.h"
#include "tests/window/program_launch.h"
#include "tests/window/window_test_support.h"

namespace {

// IID_IAccessible, written here: the symbol of that name a static link finds is not it.
constexpr IID kAccessibleInterface{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// What a reader says of a control: its name, and " = " its value where it has one.
std::string Heard(HWND control) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                               reinterpret_cast<void**>(&object));
    const auto said = [&](auto property) {
        VARIANT self{};
        self.vt = VT_I4;  // CHILDID_SELF
        BSTR text = nullptr;
        (object->*property)(self, &text);
        const std::string utf8 = text != nullptr ? Utf8FromWide(text) : "";
        SysFreeString(text);
        return utf8;
    };
    const std::string name = said(&IAccessible::get_accName);
    const std::string value = said(&IAccessible::get_accValue);
    object->Release();
    return value.empty() ? name : name + " = " + value;
}

// The main window's accessible children in order, as object navigation meets them.
std::vector<std::string> HeardInOrder(HWND window) {
    std::vector<VARIANT> children(32);
    LONG count = 0;
    IAccessible* client = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                               reinterpret_cast<void**>(&client));
    AccessibleChildren(client, 0, static_cast<LONG>(children.size()), children.data(), &count);
    client->Release();
    std::vector<std::string> heard;
    for (VARIANT& child : std::span(children).first(static_cast<std::size_t>(count))) {
        IAccessible* object = nullptr;
        HWND control = nullptr;
        if (SUCCEEDED(child.pdispVal->QueryInterface(kAccessibleInterface,
                                                     reinterpret_cast<void**>(&object)))) {
            WindowFromAccessibleObject(object, &control);
            object->Release();
        }
        heard.push_back(control != nullptr ? Heard(control) : "(no window)");
        VariantClear(&child);
    }
    return heard;
}

std::vector<HWND> liveRegionChanges;

// Each field by its label, each result after its label as the box shows it; the K/D once for
// each keystroke or import that changes it, however many counts it sets.
TEST(ScreenReader, HearsEachFieldByItsLabelEachResultAfterItAndEachChangeOfTheKdOnce) {
    const std::string folder = EnterFreshWorkingFolder();
    WriteFileBytes(folder + "\\kddata.ioy", kExampleDataFile);  // 12 kills and 8 deaths
    PlaceGameLog(kExampleGameLog);
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    const Form form = FormOf(program.window);
    EXPECT_EQ(HeardInOrder(program.window),
              (std::vector<std::string>{
                  "名前", "名前 = Taro", "所属", "所属 = Alpha", "KILL数", "KILL数 = 12", "DEATH数",
                  "DEATH数 = 8", "K/D", "60%   (60.000%)", "K/D+1%まで", WindowText(form.plusOne),
                  "K/D-1%まで", WindowText(form.minusOne), "平均", "57.500", "保存"}));

    HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
            liveRegionChanges.push_back(window);
        },
        program.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    const auto heard = [&](HWND control, UINT message, WPARAM wParam) {
        liveRegionChanges.clear();
        SendMessageW(control, message, wParam, 0);
        PumpMessages();
        return liveRegionChanges;
    };
    EXPECT_EQ(heard(form.kill, WM_CHAR, '3'), std::vector<HWND>{form.kdResult}) << "a digit";
    EXPECT_EQ(heard(form.name, WM_CHAR, 'x'), std::vector<HWND>{}) << "a letter of the name";
    EXPECT_EQ(heard(program.window, WM_COMMAND, IDC_IMPORT_LOG), std::vector<HWND>{form.kdResult})
        << "F5 sets both counts";
    UnhookWinEvent(hook);
    RemoveGameLog();
    EXPECT_EQ(CloseProgram(program), 0U);
}

}  // namespace
