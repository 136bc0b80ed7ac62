#include "history/data_file.h"

void LoadDataFile(const FormControls& /*form*/, KdHistory& history) {
    history.Clear();
}

void SaveDataFile(const FormControls& /*form*/, KdHistory& /*history*/) {}
