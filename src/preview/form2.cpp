// The preview window: zoom, scrolling, drag-to-pan, saving the report and going back.
#include "preview/form2.h"

#include "core/errorlocation.h"
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/reportformats.h"
#include "core/steptrap.h"
#include "core/twips.h"
#include "platform/appidentity.h"
#include "platform/cursorfile.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "preview/picturebox.h"
#include "preview/previewgeometry.h"
#include "preview/previewhost.h"
#include "widgets/skin.h"
#include "widgets/windowparts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace bw {

namespace {

using namespace preview;

// The window as designed, in twips inside the parent.
constexpr TwipsRect kClientArea{0, 0, 9840, 9390};
constexpr TwipsRect kPicture2{120, 120, 9330, 7425};
constexpr int kPicture2Border = 30; // a sunken edge of two pixels on every side
constexpr TwipsRect kZoomOri{10320, 480, 0, 0};
constexpr TwipsRect kVScroll1{9450, 120, 255, 7425};
constexpr TwipsRect kHScroll1{120, 7545, 9330, 255};
constexpr TwipsRect kFrame1{120, 7860, 9600, 855};
constexpr TwipsRect kPushButton1{240, 300, 4440, 405};  // inside Frame1
constexpr TwipsRect kPushButton2{4800, 300, 4560, 405}; // inside Frame1
constexpr TwipsRect kPushButton8{120, 8850, 4680, 405};
constexpr TwipsRect kPushButton6{4920, 8850, 4800, 405};

constexpr int kViewportOuterWidth = kPicture2.width;
constexpr int kViewportOuterHeight = kPicture2.height;
constexpr int kViewportInnerWidth = kPicture2.width - 2 * kPicture2Border;
constexpr int kViewportInnerHeight = kPicture2.height - 2 * kPicture2Border;

QString location(const char* literal) { return QString::fromLatin1(literal); }

QString suffixOf(ReportFormat format)
{
    for (const ReportFormatInfo& info : reportFormats()) {
        if (info.format == format) return info.suffix;
    }
    return QString();
}

} // namespace

Form2::Form2(PreviewHost* host)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      host_(host)
{
    createControls();
    createShortcuts();
}

Form2::~Form2() = default;

void Form2::createControls()
{
    setFont(designedFont(9.0, true));
    setFixedSize(kClientArea.pixels().size());
    setMouseTracking(true);
    createPictureArea();
    createScrollbars();
    createButtons();
    createPrintControls();

    // The window's own pointer handler must only hear moves over its bare background.
    for (QWidget* child :
         {static_cast<QWidget*>(Picture2), static_cast<QWidget*>(VScroll1),
          static_cast<QWidget*>(HScroll1), static_cast<QWidget*>(Frame1),
          static_cast<QWidget*>(PushButton1), static_cast<QWidget*>(PushButton2),
          static_cast<QWidget*>(PushButton8), static_cast<QWidget*>(PushButton6)}) {
        child->setAttribute(Qt::WA_NoMousePropagation);
    }
}

// The sunken viewport, its white drawing area, the image box inside it and the hidden
// buffer that keeps the unzoomed picture.
void Form2::createPictureArea()
{
    Picture2 = new QFrame(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(kPicture2.pixels());
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setLineWidth(twipsToPixels(kPicture2Border));
    // The keyboard scrolls the picture from here; the name says what the picture shows.
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Picture2->installEventFilter(this);

    viewportArea_ = new QWidget(Picture2);
    viewportArea_->setGeometry(Picture2->contentsRect());
    viewportArea_->setAutoFillBackground(true);
    QPalette white = viewportArea_->palette();
    white.setColor(QPalette::Window, Qt::white);
    viewportArea_->setPalette(white);

    Picture1 = new PictureBox(viewportArea_);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometryTwips(0, 0, kViewportInnerWidth, kViewportInnerHeight);
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);

    Zoom_Ori = new PictureBox(this);
    Zoom_Ori->setObjectName(QStringLiteral("Zoom_Ori"));
    Zoom_Ori->setGeometryTwips(kZoomOri.left, kZoomOri.top, kZoomOri.width, kZoomOri.height);
    Zoom_Ori->hide();
}

void Form2::createScrollbars()
{
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(kVScroll1.pixels());
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(kHScroll1.pixels());
    for (QScrollBar* bar : {VScroll1, HScroll1}) {
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setPageStep(1);
    }
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
}

