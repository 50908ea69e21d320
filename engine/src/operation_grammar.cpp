#include "rowsweep/engine/operation_grammar.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "rowsweep/engine/exact_text.h"

namespace rowsweep {

namespace {

using Refusal = OperationRefusal;
using Reason = OperationRefusal::Reason;
using Kind = PracticeOperation::Kind;

struct Token {
    enum class Kind { Row, Number, Arrow, Exchange, Plus, Minus, Times, Slash, Open, Close };
    Kind kind;
    std::string_view text;  // Row and Number: the digits
};
using TokenKind = Token::Kind;

// The signs the notation takes in UTF-8, longest first where one starts
// another.
struct Sign {
    std::string_view text;
    TokenKind kind;
};
constexpr std::array kSigns{
    Sign{"<->", TokenKind::Exchange}, Sign{"\u2194", TokenKind::Exchange}, Sign{"->", TokenKind::Arrow},
    Sign{"\u2192", TokenKind::Arrow}, Sign{"-", TokenKind::Minus},         Sign{"\u2212", TokenKind::Minus},
    Sign{"+", TokenKind::Plus},       Sign{"*", TokenKind::Times},         Sign{"\u00d7", TokenKind::Times},
    Sign{"\u00b7", TokenKind::Times}, Sign{"/", TokenKind::Slash},         Sign{"(", TokenKind::Open},
    Sign{")", TokenKind::Close},
};
constexpr std::array<std::string_view, 3> kBlanks{" ", "\t", "\u00a0"};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<std::vector<Token>> tokens(std::string_view text)
{
    std::vector<Token> result;
    std::size_t at = 0;
    const auto startsWith = [&](std::string_view part) { return text.substr(at, part.size()) == part; };
    while (at < text.size()) {
        if (const auto* blank = std::find_if(kBlanks.begin(), kBlanks.end(), startsWith); blank != kBlanks.end()) {
            at += blank->size();
        } else if (const auto* sign = std::find_if(kSigns.begin(), kSigns.end(),
                                                   [&](const Sign& s) { return startsWith(s.text); });
                   sign != kSigns.end()) {
            result.push_back({sign->kind, sign->text});
            at += sign->text.size();
        } else if (text[at] == 'R' || text[at] == 'r') {
            // The row's digits follow, blanks allowed between.
            ++at;
            while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
                ++at;
            const std::size_t start = at;
            while (at < text.size() && isDigit(text[at]))
                ++at;
            if (at == start)
                return std::nullopt;
            result.push_back({TokenKind::Row, text.substr(start, at - start)});
        } else if (isDigit(text[at]) || text[at] == '.') {
            const std::size_t start = at;
            while (at < text.size() && (isDigit(text[at]) || text[at] == '.'))
                ++at;
            result.push_back({TokenKind::Number, text.substr(start, at - start)});
        } else {
            return std::nullopt;
        }
    }
    return result;
}

// One term of the right side: a coefficient times a row as written.
struct Term {
    Rational coefficient;
    int row;  // counted from 1, as written
};

class Parser {
public:
    explicit Parser(const std::vector<Token>& tokens)
        : tokens_(tokens)
    {
    }

    [[nodiscard]] bool atEnd() const { return at_ == tokens_.size(); }
    [[nodiscard]] bool nextIs(TokenKind kind) const { return !atEnd() && tokens_[at_].kind == kind; }
    void rewind() { at_ = 0; }
    bool take(TokenKind kind)
    {
        if (atEnd() || tokens_[at_].kind != kind)
            return false;
        ++at_;
        return true;
    }

    std::optional<int> row()
    {
        if (atEnd() || tokens_[at_].kind != TokenKind::Row)
            return std::nullopt;
        const std::string_view digits = tokens_[at_++].text;
        // Nine digits always fit an int; no row has more.
        const auto significant = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
        if (significant.size() > 9)
            return std::nullopt;
        int value = 0;
        for (const char digit : significant)
            value = value * 10 + (digit - '0');
        return value;
    }

