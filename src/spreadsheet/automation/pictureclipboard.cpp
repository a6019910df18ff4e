// The engine's in-process clipboard for pictures of ranges.
#include "spreadsheet/automation/pictureclipboard.h"

#include "spreadsheet/model/errors.h"

#include <QCoreApplication>

namespace bw::ss::automation {

render::SheetPicture PictureClipboard::picture() const
{
    if (picture_.isNull()) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "The clipboard holds no picture."));
    }
    return picture_;
}

PictureClipboard& pictureClipboard()
{
    static PictureClipboard clipboard;
    return clipboard;
}

} // namespace bw::ss::automation
