// The workbook: its sheets and formats, and the rules for sheet names.
#pragma once

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/worksheet.h"

#include <QString>

#include <memory>
#include <vector>

namespace bw::ss {

// Why a sheet name is refused, or an empty text when it is acceptable: 1 to 31
// characters, none of : \ / ? * [ ], not starting or ending with an apostrophe, and not
// the name of another sheet of the book (compared without regard to case).
QString sheetNameProblem(const QString& name, const std::vector<QString>& otherNames);

class Workbook {
public:
    Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    FormatTable& formats() { return formats_; }
    const FormatTable& formats() const { return formats_; }

    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    Worksheet& sheet(int index) { return *sheets_.at(static_cast<std::size_t>(index)); }
    const Worksheet& sheet(int index) const { return *sheets_.at(static_cast<std::size_t>(index)); }
    int indexOf(const Worksheet& sheet) const;

    // Appends a sheet. Throws AutomationError for a name sheetNameProblem refuses.
    Worksheet& addSheet(const QString& name);
    // Throws AutomationError when it would remove the last sheet.
    void removeSheet(int index);
    // Throws AutomationError for a name sheetNameProblem refuses.
    void renameSheet(int index, const QString& name);
    // "Sheet1", "Sheet2", ...: the first such name not in use.
    QString nextSheetName() const;

    int activeSheetIndex() const { return active_; }
    void setActiveSheetIndex(int index);
    Worksheet& activeSheet() { return sheet(active_); }
    const Worksheet& activeSheet() const { return sheet(active_); }

    // Where the book was last saved to or opened from; empty for a new book.
    const QString& fullName() const { return fullName_; }
    void setFullName(const QString& path) { fullName_ = path; }

private:
    FormatTable formats_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    int active_ = 0;
    QString fullName_;
};

} // namespace bw::ss
