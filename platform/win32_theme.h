#pragma once

#include "drawing/colour_scheme.h"

// Whether Windows shows a high-contrast theme, and the system's colours.
Theme SystemTheme();
