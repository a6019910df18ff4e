// Readable Qt strings in test failures.
#pragma once

#include <QString>

#include <ostream>

// gtest finds these by argument-dependent lookup, so failed comparisons of Qt strings
// print the text instead of raw bytes.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
