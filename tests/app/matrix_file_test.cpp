// The matrix file read into groups of cells, called directly, and the
// exercise file written for it read back.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include <QStringList>

#include "qstring_printer.h"
#include "rowsweep/batch/exercise_file.h"
#include "rowsweep/batch/matrix_file.h"

namespace rowsweep::batch {
namespace {

// A group as one line: its exercise, then its rows apart by "/" and its
// cells by ",".
QString shown(const MatrixGroup& group)
{
    QStringList rows;
    for (int row = 0; row < kRows; ++row) {
        const auto& cells = group.cells[row];
        rows << QStringList(cells.begin(), cells.end()).join(u',') + u'@' + QString::number(group.lines[row]);
    }
    return (group.exercise ? QString::number(*group.exercise) + u':' : QString()) + rows.join(u'/');
}

TEST(MatrixFile, ReadsGroupsOfCellsOrTheFirstErrorWithItsLine)
{
    const QString empty = QStringLiteral(",,,,,@0");
    const std::string longest(kLongestCell, '7');
    const struct {
        std::string text;
        QStringList groups;  // shown
        int errorLine;       // -1: none
        const char* error;
    } cases[] = {
        // A byte-order mark, CR LF, tabs with blanks around cells, runs of blanks.
        {"\xEF\xBB\xBF" "1\t 2 \t3\r\n4   5\r\n", {"1,2,3,,,@1/4,5,,,,@2/" + empty}, -1, ""},
        // Two tabs enclose an empty cell; empty cells at the end do not count.
        {"1\t\t3\t\t\t6\t\t\n", {"1,,3,,,6@1/" + empty + u'/' + empty}, -1, ""},
        // Comments are passed over, inside a group too; blank lines part groups.
        {"# a comment\n1 2\n  # another\n3 4\n\n \t\n5\n", {"1,2,,,,@2/3,4,,,,@4/" + empty, "5,,,,,@7/" + empty + u'/' + empty}, -1, ""},
        // "# Exercise N" names the group right after it and ends the one before.
        {"# Exercise 4711\n1\n# Exercise 12\n# seen\n2\n\n# Exercise 3\n\n4\n",
         {"4711:1,,,,,@2/" + empty + u'/' + empty, "12:2,,,,,@5/" + empty + u'/' + empty, "4,,,,,@9/" + empty + u'/' + empty}, -1, ""},
        {"1;2;;4\n", {"1,2,,4,,@1/" + empty + u'/' + empty}, -1, ""},
        {longest + "\n", {QString::fromStdString(longest) + ",,,,,@1/" + empty + u'/' + empty}, -1, ""},
        {"1\n2\n3\n\n1\n2\n3\n4\n", {"1,,,,,@1/2,,,,,@2/3,,,,,@3", "1,,,,,@5/2,,,,,@6/3,,,,,@7"}, 8,
         "a matrix has at most 3 rows"},
        {"1 2 3 4 5 6 7\n", {empty + u'/' + empty + u'/' + empty}, 1, "a matrix has at most 6 columns"},
        {"1\n\n2 " + longest + "8\n", {"1,,,,,@1/" + empty + u'/' + empty, "2,,,,,@3/" + empty + u'/' + empty}, 3,
         "column 2 holds 32768 characters; a cell takes at most 32767"},
        {"1\n\xC3\x28\n", {}, 2, "not UTF-8 text"},
        {"# Exercise 1\n\n \n", {}, 0, "holds no matrix"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        const MatrixFile file = readMatrixFile(QByteArrayView(c.text.data(), static_cast<qsizetype>(c.text.size())));
        QStringList groups;
        for (const MatrixGroup& group : file.groups)
            groups << shown(group);
        EXPECT_EQ(groups, c.groups);
        EXPECT_EQ(file.error ? file.error->line : -1, c.errorLine);
        EXPECT_EQ(file.error ? file.error->what : QString(), QString::fromUtf8(c.error));
    }
}

// Every kind, exercises at both ends of the numbers: read back, each is
// named by its number and holds the generator's numbers in the columns in
// use and the right-hand side, and nothing in the others.
TEST(ExerciseFile, ReadsBackAsTheExercisesItWasWrittenFrom)
{
    for (const ExerciseKind kind : {ExerciseKind::OneSolution, ExerciseKind::InfinitelyManySolutions,
                                    ExerciseKind::NoSolution, ExerciseKind::AnyKind})
        for (const int first : {kFirstExerciseNumber, kLastExerciseNumber - 4}) {
            const MatrixFile file = readMatrixFile(exerciseFileText(first, 5, kind).toUtf8());
            ASSERT_FALSE(file.error.has_value()) << file.error->what.toStdString();
            ASSERT_EQ(file.groups.size(), 5U);
            for (int i = 0; i < 5; ++i) {
                const Exercise exercise = makeExercise(first + i, kind);
                EXPECT_EQ(file.groups[i].exercise, first + i);
                for (int row = 0; row < kRows; ++row)
                    for (int column = 0; column < kColumns; ++column)
                        EXPECT_EQ(file.groups[i].cells[row][column],
                                  column == kUnknowns || exercise.inUse[column]
                                      ? QString::number(exercise.entries[row][column])
                                      : QString())
                            << first + i << " " << row << " " << column;
            }
        }
}

}  // namespace
}  // namespace rowsweep::batch
