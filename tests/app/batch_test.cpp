// The command line's work without windows, as a shell starts it, with
// neither DISPLAY nor WAYLAND_DISPLAY: exit statuses and what it says, the
// worked solutions as Copy All Steps writes them, the PDFs and the LaTeX
// read back. How a file is read is tested directly in matrix_file_test.cpp.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "../steps/pdflatex.h"
#include "cell_texts.h"
#include "qstring_printer.h"
#include "rowsweep/engine/exercise.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/solve.h"

namespace rowsweep::batch {
namespace {

struct Ran {
    int status = -1;
    QString out;
    QString err;
};

// The program in a scratch folder, remembering Exact Fractions there, in English.
class Shell {
public:
    Shell()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("Rowsweep"));
        write(QStringLiteral("Rowsweep/Rowsweep.conf"), kRemembered);
        write(QStringLiteral("sheet.txt"), {});
    }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QString path(const QString& name) const { return dir_.filePath(name); }
    [[nodiscard]] QByteArray read(const QString& name) const
    {
        QFile file(dir_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Ran run(const QStringList& arguments, const char* display = nullptr, const char* outputFile = nullptr) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        if (display != nullptr)
            environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir_.path());
        process.setStandardInputFile(dir_.filePath(QStringLiteral("sheet.txt")));
        if (outputFile != nullptr)
            process.setStandardOutputFile(QString::fromLatin1(outputFile));
        process.start(QStringLiteral(ROWSWEEP_PROGRAM), arguments);
        Ran ran;
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return ran;
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static constexpr char kRemembered[] = "[General]\narithmetic=exact\n";

private:
    QTemporaryDir dir_;
};

QByteArray fileOf(const std::vector<testing::Rows>& matrices)
{
    QByteArray text;
    for (const testing::Rows& rows : matrices) {
        for (const auto& row : rows)
            text += QByteArray(row[0]) + '\t' + row[1] + '\t' + row[2] + '\t' + row[3] + '\t' + row[4] + '\t' + row[5] + '\n';
        text += '\n';
    }
    return text;
}

TEST(Batch, AnswersEachCommandLineWithItsStatusAndOneLine)
{
    const Shell shell;
    const QByteArray good = fileOf({testing::kSampleInput});
    const QByteArray longCell = QByteArray(32768, '1') + '\n';
    const struct {
        QByteArray file;  // sheet.txt, also standard input
        QStringList arguments;
        int status;
        const char* firstError;
        bool writes;  // anything on standard output
        const char* display = nullptr;
        const char* outputFile = nullptr;
    } cases[] = {
        {good, {"--steps", "sheet.txt"}, 0, "", true},
        {good, {"--steps", "--latex"}, 0, "", true},
        {"1\n2\n\n1\n2\n3\n4\n", {"--steps", "-"}, 2, "rowsweep: standard input:7: a matrix has at most 3 rows", false},
        {"1 2 3 4 5 6 7\n", {"--steps", "sheet.txt"}, 2, "rowsweep: sheet.txt:1: a matrix has at most 6 columns", false},
        {"1\n\n1 2 3 l.5\n", {"--steps", "sheet.txt"}, 2, "rowsweep: sheet.txt:3: column 4 holds \"l.5\", which is not a number", false},
        {"1 1/3\n", {"--steps", "--floating-point", "sheet.txt"}, 2, "rowsweep: sheet.txt:1: column 2 holds \"1/3\", a fraction: use --exact", false},
        {"1 1/3\n", {"--steps", "sheet.txt"}, 0, "", true},  // in the remembered Exact Fractions
        {"1e-400 1\n", {"--steps", "--floating-point", "sheet.txt"}, 2, "rowsweep: sheet.txt:1: column 1 holds \"1e-400\", beyond the range of floating point: use --exact", false},
        {"1e-400 1\n", {"--steps", "--exact", "sheet.txt"}, 0, "", true},
        {"1 1e999999999\n", {"--steps", "--exact", "sheet.txt"}, 2, "rowsweep: sheet.txt:1: column 2 holds \"1e999999999\", too large for exact fractions: at most 100,000 digits", false},
        {longCell, {"--steps", "sheet.txt"}, 2, "rowsweep: sheet.txt:1: column 1 holds 32768 characters; a cell takes at most 32767", false},
        {good, {"--steps", "nosuch.txt"}, 2, "rowsweep: nosuch.txt: No such file or directory", false},
        {good, {"--steps", "/dev/zero"}, 2, "rowsweep: /dev/zero: larger than 16 MiB", false},
        {"# Exercise 1\n", {"--steps"}, 2, "rowsweep: standard input: holds no matrix", false},
        {good, {"--steps", "--pdf", "/nonexistent/key.pdf", "sheet.txt"}, 1, "rowsweep: /nonexistent/key.pdf: No such file or directory", false},
        {good, {"--steps", "sheet.txt"}, 1, "rowsweep: standard output: No space left on device", false, nullptr, "/dev/full"},
        {good, {"--steps", "--pdf", "key.pdf", "sheet.txt"}, 0, "", false, ":55"},
        {good, {"--sheet", "--pdf", "sheet.pdf"}, 0, "", false, ":55"},
        {good, {"--steps", "--latex", "--pdf", "key.pdf"}, 2, "rowsweep: --latex and --pdf do not go together; see 'rowsweep --help'", false},
        {good, {"--sheet", "sheet.txt"}, 2, "rowsweep: --sheet needs --pdf OUT; see 'rowsweep --help'", false},
        {good, {"--steps", "--exercises", "2"}, 2, "rowsweep: --steps and --exercises do not go together; see 'rowsweep --help'", false},
        {good, {"--exercises", "2", "sheet.txt"}, 2, "rowsweep: unexpected argument 'sheet.txt': --exercises reads no file; see 'rowsweep --help'", false},
        {good, {"--kind", "one"}, 2, "rowsweep: --kind goes with --exercises; see 'rowsweep --help'", false},
        {good, {"--exercises", "1001"}, 2, "rowsweep: --exercises takes a number from 1 to 1000; see 'rowsweep --help'", false},
        {good, {"--exercises", "1000", "--kind", "none"}, 0, "", true},
        {good, {"--exercises", "11", "--first", "99990"}, 2, "rowsweep: 11 exercises from number 99990 go past number 99999; see 'rowsweep --help'", false},
        {good, {"--exercises", "10", "--first", "99990", "--kind", "many"}, 0, "", true},
        {good, {"--exercises", "1", "--first", "0"}, 2, "rowsweep: --first takes a number from 1 to 99999; see 'rowsweep --help'", false},
        {good, {"--exercises", "1", "--kind", "all"}, 2, "rowsweep: --kind takes one, many, none or any; see 'rowsweep --help'", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        shell.write(QStringLiteral("sheet.txt"), c.file);
        const Ran ran = shell.run(c.arguments, c.display, c.outputFile);
        EXPECT_EQ(ran.status, c.status);
        EXPECT_EQ(ran.err.section(u'\n', 0, 0), QString::fromUtf8(c.firstError));
        EXPECT_EQ(!ran.out.isEmpty(), c.writes);
    }
    EXPECT_EQ(shell.read(QStringLiteral("Rowsweep/Rowsweep.conf")), Shell::kRemembered);
}

// Exercises written by the program and matrices typed by hand, read back
// by --steps: each under its name, then what Copy All Steps holds after
// typing it into the grid and pressing Solve, in each arithmetic.
TEST(Batch, WritesEachMatrixAsCopyAllStepsDoes)
{
    const Shell shell;
    const testing::Rows decimals{{{"0.1", "2.5", "", "", "", "1e3"}, {"-3", "", "", "", "", ".5"}, {"", "", "", "", "", ""}}};
    shell.write(QStringLiteral("sheet.txt"), shell.run({"--exercises", "2", "--first", "4711"}).out.toUtf8() + '\n'
                                                 + fileOf({testing::kSampleInput, decimals}));
    std::vector<std::pair<QString, steps::CellTexts>> named;
    for (const int number : {4711, 4712}) {
        const Exercise exercise = makeExercise(number, ExerciseKind::AnyKind);
        steps::CellTexts cells;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                if (column == kUnknowns || exercise.inUse[column])
                    cells[row][column] = QString::number(exercise.entries[row][column]);
        named.emplace_back(QStringLiteral("Exercise %1").arg(number), cells);
    }
    named.emplace_back(QStringLiteral("Matrix 3"), testing::cellTexts(testing::kSampleInput));
    named.emplace_back(QStringLiteral("Matrix 4"), testing::cellTexts(decimals));
    for (const auto& [option, arithmetic] : {std::pair{"--exact", steps::Arithmetic::Exact},
                                             std::pair{"--floating-point", steps::Arithmetic::FloatingPoint}}) {
        QStringList expected;
        for (const auto& [name, cells] : named)
            expected << name + QStringLiteral("\n\n") + steps::workedSolutionText(steps::solveCells(cells, arithmetic));
        EXPECT_EQ(shell.run({"--steps", option, "sheet.txt"}).out, expected.join(u'\n')) << option;
    }
}

QStringList pdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0) << "pdftotext failed";
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    pages.removeLast();  // after the last form feed
    return pages;
}

