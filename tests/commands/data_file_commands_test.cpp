#include "commands/data_file_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/messages.h"
#include "history/data_file_format.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

class DataFileTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFakeDisk();
        ResetRecording();
    }

    void FillForm(const char* name, const char* clan, const char* kills, const char* deaths) {
        form_.name.text = name;
        form_.clan.text = clan;
        form_.kill.text = kills;
        form_.death.text = deaths;
    }

    [[nodiscard]] std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const RecordedMessageBox& box : RecordedMessageBoxes()) {
            EXPECT_EQ(box.caption, "メッセージボックス");
            EXPECT_EQ(box.owner, form_.controls.main);
            texts.push_back(box.text);
        }
        return texts;
    }

    FakeForm form_;
};

TEST_F(DataFileTest, LoadsTheExampleIntoTheForm) {
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.name.text, "Taro");
    EXPECT_EQ(form_.clan.text, "Alpha");
    EXPECT_EQ(form_.kill.text, "12");
    EXPECT_EQ(form_.death.text, "8");
    EXPECT_EQ(form_.history.Values().size(), 3U);
    EXPECT_EQ(form_.kdResult.text, "60%   (60.000%)");
    // After the two nested recalculations the average is the loaded history's alone.
    EXPECT_EQ(form_.recalculations, 2);
    EXPECT_EQ(form_.average.text, "57.500");
}

TEST_F(DataFileTest, StartsEmptyWithoutAFile) {
    form_.history.Append(1.0);
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.history.Count(), 0U);
    for (const FakeWindow* field :
         {&form_.name, &form_.clan, &form_.kill, &form_.death, &form_.kdResult, &form_.average}) {
        EXPECT_EQ(field->text, "");
    }
    EXPECT_EQ(form_.recalculations, 0);
}

TEST_F(DataFileTest, AFileWithoutHistoryLinesLeavesCountsAndAverageEmpty) {
    FakeDisk()[kDataFile].bytes = "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n";
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.name.text, "Taro");
    EXPECT_EQ(form_.kill.text, "");
    EXPECT_EQ(form_.average.text, "");
    EXPECT_EQ(form_.recalculations, 0);
}

TEST_F(DataFileTest, CountsWithoutAReadableValueLeaveTheAverageEmpty) {
    // The counts run the recalculation, which shows an average with the current percentage;
    // after the load the box holds the loaded values' average, and here there is none.
    FakeDisk()[kDataFile].bytes =
        "[Info Of You]\r\nNAME = A\r\nCLAN = B\r\nK = 3 D = 1 K/D = nan\r\n";
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.kill.text, "3");
    EXPECT_EQ(form_.kdResult.text, "75%   (75.000%)");
    EXPECT_EQ(form_.history.Count(), 0U);
    EXPECT_EQ(form_.average.text, "");
}

TEST_F(DataFileTest, FilesLeftBesideTheDataFileDoNotStopASave) {
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    // What earlier saves that were cut off left behind, under the names a Save tries first.
    FakeDisk()["kddata.ioy.fake.1.saving"] = {"left over", false, true};
    FakeDisk()["kddata.ioy.fake.2.saving"] = {"left over", true, false};
    FillForm("Taro", "Alpha", "12", "8");
    SaveDataFile(form_.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"保存しました。"});
    EXPECT_NE(FakeDisk()[kDataFile].bytes, kExampleDataFile);
    EXPECT_EQ(FakeDisk().size(), 3U) << "the new file took the data file's place";
    EXPECT_EQ(FakeDisk()["kddata.ioy.fake.1.saving"].bytes, "left over");
}

TEST_F(DataFileTest, SavesTheExampleAndAddsThePercentageForGood) {
    form_.history.Append(55.0);
    form_.history.Append(57.5);
    FillForm("Taro", "Alpha", "12", "8");
    SaveDataFile(form_.state);
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
    EXPECT_EQ(form_.history.Values().back(), 60.0);
    EXPECT_EQ(form_.history.Count(), 3U);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"保存しました。"});
    EXPECT_EQ(RecordedInvalidations().size(), 1U) << "the chart is painted with the new value";
    EXPECT_EQ(FakeDisk().size(), 1U) << "nothing is left beside the data file";

    // What was saved comes back at the next start.
    FakeForm next;
    LoadDataFile(next.state);
    EXPECT_EQ(next.name.text, "Taro");
    EXPECT_EQ(next.kill.text, "12");
    EXPECT_EQ(next.average.text, "57.500");
}

