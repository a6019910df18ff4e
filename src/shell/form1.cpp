// The main window: employee fields, the period, the trip grid and the commands.
#include "shell/form1.h"

#include "core/twips.h"
#include "logstore/claimstore.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/logtablestore.h"
#include "logtable/tripbook.h"
#include "logtable/triplog.h"
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

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), session_(std::make_unique<LogSession>()), model_(new LogTableModel(this)),
      history_(std::make_unique<LogHistory>(*model_))
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
    centreOnScreen(this);
}

TripLog* Form1::tripLog() const { return session_->log(); }

ClaimStore* Form1::claimStore() const { return session_->claims(); }

Form1::~Form1()
{
    // The base class hides the window after this body and the members are gone: an editor
    // still open in the grid would then hand its text to the model, whose change signal
    // must no longer reach this window's log. The text goes in now, while the log is here.
    commitGridEdit();
    disconnect(model_, nullptr, this, nullptr);
    // The editor may hand its text over once more as it loses the focus; the model then
    // fills without this window's rate, period and routes.
    model_->setTripContext({});
    model_->setClaimMarks({});
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

    createEntryControls();
    createGrid();
    PushButton2 = button(Frame2, "PushButton2", QT_TR_NOOP("Insert Below Selected Row"),
                         {240, 3970, 7300, 405});
    PushButton1 =
        button(Frame2, "PushButton1", QT_TR_NOOP("Delete Selected Row"), {240, 4480, 3600, 405});
    PushButton3 = button(Frame2, "PushButton3", QT_TR_NOOP("Delete All"), {3960, 4480, 3600, 405});
    createHistoryActions();
    createGridMenu();

    nameControls();

    const QList<QWidget*> tabOrder = {
        txtEmployeeName, PushButton22,   txtEmployeeID, txtVehicleDescription,
        txtAuthorizedBy, txtRatePerMile, DataGrid1,     PushButton2,
        PushButton1,     PushButton3,    dtpFrom,       dtpTo,
        PushButton6,     PushButton7};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i) {
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));
    }
}

// The employee fields and the period, each after its label.
void Form1::createEntryControls()
{
    Frame1 =
        makeFrame(this, "Frame1", QT_TR_NOOP("Employee Data"), TwipsRect{120, 1095, 7800, 3540});
    Label4[0] = makeLabel(Frame1, 0, QT_TR_NOOP("Employee Name:"), TwipsRect{240, 345, 1530, 225});
    txtEmployeeName = makeTextBox(Frame1, "txtEmployeeName", TwipsRect{2070, 300, 5505, 345});
    Label4[1] = makeLabel(Frame1, 1, QT_TR_NOOP("Employee ID:"), TwipsRect{240, 780, 1200, 225});
    txtEmployeeID = makeTextBox(Frame1, "txtEmployeeID", TwipsRect{2070, 750, 5505, 345});
    Label4[2] =
        makeLabel(Frame1, 2, QT_TR_NOOP("Vehicle Description:"), TwipsRect{240, 1245, 1815, 225});
    txtVehicleDescription =
        makeTextBox(Frame1, "txtVehicleDescription", TwipsRect{2070, 1200, 5505, 345});
    Label4[3] = makeLabel(Frame1, 3, QT_TR_NOOP("Authorized By:"), TwipsRect{240, 1695, 1335, 225});
    txtAuthorizedBy = makeTextBox(Frame1, "txtAuthorizedBy", TwipsRect{2070, 1650, 5505, 345});
    Label4[4] = makeLabel(Frame1, 4, QT_TR_NOOP("Rate per Mile:"), TwipsRect{240, 2145, 1275, 225});
    txtRatePerMile = makeTextBox(Frame1, "txtRatePerMile", TwipsRect{2070, 2100, 5490, 345});

    Frame3 =
        makeFrame(Frame1, "Frame3", QT_TR_NOOP("For Period"), TwipsRect{2040, 2490, 5505, 855});
    Label4[5] = makeLabel(Frame3, 5, QT_TR_NOOP("From:"), TwipsRect{360, 315, 585, 225});
    dtpFrom = makeDatePicker(Frame3, "dtpFrom", TwipsRect{960, 270, 1770, 330});
    Label4[6] = makeLabel(Frame3, 6, QT_TR_NOOP("To:"), TwipsRect{3000, 300, 495, 225});
    dtpTo = makeDatePicker(Frame3, "dtpTo", TwipsRect{3405, 270, 1770, 330});
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
    model_->attachView(DataGrid1);
    model_->setTripContext(
        {[this] { return txtRatePerMile->text(); },
         [this] {
             return TripPeriod{dtpFrom->date(), dtpTo->date()};
         },
         [this] { return rates_; },
         [this](const QString& from, const QString& to) { return tripBook_->distance(from, to); },
         [this] {
             return session_->log() && session_->log()->database()
                        ? session_->log()->database()->taxYearStart()
                        : TaxYearStart{};
         },
         [this] {
             return tripsOutsideLog(session_->log() ? session_->log()->database() : nullptr);
         }});
    createTripActions();
    createRateActions();
}

