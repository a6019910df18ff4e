// Understanding a typed cell text as a constant or a formula, with the format it implies.
#pragma once

#include "spreadsheet/model/value.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace bw::ss::entry {

// How a typed text is understood.
struct Parsed {
    enum class Kind { Constant, Formula };
    Kind kind = Kind::Constant;
    Value value;         // the constant (Kind::Constant)
    QString formulaText; // without "=" (Kind::Formula)
    // A number format the entry gives a General cell: "$#,##0.00" for "$1,234.50",
    // "0%" for "12%", a date format for "5/14/2016"...; nothing when it gives none.
    std::optional<QString> numberFormat;
};

// Understands `text` as a person typing it into a cell whose number format is
// `cellFormat` would be understood, under `locale` (separators, currency sign, date
// order). A cell formatted "@" keeps every entry as text. Never throws.
Parsed parse(const QString& text, const QString& cellFormat, const QLocale& locale);

} // namespace bw::ss::entry
