// Pieces both windows are built from: the designed font, buttons, a place on the screen.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace bw {

// Arial at `points`, falling back to the metric-compatible Liberation Sans where Arial
// is not installed.
QFont designedFont(double points, bool bold = false);

// A push button as designed: named, placed, and telling its window where the pointer is.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);

// Moves a window to the middle of the screen's available area.
void centreOnScreen(QWidget* window);

} // namespace bw
