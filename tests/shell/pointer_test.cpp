// Tests of the main window's mouse pointers.
#include "form1fixture.h"

#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>

namespace bw {
namespace {

using test::Form1Test;

class Pointer : public Form1Test {
protected:
    void moveOver(QWidget* widget) const
    {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
    }
    void writeHandCursor() const
    {
        QByteArray bytes;
        const auto put16 = [&](quint16 v) {
            char b[2];
            qToLittleEndian(v, b);
            bytes.append(b, 2);
        };
        const auto put32 = [&](quint32 v) {
            char b[4];
            qToLittleEndian(v, b);
            bytes.append(b, 4);
        };
        put16(0);
        put16(2);
        put16(1);
        bytes.append(char(16));
        bytes.append(char(16));
        bytes.append(char(0));
        bytes.append(char(0));
        put16(5);
        put16(1);
        put32(40 + 16 * 16 * 4 + 16 * 4);
        put32(22);
        put32(40);
        put32(16);
        put32(32);
        put16(1);
        put16(32);
        for (int i = 0; i < 6; ++i) put32(0);
        for (int i = 0; i < 16 * 16; ++i) put32(0xff000000u);
        bytes.append(QByteArray(16 * 4, '\0'));
        QFile file(QDir(env.programFolder()).filePath(QStringLiteral("HAND-M.CUR")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(Pointer, ButtonsShowTheHandAndEverythingElseTheArrow)
{
    writeHandCursor();
    Form1& f = open();
    ASSERT_TRUE(f.mouseIcon().has_value());
    EXPECT_EQ(f.mouseIcon()->hotSpot(), QPoint(5, 1));
    for (QPushButton* button : {f.PushButton1, f.PushButton2, f.PushButton3, f.PushButton6,
                                f.PushButton7, f.PushButton22}) {
        moveOver(f.Frame2);
        ASSERT_EQ(f.mousePointer(), kPointerDefault);
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        moveOver(button);
        EXPECT_EQ(f.mousePointer(), kPointerCustom) << button->objectName().toStdString();
        EXPECT_EQ(f.cursor().shape(), Qt::BitmapCursor);
    }
    for (QWidget* surface : std::initializer_list<QWidget*>{f.Frame1, f.Frame3, f.Label4[3],
                                                            f.DataGrid1->viewport()}) {
        moveOver(f.PushButton6);
        moveOver(surface);
        EXPECT_EQ(f.mousePointer(), kPointerDefault) << surface->objectName().toStdString();
    }
}

TEST_F(Pointer, TheHourglassStaysWhileItShows)
{
    writeHandCursor();
    Form1& f = open();
    f.setMousePointer(kPointerHourglass);
    moveOver(f.PushButton22);
    moveOver(f.Frame1);
    EXPECT_EQ(f.mousePointer(), kPointerHourglass);
    EXPECT_EQ(f.cursor().shape(), Qt::WaitCursor);
    f.setMousePointer(kPointerDefault);
    moveOver(f.PushButton22);
    EXPECT_EQ(f.mousePointer(), kPointerCustom);
}

TEST_F(Pointer, WithoutACursorFileTheButtonsShowNoHand)
{
    Form1& f = open();
    EXPECT_FALSE(f.mouseIcon().has_value());
    moveOver(f.PushButton7);
    EXPECT_NE(f.cursor().shape(), Qt::BitmapCursor);
}

} // namespace
} // namespace bw