// The zoom frame with its two buttons, "< Back" and the save button.
void Form2::createButtons()
{
    Frame1 = new QGroupBox(tr("Zoom:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(kFrame1.pixels());
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);

    const QFont captionFont = designedFont(11.25, true);
    auto button = [&](QWidget* parent, const char* name, const QString& caption,
                      const TwipsRect& at) {
        QPushButton* made = makeButton(parent, name, caption, at.pixels());
        made->setFont(captionFont);
        made->installEventFilter(this);
        return made;
    };
    PushButton1 = button(Frame1, "PushButton1", tr("Zoom In"), kPushButton1);
    PushButton2 = button(Frame1, "PushButton2", tr("Zoom Out"), kPushButton2);
    PushButton8 = button(this, "PushButton8", tr("< Back"), kPushButton8);
    PushButton6 = button(this, "PushButton6", tr("Save Results To Excel File"), kPushButton6);
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton8, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
}

// --- hand-over from report generation -------------------------------------------------

void Form2::ensureLoaded()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void Form2::setPicture(const ss::render::SheetPicture& picture)
{
    ensureLoaded();
    Picture1->setPicture(picture);
}

void Form2::setPictureDescription(const QString& description)
{
    ensureLoaded();
    Picture2->setAccessibleName(description);
    Picture2->setAccessibleDescription(description);
}

void Form2::showPreview()
{
    ensureLoaded();
    show();
    raise();
    activateWindow();
    Form_Activate();
    Picture2->setFocus(Qt::OtherFocusReason);
}

// The commands of the window's buttons, and zoom, from the keyboard. Ctrl+S and Escape
// run the buttons' own commands.
void Form2::createShortcuts()
{
    const auto onKeys = [this](std::initializer_list<QKeySequence> keys, QPushButton* button) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        }
    };
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
           PushButton1);
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, PushButton2);
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_S)}, PushButton6);
    onKeys({QKeySequence(Qt::Key_Escape)}, PushButton8);
}

bool Form2::scrollByKey(int key)
{
    // About one sheet row (the default 12.75 points) at the current zoom, in bar units.
    constexpr double kRowTwips = 255.0;
    const auto units = [](double twips, int step) {
        return step > 0 ? std::max(1, static_cast<int>(std::lround(twips / step))) : 0;
    };
    const int row = units(kRowTwips * mZoom, mVScrollStep);
    const int column = units(kRowTwips * mZoom, mHScrollStep);
    const int page = units(kViewportInnerHeight, mVScrollStep);
    switch (key) {
    case Qt::Key_Up:
        VScroll1->setValue(VScroll1->value() - row);
        return true;
    case Qt::Key_Down:
        VScroll1->setValue(VScroll1->value() + row);
        return true;
    case Qt::Key_Left:
        HScroll1->setValue(HScroll1->value() - column);
        return true;
    case Qt::Key_Right:
        HScroll1->setValue(HScroll1->value() + column);
        return true;
    case Qt::Key_PageUp:
        VScroll1->setValue(VScroll1->value() - page);
        return true;
    case Qt::Key_PageDown:
        VScroll1->setValue(VScroll1->value() + page);
        return true;
    case Qt::Key_Home:
        VScroll1->setValue(VScroll1->minimum());
        return true;
    case Qt::Key_End:
        VScroll1->setValue(VScroll1->maximum());
        return true;
    default:
        return false;
    }
}

// --- loading and set-up ---------------------------------------------------------------

void Form2::Form_Load()
{
    StepTrap trap(location(ErrorLocation::Form2_Form_Load));
    trap.run(100, [&] { mFirstActivate = true; });
    trap.run(102, [&] { ApplyFaceColors(this); });
    trap.run(104, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(applicationIcon());
    });
    const QString hand = programFile(QString::fromLatin1(kHandCursorFile));
    if (trap.test(108, [&] { return FileExists(hand); })) {
        trap.run(110, [&] { handCursor_ = loadCursorFile(hand); });
    }
}

