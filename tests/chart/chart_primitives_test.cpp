#include "chart/chart_primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "chart/chart_scale.h"
#include "tests/support/edge_values.h"
#include "tests/support/random_histories.h"
#include "tests/support/reference_plot.h"

void PrintTo(const RectanglePrimitive& r, std::ostream* os) {
    *os << "Rectangle{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
        << ", outline ink " << static_cast<int>(r.outline) << ", fill ink "
        << static_cast<int>(r.fill) << "}";
}

void PrintTo(const LinePrimitive& l, std::ostream* os) {
    *os << "Line{(" << l.fromX << ", " << l.fromY << ") to (" << l.toX << ", " << l.toY << "), ink "
        << static_cast<int>(l.ink) << "}";
}

void PrintTo(const TextPrimitive& t, std::ostream* os) {
    *os << "Text{(" << t.x << ", " << t.y << ") \"" << t.text << "\", ink "
        << static_cast<int>(t.ink) << "}";
}

namespace {

constexpr ChartScale kFullAxis{0, 10, 2};

// The history line's segments of a plot list: its lines in the history ink.
std::vector<LinePrimitive> SegmentsOf(const std::vector<ChartPrimitive>& plot) {
    std::vector<LinePrimitive> segments;
    for (const ChartPrimitive& primitive : plot) {
        const auto* line = std::get_if<LinePrimitive>(&primitive);
        if (line != nullptr && line->ink == Ink::HistoryLine) {
            segments.push_back(*line);
        }
    }
    return segments;
}

std::vector<LinePrimitive> SegmentsForCount(std::size_t count) {
    const std::vector<double> values(count, 50.0);
    return SegmentsOf(PlotPrimitives(values, ComputeChartScale(values)));
}

using ColumnPair = std::pair<std::int32_t, std::int32_t>;

// The start and end column of every segment of a line through `count` values.
std::vector<ColumnPair> ColumnsOfSegments(std::size_t count) {
    std::vector<ColumnPair> columns;
    SegmentColumns walk(count);
    for (std::size_t segment = 1; segment < count; ++segment) {
        columns.emplace_back(walk.FromX(), walk.ToX());
        walk.Next();
    }
    return columns;
}

// The first segment that ends to the right of where the next one starts.
std::optional<std::size_t> FirstOverlap(const std::vector<LinePrimitive>& segments) {
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        if (segments[i].toX != segments[i + 1].fromX) {
            return i;
        }
    }
    return std::nullopt;
}

LinePrimitive HistorySegment(std::int32_t fromX, std::int32_t fromY, std::int32_t toX,
                             std::int32_t toY) {
    return {fromX, fromY, toX, toY, Ink::HistoryLine};
}

LinePrimitive AverageLine(std::int32_t row) {
    return {273, row, 473, row, Ink::AverageLine};
}

TEST(FramePrimitives, PanelThenPlotAreaThenGridRowsFromTheBottomUp) {
    std::vector<ChartPrimitive> expected{
        RectanglePrimitive{260, 10, 552, 257, Ink::PanelOutline, Ink::Background},
        RectanglePrimitive{273, 40, 473, 240, Ink::PlotOutline, Ink::PlotFill},
    };
    for (const std::int32_t y : {220, 200, 180, 160, 140, 120, 100, 80, 60}) {
        expected.emplace_back(LinePrimitive{273, y, 473, y, Ink::Grid});
    }
    EXPECT_EQ(FramePrimitives(), expected);
}

struct LabelCase {
    std::int32_t lowerBound;
    std::int32_t step;
    std::vector<std::string> bottomToTop;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << "lower bound " << c.lowerBound << ", step " << c.step;
}

// "K/Dグラフ" as UTF-8.
constexpr const char* kTitleUtf8 = "K/D\xE3\x82\xB0\xE3\x83\xA9\xE3\x83\x95";

class LabelPrimitivesTest : public testing::TestWithParam<LabelCase> {};

