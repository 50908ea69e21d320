// Whatever lands in a cell, a Solve treats what is not a number as 0 and
// goes on: nothing crashes, and the other cells are unaffected.

#include <QLineEdit>
#include <QLocale>

#include "grids.h"
#include "process_locale.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

struct BadText {
    const char* what;
    QString text;
};

// The grammar of a number is the engine's; these reach it only through a
// cell: the longest text a cell takes, and a digit outside ASCII.
std::vector<BadText> badTexts()
{
    const int longest = QLineEdit().maxLength();
    return {
        {"as many digits as a cell takes", QString(longest, QLatin1Char('9'))},
        {"full-width digits", QStringLiteral("\uff14")},
    };
}

class BadInputTest : public MainWindowTest {
protected:
    // Solves the sample with one text in row 0, column 4, and returns every
    // snapshot and the result.
    std::vector<GridTexts> solveWith(const QString& text)
    {
        fillGrid(*form_, kInputRows, texts(rowsweep::testing::kSampleInput));
        cell(*form_, elementName(kInputRows[0], 4)).setText(text);
        answerBoxes({QMessageBox::Ok});
        click(*form_, names::kSolveButton);
        std::vector<GridTexts> shown{readGrid(*form_, kResultRows)};
        for (const RowNames& rows : kSnapshotRows)
            shown.push_back(readGrid(*form_->solvingWindow().loaded(), rows));
        return shown;
    }
};

TEST_F(BadInputTest, EveryNonNumberCountsAsZero)
{
    const std::vector<GridTexts> asZero = solveWith(QStringLiteral("0"));
    ASSERT_EQ(seenBoxes_.size(), 1u);  // the sample with a 0 there leaves -4 in the third row
    for (const BadText& bad : badTexts()) {
        seenBoxes_.clear();
        EXPECT_EQ(solveWith(bad.text), asZero) << bad.what;
        EXPECT_EQ(seenBoxes_.size(), 1u) << bad.what;
        EXPECT_EQ(cell(*form_, elementName(kInputRows[0], 4)).text(), bad.text) << bad.what << ": the input was altered";
    }
}

TEST_F(BadInputTest, EveryCellFullOfJunkGivesZeros)
{
    const QString junk = QString(QLineEdit().maxLength(), QChar(0x05d0));
    for (const std::string_view row : kInputRows)
        for (int column = 0; column < kColumns; ++column)
            cell(*form_, elementName(row, column)).setText(junk);

    click(*form_, names::kSolveButton);

    EXPECT_TRUE(seenBoxes_.empty());
    EXPECT_EQ(readGrid(*form_, kResultRows), uniform("0"));
}

// A user whose desktop writes numbers with a decimal comma still types
// and reads them with a point; a comma is not a number.
TEST_F(BadInputTest, GermanDesktopStillReadsAndWritesAPoint)
{
    rowsweep::testing::ProcessLocale german(rowsweep::testing::kGermanLocale);
    if (!german.active())
        GTEST_SKIP() << rowsweep::testing::kGermanLocaleMissing;
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    fillGrid(*form_, kInputRows,
             texts({{{"2", "0", "0", "0", "0", "3"}, {"0", "1", "0", "0", "0", "1,5"}, {"0", "0", "0", "0", "0", "0"}}}));
    cell(*form_, elementName(kInputRows[2], 2)).setText("2.5");
    answerBoxes({QMessageBox::Ok});  // the third row holds 2.5
    click(*form_, names::kSolveButton);
    QLocale::setDefault(previous);

    EXPECT_EQ(readGrid(*form_, kResultRows),
              texts({{{"1", "0", "0", "0", "0", "1.5"}, {"0", "1", "0", "0", "0", "0"}, {"0", "0", "2.5", "0", "0", "0"}}}));
}

}  // namespace
}  // namespace rowsweep::ui::testing