    // A term: [sign] [factor [*]] Ri [/ divisor | * factor].
    std::optional<Term> term()
    {
        Rational coefficient = sign();
        if (!atEnd() && tokens_[at_].kind != TokenKind::Row) {
            const auto factor = this->factor();
            if (!factor)
                return std::nullopt;
            coefficient *= *factor;
            take(TokenKind::Times);
        }
        const auto row = this->row();
        if (!row)
            return std::nullopt;
        if (take(TokenKind::Slash)) {
            const auto divisor = number();
            if (!divisor || divisor->isZero())
                return std::nullopt;
            coefficient /= *divisor;
        } else if (take(TokenKind::Times)) {
            const auto factor = this->factor();
            if (!factor)
                return std::nullopt;
            coefficient *= *factor;
        }
        return Term{coefficient, *row};
    }

private:
    // An optional + or -.
    Rational sign()
    {
        if (take(TokenKind::Minus))
            return -1;
        take(TokenKind::Plus);
        return 1;
    }

    // An integer or decimal, read exactly, or a parenthesised factor.
    std::optional<Rational> number()
    {
        if (take(TokenKind::Open)) {
            const Rational signInside = sign();
            const auto inner = factor();
            if (!inner || !take(TokenKind::Close))
                return std::nullopt;
            return signInside * *inner;
        }
        if (atEnd() || tokens_[at_].kind != TokenKind::Number)
            return std::nullopt;
        return parseExactCellText(tokens_[at_++].text, false);
    }

    // A number, or a fraction of two.
    std::optional<Rational> factor()
    {
        const auto numerator = number();
        if (!numerator || !take(TokenKind::Slash))
            return numerator;
        const auto denominator = number();
        if (!denominator || denominator->isZero())
            return std::nullopt;
        return *numerator / *denominator;
    }

    const std::vector<Token>& tokens_;
    std::size_t at_ = 0;
};

bool isRow(int row)
{
    return row >= 1 && row <= kRows;
}

// Ri -> terms, or the terms alone with the first row written the one
// that changes.
std::variant<PracticeOperation, Refusal> combine(std::optional<int> left, const std::vector<Term>& terms)
{
    const auto addition = [](int target, const Term& added) {
        return PracticeOperation{Kind::AddMultiple, target - 1, added.row - 1, added.coefficient};
    };
    if (terms.size() == 1) {
        const Term& only = terms.front();
        if (left && *left != only.row)
            return Refusal{Reason::NotOneRowAtATime};
        if (only.coefficient.isZero())
            return Refusal{Reason::MultiplyByZero};
        return PracticeOperation{Kind::Multiply, only.row - 1, only.row - 1, only.coefficient};
    }
    if (terms.size() == 2 && terms[0].row != terms[1].row) {
        const int target = left ? *left : terms[0].row;
        for (std::size_t kept = 0; kept < 2; ++kept)
            if (terms[kept].row == target && terms[kept].coefficient == 1)
                return addition(target, terms[1 - kept]);
    }
    return Refusal{Reason::NotOneRowAtATime};
}

std::variant<PracticeOperation, Refusal> read(const std::vector<Token>& tokens)
{
    const Refusal notAnOperation{Reason::NotAnOperation};
    Parser parser(tokens);
    const auto first = parser.row();
    std::optional<int> left;
    std::vector<Term> terms;
    if (first && parser.take(TokenKind::Exchange)) {
        const auto second = parser.row();
        if (!second || !parser.atEnd())
            return notAnOperation;
        for (const int row : {*first, *second})
            if (!isRow(row))
                return Refusal{Reason::NoSuchRow, row};
        if (*first == *second)
            return Refusal{Reason::ExchangeWithItself, *first};
        return PracticeOperation{Kind::Exchange, *first - 1, *second - 1, 1};
    }
    if (first && parser.take(TokenKind::Arrow)) {
        left = first;
    } else {
        parser.rewind();
    }
    // Terms follow one another with their signs.
    do {
        const auto term = parser.term();
        if (!term)
            return notAnOperation;
        terms.push_back(*term);
    } while (!parser.atEnd() && (parser.nextIs(TokenKind::Plus) || parser.nextIs(TokenKind::Minus)));
    if (!parser.atEnd())
        return notAnOperation;
    if (left && !isRow(*left))
        return Refusal{Reason::NoSuchRow, *left};
    for (const Term& term : terms)
        if (!isRow(term.row))
            return Refusal{Reason::NoSuchRow, term.row};
    return combine(left, terms);
}

}  // namespace

std::variant<PracticeOperation, OperationRefusal> readOperation(std::string_view text)
{
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    });
    const auto read = characters <= kLongestOperationLine ? tokens(text) : std::nullopt;
    if (!read || read->empty())
        return Refusal{Reason::NotAnOperation};
    return rowsweep::read(*read);
}

}  // namespace rowsweep
