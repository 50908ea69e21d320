// Taking the work away: the copy commands of the cells' menus, run through
// the real windows.

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QDir>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "grids.h"
#include "scoped_environment.h"
#include "rowsweep/ui/windows/reduced_form_window.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/windows/solving_window.h"

namespace rowsweep::ui::testing {
namespace {

QString expectedText(const char* name)
{
    QFile file(QStringLiteral(ROWSWEEP_EXPECTED_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(no file)");
}

class CopyTest : public MainWindowTest {
protected:
    QWidget& solving() { return form_->solvingWindow().get(); }
    QLineEdit& at(QWidget& window, const char* name) { return cell(window, QString::fromLatin1(name)); }
    QLineEdit& resultCell() { return at(*form_, "Text5(2)"); }
    QLineEdit& answerCell() { return at(solving(), "Text61(0)"); }

    // The commands after Qt's own line-edit menu, unchanged but for Undo
    // and Redo, which walk the grid's history, and a separator; a disabled
    // one with a leading "-".
    static QStringList copyCommands(QLineEdit& cell)
    {
        QStringList shown;
        const std::unique_ptr<QMenu> standard(cell.createStandardContextMenu());
        for (QMenu* menu : {&openMenu(cell), standard.get()}) {
            for (const QAction* action : menu->actions())
                shown << (action->isEnabled() || action->text().contains(QStringLiteral("do\t")) ? QString() : QStringLiteral("-"))
                             + action->text();
            menu->close();
        }
        // Shown: Qt's items, "", the copy commands; then Qt's items again.
        const QStringList qtItems = shown.mid(shown.size() - standard->actions().size());
        EXPECT_EQ(shown.mid(0, qtItems.size() + 1), qtItems + QStringList{QString()});
        return shown.mid(qtItems.size() + 1, shown.size() - 2 * qtItems.size() - 1);
    }

    // Clicks a command of the cell's menu, and checks that nothing in the
    // windows changed.
    void choose(QLineEdit& cell, const QString& command)
    {
        EXPECT_TRUE(activate(*cell.window()));
        cell.setFocus();
        const GridTexts input = readGrid(*form_, kInputRows);
        const GridTexts result = readGrid(*form_, kResultRows);
        QMenu& menu = openMenu(cell);
        for (QAction* action : menu.actions())
            if (action->text() == command)
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        flushDeferredDeletes();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu closes";
        // The offscreen platform leaves no window active after a popup, so
        // the focus is asked of the cell's own window.
        EXPECT_EQ(cell.window()->focusWidget(), &cell);
        EXPECT_EQ(readGrid(*form_, kInputRows), input);
        EXPECT_EQ(readGrid(*form_, kResultRows), result);
    }

    // What a copy command put on the clipboard.
    QString copy(QLineEdit& cell, const QString& command)
    {
        QGuiApplication::clipboard()->clear();
        choose(cell, command);
        EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{QStringLiteral("text/plain")});
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(CopyTest, CopyMatrixCopiesTheCellsGridAsTabSeparatedLines)
{
    click(*form_, names::kSampleButton);
    at(*form_, "Text2(3)").setText(QStringLiteral(" x "));
    at(*form_, "Text3(5)").clear();
    answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);

    EXPECT_EQ(copy(at(*form_, "Text2(4)"), QStringLiteral("Copy Matrix")),
              QStringLiteral("1\t-2\t3\t0\t4\t1\n4\t-7\t2\t x \t0\t3\n3\t-5\t-1\t1\t-4\t\n"));
    EXPECT_EQ(copy(at(solving(), "Text42(1)"), QStringLiteral("Copy Matrix")),
              QStringLiteral("1\t0\t-17\t2\t-28\t-5\n0\t1\t-10\t0\t-16\t-1\n0\t1\t-10\t1\t-16\t-3\n"));
}

// Below Qt's own entries and a separator; which of them are enabled when
// is the session's test.
TEST_F(CopyTest, TheCopyCommandsFollowTheLineEditsOwnMenu)
{
    solve(texts(kSampleInput), false);
    const QStringList arithmetic{QStringLiteral("Practice"), QString(), QStringLiteral("Exact Fractions")};
    EXPECT_EQ(copyCommands(resultCell()),
              QStringList({QStringLiteral("Copy Matrix"), QStringLiteral("Copy All Steps"), QStringLiteral("Copy All Steps as LaTeX"),
                           QStringLiteral("Print All Steps…"), QStringLiteral("Save All Steps as PDF…"),
                           QStringLiteral("Reduced Form")})
                  + arithmetic);
}

// The menus copy exactly the worked solution the steps library writes;
// its forms are checked, and compiled, in that library's tests.
TEST_F(CopyTest, AllStepsCopyTheSolveAsTextAndAsLatex)
{
    solve(texts(kSampleInput), false);
    EXPECT_EQ(copy(answerCell(), QStringLiteral("Copy All Steps")), expectedText("sample_steps.txt"));
    EXPECT_EQ(copy(resultCell(), QStringLiteral("Copy All Steps as LaTeX")), expectedText("sample_steps.tex"));
}

// 2x + y - z = 8, -3x - y + 2z = -11, -2x + y + 2z = -3, columns 4 and 5
// left empty: its floating-point Answer keeps -1 in row 3, column 3.
constexpr Rows kTextbook{{{"2", "1", "-1", "", "", "8"}, {"-3", "-1", "2", "", "", "-11"}, {"-2", "1", "2", "", "", "-3"}}};

class ReducedFormTest : public CopyTest {
protected:
    QWidget* window() { return form_->reducedFormWindow().loaded(); }
    QLabel& verdict() { return *form_->findChild<QLabel*>(toQString(names::kVerdict)); }
    QGroupBox& frame(std::size_t index)
    {
        return *window()->findChild<QGroupBox*>(toQString(names::kReducedFormFrames[index]));
    }
    QString solutionText() { return window()->findChild<QLabel*>(toQString(names::kReducedFormSolution))->text(); }
    QString noteText() { return window()->findChild<QLabel*>(toQString(names::kExactContinuationNote))->text(); }
    QStringList shownFrames()
    {
        QStringList shown;
        for (std::size_t i = 0; i < names::kReducedFormFrameCount; ++i)
            if (frame(i).isVisibleTo(window()))
                shown << frame(i).title();
        return shown;
    }
    // How many of Copy All Steps, as LaTeX, Print and Save the cell's menu enables.
    static int stepsOffered(QLineEdit& cell)
    {
        QMenu& menu = openMenu(cell);
        const QList<QAction*> actions = menu.actions();
        const auto offered = std::count_if(actions.begin(), actions.end(), [](const QAction* action) {
            return action->isEnabled() && action->text().contains(QStringLiteral("All Steps"));
        });
        menu.close();
        flushDeferredDeletes();
        return static_cast<int>(offered);
    }
    void openFromMenu(QLineEdit& cell)
    {
        QMenu& menu = openMenu(cell);
        for (QAction* action : menu.actions())
            if (action->text() == QStringLiteral("Reduced Form"))
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        flushDeferredDeletes();
    }
};

TEST_F(ReducedFormTest, OpensFromTheMenuOrTheVerdictFollowsEverySolveAndIsEmptiedByClear)
{
    QTest::mouseClick(&verdict(), Qt::LeftButton);
    EXPECT_EQ(window(), nullptr) << "nothing to show before a Solve";

    solve(texts(kTextbook), true);
    openFromMenu(resultCell());
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(shownFrames(), (QStringList{QStringLiteral("Answer"), QStringLiteral("Step 7")}));
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[0]),
              texts({{{"1", "0", "-3/4", "0", "0", "11/4"}, {"0", "1", "1", "0", "0", "2"}, {"0", "0", "-1", "0", "0", "1"}}}));
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[1]),
              texts({{{"1", "0", "0", "0", "0", "2"}, {"0", "1", "0", "0", "0", "3"}, {"0", "0", "1", "0", "0", "-1"}}}));
    EXPECT_EQ(frame(1).toolTip(), QStringLiteral("Divide row 3 by -1\nAdd 3/4 × row 3 to row 1\nSubtract row 3 from row 2"));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            EXPECT_EQ(cell(*window(), elementName(names::kReducedFormRows[1][row], column)).font().bold(), row == column)
                << row << ", " << column;
    EXPECT_EQ(solutionText(), QStringLiteral("One solution: x1 = 2, x2 = 3, x3 = -1\nx1 = 2\nx2 = 3\nx3 = -1"));
    EXPECT_FALSE(noteText().isEmpty()) << "floating point says where exact fractions begin";
    // Each step on shows its own matrix, not the last one.
    solve(texts({{{"0", "2", "1", "0", "0", "1"}, {"0", "4", "3", "0", "0", "1"}, {"0", "6", "5", "1", "0", "1"}}}), true);
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[1]),
              texts({{{"0", "1", "3/4", "0", "0", "1/4"}, {"0", "0", "-2/3", "-1/3", "0", "2/3"}, {"0", "0", "1/2", "1", "0", "-1/2"}}}));
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[2]),
              texts({{{"0", "1", "0", "-3/8", "0", "1"}, {"0", "0", "1", "1/2", "0", "-1"}, {"0", "0", "0", "3/4", "0", "0"}}}));
    // Its cells are read-only: no paste of a value or a block, by either shortcut.
    const auto shown = readGrid(*window(), names::kReducedFormRows[1]);
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Paste), QKeySequence(Qt::SHIFT | Qt::Key_Insert)})
        for (const QString& text : {QStringLiteral("7"), QStringLiteral("7\t8\n9\t1")}) {
            paste(cell(*window(), elementName(names::kReducedFormRows[1][1], 1)), text, keys);
            EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[1]), shown) << text.toStdString();
        }
    solve(texts(kTextbook), true);

    // Escape closes it; a click on the verdict line brings it back whole.
    QTest::keyClick(&cell(*window(), QStringLiteral("Text71(0)")), Qt::Key_Escape);
    flushDeferredDeletes();
    ASSERT_EQ(window(), nullptr);
    QTest::mouseClick(&verdict(), Qt::LeftButton);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(shownFrames().size(), 2);

    // The sample's exact Answer is its reduced form already; its pivots
    // are bold in the Answer.
    solve(texts(kSampleInput), false);
    EXPECT_EQ(shownFrames(), QStringList{QStringLiteral("Answer")});
    EXPECT_TRUE(cell(*window(), QStringLiteral("Text62(1)")).font().bold());
    EXPECT_FALSE(cell(*window(), QStringLiteral("Text71(1)")).font().bold());
    EXPECT_TRUE(solutionText().startsWith(QStringLiteral("Infinitely many solutions: x3, x4, x5 free\n")));

    QLineEdit& answer = cell(*window(), QStringLiteral("Text62(1)"));
    EXPECT_EQ(stepsOffered(answer), 4);
    click(*form_, names::kClearButton);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[0]), uniform(""));
    EXPECT_TRUE(solutionText().isEmpty());
    EXPECT_EQ(stepsOffered(answer), 0) << "nothing left to copy, print or save";
    window()->close();
    flushDeferredDeletes();
}

