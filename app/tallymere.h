#pragma once

#include "platform/form_controls.h"
#include "res/resource_ids.h"

// The caption of every box that reports on an action.
inline constexpr const char* kMessageBoxCaption = "メッセージボックス";
