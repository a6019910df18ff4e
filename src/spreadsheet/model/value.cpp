// Cell values and the texts of the error values.
#include "spreadsheet/model/value.h"

namespace bw::ss {

QString errorText(ErrorValue e)
{
    switch (e) {
    case ErrorValue::Null:
        return QStringLiteral("#NULL!");
    case ErrorValue::Div0:
        return QStringLiteral("#DIV/0!");
    case ErrorValue::Value:
        return QStringLiteral("#VALUE!");
    case ErrorValue::Ref:
        return QStringLiteral("#REF!");
    case ErrorValue::Name:
        return QStringLiteral("#NAME?");
    case ErrorValue::Num:
        return QStringLiteral("#NUM!");
    case ErrorValue::NA:
        return QStringLiteral("#N/A");
    }
    return QStringLiteral("#VALUE!");
}

} // namespace bw::ss