TEST_F(DataFileTest, KeepsTheNewest99EarlierValues) {
    for (const int earlier : {98, 99, 100, 150}) {
        ResetFakeDisk();
        FakeForm form;
        for (int i = 0; i < earlier; ++i) {
            form.history.Append(i);
        }
        form.name.text = "A";
        form.clan.text = "B";
        form.kill.text = "1";
        form.death.text = "1";
        SaveDataFile(form.state);
        const std::optional<DataFileContents> saved = ParseDataFile(FakeDisk()[kDataFile].bytes);
        ASSERT_TRUE(saved.has_value());
        const std::size_t kept = std::min(earlier, 99);
        ASSERT_EQ(saved->values.size(), kept + 1) << earlier << " earlier values";
        EXPECT_EQ(saved->values.front(), static_cast<double>(earlier - kept));
        EXPECT_EQ(saved->values.back(), 50.0);
        EXPECT_EQ(form.history.Count(), static_cast<std::uint32_t>(earlier + 1))
            << "the history in memory is not trimmed";
    }
}

struct RefusalCase {
    const char* description;
    const char* name;
    const char* clan;
    const char* kills;
    const char* deaths;
    std::string_view box;
};

class SaveRefusalTest : public DataFileTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SaveRefusalTest, WritesNothingAndKeepsTheHistory) {
    const RefusalCase& c = GetParam();
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    form_.history.Append(40.0);
    FillForm(c.name, c.clan, c.kills, c.deaths);
    SaveDataFile(form_.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{std::string(c.box)});
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
    EXPECT_EQ(form_.history.Count(), 1U);
    EXPECT_TRUE(FileOperationLog().empty());
}

constexpr const char* kEmptyField = "未入力の項目があります.";
constexpr const char* kBothZero = "KILL数とDEATH数が両方とも0のため保存できません.";

INSTANTIATE_TEST_SUITE_P(
    Refusals, SaveRefusalTest,
    testing::Values(RefusalCase{"no name", "", "B", "1", "1", kEmptyField},
                    RefusalCase{"no clan", "A", "", "1", "1", kEmptyField},
                    RefusalCase{"no kills", "A", "B", "", "1", kEmptyField},
                    RefusalCase{"no deaths", "A", "B", "1", "", kEmptyField},
                    RefusalCase{"both counts 0", "A", "B", "0", "0", kBothZero},
                    RefusalCase{"no number in either", "A", "B", "abc", "x", kBothZero},
                    RefusalCase{"negative kills", "A", "B", "-5", "3", kNegativeCountText},
                    RefusalCase{"negative deaths", "A", "B", "5", "-2147483649",
                                kNegativeCountText}));

// The tests' ANSI code page is Latin-1 (tests/support/fake_text_encoding.h): "ë" has a place in
// it, Japanese and emoji have none.
struct EncodingCase {
    const char* description;
    std::string name;
    std::string clan;
    std::string nameInFile;  // the NAME line's text, as bytes
    bool byteOrderMark;
    std::string nameLoaded;  // what NameField shows after a restart
};

class DataFileEncodingTest : public DataFileTest,
                             public testing::WithParamInterface<EncodingCase> {};

TEST_P(DataFileEncodingTest, WritesTheAnsiCodePageWhereItCanAndUtf8WhereItCannot) {
    const EncodingCase& c = GetParam();
    SCOPED_TRACE(c.description);
    FillForm(c.name.c_str(), c.clan.c_str(), "3", "1");
    SaveDataFile(form_.state);
    const std::string& bytes = FakeDisk()[kDataFile].bytes;
    EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBF"), c.byteOrderMark);
    EXPECT_NE(bytes.find("\r\nNAME = " + c.nameInFile + "\r\n"), std::string::npos);

    FakeForm restarted;
    LoadDataFile(restarted.state);
    EXPECT_EQ(restarted.name.text, c.nameLoaded);
    EXPECT_EQ(restarted.clan.text, c.clan);
    EXPECT_EQ(restarted.kill.text, "3");
}

