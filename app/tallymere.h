#pragma once

#include "platform/form_controls.h"
#include "res/resource_ids.h"
