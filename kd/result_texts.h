#pragma once

#include <string>

// The texts of the result boxes.

// The K/D box: the percentage with no decimals and with three ("50%   (50.000%)").
std::string KdResultText(double percent);

// The average box: three decimals.
std::string AverageText(double average);
