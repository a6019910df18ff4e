// Drives from files of any kind the readers know, told apart by their content.
#pragma once

#include "drives/drive.h"

#include <QString>
#include <QStringList>

namespace bw::drives {

// Reads the file at `path` as what its first bytes say it is: XML as GPX, JSON as a
// Timeline export or a Semantic Location History. An error names the file as `path` gives
// it.
DriveRead readDriveFile(const QString& path, const DriveRules& rules,
                        const ReadProgress& progress = {});

// Reads every file, one after the other, with one progress over all of them: the drives of
// all in the order of their start. The first file that cannot be read ends the reading
// with its error and no drives; so does a cancel.
DriveRead readDriveFiles(const QStringList& paths, const DriveRules& rules,
                         const ReadProgress& progress = {});

} // namespace bw::drives
