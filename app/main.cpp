#include <windows.h>

#include "app/main_window.h"

// The previous instance and the command line are not used.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int nShowCmd) {
    if (!RegisterMainWindowClass(hInstance)) {
        return 0;
    }
    if (CreateMainWindow(hInstance, nShowCmd) == nullptr) {
        return 0;
    }
    return RunMessageLoop();
}
