// The designed font, buttons and centring shared by both windows.
#include "widgets/windowparts.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace bw {

QFont designedFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setMouseTracking(true);
    return button;
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace bw
