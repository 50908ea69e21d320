// The worked solution on paper: PDFs written to a scratch folder and read
// back with poppler's pdftotext and pdfinfo, which must be installed.

#include <algorithm>

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cell_rows.h"
#include "rowsweep/document/exercise_sheet.h"
#include "rowsweep/document/paper.h"
#include "rowsweep/document/worked_document.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/worked_outline.h"
#include "scoped_environment.h"

namespace rowsweep::steps::testing {
namespace {

using document::documentTitle;
using document::paperFor;
using document::writeWorkedSolutionPdf;

const QDate kDate{2026, 12, 8};
constexpr double kMarginPoints = 20 / 25.4 * 72;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed: " << process.errorString().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One PDF of a worked solution, and what poppler reads from it.
class Pdf {
public:
    Pdf(const WorkedSolution& solution, QPageSize::PageSizeId paper)
    {
        QFile file(path_);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && writeWorkedSolutionPdf(solution, file, QPageSize(paper), kDate));
    }

    [[nodiscard]] QString info() const { return run(QStringLiteral("pdfinfo"), {path_}); }
    // In the order it was drawn: row by row, column by column; a form
    // feed ends each page.
    [[nodiscard]] QString text() const
    {
        return run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path_, QStringLiteral("-")});
    }

    void expectWithinTheMargins() const
    {
        const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path_, QStringLiteral("-")});
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"")).match(html);
        const double width = page.captured(1).toDouble();
        const double height = page.captured(2).toDouble();
        int words = 0;
        const QRegularExpression word(QStringLiteral(
            "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*)</word>"));
        for (auto it = word.globalMatch(html); it.hasNext(); ++words) {
            const QRegularExpressionMatch match = it.next();
            const std::string shown = match.captured(5).toStdString();
            EXPECT_GE(match.captured(1).toDouble(), kMarginPoints - 1) << shown;
            EXPECT_GE(match.captured(2).toDouble(), kMarginPoints - 1) << shown;
            EXPECT_LE(match.captured(3).toDouble(), width - kMarginPoints + 1) << shown;
            // A descender may reach a little below the last line's box.
            EXPECT_LE(match.captured(4).toDouble(), height - kMarginPoints + 3) << shown;
        }
        EXPECT_GT(words, 0);
    }

private:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("steps.pdf"));
};

Rows filled(const char* value)
{
    Rows rows{};
    for (auto& row : rows)
        row.fill(value);
    return rows;
}

// Every word of Copy All Steps, in its order after the title and the date,
// within the margins of the paper asked for: the sample, a warning with a
// cell that is not a number, a matrix set smaller, and the same on paper so
// narrow that its values are wrapped even at the smallest size.
TEST(WorkedDocument, HoldsTheCopiedStepsAsRealTextWithinThePage)
{
    Rows marked = rowsweep::testing::worked::kLastRowFirst;  // raises the warning
    marked[0][4] = "x";
    for (const auto& [solution, paper, size, wrapped] : {
             std::tuple{solveRows(rowsweep::testing::kSampleInput), QPageSize::A4, "595 x 842 pts (A4)", false},
             std::tuple{solveRows(marked), QPageSize::Letter, "612 x 792 pts (letter)", false},
             std::tuple{solveRows(filled("-1.23456789012345e-300")), QPageSize::A4, "(A4)", false},
             std::tuple{solveRows(filled("-1.23456789012345e-300")), QPageSize::A6, "297 x 420 pts", true},
             // A step taller than a page is broken between its lines.
             std::tuple{solveRows(filled("-1.23456789012345e-300")), QPageSize::A7, "pts", true}}) {
        const Pdf pdf(solution, paper);
        EXPECT_TRUE(pdf.info().contains(QRegularExpression(QStringLiteral("Title: +Rowsweep: worked solution\n"))));
        EXPECT_TRUE(pdf.info().contains(QString::fromLatin1(size))) << pdf.info().toStdString();
        pdf.expectWithinTheMargins();
        // Wrapped values come out of the page interleaved line by line:
        // there, which digits there are is compared, not their order.
        const auto kept = [wrapped = wrapped](const QString& text) {
            if (!wrapped)
                return text.split(QRegularExpression(QStringLiteral("[\\s|]+")), Qt::SkipEmptyParts).join(u'\n');
            QString digits = QString(text).remove(QRegularExpression(QStringLiteral("\\D")));
            std::sort(digits.begin(), digits.end());
            return digits;
        };
        EXPECT_EQ(kept(pdf.text()), kept(documentTitle() + u'\n' + document::desktopLocale(document::LocaleCategory::Time).toString(kDate, QLocale::LongFormat) + u'\n'
                                         + workedSolutionText(solution)));
    }
}

