#include "history/data_file_format.h"

#include <cmath>

#include "kd/number_format.h"
#include "kd/number_scan.h"

namespace {

constexpr std::string_view kHeader = "[Info Of You]";
constexpr std::string_view kLineEnd = "\r\n";

// A history line as the program writes it: "K = 12 D = 8 K/D = 60.000".
constexpr std::string_view kKillsKey = "K = ";
constexpr std::string_view kDeathsKey = " D = ";
constexpr std::string_view kValueKey = " K/D = ";

// Where the line that begins `bytes` ends, and where the next one begins.
struct LineEnd {
    std::size_t end;
    std::size_t next;
};

// A line feed ends a line, and the carriage returns at the line's end belong to its break: CR LF
// as written, and CR CR LF as a second text-mode write leaves it. A CR anywhere else is part of
// the line, as in a name pasted with one. Only a file whose lines end mostly in CRs alone, as old
// editors saved it, ends its lines at each run of CRs instead (with the LF after them, if one
// follows), and at a stray LF as well: one LF among them must not make the file one line.
bool EndsLinesAtCarriageReturns(std::string_view file) {
    std::size_t lineFeeds = 0;
    std::size_t carriageReturnBreaks = 0;  // runs of CRs with no LF after them
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n') {
            ++lineFeeds;
        } else if (file[i] == '\r' &&
                   (i + 1 == file.size() || (file[i + 1] != '\r' && file[i + 1] != '\n'))) {
            ++carriageReturnBreaks;
        }
    }
    return carriageReturnBreaks > lineFeeds;
}

constexpr std::string_view kBreaksAtCarriageReturns = "\r\n";

LineEnd FindLineEnd(std::string_view bytes, bool atCarriageReturns) {
    const std::size_t end =
        atCarriageReturns ? bytes.find_first_of(kBreaksAtCarriageReturns) : bytes.find('\n');
    if (end == std::string_view::npos) {
        return {bytes.size(), bytes.size()};
    }
    std::size_t next = end + 1;
    if (atCarriageReturns && bytes[end] == '\r') {
        while (next < bytes.size() && bytes[next] == '\r') {
            ++next;
        }
        if (next < bytes.size() && bytes[next] == '\n') {
            ++next;
        }
    }
    return {end, next};
}

// The line's text: as for a C string, it ends early at a NUL byte; CRs at its end are part of the
// line break.
std::string_view LineText(std::string_view bytes, const LineEnd& lineEnd) {
    std::string_view line = bytes.substr(0, lineEnd.end);
    line = line.substr(0, line.find('\0'));
    return line.substr(0, line.find_last_not_of('\r') + 1);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The text after "KEY =": as the program writes it ("KEY = " then the text) the text is taken
// whole, leading blanks included; edited by hand, blanks may stand anywhere around the equals
// sign and are skipped.
std::string KeyedText(std::string_view line, std::string_view key) {
    if (line.starts_with(key) && line.substr(key.size()).starts_with(" = ")) {
        return std::string(line.substr(key.size() + 3));
    }
    std::size_t position = 0;
    if (!ScanLiteral(line, position, key) || !ScanLiteral(line, position, "=")) {
        return {};
    }
    while (position < line.size() && IsBlank(line[position])) {
        ++position;
    }
    return std::string(line.substr(position));
}

void TakeValue(double value, DataFileContents& contents) {
    if (std::isfinite(value)) {
        contents.values.push_back(value);
    }
}

// "K = %d D = %d K/D = %lf", each blank matching any white space: the scan stops at the first
// part that does not match, and what matched before it counts.
void ReadHistoryLine(std::string_view line, DataFileContents& contents) {
    std::size_t position = 0;
    if (!ScanLiteral(line, position, "K") || !ScanLiteral(line, position, "=")) {
        return;
    }
    const std::optional<std::int32_t> kills = ScanCount(line, position);
    if (!kills) {
        return;
    }
    contents.kills = kills;
    if (!ScanLiteral(line, position, "D") || !ScanLiteral(line, position, "=")) {
        return;
    }
    const std::optional<std::int32_t> deaths = ScanCount(line, position);
    if (!deaths) {
        return;
    }
    contents.deaths = deaths;
    if (!ScanLiteral(line, position, "K/D") || !ScanLiteral(line, position, "=")) {
        return;
    }
    if (const std::optional<double> value = ScanDouble(line, position)) {
        TakeValue(*value, contents);
    }
}

std::string HistoryLine(std::int32_t kills, std::int32_t deaths, double percent) {
    std::string line(kKillsKey);
    line += FormatInteger(kills);
    line += kDeathsKey;
    line += FormatInteger(deaths);
    line += kValueKey;
    line += FormatFixed(percent, 3);
    line += kLineEnd;
    return line;
}

}  // namespace

std::string_view WholeLines(std::string_view bytes) {
    const std::size_t lastBreak = EndsLinesAtCarriageReturns(bytes)
                                      ? bytes.find_last_of(kBreaksAtCarriageReturns)
                                      : bytes.find_last_of('\n');
    return bytes.substr(0, lastBreak + 1);
}

std::optional<DataFileContents> ParseDataFile(std::string_view bytes) {
    if (bytes == kHeader) {
        return std::nullopt;
    }
    const bool atCarriageReturns = EndsLinesAtCarriageReturns(bytes);
    DataFileContents contents;
    // Room for the values of as many lines as the program could have written, so that a long
    // history is not copied again and again while it grows.
    contents.values.reserve(bytes.size() / HistoryLine(0, 0, 0.0).size());
    // The first line is not looked at: any header lets the load go on. A last line without a
    // line break still counts.
    for (std::size_t number = 0; !bytes.empty(); ++number) {
        const LineEnd lineEnd = FindLineEnd(bytes, atCarriageReturns);
        const std::string_view line = LineText(bytes, lineEnd);
        if (number == 1) {
            contents.name = KeyedText(line, "NAME");
        } else if (number == 2) {
            contents.clan = KeyedText(line, "CLAN");
        } else if (number > 2) {
            ReadHistoryLine(line, contents);
        }
        bytes.remove_prefix(lineEnd.next);
    }
    return contents;
}

std::string ComposeDataFile(std::string_view name, std::string_view clan,
                            std::span<const double> earlierValues, std::int32_t kills,
                            std::int32_t deaths, double percent) {
    std::string file;
    file += kHeader;
    file += kLineEnd;
    file += "NAME = ";
    file += name;
    file += kLineEnd;
    file += "CLAN = ";
    file += clan;
    file += kLineEnd;
    for (const double value : earlierValues) {
        file += HistoryLine(0, 0, value);
    }
    file += HistoryLine(kills, deaths, percent);
    return file;
}
