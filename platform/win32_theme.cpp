#include "platform/win32_theme.h"

#include <windows.h>

Theme SystemTheme() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast,
                                          0) != FALSE &&
                    (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {on,
            {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHT),
             GetSysColor(COLOR_GRAYTEXT)}};
}
