#include <windows.h>

#include "app/main_window.h"

// The previous instance is not used; the command line is read as Unicode, not from lpCmdLine.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int nShowCmd) {
    if (!RegisterMainWindowClass(hInstance)) {
        return 0;
    }
    HWND window = CreateMainWindow(hInstance, nShowCmd);
    if (window == nullptr) {
        return 0;
    }
    ImportFileFromCommandLine(window);
    return RunMessageLoop(window, hInstance);
}
