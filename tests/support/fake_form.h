#pragma once

#include <cstdint>

#include "commands/window_state.h"
#include "history/kd_history.h"
#include "tests/support/recording_platform.h"

// The main window and the form's controls as fake windows, wired as the window procedure wires
// them: setting the kill or death field's text runs its EN_UPDATE command at once. The history
// may be given a lower limit than the program's.
struct FakeForm {
    explicit FakeForm(std::uint32_t historyLimit = KdHistory::kMaxCount);
    FakeForm(const FakeForm&) = delete;
    FakeForm& operator=(const FakeForm&) = delete;
    FakeForm(FakeForm&&) = delete;
    FakeForm& operator=(FakeForm&&) = delete;
    ~FakeForm() = default;

    FakeWindow main;
    FakeWindow name;
    FakeWindow clan;
    FakeWindow kill;
    FakeWindow death;
    FakeWindow kdResult;
    FakeWindow plusOne;
    FakeWindow minusOne;
    FakeWindow average;
    WindowState state;
    KdHistory& history = state.history;
    const FormControls& controls = state.form;
    int recalculations = 0;
};
