// The engine's in-process clipboard for pictures of ranges.
#pragma once

#include "spreadsheet/render/sheetpicture.h"

namespace bw::ss::automation {

// The engine's own clipboard for pictures of ranges. It lives in this process only:
// CopyPicture puts a picture here and the report reads it back; the user's clipboard is
// never involved.
class PictureClipboard {
public:
    void setPicture(const render::SheetPicture& picture) { picture_ = picture; }
    bool hasPicture() const { return !picture_.isNull(); }
    // Throws AutomationError when it holds no picture.
    render::SheetPicture picture() const;
    void clear() { picture_ = render::SheetPicture(); }

private:
    render::SheetPicture picture_;
};

// The one clipboard of the process, shared by every instance.
PictureClipboard& pictureClipboard();

} // namespace bw::ss::automation
