// Readable cell values in test failures.
#pragma once

#include "spreadsheet/model/value.h"
#include "support/qtprint.h"

#include <ostream>

namespace bw::ss {

// Failed comparisons of cell values print the value and its type.
inline void PrintTo(const Value& v, std::ostream* os)
{
    switch (v.type()) {
    case Value::Type::Empty:
        *os << "(empty)";
        break;
    case Value::Type::Number:
        *os << "number " << v.asNumber();
        break;
    case Value::Type::Text:
        *os << "text \"" << v.asText().toStdString() << '"';
        break;
    case Value::Type::Boolean:
        *os << (v.asBoolean() ? "TRUE" : "FALSE");
        break;
    case Value::Type::Error:
        *os << errorText(v.asError()).toStdString();
        break;
    }
}

} // namespace bw::ss
