// The main window: employee fields, the period, the trip grid and the commands.
#include "shell/form1.h"

#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "core/twips.h"
#include "logtable/logsession.h"
#include "logtable/logsessions.h"
#include "logtable/logtablemodel.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/platform.h"
#include "shell/gridview.h"
#include "widgets/windowparts.h"

#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>

#include <array>

namespace bw {

namespace {

constexpr char kGridCaption[] = QT_TRANSLATE_NOOP(
    "bw::Form1",
    "To enter Description select row and type Description. Then press Enter to finish changes.");
// The grid's caption line takes the top of the grid's designed area.
constexpr int kGridCaptionHeight = 18;

// Frames as designed: a thin border whose caption sits on the top line, white inside.
// A widget matched by a style sheet rule takes its font from the sheet, not from its
// parent, so the sheet names the designed font too.
constexpr char kFrameStyle[] =
    "QGroupBox, QGroupBox * { font-family: \"Arial\", \"Liberation Sans\"; font-size: 8pt; }"
    "QGroupBox { background: white; border: 1px solid #a0a0a0; margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }";

void paintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* caption, TwipsRect geometry)
{
    auto* frame = new QGroupBox(Form1::tr(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry.pixels());
    frame->setMouseTracking(true);
    paintWhite(frame);
    return frame;
}

QLabel* makeLabel(QWidget* parent, int index, const char* caption, TwipsRect geometry)
{
    auto* label = new QLabel(Form1::tr(caption), parent);
    label->setObjectName(QStringLiteral("Label4_%1").arg(index));
    label->setGeometry(geometry.pixels());
    label->setMouseTracking(true);
    return label;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, TwipsRect geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry.pixels());
    return box;
}

QDateEdit* makeDatePicker(QWidget* parent, const char* name, TwipsRect geometry)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setGeometry(geometry.pixels());
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(shortDatePattern());
    picker->setDate(platform().clock->today());
    return picker;
}

// The employee fields and the period, each after its label.
void createEntryControls(Form1& form)
{
    auto* frame1 = makeFrame(&form, "Frame1", QT_TRANSLATE_NOOP("bw::Form1", "Employee Data"),
                             TwipsRect{120, 1095, 7800, 3540});
    form.Frame1 = frame1;
    const auto labelled = [&](int index, const char* caption, TwipsRect label, const char* name,
                              TwipsRect box) {
        form.Label4[static_cast<std::size_t>(index)] = makeLabel(frame1, index, caption, label);
        return makeTextBox(frame1, name, box);
    };
    form.txtEmployeeName =
        labelled(0, QT_TRANSLATE_NOOP("bw::Form1", "Employee Name:"), {240, 345, 1530, 225},
                 "txtEmployeeName", {2070, 300, 5505, 345});
    form.txtEmployeeID = labelled(1, QT_TRANSLATE_NOOP("bw::Form1", "Employee ID:"),
                                  {240, 780, 1200, 225}, "txtEmployeeID", {2070, 750, 5505, 345});
    form.txtVehicleDescription =
        labelled(2, QT_TRANSLATE_NOOP("bw::Form1", "Vehicle Description:"), {240, 1245, 1815, 225},
                 "txtVehicleDescription", {2070, 1200, 5505, 345});
    form.txtAuthorizedBy =
        labelled(3, QT_TRANSLATE_NOOP("bw::Form1", "Authorized By:"), {240, 1695, 1335, 225},
                 "txtAuthorizedBy", {2070, 1650, 5505, 345});
    form.txtRatePerMile =
        labelled(4, QT_TRANSLATE_NOOP("bw::Form1", "Rate per Mile:"), {240, 2145, 1275, 225},
                 "txtRatePerMile", {2070, 2100, 5490, 345});

    form.Frame3 = makeFrame(frame1, "Frame3", QT_TRANSLATE_NOOP("bw::Form1", "For Period"),
                            TwipsRect{2040, 2490, 5505, 855});
    form.Label4[5] = makeLabel(form.Frame3, 5, QT_TRANSLATE_NOOP("bw::Form1", "From:"),
                               TwipsRect{360, 315, 585, 225});
    form.dtpFrom = makeDatePicker(form.Frame3, "dtpFrom", TwipsRect{960, 270, 1770, 330});
    form.Label4[6] = makeLabel(form.Frame3, 6, QT_TRANSLATE_NOOP("bw::Form1", "To:"),
                               TwipsRect{3000, 300, 495, 225});
    form.dtpTo = makeDatePicker(form.Frame3, "dtpTo", TwipsRect{3405, 270, 1770, 330});
}