TEST_P(LabelPrimitivesTest, UnitThenValuesFromTheBottomThenTitle) {
    const LabelCase& c = GetParam();
    std::vector<ChartPrimitive> expected{TextPrimitive{473, 15, "(%)", Ink::AxisLabel}};
    std::int32_t top = 230;
    for (const std::string& text : c.bottomToTop) {
        expected.emplace_back(TextPrimitive{473, top, text, Ink::AxisLabel});
        top -= 20;
    }
    expected.emplace_back(TextPrimitive{273, 10, kTitleUtf8, Ink::Title});
    EXPECT_EQ(LabelPrimitives(c.lowerBound, c.step), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, LabelPrimitivesTest,
    testing::Values(
        LabelCase{0, 10, {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}},
        LabelCase{50, 2, {"50", "52", "54", "56", "58", "60", "62", "64", "66", "68", "70"}},
        LabelCase{-10, 5, {"-10", "-5", "0", "5", "10", "15", "20", "25", "30", "35", "40"}},
        LabelCase{
            100, 1, {"100", "101", "102", "103", "104", "105", "106", "107", "108", "109", "110"}},
        // The labels above the int32 maximum are still written in full.
        LabelCase{
            2147483640,
            1,
            {"2147483640", "2147483641", "2147483642", "2147483643", "2147483644", "2147483645",
             "2147483646", "2147483647", "2147483648", "2147483649", "2147483650"}}));

TEST(LabelPrimitives, TitleIsUtf8) {
    const std::vector<ChartPrimitive> labels = LabelPrimitives(0, 10);
    EXPECT_EQ(std::get<TextPrimitive>(labels.back()).text, kTitleUtf8);
}

struct PlotCase {
    std::vector<double> values;
    ChartScale scale;
    std::vector<LinePrimitive> segments;
    std::int32_t averageRow;
};

void PrintTo(const PlotCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.values);
}

class PlotPrimitivesTest : public testing::TestWithParam<PlotCase> {};

TEST_P(PlotPrimitivesTest, MatchesTheWorkedExample) {
    const PlotCase& c = GetParam();
    const ChartScale scale = ComputeChartScale(c.values);
    EXPECT_EQ(scale.lowerBound, c.scale.lowerBound);
    EXPECT_EQ(scale.labelStep, c.scale.labelStep);
    EXPECT_EQ(scale.pixelsPerPoint, c.scale.pixelsPerPoint);

    std::vector<ChartPrimitive> expected(c.segments.begin(), c.segments.end());
    expected.emplace_back(AverageLine(c.averageRow));
    EXPECT_EQ(PlotPrimitives(c.values, c.scale), expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PlotPrimitivesTest,
    testing::Values(
        PlotCase{{62.5}, {60, 1, 20}, {}, 190},
        PlotCase{{0.0, 100.0}, {0, 10, 2}, {HistorySegment(273, 240, 473, 40)}, 140},
        PlotCase{{50.0, 60.0, 55.5},
                 {50, 2, 10},
                 {HistorySegment(273, 240, 373, 140), HistorySegment(373, 140, 473, 185)},
                 188},
        PlotCase{{40.0, 45.25, 43.0, 47.9},
                 {40, 1, 20},
                 {HistorySegment(273, 240, 339, 135), HistorySegment(339, 135, 406, 180),
                  HistorySegment(406, 180, 473, 82)},
                 159},
        PlotCase{{33.3, 71.4, 55.0, 48.2, 66.7},
                 {30, 5, 4},
                 {HistorySegment(273, 226, 323, 74), HistorySegment(323, 74, 373, 140),
                  HistorySegment(373, 140, 423, 167), HistorySegment(423, 167, 473, 93)},
                 140},
        PlotCase{{100.0, 100.0}, {100, 1, 20}, {HistorySegment(273, 240, 473, 240)}, 240}));

TEST(PlotPrimitives, NoValuesDrawNothing) {
    EXPECT_TRUE(PlotPrimitives(std::span<const double>{}, kFullAxis).empty());
}

// Rows truncate toward zero, which above the window is downward: -0.5 gives 0, -21.5 gives -21.
TEST(PlotPrimitives, RowsAreTruncatedTowardZero) {
    const struct {
        double value;
        std::int32_t row;
    } cases[] = {{10.4, 219}, {120.25, 0}, {130.75, -21}, {-5.25, 250}};
    for (const auto& c : cases) {
        const std::vector<double> values{c.value};
        EXPECT_EQ(PlotPrimitives(values, kFullAxis),
                  std::vector<ChartPrimitive>{AverageLine(c.row)})
            << c.value;
    }
}

TEST(PlotPrimitives, FourValuesCarryTheFractionalSpacing) {
    const std::vector<LinePrimitive> segments = SegmentsForCount(4);
    ASSERT_EQ(segments.size(), 3U);
    EXPECT_EQ(segments[0].fromX, 273);
    EXPECT_EQ(segments[0].toX, 339);
    EXPECT_EQ(segments[1].fromX, 339);
    EXPECT_EQ(segments[1].toX, 406);
    EXPECT_EQ(segments[2].fromX, 406);
    EXPECT_EQ(segments[2].toX, 473);
}

TEST(PlotPrimitives, TwoHundredAndOneValuesGiveOnePixelPerSegment) {
    const std::vector<LinePrimitive> segments = SegmentsForCount(201);
    ASSERT_EQ(segments.size(), 200U);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        ASSERT_EQ(segments[i].fromX, 273 + static_cast<std::int32_t>(i)) << "segment " << i;
        ASSERT_EQ(segments[i].toX, segments[i].fromX + 1) << "segment " << i;
    }
    EXPECT_EQ(segments.back().toX, 473);
}

