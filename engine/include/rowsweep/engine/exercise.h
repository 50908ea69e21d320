#pragma once

// Generated practice exercises: small integer systems whose Gauss-Jordan
// work stays in fractions a student reduces by hand. The rule is written
// out in docs/exercises.md.

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/verdict.h"

namespace rowsweep {

enum class ExerciseKind { OneSolution, InfinitelyManySolutions, NoSolution, AnyKind };

inline constexpr int kFirstExerciseNumber = 1;
inline constexpr int kLastExerciseNumber = 99999;

struct Exercise {
    int number;
    ExerciseKind kind;         // what it is: never AnyKind
    BasicMatrix<int> entries;  // -9..9; columns not in use hold 0
    UnknownsInUse inUse;       // the unknowns (columns 1..5) the system has; the others are left empty
};

// The same exercise for the same number and kind on every machine and in
// every later version. AnyKind takes one of the three kinds from the
// number and gives that kind's exercise of the same number. A number
// outside kFirstExerciseNumber..kLastExerciseNumber is refused with
// std::out_of_range.
[[nodiscard]] Exercise makeExercise(int number, ExerciseKind kind);

}  // namespace rowsweep