const std::string kTaro = "\xE5\xA4\xAA\xE9\x83\x8E";  // 太郎, 3 bytes a character in UTF-8

INSTANTIATE_TEST_SUITE_P(
    Names, DataFileEncodingTest,
    testing::Values(EncodingCase{"ascii", "Taro", "Alpha", "Taro", false, "Taro"},
                    EncodingCase{"latin", "Zo\xC3\xAB", "Alpha", "Zo\xEB", false, "Zo\xC3\xAB"},
                    EncodingCase{"japanese", kTaro, "Alpha", kTaro, true, kTaro},
                    EncodingCase{"japanese clan", "Zo\xC3\xAB", kTaro, "Zo\xC3\xAB", true,
                                 "Zo\xC3\xAB"},
                    EncodingCase{"emoji", "\xF0\x9F\x8E\xAF", "Alpha", "\xF0\x9F\x8E\xAF", true,
                                 "\xF0\x9F\x8E\xAF"},
                    // 300 Latin-1 characters keep 254 bytes. UTF-8 keeps the characters the code
                    // page would: 254 of 300 Japanese ones (each a "?" there, one byte), not the
                    // 84 whole ones in 254 bytes of UTF-8.
                    EncodingCase{"long latin", std::string(300, 'a'), "B", std::string(254, 'a'),
                                 false, std::string(254, 'a')},
                    EncodingCase{"long japanese", Repeated(kTaro, 150), "B", Repeated(kTaro, 127),
                                 true, Repeated(kTaro, 127)}));

// A name or clan loaded and left as it was is written back as the file held it; a changed one
// as its text. (On Windows a byte that is no character of the code page changes when decoded
// and encoded again; here, bytes that are no UTF-8 behind the mark do.)
struct KeptBytesCase {
    std::string loaded;     // the file's first three lines
    const char* typedClan;  // null: the clan left as loaded
    std::string saved;      // the saved file's first three lines
};

class KeptBytesTest : public DataFileTest, public testing::WithParamInterface<KeptBytesCase> {};

TEST_P(KeptBytesTest, AFieldLeftAsLoadedIsSavedByteForByte) {
    const KeptBytesCase& c = GetParam();
    FakeDisk()[kDataFile].bytes = c.loaded + "K = 3 D = 1 K/D = 75.000\r\n";
    LoadDataFile(form_.state);
    form_.clan.text = c.typedClan != nullptr ? c.typedClan : form_.clan.text;
    SaveDataFile(form_.state);
    EXPECT_TRUE(FakeDisk()[kDataFile].bytes.starts_with(c.saved)) << FakeDisk()[kDataFile].bytes;
}

const std::string kMark = "\xEF\xBB\xBF[Info Of You]\r\n";
const std::string kNoMark = "[Info Of You]\r\n";

INSTANTIATE_TEST_SUITE_P(
    Fields, KeptBytesTest,
    testing::Values(KeptBytesCase{kMark + "NAME = Zo\x82\r\nCLAN = A\xFF\r\n", nullptr,
                                  kMark + "NAME = Zo\x82\r\nCLAN = A\xFF\r\n"},
                    // A file has one encoding: the name unchanged goes in as its text.
                    KeptBytesCase{kNoMark + "NAME = Zo\xEB\r\nCLAN = A\r\n", "\xE5\xA4\xAA",
                                  kMark + "NAME = Zo\xC3\xAB\r\nCLAN = \xE5\xA4\xAA\r\n"}));

TEST_F(DataFileTest, AFileWithoutTheMarkIsReadInTheAnsiCodePage) {
    FakeDisk()[kDataFile].bytes =
        "[Info Of You]\r\nNAME = Zo\xEB\r\nCLAN = \xC0\r\nK = 1 D = 1 K/D = 50\r\n";
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.name.text, "Zo\xC3\xAB");
    EXPECT_EQ(form_.clan.text, "\xC3\x80");
}

TEST_F(DataFileTest, SavesTheCountsTheFormShows) {
    FillForm("A", "B", " 12abc", "x");  // pasted: 12 kills, no deaths
    SaveDataFile(form_.state);
    EXPECT_TRUE(FakeDisk()[kDataFile].bytes.ends_with("K = 12 D = 0 K/D = 100.000\r\n"));
}

