#include "tests/support/fake_form.h"

#include "kd/live_recalculate.h"

FakeForm::FakeForm(std::uint32_t historyLimit) : history(historyLimit) {
    controls = {AsWindow(main),    AsWindow(name),     AsWindow(clan),
                AsWindow(kill),    AsWindow(death),    AsWindow(kdResult),
                AsWindow(plusOne), AsWindow(minusOne), AsWindow(average)};
    const auto recalculate = [this] {
        ++recalculations;
        LiveRecalculate(controls, history);
    };
    kill.onTextSet = recalculate;
    death.onTextSet = recalculate;
}
