#include "kd/result_texts.h"

#include "kd/number_format.h"

std::string KdResultText(double percent) {
    return FormatFixed(percent, 0) + "%   (" + FormatFixed(percent, 3) + "%)";
}

std::string AverageText(double average) {
    return FormatFixed(average, 3);
}
