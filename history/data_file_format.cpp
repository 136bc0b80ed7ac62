#include "history/data_file_format.h"

#include <algorithm>
#include <cmath>

#include "kd/number_format.h"
#include "kd/number_scan.h"

namespace {

constexpr std::string_view kHeader = "[Info Of You]";
constexpr std::string_view kLineEnd = "\r\n";

// Where the line that begins `bytes` ends, and where the next one begins. A line feed ends a
// line, and so does a run of carriage returns, with the line feed that may follow it: CR LF as
// written, CR alone as some editors save, and CR CR LF as a second text-mode write leaves it.
struct LineEnd {
    std::size_t end;
    std::size_t next;
};

LineEnd FindLineEnd(std::string_view bytes) {
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    const auto end =
        static_cast<std::size_t>(std::find_if(bytes.begin(), bytes.end(), isBreak) - bytes.begin());
    std::size_t next = end;
    while (next < bytes.size() && bytes[next] == '\r') {
        ++next;
    }
    if (next < bytes.size() && bytes[next] == '\n') {
        ++next;
    }
    return {end, next};
}

// Hands each line of the file to `take`, in order; a last line without a line break still
// counts. As for a C string, a line ends at a NUL byte.
template <class Take>
void ForEachLine(std::string_view bytes, const Take& take) {
    while (!bytes.empty()) {
        const LineEnd lineEnd = FindLineEnd(bytes);
        const std::string_view line = bytes.substr(0, lineEnd.end);
        take(line.substr(0, line.find('\0')));
        bytes.remove_prefix(lineEnd.next);
    }
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
    const std::optional<double> value = ScanDouble(line, position);
    if (value && std::isfinite(*value)) {
        contents.values.push_back(*value);
    }
}

std::string HistoryLine(std::int32_t kills, std::int32_t deaths, double percent) {
    std::string line = "K = ";
    line += FormatInteger(kills);
    line += " D = ";
    line += FormatInteger(deaths);
    line += " K/D = ";
    line += FormatFixed(percent, 3);
    line += kLineEnd;
    return line;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

}  // namespace

std::string_view Utf8Prefix(std::string_view text, std::size_t byteLimit) {
    if (text.size() <= byteLimit) {
        return text;
    }
    std::size_t end = byteLimit;
    while (end > 0 && IsUtf8Continuation(text[end])) {
        --end;
    }
    return text.substr(0, end);
}

std::optional<DataFileContents> ParseDataFile(std::string_view bytes) {
    if (bytes == kHeader) {
        return std::nullopt;
    }
    DataFileContents contents;
    // The first line is not looked at: any header lets the load go on.
    std::size_t number = 0;
    ForEachLine(bytes, [&](std::string_view line) {
        if (number == 1) {
            contents.name = KeyedText(line, "NAME");
        } else if (number == 2) {
            contents.clan = KeyedText(line, "CLAN");
        } else if (number > 2) {
            ReadHistoryLine(line, contents);
        }
        ++number;
    });
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
