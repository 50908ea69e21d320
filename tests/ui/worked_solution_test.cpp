// Taking the work away: the copy commands of the cells' menus, driven
// through the real windows, and the LaTeX checked by compiling it.

#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "grids.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/ui/solving_window.h"
#include "rowsweep/ui/worked_solution.h"

namespace rowsweep::ui::testing {
namespace {

QString expectedFile(const char* name)
{
    QFile file(QStringLiteral(ROWSWEEP_EXPECTED_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read ") + name);
    return QString::fromUtf8(file.readAll());
}

class CopyTest : public MainWindowTest {
protected:
    QWidget& solving() { return form_->solvingWindow().get(); }

    // Opens the cell's menu with the menu key, as a user would.
    static QMenu& openMenu(QLineEdit& cell)
    {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, cell.rect().center(), cell.mapToGlobal(cell.rect().center()));
        QApplication::sendEvent(&cell, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            throw std::runtime_error("no menu opened");
        return *menu;
    }

    // The commands below the last separator, with whether each is enabled,
    // after checking that Qt's own line-edit menu stands above them.
    static std::vector<std::pair<QString, bool>> copyCommands(QLineEdit& cell)
    {
        QMenu& menu = openMenu(cell);
        const std::unique_ptr<QMenu> standard(cell.createStandardContextMenu());
        const QList<QAction*> shown = menu.actions();
        const QList<QAction*> expected = standard->actions();
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), shown.begin(), shown.begin() + expected.size(),
                               [](QAction* a, QAction* b) { return a->text() == b->text(); }));
        std::vector<std::pair<QString, bool>> commands;
        for (QAction* action : shown.mid(expected.size() + 1))
            commands.emplace_back(action->text(), action->isEnabled());
        menu.close();
        return commands;
    }

    // Runs a command of the cell's menu by clicking it; returns what it put
    // on the clipboard, after checking that nothing else changed.
    QString copy(QLineEdit& cell, const QString& command)
    {
        EXPECT_TRUE(activate(*cell.window()));
        cell.setFocus();
        EXPECT_TRUE(cell.hasFocus());
        const GridTexts inputBefore = readGrid(*form_, kInputRows);
        const GridTexts resultBefore = readGrid(*form_, kResultRows);
        QGuiApplication::clipboard()->clear();
        QMenu& menu = openMenu(cell);
        const QList<QAction*> actions = menu.actions();
        const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == command; });
        if (action == actions.end())
            throw std::runtime_error("no command " + command.toStdString());
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(*action).center());
        flushDeferredDeletes();

        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu closes";
        // The offscreen platform leaves no window active after a popup, so
        // the focus is asked of the cell's own window.
        EXPECT_EQ(cell.window()->focusWidget(), &cell);
        EXPECT_EQ(readGrid(*form_, kInputRows), inputBefore);
        EXPECT_EQ(readGrid(*form_, kResultRows), resultBefore);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        EXPECT_EQ(copied->formats(), QStringList{QStringLiteral("text/plain")});
        return copied->text();
    }

    QLineEdit& resultCell() { return cell(*form_, QStringLiteral("Text5(2)")); }
    QLineEdit& answerCell() { return cell(solving(), QStringLiteral("Text61(0)")); }
};

TEST_F(CopyTest, CopyMatrixCopiesTheCellsGridAsTabSeparatedLines)
{
    click(*form_, names::kSampleButton);
    cell(*form_, QStringLiteral("Text2(3)")).setText(QStringLiteral(" x "));
    cell(*form_, QStringLiteral("Text3(5)")).clear();
    answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);
    const GridTexts answer = readGrid(*form_, kResultRows);

    EXPECT_EQ(copy(cell(*form_, QStringLiteral("Text2(4)")), QStringLiteral("Copy Matrix")),
              QStringLiteral("1\t-2\t3\t0\t4\t1\n4\t-7\t2\t x \t0\t3\n3\t-5\t-1\t1\t-4\t\n"));
    EXPECT_EQ(copy(cell(solving(), QStringLiteral("Text42(1)")), QStringLiteral("Copy Matrix")),
              QStringLiteral("1\t0\t-17\t2\t-28\t-5\n0\t1\t-10\t0\t-16\t-1\n0\t1\t-10\t1\t-16\t-3\n"));

    // Copied from the result, it fills the input grid cell for cell by the
    // paste rule: a line per row, tabs between the values.
    const QStringList lines = copy(resultCell(), QStringLiteral("Copy Matrix")).split(u'\n');
    ASSERT_EQ(lines.size(), kRows + 1);
    EXPECT_EQ(lines.back(), QString());
    GridTexts pasted;
    for (int row = 0; row < kRows; ++row) {
        const QStringList fields = lines[row].split(u'\t');
        ASSERT_EQ(fields.size(), kColumns);
        std::copy(fields.begin(), fields.end(), pasted[row].begin());
    }
    fillGrid(*form_, kInputRows, pasted);
    EXPECT_EQ(readGrid(*form_, kInputRows), answer);
}