// Assistive technology names each field after its label, without the colon, and the
// grid after its caption line; the buttons are named by their captions.
void nameControls(Form1& form)
{
    const std::array<QWidget*, 7> labelled = {form.txtEmployeeName,
                                              form.txtEmployeeID,
                                              form.txtVehicleDescription,
                                              form.txtAuthorizedBy,
                                              form.txtRatePerMile,
                                              form.dtpFrom,
                                              form.dtpTo};
    for (std::size_t i = 0; i < labelled.size(); ++i) {
        QWidget* control = labelled[i];
        form.Label4[i]->setBuddy(control);
        QString name = form.Label4[i]->text();
        if (name.endsWith(QLatin1Char(':'))) name.chop(1);
        // French sets a space before the colon.
        name = name.trimmed();
        control->setAccessibleName(name);
    }
    form.DataGrid1->setAccessibleName(form.DataGrid1Caption->text());
}

// The hand over the buttons (true), the arrow elsewhere, unless busy.
void pointAt(Form1& form, bool button)
{
    const int pointer = button ? kPointerCustom : kPointerDefault;
    if (form.mousePointer() != kPointerHourglass && form.mousePointer() != pointer)
        form.setMousePointer(pointer);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), sessions_(std::make_unique<LogSessions>(LogSessions::startingLog()))
{
    setObjectName(QStringLiteral("Form1"));
    // The design's small dialog font.
    setFont(designedFont(8));
    setFixedSize(twipsToPixels(8040), twipsToPixels(9870));
    setMouseTracking(true);
    paintWhite(this);
    setStyleSheet(QString::fromLatin1(kFrameStyle));
    createControls();
    connectHandlers();
    bindSession(nullptr);
    centreOnScreen(this);
}

LogSession& Form1::session() const { return sessions_->current(); }

LogTableModel& Form1::gridModel() const { return session().model(); }

Form1::~Form1()
{
    // The base class hides the window after this body and the session is gone: an editor
    // still open in the grid would then hand its text to the model. The text goes in now,
    // while the log is here, and the grid lets go of the model before the session ends.
    finishCellEdit(DataGrid1);
    disconnect(&session().model(), nullptr, this, nullptr);
    disconnect(&session(), nullptr, this, nullptr);
    DataGrid1->setModel(nullptr);
}

void Form1::createControls()
{
    const auto button = [](QWidget* parent, const char* name, const char* caption, TwipsRect at) {
        return makeButton(parent, name, tr(caption), at.pixels());
    };
    PushButton22 =
        button(this, "PushButton22", QT_TR_NOOP("Start Creating Template"), {120, 120, 7800, 400});
    PushButton6 = button(this, "PushButton6", QT_TR_NOOP("Help"), {120, 630, 3840, 405});
    PushButton7 =
        button(this, "PushButton7", QT_TR_NOOP("Load Sample/Example Data"), {4080, 630, 3840, 405});

    createEntryControls(*this);
    createGrid();
    PushButton2 = button(Frame2, "PushButton2", QT_TR_NOOP("Insert Below Selected Row"),
                         {240, 3970, 7300, 405});
    PushButton1 =
        button(Frame2, "PushButton1", QT_TR_NOOP("Delete Selected Row"), {240, 4480, 3600, 405});
    PushButton3 = button(Frame2, "PushButton3", QT_TR_NOOP("Delete All"), {3960, 4480, 3600, 405});
    createGridMenu();

    nameControls(*this);

    const QList<QWidget*> tabOrder = {
        txtEmployeeName, PushButton22,   txtEmployeeID, txtVehicleDescription,
        txtAuthorizedBy, txtRatePerMile, DataGrid1,     PushButton2,
        PushButton1,     PushButton3,    dtpFrom,       dtpTo,
        PushButton6,     PushButton7};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i) {
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));
    }
}

