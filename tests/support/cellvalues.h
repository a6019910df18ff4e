// Short spellings for the engine's test tables: texts from UTF-8 literals, cell values.
#pragma once

#include "spreadsheet/model/value.h"

#include <QString>

namespace bw::test {

inline QString q(const char* s) { return QString::fromUtf8(s); }
inline ss::Value num(double v) { return ss::Value::number(v); }
inline ss::Value txt(const char* v) { return ss::Value::text(q(v)); }

} // namespace bw::test