TEST_F(CopyTest, StepCommandsAreOfferedWhereTheStepsAreShownAndOnlyWhileTheyAre)
{
    const std::vector<std::pair<QString, bool>> inputOnly{{QStringLiteral("Copy Matrix"), true}};
    const auto steps = [](bool enabled) {
        return std::vector<std::pair<QString, bool>>{{QStringLiteral("Copy Matrix"), true},
                                                     {QStringLiteral("Copy All Steps"), enabled},
                                                     {QStringLiteral("Copy All Steps as LaTeX"), enabled}};
    };
    QLineEdit& input = cell(*form_, QStringLiteral("Text1(0)"));
    EXPECT_EQ(copyCommands(input), inputOnly);
    EXPECT_EQ(copyCommands(resultCell()), steps(false)) << "before any Solve";
    EXPECT_EQ(copyCommands(answerCell()), steps(false)) << "before any Solve";

    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    EXPECT_EQ(copyCommands(input), inputOnly);
    EXPECT_EQ(copyCommands(resultCell()), steps(true));
    EXPECT_EQ(copyCommands(answerCell()), steps(true));

    click(*form_, names::kClearButton);
    EXPECT_EQ(copyCommands(resultCell()), steps(false)) << "after Clear";
    EXPECT_EQ(copyCommands(answerCell()), steps(false)) << "after Clear";

    click(*form_, names::kSolveButton);
    solving().close();
    EXPECT_EQ(copyCommands(resultCell()), steps(false)) << "the closed Solving window lost the snapshots";
    EXPECT_EQ(copyCommands(answerCell()), steps(false)) << "a new Solving window is empty";
}

struct StepsCase {
    const char* name;
    Rows input;
    const char* unreadableCell;  // typed over with letters, or null
    bool warns;
    const char* expectedFile;
};

class CopyStepsTest : public CopyTest, public ::testing::WithParamInterface<StepsCase> {};

TEST_P(CopyStepsTest, PlainTextMatchesTheWorkDoneByHand)
{
    fillGrid(*form_, kInputRows, texts(GetParam().input));
    if (GetParam().unreadableCell != nullptr)
        cell(*form_, QString::fromLatin1(GetParam().unreadableCell)).setText(QStringLiteral("abc"));
    if (GetParam().warns)
        answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);

    EXPECT_EQ(copy(answerCell(), QStringLiteral("Copy All Steps")), expectedFile(GetParam().expectedFile));
    EXPECT_EQ(copy(resultCell(), QStringLiteral("Copy All Steps")), expectedFile(GetParam().expectedFile));
}

INSTANTIATE_TEST_SUITE_P(Examples, CopyStepsTest,
                         ::testing::Values(StepsCase{"Sample", kSampleInput, nullptr, false, "sample_steps.txt"},
                                           StepsCase{"RowExchange", kWorkedExamples[3].input, "Text2(1)", true,
                                                     "exchange_steps.txt"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(CopyTest, LatexOfTheSampleIsTheExpectedChain)
{
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    EXPECT_EQ(copy(resultCell(), QStringLiteral("Copy All Steps as LaTeX")), expectedFile("sample_steps.tex"));
}

// LaTeX, compiled

struct LatexCase {
    std::string name;
    Matrix input;
    std::vector<QString> mustShow;
};

Matrix read(const Rows& rows)
{
    Matrix matrix{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = QString::fromLatin1(rows[row][column]).toDouble();
    return matrix;
}

std::vector<LatexCase> latexCases()
{
    std::vector<LatexCase> cases;
    for (const WorkedExample& example : kWorkedExamples)
        cases.push_back({example.name, read(example.input), {}});
    // Dividing by 1e-300 overflows; clearing with an infinite factor gives NaN.
    cases.push_back({"InfinityAndNaN",
                     {{{1e-300, 1e300, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, {0, 1, 0, 0, 0, 0}}},
                     {QStringLiteral("& \\infty"), QStringLiteral("& -\\infty"), QStringLiteral("\\mathrm{NaN} &")}});
    cases.push_back({"Exponents",
                     {{{2e-7, 0, 0, 0, 0, 3e20}, {0, 1e-5, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0}}},
                     {QStringLiteral("3 \\times 10^{20}"), QStringLiteral("R_1 \\to R_1 / (2 \\times 10^{-7})"),
                      QStringLiteral("1.5 \\times 10^{27}"), QStringLiteral("R_2 \\to R_2 / (1 \\times 10^{-5})")}});
    return cases;
}

class LatexCompileTest : public ::testing::TestWithParam<LatexCase> {};

TEST_P(LatexCompileTest, CompilesWithPdflatexAndAmsmathAlone)
{
    const Reduction reduction = reduce(GetParam().input);
    const QString fragment = workedSolutionLatex({GetParam().input, {}, reduction, reduction.thirdRowNotZero});
    for (const QString& shown : GetParam().mustShow)
        EXPECT_TRUE(fragment.contains(shown)) << shown.toStdString() << " in\n" << fragment.toStdString();
    // No number is left as a cell writes it: "Infinity", "NaN" or "1e-05".
    EXPECT_FALSE(fragment.contains(QRegularExpression(QStringLiteral("Infinity|[^{]NaN|\\de[-+]?\\d"))))
        << fragment.toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile source(dir.filePath(QStringLiteral("steps.tex")));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n" + fragment.toUtf8()
                 + "\\end{document}\n");
    source.close();

    QProcess pdflatex;
    pdflatex.setWorkingDirectory(dir.path());
    pdflatex.start(QStringLiteral("pdflatex"), {QStringLiteral("-interaction=nonstopmode"),
                                                QStringLiteral("-halt-on-error"), QStringLiteral("steps.tex")});
    ASSERT_TRUE(pdflatex.waitForStarted()) << "pdflatex is needed: install texlive-latex-base";
    ASSERT_TRUE(pdflatex.waitForFinished(60000));
    EXPECT_EQ(pdflatex.exitCode(), 0) << pdflatex.readAllStandardOutput().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("steps.pdf"))));
}

INSTANTIATE_TEST_SUITE_P(Matrices, LatexCompileTest, ::testing::ValuesIn(latexCases()),
                         [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace rowsweep::ui::testing
