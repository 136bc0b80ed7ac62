#pragma once

#include <string_view>

#include "platform/window.h"

// A message box owned by `owner` with one OK button and no icon; returns when it is dismissed.
void ShowMessageBox(Window owner, std::string_view text, std::string_view caption);