void Form2::Form_Activate()
{
    // A report box shown during the set-up gives the activation back when it closes;
    // that must not start the set-up a second time.
    if (!mFirstActivate || activating_) {
        return;
    }
    activating_ = true;
    StepTrap trap(location(ErrorLocation::Form2_Form_Activate));
    trap.run(104, [&] { Picture1->setAutoSize(true); });
    trap.run(110, [&] { Picture1->setBackColor(Qt::white); });
    trap.run(116, [&] { Zoom_Ori->hide(); });
    trap.run(118, [&] { Zoom_Ori->resizeTwips(Picture1->widthTwips(), Zoom_Ori->heightTwips()); });
    trap.run(120, [&] { Zoom_Ori->resizeTwips(Zoom_Ori->widthTwips(), Picture1->heightTwips()); });
    trap.run(122, [&] { Zoom_Ori->setPicture(Picture1->picture()); });
    trap.run(124, [&] { mZoom = 1.0f; });
    trap.run(126, [&] { mOrigWidth = originalLength(Zoom_Ori->innerWidthTwips()); });
    trap.run(128, [&] { mOrigHeight = originalLength(Zoom_Ori->innerHeightTwips()); });
    trap.run(130, [&] { mZoomWidth = zoomedLength(1.0f, mOrigWidth); });
    trap.run(132, [&] { mZoomHeight = zoomedLength(1.0f, mOrigHeight); });
    trap.run(134, [&] { RedrawImage(); });
    trap.run(136, [&] { SetupScrollbars(); });
    trap.run(138, [&] { mFirstActivate = false; });
    activating_ = false;
}

// --- zoom and scrolling ---------------------------------------------------------------

void Form2::RedrawImage()
{
    StepTrap trap(location(ErrorLocation::Form2_RedrawImage));
    trap.run(100, [&] { mZoomWidth = zoomedLength(mZoom, mOrigWidth); });
    trap.run(102, [&] { mZoomHeight = zoomedLength(mZoom, mOrigHeight); });
    if (trap.test(104, [&] { return zoomedSizeFits(mZoomWidth, mZoomHeight); })) {
        trap.run(106, [&] { Picture1->clearPicture(); });
        trap.run(108, [&] { Picture1->resizeTwips(mZoomWidth, Picture1->heightTwips()); });
        trap.run(110, [&] { Picture1->resizeTwips(Picture1->widthTwips(), mZoomHeight); });
        trap.run(112, [&] {
            Picture1->paintPicture(Zoom_Ori->picture(), QRect(0, 0, mZoomWidth, mZoomHeight),
                                   QRect(0, 0, mOrigWidth, mOrigHeight));
        });
        trap.run(114, [&] { setMousePointer(kPointerDefault); });
        trap.run(116, [&] { HScroll1->setValue(0); });
        trap.run(118, [&] { VScroll1->setValue(0); });
        trap.run(120, [&] { HScroll1->setEnabled(kViewportInnerWidth < mZoomWidth); });
        trap.run(122, [&] { VScroll1->setEnabled(kViewportInnerHeight < mZoomHeight); });
    } else {
        // Refused: the image box keeps what it shows, and the next step starts from 1.0.
        trap.run(124, [&] { mZoom = 1.0f; });
        trap.run(126, [&] { mOrigWidth = originalLength(Zoom_Ori->innerWidthTwips()); });
        trap.run(128, [&] { mOrigHeight = originalLength(Zoom_Ori->innerHeightTwips()); });
        trap.run(130, [&] { mZoomWidth = zoomedLength(1.0f, mOrigWidth); });
        trap.run(132, [&] { mZoomHeight = zoomedLength(1.0f, mOrigHeight); });
    }
}

void Form2::SetupScrollbars()
{
    Picture1->moveTwips(0, 0);
    setUpScrollbar(HScroll1, mHScrollStep, Picture1->widthTwips(), kViewportOuterWidth);
    setUpScrollbar(VScroll1, mVScrollStep, Picture1->heightTwips(), kViewportOuterHeight);
}

// The step is stored before the bar moves: the bar's change handler reads it.
void Form2::setUpScrollbar(QScrollBar* bar, int& step, int imageOuter, int viewportOuter)
{
    const ScrollFit fit = preview::fitScrollbar(imageOuter, viewportOuter);
    bar->setEnabled(fit.enabled);
    if (fit.enabled) {
        bar->setMaximum(fit.maximum);
    }
    step = fit.step;
    if (fit.enabled) {
        bar->setValue(0);
    }
}

void Form2::ZoomStep(int direction) { SetZoom(zoomStep(mZoom, direction)); }

void Form2::SetZoom(float newFactor)
{
    if (!zoomAccepted(newFactor)) {
        return;
    }
    mZoom = newFactor;
    RedrawImage();
    SetupScrollbars();
}

void Form2::HScroll1_Change()
{
    Picture1->setLeftTwips(scrollOffset(mHScrollStep, HScroll1->value()));
}

void Form2::VScroll1_Change()
{
    Picture1->setTopTwips(scrollOffset(mVScrollStep, VScroll1->value()));
}

void Form2::SetHScrollbarByPercent(QScrollBar* bar, int percent)
{
    setScrollbarByPercent(bar, percent);
}

void Form2::SetVScrollbarByPercent(QScrollBar* bar, int percent)
{
    setScrollbarByPercent(bar, percent);
}