// The key starts each matrix on a page of its own, under its name; the
// sheet sets several exercises to a page and splits none: each page starts
// with one, and each holds its three equations.
TEST(Batch, PutsEachMatrixOfTheKeyOnAPageOfItsOwnAndNoExerciseOfTheSheetOnTwo)
{
    const Shell shell;
    shell.write(QStringLiteral("sheet.txt"), shell.run({"--exercises", "12"}).out.toUtf8());
    shell.write(QStringLiteral("key.pdf"), "kept");
    shell.write(QStringLiteral("bad.txt"), "1 x\n");
    EXPECT_EQ(shell.run({"--steps", "--pdf", "key.pdf", "bad.txt"}).status, 2);
    EXPECT_EQ(shell.read(QStringLiteral("key.pdf")), "kept");

    ASSERT_EQ(shell.run({"--steps", "--pdf", "key.pdf", "sheet.txt"}).status, 0);
    QStringList firstLines;
    for (const QString& page : pdfPages(shell.path(QStringLiteral("key.pdf"))))
        if (page.trimmed().startsWith(QStringLiteral("Exercise")))
            firstLines << page.trimmed().section(u'\n', 0, 0);
    QStringList names;
    for (int number = 1; number <= 12; ++number)
        names << QStringLiteral("Exercise %1").arg(number);
    EXPECT_EQ(firstLines, names);

    ASSERT_EQ(shell.run({"--sheet", "--pdf", "sheet.pdf", "sheet.txt"}).status, 0);
    const QStringList pages = pdfPages(shell.path(QStringLiteral("sheet.pdf")));
    EXPECT_LT(pages.size(), 12);
    QStringList shown;
    for (const QString& page : pages) {
        EXPECT_TRUE(page.trimmed().startsWith(QStringLiteral("Exercise"))) << page.toStdString();
        for (const QString& exercise : page.split(QStringLiteral("Exercise "), Qt::SkipEmptyParts)) {
            shown << QStringLiteral("Exercise ") + exercise.section(u'\n', 0, 0).trimmed();
            EXPECT_EQ(exercise.count(QStringLiteral(" = ")), 3) << exercise.toStdString();
        }
    }
    EXPECT_EQ(shown, names);
}

// One document, a section per matrix, that pdflatex sets without a line
// beyond the page, values up to 1e300 included.
TEST(Batch, WritesOneLatexDocumentThatCompiles)
{
    const Shell shell;
    const testing::Rows wide{{{"1e300", "-2e299", "3", "1e-300", "5", "7e250"},
                             {"4", "1e300", "2", "1", "0", "3"}, {"3", "-5", "-1e300", "1", "-4", "2"}}};
    shell.write(QStringLiteral("sheet.txt"), fileOf({testing::kSampleInput, wide}));
    for (const char* arithmetic : {"--exact", "--floating-point"}) {
        const Ran ran = shell.run({"--steps", "--latex", arithmetic, "sheet.txt"});
        EXPECT_EQ(ran.out.count(QRegularExpression(QStringLiteral("\\\\section\\*\\{Matrix [12]\\}"))), 2);
        const QString log = steps::testing::pdflatexLogOfDocument(ran.out.toUtf8());
        EXPECT_FALSE(log.isEmpty());
        EXPECT_FALSE(log.contains(QStringLiteral("Overfull"))) << arithmetic;
    }
}

}  // namespace
}  // namespace rowsweep::batch