// Beyond 201 values the start column advances by 0 or 1 from one segment to the next.
TEST(SegmentColumns, EveryHistoryUpToTwelveHundredValuesEndsAtTheRightEdge) {
    for (std::size_t count = 2; count <= 1200; ++count) {
        const std::vector<ColumnPair> columns = ColumnsOfSegments(count);
        ASSERT_EQ(columns.front().first, 273) << count << " values";
        ASSERT_EQ(columns.back().second, 473) << count << " values";
        for (std::size_t i = 1; count > 201 && i < columns.size(); ++i) {
            const std::int32_t advance = columns[i].first - columns[i - 1].first;
            ASSERT_TRUE(advance == 0 || advance == 1) << count << " values, segment " << i;
        }
    }
}

// The end column is truncated from a sum in double, the next start from whole widths alone.
TEST(PlotPrimitives, NineteenValuesAreTheFewestWhereASegmentEndsPastTheNextStart) {
    for (std::size_t count = 2; count < 19; ++count) {
        EXPECT_FALSE(FirstOverlap(SegmentsForCount(count)).has_value()) << count << " values";
    }
    const std::vector<LinePrimitive> segments = SegmentsForCount(19);
    const std::optional<std::size_t> overlap = FirstOverlap(segments);
    ASSERT_TRUE(overlap.has_value());
    // Offset 88 plus the running width 11.999999999999996 rounds to exactly 100 (column 373),
    // while the width's whole part moves the next start only to 372.
    EXPECT_EQ(*overlap, 8U);
    EXPECT_EQ(segments[8].toX, 373);
    EXPECT_EQ(segments[9].fromX, 372);
}

struct NotFiniteCase {
    const char* name;
    std::vector<double> values;
    ChartScale scale;
    std::vector<LinePrimitive> expected;
};

void PrintTo(const NotFiniteCase& c, std::ostream* os) {
    *os << c.name;
}

class NotFinitePlotTest : public testing::TestWithParam<NotFiniteCase> {};

