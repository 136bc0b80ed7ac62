#include "tests/support/fake_form.h"

#include "commands/window_commands.h"
#include "platform/window.h"
#include "res/resource_ids.h"

FakeForm::FakeForm(std::uint32_t historyLimit) {
    state.form = {AsWindow(main),    AsWindow(name),     AsWindow(clan),
                  AsWindow(kill),    AsWindow(death),    AsWindow(kdResult),
                  AsWindow(plusOne), AsWindow(minusOne), AsWindow(average)};
    state.history = KdHistory(historyLimit);
    kill.onTextSet = [this] {
        ++recalculations;
        RunCommand(state, IDC_KILL, kEditUpdate);
    };
    death.onTextSet = [this] {
        ++recalculations;
        RunCommand(state, IDC_DEATH, kEditUpdate);
    };
}
