#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "history/kd_history.h"
#include "tests/support/edge_values.h"

// Histories of every kind a data file, a Save or a lent value can make, and some no program
// makes: repeats, steep jumps, sums that depend on their order, huge values, values beyond the
// int32 range, NaN, infinities and both zeros.
class RandomHistories {
public:
    explicit RandomHistories(std::uint64_t seed) : engine_(seed) {}

    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(engine_);
    }
    double Between(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }

    // Mostly near one another, where the narrow scales' bounds move with the extremes.
    double Value() {
        constexpr double kUnusual[] = {kNaN,   kInfinity,    -kInfinity,    0.0,
                                       -0.0,   1e16,         -1e16,         1e300,
                                       -1e300, 2147483648.0, -2147483649.0, 2147483647.9};
        switch (Below(8)) {
            case 0:
                return kUnusual[Below(std::size(kUnusual))];
            case 1:
                return Between(-20.0, 120.0);
            default:
                return Between(45.0, 61.0);
        }
    }

    // Runs of a percentage repeated or wandering around it, some thousands of values long, with
    // jumps between them; with `unusual`, a Value() between runs now and then.
    std::vector<double> Line(std::size_t count, bool unusual) {
        std::vector<double> values;
        double value = 50.0;
        while (values.size() < count) {
            if (Below(2) == 0) {  // a jump, to 0 or 100 at times
                value = Below(2) == 0 ? Between(0.0, 100.0) : 100.0 * static_cast<double>(Below(2));
            }
            const double wander = Below(2) == 0 ? 0.0 : 0.8;
            for (std::size_t run = 1 + Below(Below(4) == 0 ? 5000 : 20);
                 run > 0 && values.size() < count; --run) {
                values.push_back(value + Between(-wander, wander));
            }
            if (unusual && Below(20) == 0) {
                values.push_back(Value());
            }
        }
        values.resize(count);
        return values;
    }

private:
    std::mt19937_64 engine_;
};
