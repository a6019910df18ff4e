// Page settings of a worksheet, in the object model's units.
#pragma once

#include <QString>

#include <optional>

namespace bw::ss {

// Page settings of a worksheet, in the object model's units (margins in points).
struct PageSetup {
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;
    static constexpr int kPrintNoComments = -4142;
    static constexpr int kPrintInPlace = 16;
    static constexpr int kPrintSheetEnd = 1;
    static constexpr int kPaperLetter = 1;
    static constexpr int kPaperA4 = 9;

    QString printArea;
    double leftMargin = 0.7 * 72;
    double rightMargin = 0.7 * 72;
    double topMargin = 0.75 * 72;
    double bottomMargin = 0.75 * 72;
    double headerMargin = 0.3 * 72;
    double footerMargin = 0.3 * 72;
    int printComments = kPrintNoComments;
    int orientation = kPortrait;
    int paperSize = kPaperLetter;
    // A percentage, or nothing when the sheet is scaled to fit pages ("Zoom = False").
    std::optional<int> zoom = 100;
    int fitToPagesWide = 1;
    int fitToPagesTall = 1;

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

} // namespace bw::ss
