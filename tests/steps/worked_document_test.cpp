// The worked solution on paper: PDFs written to a scratch folder and read
// back with poppler's pdftotext and pdfinfo, which must be installed.

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cell_rows.h"
#include "rowsweep/steps/worked_document.h"
#include "rowsweep/steps/worked_outline.h"

namespace rowsweep::steps::testing {
namespace {

using rowsweep::testing::kSampleInput;

const QDate kDate{2026, 12, 8};
constexpr double kMarginPoints = 20 / 25.4 * 72;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
    QString text;
    double left, right;
};

// One PDF of a worked solution, and what poppler reads from it.
class Pdf {
public:
    Pdf(const WorkedSolution& solution, const QPageSize& paper)
    {
        QFile file(path_);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(writeWorkedSolutionPdf(solution, file, paper, kDate));
    }

    [[nodiscard]] QString info() const { return run(QStringLiteral("pdfinfo"), {path_}); }
    [[nodiscard]] int pages() const
    {
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info()).captured(1).toInt();
    }
    // In the order it was drawn: row by row, column by column.
    [[nodiscard]] QString text(int page = 0) const
    {
        QStringList arguments{QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
        if (page > 0)
            arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
        return run(QStringLiteral("pdftotext"), arguments << path_ << QStringLiteral("-"));
    }
    [[nodiscard]] std::vector<Word> words(double& pageWidth) const
    {
        const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path_, QStringLiteral("-")});
        pageWidth = QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\"")).match(html).captured(1).toDouble();
        std::vector<Word> words;
        const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\".*xMax=\"([\\d.]+)\".*>(.*)</word>"));
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            words.push_back({match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
        }
        return words;
    }

private:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("steps.pdf"));
};

QStringList words(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("[\\s|]+")), Qt::SkipEmptyParts);
}

// Every word of Copy All Steps, in its order, after the title and the date.
void expectHoldsTheCopiedSteps(const WorkedSolution& solution, const Pdf& pdf)
{
    const QStringList expected = words(documentTitle() + u' ' + QLocale().toString(kDate, QLocale::LongFormat) + u' '
                                       + workedSolutionText(solution));
    EXPECT_EQ(words(pdf.text()).join(u'\n'), expected.join(u'\n'));
}

void expectWithinTheMargins(const Pdf& pdf)
{
    double pageWidth = 0;
    const std::vector<Word> words = pdf.words(pageWidth);
    ASSERT_FALSE(words.empty());
    for (const Word& word : words) {
        EXPECT_GE(word.left, kMarginPoints - 1) << word.text.toStdString();
        EXPECT_LE(word.right, pageWidth - kMarginPoints + 1) << word.text.toStdString();
    }
}

Rows filled(const char* value)
{
    Rows rows{};
    for (auto& row : rows)
        row.fill(value);
    return rows;
}

// The sample, and a matrix that raises the warning with a cell that is
// not a number.
TEST(WorkedDocument, HoldsTheCopiedStepsAsRealTextOnThePaperAsked)
{
    Rows marked = rowsweep::testing::worked::kLastRowFirst;
    marked[0][4] = "x";
    for (const auto& [paper, size, rows] : {std::tuple{QPageSize::A4, "595 x 842 pts (A4)", kSampleInput},
                                            std::tuple{QPageSize::Letter, "612 x 792 pts (letter)", marked}}) {
        const WorkedSolution solution = solveRows(rows);
        const Pdf pdf(solution, QPageSize(paper));
        EXPECT_TRUE(pdf.info().contains(QString::fromLatin1(size))) << pdf.info().toStdString();
        EXPECT_TRUE(pdf.info().contains(QRegularExpression(QStringLiteral("Title: +Rowsweep: worked solution\n"))));
        expectHoldsTheCopiedSteps(solution, pdf);
        expectWithinTheMargins(pdf);
    }
}

// A page starts with a step's name, never inside a step: its operations
// stay with its matrix, and the three rows of a matrix together.
TEST(WorkedDocument, BreaksPagesOnlyBetweenSteps)
{
    const WorkedSolution solution = solveRows(kSampleInput);
    const Pdf pdf(solution, QPageSize(QPageSize::A6));
    ASSERT_GT(pdf.pages(), 2);
    const WorkedOutline outline = workedOutline(solution);
    QStringList titles{outline.solutionTitle};
    for (const WorkedStep& step : outline.steps)
        titles << step.title;
    for (int page = 2; page <= pdf.pages(); ++page) {
        const QString first = pdf.text(page).section(u'\n', 0, 0);
        EXPECT_TRUE(titles.contains(first)) << "page " << page << " starts with " << first.toStdString();
    }
}

// Values too wide for the page are set smaller, whole; where even the
// smallest size is too wide they are wrapped, and not a digit is lost.
TEST(WorkedDocument, FitsAWideMatrixToThePageWithoutLosingADigit)
{
    const WorkedSolution wide = solveRows(filled("-1.23456789012345e-300"));
    const Pdf smaller(wide, QPageSize(QPageSize::A4));
    expectHoldsTheCopiedSteps(wide, smaller);
    expectWithinTheMargins(smaller);

    const QByteArray digits(300, '7');  // the reader takes integers up to the double range
    const WorkedSolution huge = solveRows(filled(digits.constData()), Arithmetic::Exact);
    const Pdf wrapped(huge, QPageSize(QPageSize::A4));
    expectWithinTheMargins(wrapped);
    const auto digitsOf = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\D"))); };
    EXPECT_EQ(digitsOf(wrapped.text()), digitsOf(QLocale().toString(kDate, QLocale::LongFormat) + workedSolutionText(huge)));
}

TEST(WorkedDocument, PaperFollowsTheLocale)
{
    for (const auto& [locale, paper] : {std::pair{"en_US", QPageSize::Letter}, std::pair{"en_CA", QPageSize::Letter},
                                        std::pair{"de_DE", QPageSize::A4}, std::pair{"en_GB", QPageSize::A4},
                                        std::pair{"C", QPageSize::A4}})
        EXPECT_EQ(paperFor(QLocale(QString::fromLatin1(locale))).id(), paper) << locale;
}

}  // namespace
}  // namespace rowsweep::steps::testing
