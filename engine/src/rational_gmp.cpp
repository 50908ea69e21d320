#include "rational_gmp.h"

namespace rowsweep::detail {

namespace {

// Within a machine word, LLONG_MIN kept out.
bool fitsWord(mpz_srcptr part) noexcept
{
    return mpz_fits_slong_p(part) != 0 && mpz_cmp_si(part, LONG_MIN) != 0;
}

}  // namespace

RationalGmp::View::View(const Rational& value) noexcept
{
    if (value.isBig()) {
        value_ = value.value_.big->value.get_mpq_t();
        return;
    }
    const long long numerator = value.value_.numerator;
    limbs_[0] = static_cast<mp_limb_t>(numerator < 0 ? -numerator : numerator);
    limbs_[1] = static_cast<mp_limb_t>(value.denominator_);
    mpz_roinit_n(&words_._mp_num, &limbs_[0], numerator < 0 ? -1 : numerator > 0 ? 1 : 0);
    mpz_roinit_n(&words_._mp_den, &limbs_[1], 1);
    value_ = &words_;
}

Rational RationalGmp::fromGmp(mpq_class&& value)
{
    if (fitsWord(value.get_num_mpz_t()) && fitsWord(value.get_den_mpz_t()))
        return Rational(Rational::Canonical{}, mpz_get_si(value.get_num_mpz_t()), mpz_get_si(value.get_den_mpz_t()));
    return Rational(Rational::InGmp{}, new BigRational{std::move(value)});
}

mpq_class RationalGmp::gmpValue(const Rational& value)
{
    return mpq_class(View(value).get());
}

void RationalGmp::share(BigRational* big) noexcept
{
    big->references.fetch_add(1, std::memory_order_relaxed);
}

void RationalGmp::release(BigRational* big) noexcept
{
    if (big->references.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete big;
}

}  // namespace rowsweep::detail