// A page starts with a step's name, never inside a step: its operations
// stay with its matrix, and the three rows of a matrix together.
TEST(WorkedDocument, BreaksPagesOnlyBetweenSteps)
{
    const WorkedOutline outline = workedOutline(solveRows(rowsweep::testing::kSampleInput));
    QStringList titles{outline.solutionTitle};
    for (const auto* steps : {&outline.steps, &outline.continuation})
        for (const WrittenStep& step : *steps)
            titles << step.title;
    const QStringList pages = Pdf(solveRows(rowsweep::testing::kSampleInput), QPageSize::A6).text().split(u'\f');
    ASSERT_EQ(pages.size(), 4) << "three pages, each ended by a form feed";
    for (const int page : {1, 2})
        EXPECT_TRUE(titles.contains(pages[page].section(u'\n', 0, 0))) << pages[page].toStdString();
}

// Paper and date follow the desktop's LC_PAPER and LC_TIME, each behind
// LC_ALL and before LANG, whatever language the program speaks.
TEST(WorkedDocument, PaperAndDateFollowTheDesktopsLocaleCategories)
{
    const char* const us = "en_US.UTF-8";
    const char* const gb = "en_GB.UTF-8";
    const struct {
        const char* all;
        const char* paper;
        const char* time;
        const char* lang;
        QPageSize::PageSizeId size;
        const char* date;
    } cases[] = {
        {nullptr, nullptr, nullptr, us, QPageSize::Letter, "Tuesday, December 8, 2026"},
        {nullptr, nullptr, nullptr, gb, QPageSize::A4, "Tuesday, 8 December 2026"},
        {nullptr, us, gb, gb, QPageSize::Letter, "Tuesday, 8 December 2026"},
        {nullptr, gb, us, "", QPageSize::A4, "Tuesday, December 8, 2026"},
        {gb, us, us, us, QPageSize::A4, "Tuesday, 8 December 2026"},
        {"", "", us, gb, QPageSize::A4, "Tuesday, December 8, 2026"},
        {"C", us, us, us, QPageSize::A4, "Tuesday, 8 December 2026"},
        {nullptr, "es_MX.UTF-8", "de_DE.UTF-8@euro", us, QPageSize::Letter, "Dienstag, 8. Dezember 2026"},
    };
    for (const auto& c : cases) {
        const rowsweep::testing::ScopedEnvironment environment{
            {"LC_ALL", c.all}, {"LC_PAPER", c.paper}, {"LC_TIME", c.time}, {"LANG", c.lang}};
        EXPECT_EQ(document::desktopPaper().id(), c.size) << c.paper;
        const QString date = document::desktopLocale(document::LocaleCategory::Time).toString(kDate, QLocale::LongFormat);
        EXPECT_EQ(date, QString::fromUtf8(c.date)) << c.time;
    }
    // A few territories of each side; the C library's locale data decides.
    for (const auto& [locale, paper] :
         {std::pair{"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"es_MX", QPageSize::Letter},
          {"fil_PH", QPageSize::Letter}, {"es_CL", QPageSize::Letter}, {"es_PR", QPageSize::Letter},
          {"en_GB", QPageSize::A4}, {"de_DE", QPageSize::A4}, {"es_ES", QPageSize::A4}, {"es_AR", QPageSize::A4},
          {"en_AU", QPageSize::A4}, {"C", QPageSize::A4}})
        EXPECT_EQ(paperFor(QLocale(QString::fromLatin1(locale))).id(), paper) << locale;
}

// An exercise on a sheet: a row left empty is no equation, and a column
// left empty no unknown of the matrix; an empty cell in use is 0.
TEST(SheetExercise, ShowsTheRowsAndColumnsInUse)
{
    const Rows typed{{{"2", "1", "-1", "", "", "8"}, {"", "", "", "", "", " "}, {"-3", "", "2", "", "", "-11"}}};
    const document::SheetExercise exercise =
        document::sheetExercise(QStringLiteral("Exercise 7"), cellTexts(typed), solveRows(typed, Arithmetic::Exact));
    EXPECT_EQ(exercise.equations, QStringList({"2x1 + x2 \u2212 x3 = 8", "\u22123x1 + 2x3 = \u221211"}));
    EXPECT_EQ(exercise.matrix, (std::vector<QStringList>{{"2", "1", "-1", "8"}, {"-3", "0", "2", "-11"}}));
}

}  // namespace
}  // namespace rowsweep::steps::testing