// Saving goes through the file chooser the test sets in place of Qt's
// dialog; printing through a printer that writes a PDF.
TEST_F(CopyTest, SavesAndPrintsTheStepsAndNamesAPathThatCannotBeWritten)
{
    QTemporaryDir folder;
    const QString unwritable = folder.filePath(QStringLiteral("missing/steps.pdf"));
    QStringList answers{unwritable, QString(), folder.filePath(QStringLiteral("steps.pdf"))};
    setSavePathChooser([&](QWidget* parent, const QString& proposed) {
        EXPECT_EQ(parent, &solving());
        EXPECT_TRUE(proposed.endsWith(QStringLiteral("/rowsweep-steps.pdf"))) << proposed.toStdString();
        return answers.takeFirst();
    });
    solve(texts(kSampleInput), false);
    answerBoxes({QMessageBox::Ok});
    for (int save = 0; save < 3; ++save)
        choose(answerCell(), QStringLiteral("Save All Steps as PDF…"));
    ASSERT_EQ(seenBoxes_.size(), 1U) << "one message, for the missing folder; none for the cancel";
    EXPECT_EQ(seenBoxes_[0].text, QStringLiteral("Could not save %1: No such file or directory").arg(unwritable));

    int printings = 0;
    setPrinterSetup([&](QPrinter& printer, QWidget*) {
        printer.setOutputFileName(printings == 0 ? unwritable : folder.filePath(QStringLiteral("printed.pdf")));
        // A printer that reports no margins of its own.
        printer.setFullPage(true);
        printer.setPageMargins({}, QPageLayout::Point);
        return ++printings > 0;
    });
    answerBoxes({QMessageBox::Ok});
    choose(answerCell(), QStringLiteral("Print All Steps…"));
    EXPECT_EQ(seenBoxes_.back().text, QStringLiteral("Could not print to ") + unwritable);
    for (QWidget* window : {static_cast<QWidget*>(form_.get()), &solving()}) {
        window->show();
        ASSERT_TRUE(activate(*window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    }
    EXPECT_EQ(printings, 3) << "Ctrl+P prints from either window, P alone does not";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("printed.pdf"), QStringLiteral("steps.pdf")}));
    // Printed as saved: the title stands 20 mm from the top left corner.
    for (const char* file : {"printed.pdf", "steps.pdf"}) {
        QProcess poppler;
        poppler.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), folder.filePath(QString::fromLatin1(file)),
                                                    QStringLiteral("-")});
        ASSERT_TRUE(poppler.waitForFinished(30000) && poppler.exitCode() == 0) << "pdftotext, from poppler-utils";
        const QRegularExpressionMatch title = QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\""))
                                                  .match(QString::fromUtf8(poppler.readAllStandardOutput()));
        constexpr double kMarginPoints = 20 / 25.4 * 72;
        EXPECT_NEAR(title.captured(1).toDouble(), kMarginPoints, 1) << file;
        EXPECT_NEAR(title.captured(2).toDouble(), kMarginPoints, 4) << file;
    }
}

// A documents folder that does not exist is never proposed.
TEST_F(CopyTest, ProposesTheDocumentsFolderOnlyWhereItExists)
{
    QTemporaryDir home;
    const rowsweep::testing::ScopedEnvironment environment{{"HOME", home.path().toUtf8().constData()},
                                                           {"XDG_CONFIG_HOME", nullptr}, {"XDG_DOCUMENTS_DIR", nullptr}};
    EXPECT_EQ(proposedPdfPath(), home.filePath(QStringLiteral("rowsweep-steps.pdf")));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(proposedPdfPath(), home.filePath(QStringLiteral("Documents/rowsweep-steps.pdf")));
}

}  // namespace
}  // namespace rowsweep::ui::testing
