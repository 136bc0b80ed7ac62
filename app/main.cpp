#include <windows.h>

#include "app/main_window.h"
#include "app/running_window.h"
#include "app/start_request.h"
#include "commands/messages.h"
#include "platform/message_box.h"
#include "platform/win32_wide_text.h"

namespace {

// Whether this start goes on to open a window of its own: not while a running program holds its
// data file. That program's window takes the log instead, or the player is told that it does not
// answer.
bool MayOpenWindow(DataFileClaim& claim, const StartRequest& start) {
    if (claim.held) {
        return true;
    }
    switch (HandOverToRunningWindow(claim, start)) {
        case HandOverOutcome::ClaimTaken:
            return true;
        case HandOverOutcome::NoAnswer:
            ShowMessageBox(nullptr, UnansweredDataFileText(Utf8FromWide(start.dataFilePath)),
                           kMessageBoxCaption);
            return false;
        case HandOverOutcome::HandedOver:
            return false;
    }
    return false;
}

}  // namespace

// The previous instance is not used; the command line is read as Unicode, not from lpCmdLine.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int nShowCmd) {
    const StartRequest start = ReadStartRequest();
    DataFileClaim claim = ClaimDataFile(start.dataFilePath);
    if (!MayOpenWindow(claim, start)) {
        return 0;
    }
    if (!RegisterMainWindowClass(hInstance)) {
        return 0;
    }
    HWND window = CreateMainWindow(hInstance, nShowCmd, &start);
    if (window == nullptr) {
        return 0;
    }
    PublishWindow(claim, window);
    return RunMessageLoop(window, hInstance);
}