void Form1::nameControls()
{
    // Assistive technology names each field after its label, without the colon, and the
    // grid after its caption line; the buttons are named by their captions.
    const std::array<QWidget*, 7> labelled = {
        txtEmployeeName, txtEmployeeID, txtVehicleDescription, txtAuthorizedBy, txtRatePerMile,
        dtpFrom,         dtpTo};
    for (std::size_t i = 0; i < labelled.size(); ++i) {
        QWidget* control = labelled[i];
        Label4[i]->setBuddy(control);
        QString name = Label4[i]->text();
        if (name.endsWith(QLatin1Char(':'))) name.chop(1);
        // French sets a space before the colon.
        name = name.trimmed();
        control->setAccessibleName(name);
    }
    DataGrid1->setAccessibleName(DataGrid1Caption->text());
}

void Form1::connectHandlers()
{
    connect(model_, &LogTableModel::changeFinished, this, &Form1::commitTrips);
    // Keys for the commands; the grid's own (undo, redo, Alt+Insert, Alt+Delete) are its
    // actions, made with its context menu.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, PushButton6, &QPushButton::click);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* create = new QShortcut(keys, this);
        connect(create, &QShortcut::activated, this, [this] {
            // A click on the button would have finished the edit by taking the focus.
            commitGridEdit();
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
        connect(box, &QLineEdit::textChanged, this,
                [this, key](const QString& text) { saveEntry(QString::fromLatin1(key), text); });
    };
    onChange(txtAuthorizedBy, "AuthorizedBy");
    onChange(txtEmployeeID, "EmployeeID");
    onChange(txtEmployeeName, "EmployeeName");
    onChange(txtRatePerMile, "RatePerMile");
    onChange(txtVehicleDescription, "VehicleDescription");
    connect(dtpFrom, &QDateEdit::dateChanged, this, [this] { dtpFrom_Change(); });
    connect(dtpTo, &QDateEdit::dateChanged, this, [this] { dtpTo_Change(); });
    // The period decides which trip dates are marked.
    for (QDateEdit* picker : {dtpFrom, dtpTo}) {
        connect(picker, &QDateEdit::dateChanged, model_, &LogTableModel::recheck);
    }
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

void Form1::resetPointer()
{
    if (mousePointer_ != kPointerHourglass && mousePointer_ != kPointerDefault) {
        setMousePointer(kPointerDefault);
    }
}

void Form1::showHandPointer()
{
    if (mousePointer_ != kPointerHourglass && mousePointer_ != kPointerCustom) {
        setMousePointer(kPointerCustom);
    }
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    resetPointer();
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        if (qobject_cast<QPushButton*>(watched) != nullptr) {
            showHandPointer();
        } else if (qobject_cast<QLineEdit*>(watched) == nullptr) {
            resetPointer();
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

QString Form1::employeeName() const { return txtEmployeeName->text(); }
QString Form1::employeeID() const { return txtEmployeeID->text(); }
QString Form1::vehicleDescription() const { return txtVehicleDescription->text(); }
QString Form1::authorizedBy() const { return txtAuthorizedBy->text(); }
QString Form1::ratePerMile() const { return txtRatePerMile->text(); }
QDate Form1::periodFrom() const { return dtpFrom->date(); }
QDate Form1::periodTo() const { return dtpTo->date(); }

LogTable& Form1::logTable() const { return requireTable(logTable_); }

} // namespace bw