void Form2::setScrollbarByPercent(QScrollBar* bar, int percent)
{
    if (const auto value = barValueForPercent(percent, bar->maximum())) {
        bar->setValue(*value);
    }
}

void Form2::PushButton1_Click()
{
    StepTrap trap(location(ErrorLocation::Form2_PushButton1_Click));
    trap.run(100, [&] { ZoomStep(0); });
}

void Form2::PushButton2_Click()
{
    StepTrap trap(location(ErrorLocation::Form2_PushButton2_Click));
    trap.run(100, [&] { ZoomStep(1); });
}

// --- drag to pan ----------------------------------------------------------------------

void Form2::picture1_MouseDown(float x, float y)
{
    StepTrap trap(location(ErrorLocation::Form2_picture1_MouseDown));
    trap.run(100, [&] { mDownX = x; });
    trap.run(102, [&] { mDownY = y; });
}

void Form2::picture1_MouseMove(Qt::MouseButtons buttons, float x, float y)
{
    StepTrap trap(location(ErrorLocation::Form2_picture1_MouseMove));
    if (!trap.test(100, [&] { return buttons != Qt::NoButton; })) {
        return;
    }
    float newLeft = 0.0f;
    float newTop = 0.0f;
    trap.run(104, [&] {
        newLeft = panPosition(static_cast<float>(Picture1->leftTwips()), mDownX, x,
                              kViewportInnerWidth, Picture1->widthTwips());
    });
    trap.run(114, [&] {
        newTop = panPosition(static_cast<float>(Picture1->topTwips()), mDownY, y,
                             kViewportInnerHeight, Picture1->heightTwips());
    });
    trap.run(124, [&] { Picture1->moveTwips(roundHalfEven(newLeft), roundHalfEven(newTop)); });
}

void Form2::Picture1_MouseUp()
{
    StepTrap trap(location(ErrorLocation::Form2_Picture1_MouseUp));
    // A failed step leaves its percentage at 0; no percentage at all (the image box as
    // wide as the viewport) leaves that bar alone.
    std::optional<int> horizontal = 0;
    std::optional<int> vertical = 0;
    trap.run(100, [&] {
        horizontal =
            releasePercent(Picture1->leftTwips(), Picture1->widthTwips(), kViewportOuterWidth);
    });
    trap.run(102, [&] {
        vertical =
            releasePercent(Picture1->topTwips(), Picture1->heightTwips(), kViewportOuterHeight);
    });
    trap.run(104, [&] {
        if (horizontal) {
            settleAfterDrag(HScroll1, mHScrollStep, *horizontal, true);
        }
    });
    trap.run(106, [&] {
        if (vertical) {
            settleAfterDrag(VScroll1, mVScrollStep, *vertical, false);
        }
    });
}

void Form2::settleAfterDrag(QScrollBar* bar, int step, int percent, bool horizontal)
{
    const int position = horizontal ? Picture1->leftTwips() : Picture1->topTwips();
    const Settle settle = preview::settleAfterDrag(position, step, bar->maximum(), percent);
    if (!settle.exact) {
        if (horizontal) {
            SetHScrollbarByPercent(bar, percent);
        } else {
            SetVScrollbarByPercent(bar, percent);
        }
        return;
    }
    // The bar follows the picture; the picture does not jump to the bar.
    const QSignalBlocker quiet(bar);
    bar->setValue(*settle.value);
}

// --- save, back and close -------------------------------------------------------------

void Form2::PushButton6_Click()
{
    StepTrap trap(location(ErrorLocation::Form2_PushButton6_Click));
    Dialogs& dialogs = *platform().dialogs;
    // A report whose workbook could not be written has only its picture; there is
    // nothing to copy, and no file name is asked for.
    if (trap.test(100, [&] { return mExcelFile.isEmpty(); })) {
        trap.run(102, [&] { tell(tr("There is no workbook to save.")); });
        return;
    }

    Dialogs::SaveFile request;
    trap.run(106, [&] { request.fileName = QString(); });
    trap.run(108, [&] { request.title = tr("Save File"); });
    trap.run(110, [&] {
        for (const ReportFormatInfo& format : reportFormats()) request.filters << format.filter;
    });
    Dialogs::SaveChoice choice;
    trap.run(112, [&] { choice = dialogs.saveFile(request); });
    // The name as it will be written: one without a suffix of ours gets the chosen
    // filter's, so that the file opens as what it is.
    QString chosen;
    trap.run(114, [&] { chosen = reportPathFor(choice.path, choice.filter); });

    int answer = 0;
    if (!trap.test(116, [&] { return chosen.isEmpty(); })) {
        if (trap.test(118, [&] { return FileExists(chosen); })) {
            trap.run(120, [&] {
                answer =
                    ask(tr("Are you sure you wish to overwrite %1 ?").arg(chosen), Dialogs::Yes);
            });
            // The old file is not deleted first: the new one replaces it whole, so a
            // write that fails leaves it as it was.
        } else {
            answer = Dialogs::Yes;
        }
    }

    if (trap.test(128, [&] { return answer == Dialogs::Yes; })) {
        const ReportFormat format = reportFormatOfPath(chosen).value_or(ReportFormat::Xls);
        const bool written = trap.run(130, [&] { writeReportFile(mExcelFile, chosen, format); });
        // The failure was reported; "Done." would claim the opposite.
        if (!written) return;
        emit reportSaved(chosen, suffixOf(format));
    }
    trap.run(132, [&] { tell(tr("Done.")); });
}

