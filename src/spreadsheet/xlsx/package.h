// Reading and writing the zip packages that hold .xlsx workbooks.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace bw::ss::xlsx {

// One member of a zip package, by its full name ("xl/worksheets/sheet1.xml").
struct PackagePart {
    QString name;
    QByteArray data;
};

// The members of a zip file, in the order the archive lists them. Throws
// FileFormatError for anything that is not a readable zip file.
std::vector<PackagePart> readPackage(const QByteArray& zip);
// A deflated zip file of the parts, in the given order. Throws FileFormatError.
QByteArray writePackage(const std::vector<PackagePart>& parts);

} // namespace bw::ss::xlsx
