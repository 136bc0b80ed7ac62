#include "gamelog/game_log_import.h"

void ImportGameLog(const FormControls& /*form*/, KdHistory& /*history*/) {}