void Form2::PushButton8_Click()
{
    StepTrap trap(location(ErrorLocation::Form2_PushButton8_Click));
    trap.run(102, [&] { DeleteFileQuietly(mExcelFile); });
    trap.run(104, [&] {
        if (host_) {
            host_->showMainWindow();
        }
    });
    trap.run(106, [&] {
        hide();
        mFirstActivate = true;
    });
}

void Form2::Form_QueryUnload()
{
    StepTrap trap(location(ErrorLocation::Form2_Form_QueryUnload));
    trap.run(100, [&] { DeleteFileQuietly(mExcelFile); });
    trap.run(102, [&] { QCoreApplication::processEvents(); });
    trap.run(104, [&] { QCoreApplication::processEvents(); });
    trap.run(106, [&] {
        if (host_) {
            host_->saveTripRows();
        }
    });
}

void Form2::Form_Unload()
{
    if (host_) {
        host_->endProgram();
    } else {
        QCoreApplication::exit(0);
    }
}

// --- pointer shape --------------------------------------------------------------------

void Form2::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    if (pointer == kPointerHourglass) {
        setCursor(Qt::WaitCursor);
    } else if (pointer == kPointerCustom && handCursor_) {
        setCursor(*handCursor_);
    } else {
        unsetCursor();
    }
}

void Form2::PushButton_MouseMove()
{
    if (mousePointer_ != kPointerHourglass) {
        setMousePointer(kPointerCustom);
    }
}

void Form2::Form_MouseMove()
{
    if (mousePointer_ != kPointerHourglass) {
        setMousePointer(kPointerDefault);
    }
}

void Form2::Frame1_MouseMove()
{
    if (mousePointer_ != kPointerHourglass) {
        setMousePointer(kPointerDefault);
    }
}

// --- window events --------------------------------------------------------------------

void Form2::showEvent(QShowEvent* event)
{
    ensureLoaded();
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QWidget::showEvent(event);
    // Without a window manager a shown window may never be activated; the set-up still
    // belongs to the showing, so it runs once the show is complete.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) {
            Form_Activate();
        }
    });
}

void Form2::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Activate();
    }
}

void Form2::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
    Form_Unload();
}

void Form2::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture2 && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->modifiers() == Qt::NoModifier || press->modifiers() == Qt::KeypadModifier) {
            return scrollByKey(press->key());
        }
        return false;
    }
    if (watched == Picture1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            pressGlobal_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            stillPress_ = true;
            const QPointF at = static_cast<QMouseEvent*>(event)->position();
            picture1_MouseDown(static_cast<float>(pixelsToTwips(at.x())),
                               static_cast<float>(pixelsToTwips(at.y())));
            return true;
        }
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons() != Qt::NoButton
                && (move->globalPosition().toPoint() - pressGlobal_).manhattanLength()
                       >= QApplication::startDragDistance()) {
                stillPress_ = false;
            }
            picture1_MouseMove(move->buttons(),
                               static_cast<float>(pixelsToTwips(move->position().x())),
                               static_cast<float>(pixelsToTwips(move->position().y())));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            Picture1_MouseUp();
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::RightButton && std::exchange(stillPress_, false)) {
                showPreviewMenu(release->globalPosition().toPoint());
            }
            return true;
        }
        case QEvent::ContextMenu:
            // A right click on the picture may still become a drag; its release decides.
            return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == Frame1) {
            Frame1_MouseMove();
        } else if (watched == PushButton1 || watched == PushButton2 || watched == PushButton6
                   || watched == PushButton8) {
            PushButton_MouseMove();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace bw
