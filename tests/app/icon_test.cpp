#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSet>
#include <QString>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QImage loadIcon(int size)
{
    return QImage(QStringLiteral(ROWSWEEP_ICON_DIR "/rowsweep-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

bool near(QRgb pixel, int red, int green, int blue)
{
    return qAlpha(pixel) > 128 && std::abs(qRed(pixel) - red) + std::abs(qGreen(pixel) - green)
                                          + std::abs(qBlue(pixel) - blue) < 60;
}

// The inside of a cell: light blue, or mid blue where a cell is one pixel.
bool isCell(QRgb pixel) { return near(pixel, 0xC9, 0xD6, 0xE8) || near(pixel, 0x5B, 0x82, 0xB8); }
bool isInk(QRgb pixel) { return near(pixel, 0x3A, 0x4A, 0x63); }

using Runs = std::vector<std::pair<int, int>>;  // first and last column

Runs runsIn(const QImage& image, int y, bool (*match)(QRgb), int from, int to)
{
    Runs runs;
    for (int x = from; x <= to; ++x) {
        if (!match(image.pixel(x, y)))
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

class ApplicationIcon : public ::testing::TestWithParam<int> {};

// What a user sees in a menu or a dock: three rows of six cells, and a rule
// between the fifth and the sixth column that no other column has.
TEST_P(ApplicationIcon, ShowsThreeRowsOfSixCellsWithTheSixthSetOff)
{
    const int size = GetParam();
    const QImage image = loadIcon(size);
    ASSERT_EQ(image.size(), QSize(size, size));

    std::vector<std::vector<int>> bands;  // rows that cross six cells, grouped
    Runs columns;
    for (int y = 0; y < size; ++y) {
        const Runs runs = runsIn(image, y, isCell, 0, size - 1);
        if (runs.size() != 6)
            continue;
        if (bands.empty() || bands.back().back() != y - 1)
            bands.emplace_back();
        bands.back().push_back(y);
        columns = runs;
    }
    ASSERT_EQ(bands.size(), 3u) << "rows of cells";
    ASSERT_EQ(columns.size(), 6u);

    // Between two rows of cells only the rule is drawn.
    for (std::size_t band = 0; band + 1 < bands.size(); ++band) {
        const int y = (bands[band].back() + bands[band + 1].front()) / 2;
        const Runs rule = runsIn(image, y, isInk, columns.front().first, columns.back().second);
        ASSERT_EQ(rule.size(), 1u) << "at row " << y;
        EXPECT_GT(rule.front().first, columns[4].second) << "at row " << y;
        EXPECT_LT(rule.front().second, columns[5].first) << "at row " << y;
    }

    // Drawn for its size: every pixel of a small icon is wholly one of the
    // drawing's few colours or wholly transparent, never a blend left by
    // scaling a large picture down.
    if (size == 256)
        return;
    QSet<QRgb> colours;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << "partly transparent at " << x << ", " << y;
            if (qAlpha(pixel) == 255)
                colours.insert(pixel);
        }
    EXPECT_LE(colours.size(), 5) << "colours blended";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ApplicationIcon, ::testing::Values(16, 32, 48, 256));

}  // namespace
