// The look of a window from the optional skin file.
#include "widgets/skin.h"

#include "core/mainmodule.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

#include <stdexcept>

namespace bw {

namespace {

void paintFace(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), widget->palette().color(QPalette::Button));
    widget->setPalette(palette);
}

} // namespace

void ApplyFaceColors(QWidget* window)
{
    paintFace(window);
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child)
            || qobject_cast<QCheckBox*>(child) || qobject_cast<QRadioButton*>(child)) {
            paintFace(child);
        }
    }
}

void ApplySkin(QWidget* window)
{
    const QString skin = programFile(QString::fromLatin1(kSkinFile));
    if (!FileExists(skin)) {
        return;
    }
    ApplyFaceColors(window);
    QFile file(skin);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot read the skin file " + skin.toStdString());
    }
    window->setStyleSheet(QString::fromUtf8(file.readAll()));
}

} // namespace bw
