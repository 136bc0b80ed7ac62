#include <windows.h>

#include "app/main_window.h"
#include "app/running_window.h"
#include "app/start_request.h"

// The previous instance is not used; the command line is read as Unicode, not from lpCmdLine.
// A start whose data file a running window has open leaves it to that window and ends.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int nShowCmd) {
    const StartRequest start = ReadStartRequest();
    if (!ClaimDataFile(start.dataFilePath) && HandOverToRunningWindow(start)) {
        return 0;
    }
    if (!RegisterMainWindowClass(hInstance)) {
        return 0;
    }
    HWND window = CreateMainWindow(hInstance, nShowCmd, &start);
    if (window == nullptr) {
        return 0;
    }
    return RunMessageLoop(window, hInstance);
}
