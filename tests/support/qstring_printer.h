#pragma once

#include <ostream>

#include <QString>

// GoogleTest prints a failed comparison of texts as the texts, not as
// arrays of UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
