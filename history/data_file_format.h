#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// kddata.ioy, as text:
//   [Info Of You]
//   NAME = <name>
//   CLAN = <clan>
//   K = 0 D = 0 K/D = 55.000     one line for each earlier value, the newest 99 at most
//   K = 12 D = 8 K/D = 60.000    the counts at the moment of saving, and their percentage
// Every line ends with CR LF; a bare LF or CR CR LF reads the same, and so does a bare CR in a
// file whose lines end mostly in bare CRs. A CR elsewhere is part of its line. The name and the
// clan are in the system's ANSI code page, or in UTF-8 when the file begins with the byte order
// mark below.

// The data file's name, in the working folder or beside the program.
inline constexpr std::string_view kDataFileName = "kddata.ioy";

inline constexpr std::size_t kEarlierValuesKept = 99;

// The name and the clan each keep at most this many bytes, in whole characters.
inline constexpr std::size_t kNameByteLimit = 254;

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The bytes up to the end of their last whole line, line break included.
std::string_view WholeLines(std::string_view bytes);

// What a data file holds, as far as it could be read.
struct DataFileContents {
    std::string name;
    std::string clan;
    std::vector<double> values;  // oldest first; finite values only
    std::optional<std::int32_t> kills;
    std::optional<std::int32_t> deaths;

    bool operator==(const DataFileContents&) const = default;
};

// Reads what it can and never fails. A file that is nothing but "[Info Of You]" without a line
// break gives nothing at all. The name and the clan come back whole, blanks included; a missing
// one is empty. A history line without a readable, finite K/D value adds no value; the kill and
// death counts are those of the last line that carries them.
std::optional<DataFileContents> ParseDataFile(std::string_view bytes);

// The whole file. `earlierValues` are the values before the current one, oldest first.
std::string ComposeDataFile(std::string_view name, std::string_view clan,
                            std::span<const double> earlierValues, std::int32_t kills,
                            std::int32_t deaths, double percent);
