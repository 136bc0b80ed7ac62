#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

// Every fuzz target defines this; libFuzzer, or the corpus replay of the native build, calls it
// once for each input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Stops the run when a property does not hold, so that libFuzzer keeps the input that broke it.
inline void Require(bool holds, std::string_view property) {
    if (!holds) {
        static_cast<void>(std::fprintf(stderr, "property broken: %.*s\n",
                                       static_cast<int>(property.size()), property.data()));
        std::abort();
    }
}

// The fuzzer's bytes, read from the front: numbers first, the rest as text. Past the end, every
// number reads as zero bytes.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t count = rest_.size() < sizeof(T) ? rest_.size() : sizeof(T);
        std::memcpy(&value, rest_.data(), count);
        rest_.remove_prefix(count);
        return value;
    }

    [[nodiscard]] std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};