// The trip grid under its caption line, in the frame that holds the row commands.
void Form1::createGrid()
{
    Frame2 =
        makeFrame(this, "Frame2", QT_TR_NOOP("Mileage Log Data"), TwipsRect{120, 4710, 7800, 5070});
    const QRect grid = TwipsRect{240, 300, 7300, 3540}.pixels();
    DataGrid1Caption = new QLabel(tr(kGridCaption), Frame2);
    DataGrid1Caption->setObjectName(QStringLiteral("DataGrid1Caption"));
    DataGrid1Caption->setGeometry(grid.left(), grid.top(), grid.width(), kGridCaptionHeight);
    DataGrid1Caption->setAlignment(Qt::AlignCenter);
    DataGrid1Caption->setFrameShape(QFrame::Box);
    DataGrid1Caption->setAutoFillBackground(true);
    DataGrid1Caption->setMouseTracking(true);
    QPalette captionPalette = DataGrid1Caption->palette();
    captionPalette.setColor(QPalette::Window, captionPalette.color(QPalette::Button));
    DataGrid1Caption->setPalette(captionPalette);

    DataGrid1 = new GridView(Frame2);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(grid.left(), grid.top() + kGridCaptionHeight, grid.width(),
                           grid.height() - kGridCaptionHeight);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed
                               | QAbstractItemView::SelectedClicked);
    DataGrid1->verticalHeader()->setDefaultSectionSize(DataGrid1->fontMetrics().height() + 6);
    DataGrid1->setMouseTracking(true);
    DataGrid1->viewport()->setMouseTracking(true);
    createTripCommands();
    createRateCommands();
}

void Form1::connectHandlers()
{
    // Keys for the commands; the grid's own (undo, redo, Alt+Insert, Alt+Delete) are its
    // actions, made with its context menu.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, PushButton6, &QPushButton::click);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* create = new QShortcut(keys, this);
        connect(create, &QShortcut::activated, this, [this] {
            // A click on the button would have finished the edit by taking the focus.
            finishCellEdit(DataGrid1);
            PushButton22->click();
        });
    }

    for (QPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton6, PushButton7, PushButton22}) {
        button->installEventFilter(this);
    }
    for (QWidget* surface : std::initializer_list<QWidget*>{
             Frame1, Frame2, Frame3, DataGrid1, DataGrid1->viewport(), DataGrid1Caption}) {
        surface->installEventFilter(this);
    }
    for (QLabel* label : Label4) {
        label->installEventFilter(this);
    }
    for (QLineEdit* box :
         {txtEmployeeName, txtEmployeeID, txtVehicleDescription, txtAuthorizedBy, txtRatePerMile}) {
        box->installEventFilter(this);
    }

    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(PushButton7, &QPushButton::clicked, this, [this] { PushButton7_Click(); });
    connect(PushButton22, &QPushButton::clicked, this, [this] { PushButton22_Click(); });

    const auto onChange = [this](QLineEdit* box, const char* key) {
        connect(box, &QLineEdit::textChanged, this, [this, key](const QString& text) {
            session().keepEntry(QString::fromLatin1(key), text);
        });
    };
    onChange(txtAuthorizedBy, "AuthorizedBy");
    onChange(txtEmployeeID, "EmployeeID");
    onChange(txtEmployeeName, "EmployeeName");
    onChange(txtRatePerMile, "RatePerMile");
    onChange(txtVehicleDescription, "VehicleDescription");
    connect(dtpFrom, &QDateEdit::dateChanged, this, [this] { dtpFrom_Change(); });
    connect(dtpTo, &QDateEdit::dateChanged, this, [this] { dtpTo_Change(); });
    session().setPeriod(dtpFrom->date(), dtpTo->date());
}

void Form1::setCreateTemplateHandler(std::function<void()> handler)
{
    createTemplate_ = std::move(handler);
}

void Form1::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    switch (pointer) {
    case kPointerHourglass:
        setCursor(Qt::WaitCursor);
        break;
    case kPointerCustom:
        // Without a loaded hand the custom pointer looks like the arrow.
        if (mouseIcon_) {
            setCursor(*mouseIcon_);
        } else {
            unsetCursor();
        }
        break;
    default:
        unsetCursor();
        break;
    }
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    pointAt(*this, false);
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        if (qobject_cast<QPushButton*>(watched) != nullptr) {
            pointAt(*this, true);
        } else if (qobject_cast<QLineEdit*>(watched) == nullptr) {
            pointAt(*this, false);
        }
    } else if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
               && watched == DataGrid1->viewport()) {
        if (dropTrips(event)) {
            return true;
        }
    } else if (type == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->setSelection(0, static_cast<int>(box->text().size()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace bw
