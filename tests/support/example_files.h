#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Where the program keeps its data file, and where the game keeps its log.
inline constexpr const char* kDataFile = "kddata.ioy";
inline constexpr const char* kGameLogPath = R"(C:\Nexon\SuddenAttack\error.log)";

// A data file as the program writes it: three values, the last saved with 12 kills and
// 8 deaths.
inline constexpr std::string_view kExampleDataFile =
    "[Info Of You]\r\n"
    "NAME = Taro\r\n"
    "CLAN = Alpha\r\n"
    "K = 0 D = 0 K/D = 55.000\r\n"
    "K = 0 D = 0 K/D = 57.500\r\n"
    "K = 12 D = 8 K/D = 60.000\r\n";

// A game log holding one nickname, one kill count and one death count.
inline constexpr std::string_view kExampleGameLog =
    "[20:14:03] match ended\r\n"
    "\tNick: Player01\r\n"
    "\tKill: 10\r\n"
    "\tDeath: 5\r\n";

// A file of binary bytes: every byte value once, in order.
inline std::string EveryByteValueOnce() {
    std::string bytes;
    for (int value = 0; value < 256; ++value) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

// `text` written `times` times in a row: long names of many-byte characters.
inline std::string Repeated(std::string_view text, std::size_t times) {
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}
