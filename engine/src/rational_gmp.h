#pragma once

// The GMP side of Rational: a value that outgrew machine words, and the
// way between Rational and GMP's fractions for the engine's own reading
// and writing of numbers.

#include <atomic>

#include <gmpxx.h>

#include "rowsweep/engine/rational.h"

namespace rowsweep::detail {

static_assert(sizeof(mp_limb_t) >= sizeof(long long) && sizeof(long) == sizeof(long long),
              "a machine word fits one limb and GMP's long");

// Never in machine words: a value that fits them is kept there.
struct BigRational {
    mpq_class value;
    std::atomic<long> references{1};
};

class RationalGmp {
public:
    // A value seen as a GMP fraction: the shared fraction itself, or the
    // words laid out as limbs, which allocates nothing.
    class View {
    public:
        explicit View(const Rational& value) noexcept;
        View(const View&) = delete;
        View& operator=(const View&) = delete;

        [[nodiscard]] mpq_srcptr get() const noexcept { return value_; }

    private:
        mp_limb_t limbs_[2] = {};
        __mpq_struct words_{};
        mpq_srcptr value_;
    };

    // A GMP fraction in lowest terms with a positive denominator: in
    // machine words where it fits them, else moved to the heap as it is.
    [[nodiscard]] static Rational fromGmp(mpq_class&& value);
    [[nodiscard]] static mpq_class gmpValue(const Rational& value);

    static void share(BigRational* big) noexcept;
    static void release(BigRational* big) noexcept;
};

}  // namespace rowsweep::detail
