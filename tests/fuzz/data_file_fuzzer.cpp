// A data file of any bytes, as players hand it over: edited by hand, cut off, or no data file at
// all. What the reader returns must be sound and not depend on how its lines end, the form must
// show exactly that, and whatever a Save writes afterwards must read back as what was shown, less
// only the history it trims.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "commands/data_file_commands.h"
#include "history/data_file_format.h"
#include "kd/kd_arithmetic.h"
#include "kd/number_format.h"
#include "platform/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_text_encoding.h"

namespace {

constexpr const char* kDataFile = "kddata.ioy";

bool FitsOneLine(std::string_view text) {
    return text.find('\n') == std::string_view::npos && text.find('\0') == std::string_view::npos;
}

std::size_t Matches(const std::string& text, const std::regex& pattern) {
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), {}));
}

// Lines ended by CR LF, as the program writes them, read as the same lines ended by LF alone; in
// a file whose lines end mostly in CRs alone (a run of CRs with no LF after it), each run of CRs
// with the LF after it, if any, reads as one LF.
void RequireLineEndsAgree(std::string_view text, const DataFileContents& contents) {
    static const std::regex kCarriageReturnsAlone("\r+(?![\r\n])");
    static const std::regex kLineBreak("\r+\n");
    static const std::regex kAnyCarriageReturnBreak("\r+\n?");
    const std::string file(text);
    const std::size_t lineFeeds = std::ranges::count(file, '\n');
    const bool carriageReturns = Matches(file, kCarriageReturnsAlone) > lineFeeds;
    Require(ParseDataFile(std::regex_replace(
                file, carriageReturns ? kAnyCarriageReturnBreak : kLineBreak, "\n")) == contents,
            "lines ended by CR LF, or by CRs alone, read as the same lines ended by LF");
}

// A value as it comes back from the file: its three-decimal text read by glibc.
double StoredValue(double value) {
    return std::strtod(FormatFixed(value, 3).c_str(), nullptr);
}

void RequireSound(const DataFileContents& contents) {
    Require(std::ranges::all_of(contents.values, [](double v) { return std::isfinite(v); }),
            "every value read is finite");
    Require(FitsOneLine(contents.name) && FitsOneLine(contents.clan),
            "the name and the clan hold no line feed and no NUL");
}

// Written by the program and read again, the contents come back, values to three decimals.
void RequireRoundTrip(const DataFileContents& contents) {
    const double current = 50.0;
    const std::string file =
        ComposeDataFile(contents.name, contents.clan, contents.values, contents.kills.value_or(0),
                        contents.deaths.value_or(0), current);
    const std::optional<DataFileContents> reread = ParseDataFile(file);
    Require(reread.has_value(), "a written file reads");
    Require(reread->name == contents.name && reread->clan == contents.clan,
            "the name and the clan come back whole");
    Require(reread->kills == contents.kills.value_or(0) &&
                reread->deaths == contents.deaths.value_or(0),
            "the counts come back");
    Require(reread->values.size() == contents.values.size() + 1, "every value comes back");
    for (std::size_t i = 0; i < contents.values.size(); ++i) {
        Require(reread->values[i] == StoredValue(contents.values[i]),
                "each value comes back as its three-decimal text");
    }
}

std::string CountText(std::optional<std::int32_t> count) {
    return count ? FormatInteger(*count) : "";
}

// The name or the clan as the form shows it: UTF-8 behind the byte order mark, else the
// system's ANSI code page.
std::string Shown(const std::string& text, bool utf8) {
    return AsWindowKeepsIt(utf8 ? text : DecodeAnsi(text));
}

// Saved and read again, a text comes back whole, or its beginning once it is longer than the
// file keeps.
bool KeptWhole(std::string_view saved, std::string_view shown) {
    return saved == shown || (shown.size() > kNameByteLimit && shown.starts_with(saved));
}

void RequireFormShows(const FakeForm& form, const DataFileContents& contents, bool utf8) {
    Require(form.name.text == Shown(contents.name, utf8) &&
                form.clan.text == Shown(contents.clan, utf8),
            "the form shows the name and the clan read");
    Require(form.kill.text == CountText(contents.kills) &&
                form.death.text == CountText(contents.deaths),
            "the form shows the counts read");
    Require(std::ranges::equal(form.history.Values(), contents.values),
            "the history holds the values read");
}

// A Save either writes what the form shows or leaves the file exactly as it was.
void RequireSaveKeepsOrWrites(FakeForm& form, std::string_view before) {
    const std::uint32_t loaded = form.history.Count();
    ResetRecording();
    SaveDataFile(form.state);
    Require(RecordedMessageBoxes().size() == 1, "a Save always tells its outcome");
    Require(FakeDisk().size() == 1, "nothing is left beside the data file");
    const std::string& after = FakeDisk()[kDataFile].bytes;
    if (RecordedMessageBoxes()[0].text != "保存しました。") {
        Require(after == before && form.history.Count() == loaded,
                "a Save that did not happen changes nothing");
        return;
    }
    const bool utf8 = after.starts_with(kUtf8ByteOrderMark);
    const std::optional<DataFileContents> saved =
        ParseDataFile(std::string_view(after).substr(utf8 ? kUtf8ByteOrderMark.size() : 0));
    Require(saved.has_value(), "a saved file reads");
    Require(KeptWhole(Shown(saved->name, utf8), form.name.text) &&
                KeptWhole(Shown(saved->clan, utf8), form.clan.text),
            "the saved name and clan are the fields' texts");
    const std::size_t kept = std::min<std::size_t>(loaded, kEarlierValuesKept);
    Require(saved->values.size() == kept + 1, "the newest 99 values and the current one");
    Require(saved->kills && saved->deaths &&
                saved->values.back() == StoredValue(KillPercent(*saved->kills, *saved->deaths)),
            "the current line holds the counts and their percentage");
    Require(form.history.Count() == loaded + 1, "the saved percentage joins the history");
}

void RequireLoadAndSave(std::string_view bytes, const DataFileContents& contents, bool utf8) {
    ResetFakeDisk();
    ResetRecording();
    FakeDisk()[kDataFile].bytes = bytes;
    FakeForm form;
    LoadDataFile(form.state);
    RequireFormShows(form, contents, utf8);
    RequireSaveKeepsOrWrites(form, bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = FuzzBytes(data, size).Rest();
    const bool utf8 = bytes.starts_with(kUtf8ByteOrderMark);
    const std::string_view text = bytes.substr(utf8 ? kUtf8ByteOrderMark.size() : 0);
    const std::optional<DataFileContents> contents = ParseDataFile(text);
    Require(contents.has_value() == (text != "[Info Of You]"),
            "only the bare header without a line break gives nothing");
    if (contents) {
        RequireSound(*contents);
        RequireLineEndsAgree(text, *contents);
        RequireRoundTrip(*contents);
        RequireLoadAndSave(bytes, *contents, utf8);
    }
    return 0;
}
