// The look of a window: the optional skin file and the button-face colouring it brings.
#pragma once

class QWidget;

namespace bw {

// The skin file is a Qt style sheet; when it exists the window, its frames, labels,
// check boxes and option buttons take the button-face colour and the sheet is applied.
void ApplySkin(QWidget* window);
// The colouring part of ApplySkin, for any window, without looking for a file.
void ApplyFaceColors(QWidget* window);

} // namespace bw