TEST_P(NotFinitePlotTest, LeavesOutEverySegmentThatTouchesIt) {
    const NotFiniteCase& c = GetParam();
    const std::vector<ChartPrimitive> expected(c.expected.begin(), c.expected.end());
    EXPECT_EQ(PlotPrimitives(c.values, c.scale), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, NotFinitePlotTest,
    testing::Values(
        // A provisional point of two zero counts: the average is not a number as well.
        NotFiniteCase{
            "NaNNewest", {50.0, 60.0, kNaN}, {50, 2, 10}, {HistorySegment(273, 240, 373, 140)}},
        NotFiniteCase{
            "NaNOldest", {kNaN, 50.0, 60.0}, {50, 2, 10}, {HistorySegment(373, 240, 473, 140)}},
        NotFiniteCase{"NaNBetween", {50.0, kNaN, 60.0}, {50, 2, 10}, {}},
        NotFiniteCase{"OnlyNaN", {kNaN}, {0, 10, 2}, {}},
        NotFiniteCase{"Infinity",
                      {50.0, kInfinity, 60.0, 40.0},
                      {0, 10, 2},
                      {HistorySegment(406, 120, 473, 160)}},
        NotFiniteCase{"MinusInfinity", {-kInfinity, 50.0}, {0, 10, 2}, {}}),
    [](const testing::TestParamInfo<NotFiniteCase>& testCase) { return testCase.param.name; });

TEST(PlotPrimitives, RowsOfHugeFiniteValuesAreClamped) {
    // The average, 50 / 3, lies within reach.
    const std::vector<double> spread{1e300, -1e300, 50.0};
    EXPECT_EQ(
        PlotPrimitives(spread, {50, 1, 20}),
        (std::vector<ChartPrimitive>{HistorySegment(273, -32768, 373, 32767),
                                     HistorySegment(373, 32767, 473, 240), AverageLine(906)}));

    // Each row overflows to an infinity on the way, the average's sum overflows for good.
    const std::vector<double> largest{DBL_MAX, DBL_MAX};
    EXPECT_EQ(PlotPrimitives(largest, kFullAxis),
              std::vector<ChartPrimitive>{HistorySegment(273, -32768, 473, -32768)});

    const std::vector<double> opposite{-DBL_MAX, DBL_MAX};
    EXPECT_EQ(
        PlotPrimitives(opposite, kFullAxis),
        (std::vector<ChartPrimitive>{HistorySegment(273, 32767, 473, -32768), AverageLine(240)}));
}

// What a plot lights as GDI draws lines: every line that is not vertical as it is, in order, and
// in each column the rows of its vertical lines, each lighting its start row and the rows before
// its end row, merged.
struct LitPixels {
    std::vector<LinePrimitive> notVertical;
    std::map<std::int32_t, std::vector<std::pair<std::int32_t, std::int32_t>>> verticalRows;

    bool operator==(const LitPixels&) const = default;
};

LitPixels LitBy(const std::vector<ChartPrimitive>& plot) {
    LitPixels lit;
    for (const ChartPrimitive& primitive : plot) {
        const auto& line = std::get<LinePrimitive>(primitive);
        if (line.fromX != line.toX) {
            lit.notVertical.push_back(line);
        } else if (line.fromY != line.toY) {
            const std::int32_t lastRow = line.toY > line.fromY ? line.toY - 1 : line.toY + 1;
            lit.verticalRows[line.fromX].emplace_back(std::min(line.fromY, lastRow),
                                                      std::max(line.fromY, lastRow));
        }
    }
    for (auto& [column, rows] : lit.verticalRows) {
        std::sort(rows.begin(), rows.end());
        std::vector<std::pair<std::int32_t, std::int32_t>> merged{rows.front()};
        for (const auto& [top, bottom] : rows) {
            if (top <= merged.back().second + 1) {
                merged.back().second = std::max(merged.back().second, bottom);
            } else {
                merged.emplace_back(top, bottom);
            }
        }
        rows = std::move(merged);
    }
    return lit;
}

// Every count up to 1500 and a few up to a million, on the history's own scale and on the
// narrowest, where rows spread far beyond the window: the same lines across columns (so the
// column walk without fmod is the walk with it) and the same rows lit in each column. A history
// of finite values takes at most four lines a column: its run's, and the segments that leave it
// (two where the end column rounds up before the start column moves).
TEST(PlotPrimitives, LightTheSamePixelsAsOneSegmentPerPairOfValues) {
    RandomHistories random(11);
    std::vector<std::size_t> counts;
    for (std::size_t count = 1; count <= 1500; ++count) {
        counts.push_back(count);
    }
    counts.insert(counts.end(), {4999, 65537, 250000, 1000000});
    for (const std::size_t count : counts) {
        const bool unusual = count % 3 == 0;
        const std::vector<double> values = random.Line(count, unusual);
        for (const ChartScale& scale : {ComputeChartScale(values), ChartScale{50, 1, 20}}) {
            const std::vector<ChartPrimitive> plot = PlotPrimitives(values, scale);
            ASSERT_EQ(LitBy(plot), LitBy(ReferencePlotPrimitives(values, scale)))
                << count << " values, lower bound " << scale.lowerBound;
            ASSERT_TRUE(unusual || plot.size() <= std::min<std::size_t>(count, 4 * 201 + 1))
                << count;
        }
    }
}

struct ColumnRunCase {
    const char* name;
    std::vector<double> firstValues;  // the rest of the 2001 values have no row
};

void PrintTo(const ColumnRunCase& c, std::ostream* os) {
    *os << c.name;
}

class ColumnRunTest : public testing::TestWithParam<ColumnRunCase> {};

// With 2001 values, ten segments share each column: the first values' segments stay in the
// first column, on a scale of 20 rows a point. Their lines stay within the 16-bit rows.
TEST_P(ColumnRunTest, LightsTheRowsOfItsSegmentsWithAtMostTwoLines) {
    std::vector<double> values = GetParam().firstValues;
    values.resize(2001, kNaN);
    constexpr ChartScale kScale{50, 1, 20};
    const std::vector<ChartPrimitive> plot = PlotPrimitives(values, kScale);
    EXPECT_EQ(LitBy(plot), LitBy(ReferencePlotPrimitives(values, kScale)));
    EXPECT_LE(plot.size(), 2U);
    for (const ChartPrimitive& primitive : plot) {
        const auto& line = std::get<LinePrimitive>(primitive);
        for (const std::int32_t row : {line.fromY, line.toY}) {
            EXPECT_TRUE(row >= -32768 && row <= 32767) << row << " is beyond what GDI takes";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ColumnRunTest,
    testing::Values(ColumnRunCase{"EndsUnlitAtTheTop", {50.0, 51.0, 52.0}},
                    ColumnRunCase{"EndsUnlitAtTheBottom", {52.0, 51.0, 50.0}},
                    ColumnRunCase{"EndsLitBetween", {50.0, 52.0, 51.0}},
                    ColumnRunCase{"EndsLitOnAnExtremeLeftBefore", {50.0, 52.0, 50.0, 52.0}},
                    ColumnRunCase{"NeverMoves", {50.0, 50.0, 50.0}},
                    ColumnRunCase{"EndsLitOnTheLastRowOfAll", {-1e300, 50.0, -1e300}},
                    ColumnRunCase{"SplitByAGap", {50.0, 52.0, kNaN, 51.0, 53.0}}),
    [](const testing::TestParamInfo<ColumnRunCase>& testCase) { return testCase.param.name; });

}  // namespace
