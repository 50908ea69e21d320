// The command line's work without windows, timed as a teacher's script
// meets it: the whole process, from start to exit. The worked solutions of
// 1,000 matrices as plain text (target: under 2 s) and of 100 as PDF
// (under 3 s), each in both arithmetics, and 1,000 exercises written
// (under 1 s).

#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "verdict.h"

namespace {

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// Runs the program in the scratch folder, with a settings folder of its own
// and no display; its standard output goes to `output`.
bool runProgram(const QStringList& arguments, const QString& output)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch().path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(scratch().path());
    process.setStandardOutputFile(scratch().filePath(output));
    process.start(QStringLiteral(ROWSWEEP_PROGRAM), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void timeRun(benchmark::State& state, const QStringList& arguments, const QString& output = QStringLiteral("out.txt"))
{
    for (auto _ : state)
        if (!runProgram(arguments, output))
            state.SkipWithError("rowsweep failed");
}

void BM_Exercises1000(benchmark::State& state)
{
    timeRun(state, {"--exercises", "1000"}, QStringLiteral("1000.txt"));
}
BENCHMARK(BM_Exercises1000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Steps1000FloatingPoint(benchmark::State& state)
{
    timeRun(state, {"--steps", "--floating-point", "1000.txt"});
}
BENCHMARK(BM_Steps1000FloatingPoint)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Steps1000Exact(benchmark::State& state)
{
    timeRun(state, {"--steps", "--exact", "1000.txt"});
}
BENCHMARK(BM_Steps1000Exact)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Pdf100FloatingPoint(benchmark::State& state)
{
    timeRun(state, {"--steps", "--floating-point", "--pdf", "key.pdf", "100.txt"});
}
BENCHMARK(BM_Pdf100FloatingPoint)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Pdf100Exact(benchmark::State& state)
{
    timeRun(state, {"--steps", "--exact", "--pdf", "key.pdf", "100.txt"});
}
BENCHMARK(BM_Pdf100Exact)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The matrices timed: 1,000 exercises of every kind, and the first 100.
    if (!runProgram({"--exercises", "1000"}, QStringLiteral("1000.txt"))
        || !runProgram({"--exercises", "100"}, QStringLiteral("100.txt"))) {
        std::fputs("batch_bench: rowsweep --exercises failed\n", stderr);
        return 1;
    }
    return rowsweep::bench::runAndJudge(argc, argv, 5, [](const rowsweep::bench::Medians& medians) {
        using rowsweep::bench::report;
        bool met = true;
        const auto judge = [&](const char* name, const char* what, double seconds) {
            if (const double* time = medians.time(name))
                met = report(what, *time / 1e6, seconds * 1e3, "ms") && met;
            else
                met = false;
        };
        judge("BM_Exercises1000", "--exercises 1000", 1);
        judge("BM_Steps1000FloatingPoint", "--steps of 1,000 matrices, floating point", 2);
        judge("BM_Steps1000Exact", "--steps of 1,000 matrices, exact", 2);
        judge("BM_Pdf100FloatingPoint", "--steps --pdf of 100 matrices, floating point", 3);
        judge("BM_Pdf100Exact", "--steps --pdf of 100 matrices, exact", 3);
        return met;
    });
}
