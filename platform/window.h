#pragma once

// A window or control, as the rest of the program holds it: an HWND on Windows, an opaque
// handle for the test stand-in. A null handle belongs to a control that failed to be created;
// every operation on it does nothing.
using Window = void*;
