#include "kd/live_recalculate.h"

void LiveRecalculate(const FormControls& /*form*/, KdHistory& /*history*/) {}
