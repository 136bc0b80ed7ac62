// Data files the program did not write, loaded at start as the program loads kddata.ioy: what the
// form then shows, and what the next Save keeps. Each load ends, and none crashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/data_file_commands.h"
#include "commands/messages.h"
#include "history/data_file_format.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

using namespace std::string_literals;

constexpr std::size_t kMegabytes = std::size_t{1} << 20U;
constexpr std::size_t kSavedFieldBytes = 254;

struct Shown {
    std::string name;
    std::string clan;
    std::string kills;
    std::string deaths;
    std::uint32_t values = 0;  // in the history
    std::string average;
};

struct BadFileCase {
    const char* description;
    std::function<std::string()> file;
    Shown shown;
    // The box of a Save right after the load, with any empty field filled in.
    std::string_view saveBox = kSavedText;
};

void PrintTo(const BadFileCase& c, std::ostream* out) {
    *out << c.description;
}

const Shown kNothing{};
const Shown kTheExample{"Taro", "Alpha", "12", "8", 3, "57.500"};

std::string Header() {
    return "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n";
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string MillionHistoryLines() {
    std::string file = Header();
    for (int i = 0; i < 1'000'000; ++i) {
        file += "K = 0 D = 0 K/D = 12.500\r\n";
    }
    return file + "K = 4 D = 5 K/D = 44.444\r\n";
}

std::string LinesOfSeveralMegabytes() {
    return std::string(3 * kMegabytes, '#') + "\r\nNAME = Taro\r\nCLAN = Alpha\r\n" +
           "K = 0 D = 0 K/D = 55." + std::string(3 * kMegabytes, '0') + "\r\n" +
           std::string(3 * kMegabytes, 'x') + "\r\n" +
           "K = 0 D = 0 K/D = " + std::string(3 * kMegabytes, '9') + "\r\n" +
           "K = 12 D = 8 K/D = 60.000\r\n";
}

std::string HistoryFile(std::string_view historyLines) {
    return Header() + std::string(historyLines);
}

class BadDataFileTest : public testing::TestWithParam<BadFileCase> {
protected:
    void SetUp() override {
        ResetFakeDisk();
        ResetRecording();
    }

    void FillEmptyFields() {
        for (FakeWindow* field : {&form_.name, &form_.clan, &form_.kill, &form_.death}) {
            if (field->text.empty()) {
                field->text = "1";
            }
        }
    }

    FakeForm form_;
};

TEST_P(BadDataFileTest, ShowsWhatCouldBeReadAndSaveKeepsIt) {
    const BadFileCase& c = GetParam();
    FakeDisk()[kDataFile].bytes = c.file();
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.name.text, c.shown.name);
    EXPECT_EQ(form_.clan.text, c.shown.clan);
    EXPECT_EQ(form_.kill.text, c.shown.kills);
    EXPECT_EQ(form_.death.text, c.shown.deaths);
    EXPECT_EQ(form_.history.Count(), c.shown.values);
    EXPECT_EQ(form_.average.text, c.shown.average);

    FillEmptyFields();
    const std::string shownName = form_.name.text;
    SaveDataFile(form_.state);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1U);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, c.saveBox);
    EXPECT_EQ(FakeDisk().size(), 1U);
    if (c.saveBox != kSavedText) {
        EXPECT_EQ(FakeDisk()[kDataFile].bytes, c.file()) << "a refused Save keeps the file";
        return;
    }
    const std::optional<DataFileContents> saved = ParseDataFile(FakeDisk()[kDataFile].bytes);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->name, shownName.substr(0, kSavedFieldBytes));
    EXPECT_EQ(saved->values.size(), std::min<std::size_t>(c.shown.values, kEarlierValuesKept) + 1)
        << "the newest 99 values shown are kept, and the current one added";
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, BadDataFileTest,
    testing::Values(
        BadFileCase{"an empty file", [] { return std::string(); }, kNothing},
        BadFileCase{"only the header", [] { return std::string("[Info Of You]\r\n"); }, kNothing},
        BadFileCase{"the header without its line break",
                    [] { return std::string("[Info Of You]"); }, kNothing},
        BadFileCase{"binary: every byte value once", EveryByteValueOnce, kNothing},
        BadFileCase{"binary bytes among the lines",
                    [] {
                        return HistoryFile(
                            "K = 0 D = 0 K/D = 55.000\r\n\x89\xff\xfe\x80\x1b\x7f\x01\r\n"
                            "K = 12 D = 8 K/D = 60.000\r\n");
                    },
                    {"Taro", "Alpha", "12", "8", 2, "57.500"}},
        BadFileCase{"NUL bytes inside lines: each line ends at its first",
                    [] {
                        return "[Info Of You]\r\nNAME = Ta\0ro\r\nCLAN = Al\0pha\r\n"
                               "K = 0 D = 0 K/D = 55.000\0 junk\r\n\0K = 0 D = 0 K/D = 99\r\n"
                               "K = 12 D = 8 K/D = 60.000\r\n"s;
                    },
                    {"Ta", "Al", "12", "8", 2, "57.500"}},
        BadFileCase{"a UTF-8 byte-order mark before the header",
                    [] { return "\xef\xbb\xbf" + std::string(kExampleDataFile); }, kTheExample},
        BadFileCase{"carriage returns alone as line ends",
                    [] { return ReplaceAll(std::string(kExampleDataFile), "\r\n", "\r"); },
                    kTheExample},
        BadFileCase{"line ends doubled by a second text-mode write",
                    [] { return ReplaceAll(std::string(kExampleDataFile), "\r\n", "\r\r\n"); },
                    kTheExample},
        BadFileCase{"lines of several megabytes",
                    LinesOfSeveralMegabytes,
                    {"Taro", "Alpha", "12", "8", 2, "57.500"}},
        BadFileCase{"a million history lines",
                    MillionHistoryLines,
                    {"Taro", "Alpha", "4", "5", 1'000'001, "12.500"}},
        BadFileCase{"values that are no finite number",
                    [] {
                        return HistoryFile(
                            "K = 0 D = 0 K/D = nan\r\nK = 0 D = 0 K/D = inf\r\n"
                            "K = 0 D = 0 K/D = -infinity\r\nK = 0 D = 0 K/D = 1e309\r\n"
                            "K = 1 D = 1 K/D = 50\r\n");
                    },
                    {"Taro", "Alpha", "1", "1", 1, "50.000"}},
        BadFileCase{"the value 1e308",
                    [] { return HistoryFile("K = 1 D = 1 K/D = 1e308\r\n"); },
                    {"Taro", "Alpha", "1", "1", 1, "1" + std::string(308, '0') + ".000"}},
        BadFileCase{
            "two values of 1e308: their sum overflows the average",
            [] { return HistoryFile("K = 0 D = 0 K/D = 1e308\r\nK = 1 D = 1 K/D = 1e308\r\n"); },
            {"Taro", "Alpha", "1", "1", 2, "inf"}},
        BadFileCase{"the value -5",
                    [] { return HistoryFile("K = 1 D = 1 K/D = -5\r\n"); },
                    {"Taro", "Alpha", "1", "1", 1, "-5.000"}},
        BadFileCase{"the count 99999999999, held to 32 bits",
                    [] { return HistoryFile("K = 99999999999 D = 5 K/D = 50\r\n"); },
                    {"Taro", "Alpha", "2147483647", "5", 1, "50.000"}},
        BadFileCase{"the count -2147483649, held to 32 bits; Save asks for a count of 0 or more",
                    [] { return HistoryFile("K = 5 D = -2147483649 K/D = 50\r\n"); },
                    {"Taro", "Alpha", "5", "-2147483648", 1, "50.000"},
                    kNegativeCountText},
        BadFileCase{"a name of 300 bytes: shown whole, saved as far as the field is read",
                    [] { return "h\r\nNAME = " + std::string(300, 'n') + "\r\nCLAN = Alpha\r\n"; },
                    {std::string(300, 'n'), "Alpha", "", "", 0, ""}},
        BadFileCase{"cut off inside the last line: read as far as it goes",
                    [] { return std::string(kExampleDataFile.substr(0, 114)); },
                    {"Taro", "Alpha", "12", "8", 3, "39.500"}}));

}  // namespace
