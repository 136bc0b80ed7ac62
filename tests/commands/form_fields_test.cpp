#include "commands/form_fields.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_form.h"

namespace {

TEST(ReadCountField, SeesOnlyTheFirstTwentyNineCharacters) {
    FakeWindow field{std::string(27, '0') + "123", nullptr};
    EXPECT_EQ(ReadCountField(AsWindow(field)), 12);

    field.text = "152";
    EXPECT_EQ(ReadCountField(AsWindow(field)), 152);
    EXPECT_EQ(ReadCountField(nullptr), 0);
}

TEST(SetCountFields, SetsTheKnownCountsKillsFirstAndLeavesAMissingOneAlone) {
    FakeForm form;
    form.kill.text = "7";
    form.death.text = "9";
    std::vector<std::string> order;
    form.kill.onTextSet = [&] { order.push_back("kill " + form.kill.text); };
    form.death.onTextSet = [&] { order.push_back("death " + form.death.text); };

    SetCountFields(form.controls, 12, std::nullopt);
    EXPECT_EQ(order, std::vector<std::string>{"kill 12"});
    EXPECT_EQ(form.death.text, "9");

    SetCountFields(form.controls, -3, 2147483647);
    EXPECT_EQ(order, (std::vector<std::string>{"kill 12", "kill -3", "death 2147483647"}));
}

}  // namespace