TEST_F(DataFileTest, AReadOnlyFileGivesTheOpenErrorAndKeepsItsBytes) {
    FakeDisk()[kDataFile] = {std::string(kExampleDataFile), true, false};
    FillForm("A", "B", "1", "1");
    SaveDataFile(form_.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"ファイルのオープンエラー."});
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
    EXPECT_EQ(form_.history.Count(), 0U);
}

struct FaultCase {
    const char* operation;
    const char* box;
};

class SaveFaultTest : public DataFileTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(SaveFaultTest, KeepsThePreviousFileAndTellsTheTruth) {
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    form_.history.Append(40.0);
    FillForm("A", "B", "3", "1");
    FailFileOperation(GetParam().operation);
    SaveDataFile(form_.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{GetParam().box});
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
    EXPECT_EQ(FakeDisk().size(), 1U) << "the new file beside it is removed";
    EXPECT_EQ(form_.history.Count(), 1U);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveFaultTest,
                         testing::Values(FaultCase{"check", "ファイルのオープンエラー."},
                                         FaultCase{"create", "ファイルのオープンエラー."},
                                         FaultCase{"write", "ファイルの書き込みエラー."},
                                         FaultCase{"flush", "ファイルの書き込みエラー."},
                                         FaultCase{"close", "ファイルの書き込みエラー."},
                                         FaultCase{"move", "ファイルの書き込みエラー."}));

TEST_F(DataFileTest, AFileThatCouldNotBeReadIsNeverReplaced) {
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    FailFileOperation("read");  // the read stops halfway, inside the first history line
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.name.text, "Taro") << "the form shows what was read";
    EXPECT_EQ(form_.clan.text, "Alpha");
    EXPECT_EQ(form_.history.Count(), 0U) << "a line cut off by the failed read is not used";

    ResetFakeDisk();
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    FillForm("A", "B", "1", "1");
    SaveDataFile(form_.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"ファイルのオープンエラー."});
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
}

TEST_F(DataFileTest, AFileWithCarriageReturnsAloneThatCouldNotBeReadShowsItsWholeLines) {
    std::string file(kExampleDataFile);
    std::erase(file, '\n');
    FakeDisk()[kDataFile].bytes = file;
    FailFileOperation("read");  // the read stops halfway, inside the first history line
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.name.text, "Taro");
    EXPECT_EQ(form_.clan.text, "Alpha");
    EXPECT_EQ(form_.history.Count(), 0U);
}

TEST_F(DataFileTest, AFileBeyondWhatTheHistoryHoldsIsLeftAloneAtStart) {
    FakeDisk()[kDataFile].bytes = kExampleDataFile;  // three values
    FakeForm form(2);
    LoadDataFile(form.state);
    EXPECT_EQ(form.history.Count(), 0U);
    EXPECT_EQ(form.name.text, "");

    form.name.text = "A";
    form.clan.text = "B";
    form.kill.text = "1";
    form.death.text = "1";
    SaveDataFile(form.state);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1U);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, "ファイルのオープンエラー.");
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
}

TEST_F(DataFileTest, ALockedFileAtStartIsNotAFreshStart) {
    FakeDisk()[kDataFile] = {std::string(kExampleDataFile), false, true};
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.history.Count(), 0U);
    FakeDisk()[kDataFile].locked = false;  // the backup tool lets go
    FillForm("A", "B", "1", "1");
    SaveDataFile(form_.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"ファイルのオープンエラー."});
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
}

TEST_F(DataFileTest, HugeValuesAreShownAndWrittenBackWhole) {
    FakeDisk()[kDataFile].bytes =
        "h\nNAME = A\nCLAN = B\nK = 0 D = 0 K/D = 1e300\nK = 1 D = 1 K/D = 50\n";
    LoadDataFile(form_.state);
    EXPECT_EQ(form_.average.text.size(), 1U + 299 + 4) << form_.average.text;
    SaveDataFile(form_.state);
    const std::optional<DataFileContents> saved = ParseDataFile(FakeDisk()[kDataFile].bytes);
    ASSERT_TRUE(saved.has_value());
    ASSERT_EQ(saved->values.size(), 3U);
    EXPECT_EQ(saved->values[0], 1e300);
}

}  // namespace
