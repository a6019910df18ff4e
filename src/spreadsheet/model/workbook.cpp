// The workbook: its sheets, their names and the active sheet.
#include "spreadsheet/model/workbook.h"

#include "spreadsheet/model/errors.h"

#include <QCoreApplication>

namespace bw::ss {

QString sheetNameProblem(const QString& name, const std::vector<QString>& otherNames)
{
    if (name.isEmpty()) {
        return QCoreApplication::translate("Spreadsheet", "A sheet name cannot be empty.");
    }
    if (name.size() > 31) {
        return QCoreApplication::translate("Spreadsheet",
                                           "A sheet name cannot be longer than 31 characters.");
    }
    for (const QChar c : name) {
        if (c == u':' || c == u'\\' || c == u'/' || c == u'?' || c == u'*' || c == u'['
            || c == u']') {
            return QCoreApplication::translate(
                "Spreadsheet",
                "A sheet name cannot contain any of these characters: : \\ / ? * [ ]");
        }
    }
    if (name.startsWith(u'\'') || name.endsWith(u'\'')) {
        return QCoreApplication::translate("Spreadsheet",
                                           "A sheet name cannot begin or end with an apostrophe.");
    }
    for (const QString& other : otherNames) {
        if (other.compare(name, Qt::CaseInsensitive) == 0) {
            return QCoreApplication::translate(
                "Spreadsheet", "Cannot rename a sheet to the same name as another sheet.");
        }
    }
    return QString();
}

Workbook::Workbook() = default;

int Workbook::indexOf(const Worksheet& sheet) const
{
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (sheets_[i].get() == &sheet) return static_cast<int>(i);
    }
    return -1;
}

namespace {

std::vector<QString> namesExcept(const std::vector<std::unique_ptr<Worksheet>>& sheets, int skip)
{
    std::vector<QString> names;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (static_cast<int>(i) != skip) names.push_back(sheets[i]->name());
    }
    return names;
}

} // namespace

Worksheet& Workbook::addSheet(const QString& name)
{
    const QString problem = sheetNameProblem(name, namesExcept(sheets_, -1));
    if (!problem.isEmpty()) throw AutomationError(problem);
    sheets_.push_back(std::make_unique<Worksheet>(*this, name));
    return *sheets_.back();
}

void Workbook::removeSheet(int index)
{
    if (index < 0 || index >= sheetCount()) {
        throw AutomationError(QCoreApplication::translate("Spreadsheet", "Subscript out of range"));
    }
    if (sheetCount() == 1) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "A workbook must contain at least one visible worksheet."));
    }
    sheets_.erase(sheets_.begin() + index);
    if (active_ >= sheetCount())
        active_ = sheetCount() - 1;
    else if (active_ > index)
        --active_;
}

void Workbook::renameSheet(int index, const QString& name)
{
    if (index < 0 || index >= sheetCount()) {
        throw AutomationError(QCoreApplication::translate("Spreadsheet", "Subscript out of range"));
    }
    const QString problem = sheetNameProblem(name, namesExcept(sheets_, index));
    if (!problem.isEmpty()) throw AutomationError(problem);
    sheets_[static_cast<std::size_t>(index)]->setName(name);
}

QString Workbook::nextSheetName() const
{
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("Sheet%1").arg(n);
        if (sheetNameProblem(candidate, namesExcept(sheets_, -1)).isEmpty()) return candidate;
    }
}

void Workbook::setActiveSheetIndex(int index)
{
    if (index < 0 || index >= sheetCount()) {
        throw AutomationError(QCoreApplication::translate("Spreadsheet", "Subscript out of range"));
    }
    active_ = index;
}

} // namespace bw::ss
