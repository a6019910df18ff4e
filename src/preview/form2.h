// The preview window: the report picture with zoom and scrolling, saving and going back.
#pragma once

#include "spreadsheet/render/sheetpicture.h"
#include "widgets/mousepointer.h"

#include <QCursor>
#include <QString>
#include <QWidget>

#include <optional>

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QPushButton;
class QScrollBar;

namespace bw {

class PictureBox;
class PreviewHost;

// Besides the scroll bars, the picture pans by dragging. One window serves the whole
// run; it stays loaded while hidden.
//
// Report generation hands a report over in this order:
//   form2.setPicture(picture);      // loads the window on first use (Form_Load)
//   form2.mExcelFile = reportPath;  // the temporary workbook, owned by the window now
//   form2.showPreview();            // shown modeless; the first activation sets it up
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(PreviewHost* host = nullptr);
    ~Form2() override;

    // Full path of the temporary workbook of the report on show.
    QString mExcelFile;

    // Puts the report picture into the image box, loading the window first if needed.
    void setPicture(const ss::render::SheetPicture& picture);
    // What the picture shows, in words; the picture area's name for assistive technology.
    void setPictureDescription(const QString& description);
    // Shows the window modeless, brought to the front and activated; loads it if needed.
    // The picture area takes the keyboard focus.
    void showPreview();
    bool isLoaded() const { return loaded_; }

    void RedrawImage();
    void SetHScrollbarByPercent(QScrollBar* bar, int percent);
    void SetVScrollbarByPercent(QScrollBar* bar, int percent);

    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    bool hasHandCursor() const { return handCursor_.has_value(); }

    float zoom() const { return mZoom; }
    int origWidth() const { return mOrigWidth; }
    int origHeight() const { return mOrigHeight; }
    int zoomWidth() const { return mZoomWidth; }
    int zoomHeight() const { return mZoomHeight; }
    int hScrollStep() const { return mHScrollStep; }
    int vScrollStep() const { return mVScrollStep; }
    bool setUpPending() const { return mFirstActivate; }

    QFrame* viewport() const { return Picture2; }
    PictureBox* imageBox() const { return Picture1; }
    PictureBox* buffer() const { return Zoom_Ori; }
    QScrollBar* hScrollBar() const { return HScroll1; }
    QScrollBar* vScrollBar() const { return VScroll1; }
    QGroupBox* zoomFrame() const { return Frame1; }
    QPushButton* zoomInButton() const { return PushButton1; }
    QPushButton* zoomOutButton() const { return PushButton2; }
    QPushButton* backButton() const { return PushButton8; }
    QPushButton* saveButton() const { return PushButton6; }
    QMenu* previewMenu() const { return mnuPreview; }
    QAction* printItem() const { return mnuPrint; }

signals:
    // The save command wrote the report to `path` as `format` ("xls", "xlsx" or "pdf").
    // A cancelled or failed save announces nothing.
    void reportSaved(const QString& path, const QString& format);
    // The report's pages went to the printer the user chose.
    void reportPrinted();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPictureArea();
    void createScrollbars();
    void createButtons();
    void createShortcuts();
    // Arrow keys, Page Up/Down and Home/End over the picture area; false for other keys.
    bool scrollByKey(int key);
    void ensureLoaded();

    void Form_Load();
    void Form_Activate();
    void SetupScrollbars();
    // Fits one bar to the image box's outer length; `step` takes the bar's twips per unit.
    void setUpScrollbar(QScrollBar* bar, int& step, int imageOuter, int viewportOuter);
    void ZoomStep(int direction);
    void SetZoom(float newFactor);
    void HScroll1_Change();
    void VScroll1_Change();
    void setScrollbarByPercent(QScrollBar* bar, int percent);
    void settleAfterDrag(QScrollBar* bar, int step, int percent, bool horizontal);

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton6_Click();
    void PushButton8_Click();
    void Form_QueryUnload();
    void Form_Unload();

    void picture1_MouseDown(float x, float y);
    void picture1_MouseMove(Qt::MouseButtons buttons, float x, float y);
    void Picture1_MouseUp();

    // Printing (form2_print.cpp): Ctrl+P, or "Print..." in the menu that a still right
    // click on the picture, the Menu key or Shift+F10 opens.
    void createPrintControls();
    void showPreviewMenu(const QPoint& globalPos);
    void mnuPrint_Click();

    void PushButton_MouseMove();
    void Form_MouseMove();
    void Frame1_MouseMove();

    PreviewHost* host_;

    QFrame* Picture2 = nullptr;
    QWidget* viewportArea_ = nullptr; // the viewport's drawing area, inside its border
    PictureBox* Picture1 = nullptr;
    PictureBox* Zoom_Ori = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton8 = nullptr;
    QPushButton* PushButton6 = nullptr;
    QMenu* mnuPreview = nullptr;
    QAction* mnuPrint = nullptr;

    float mZoom = 1.0f;
    int mOrigWidth = 0;
    int mOrigHeight = 0;
    int mZoomWidth = 0;
    int mZoomHeight = 0;
    int mHScrollStep = 0;
    int mVScrollStep = 0;
    float mDownX = 0.0f;
    float mDownY = 0.0f;
    // A press on the picture that has not moved yet; released still with the right
    // button, it opens the menu instead of having dragged.
    QPoint pressGlobal_;
    bool stillPress_ = false;
    bool mFirstActivate = true;

    bool loaded_ = false;
    bool centred_ = false;
    bool activating_ = false;
    int mousePointer_ = kPointerDefault;
    std::optional<QCursor> handCursor_;
};

} // namespace bw
