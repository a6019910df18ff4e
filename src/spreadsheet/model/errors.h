// The engine's error types, each with a plain description for the user.
#pragma once

#include <QString>

#include <stdexcept>

namespace bw::ss {

// Every failure of the engine is one of these; what() is a plain description that the
// error report shows the user as it is (UTF-8).
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& description)
        : std::runtime_error(description.toStdString())
    {}
    QString description() const { return QString::fromUtf8(what()); }
};

// A text entered as a formula that is not one.
class FormulaError : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

// A workbook file that cannot be written or read.
class FileFormatError : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

// A call the object model refuses (bad argument, quit application, closed workbook...).
class AutomationError : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

} // namespace bw::ss
