#pragma once

// The command line's work without windows: the worked solutions of a
// matrix file as text, LaTeX or PDF, its exercise sheet, or a file of
// generated exercises. Needs no display: plain text and LaTeX run in a
// QCoreApplication, paper in a QGuiApplication on the offscreen platform.

#include <memory>

#include <QCoreApplication>
#include <QString>

#include "rowsweep/engine/exercise.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::batch {

enum class Task { Steps, Sheet, Exercises };
enum class StepsFormat { Text, Latex, Pdf };

struct Request {
    Task task = Task::Steps;
    StepsFormat format = StepsFormat::Text;  // of the steps
    QString input;  // the matrix file; empty or "-" for standard input
    QString pdf;    // where the steps as PDF, or the sheet, go
    steps::Arithmetic arithmetic = steps::Arithmetic::FloatingPoint;
    // The exercises: how many, of which kind, numbered from which.
    int exercises = 0;
    ExerciseKind kind = ExerciseKind::AnyKind;
    int first = kFirstExerciseNumber;
};

// The exit statuses besides 0.
inline constexpr int kOutputFailed = 1;
inline constexpr int kInputRefused = 2;

// The application the request runs in: on paper a QGuiApplication on the
// offscreen platform, whatever display there is or is not; else a
// QCoreApplication. Qt's own arguments are left unread, and of its messages
// only the critical ones are shown.
[[nodiscard]] std::unique_ptr<QCoreApplication> applicationFor(const Request& request, char* programName);

// Reads and checks the whole input before writing anything, so that a
// refused input leaves standard output empty and an existing PDF as it
// was. What went wrong goes to standard error as one line. Returns the
// exit status: 0, kOutputFailed or kInputRefused.
[[nodiscard]] int run(const Request& request);

}  // namespace rowsweep::batch
