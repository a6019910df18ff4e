// What the preview window needs from the main window.
#pragma once

namespace bw {

// What the preview window needs from the main window. The main window implements it and
// hands itself to Form2; tests record the calls.
class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    // "< Back": show the main window again, modeless, exactly as the user left it.
    virtual void showMainWindow() = 0;

    // Closing the preview ends the program; before it does, the trip rows and their
    // count are written to the settings store exactly as the main window's own close
    // writes them, so that edits made before the report are kept. Reports its own
    // failures.
    virtual void saveTripRows() = 0;

    // Ends the program at once: the event loop returns and no further events run.
    virtual void endProgram();
};

} // namespace bw
