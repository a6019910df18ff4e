// The chart of a summary, drawn with QPainter.
#include "shell/summarychart.h"

#include "core/rateschedule.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace bw {

namespace {

// Claimed in the palette's highlight, not yet claimed in a lighter shade of it, so both
// read in light and dark themes and in print.
QColor claimedColour() { return QColor(0x2b, 0x6c, 0xb0); }
QColor openColour() { return QColor(0x9c, 0xc3, 0xe6); }

void paintLegend(QPainter& painter, const QRect& area)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int box = metrics.height() / 2 + 2;
    int x = area.left();
    const int y = area.top();
    const std::pair<QColor, QString> entries[] = {
        {claimedColour(), QCoreApplication::translate("SummaryChart", "Claimed")},
        {openColour(), QCoreApplication::translate("SummaryChart", "Not yet claimed")}};
    for (const auto& [colour, text] : entries) {
        painter.fillRect(QRect(x, y + (metrics.height() - box) / 2, box, box), colour);
        x += box + 4;
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
        x += metrics.horizontalAdvance(text) + 3 * box;
    }
}

} // namespace

QString summaryDistanceText(double distance, const QLocale& locale)
{
    const QString plain = plainDecimalText(distance);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    return locale.toString(distance, 'f', point < 0 ? 0 : int(plain.size() - point - 1));
}

std::vector<ChartBar> chartBars(const summary::YearSummary& summary, const QLocale& locale)
{
    std::vector<ChartBar> bars;
    for (const summary::MonthRow& row : summary.months) {
        bars.push_back({locale.standaloneMonthName(row.begins.month(), QLocale::ShortFormat),
                        row.claimedDistance, row.distance - row.claimedDistance,
                        summaryDistanceText(row.distance, locale)});
    }
    return bars;
}

void paintChart(QPainter& painter, const QRect& area, const std::vector<ChartBar>& bars)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    paintLegend(painter, area);
    // Room above the bars for the legend and the numbers, below for the months.
    const QRect plot = area.adjusted(0, 2 * line + 4, 0, -line - 4);
    double most = 0.0;
    for (const ChartBar& bar : bars) most = std::max(most, bar.claimed + bar.notYetClaimed);
    if (bars.empty() || plot.height() <= 0) return;
    const double slot = double(plot.width()) / double(bars.size());
    const double width = slot * 0.6;
    painter.setPen(QPen(painter.pen().color(), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const ChartBar& bar = bars[i];
        const double left = plot.left() + slot * double(i) + (slot - width) / 2;
        const auto height = [&](double distance) {
            return most > 0.0 ? distance / most * plot.height() : 0.0;
        };
        const double claimedTop = plot.bottom() - height(bar.claimed);
        const double top = claimedTop - height(bar.notYetClaimed);
        painter.fillRect(QRectF(left, claimedTop, width, plot.bottom() - claimedTop),
                         claimedColour());
        painter.fillRect(QRectF(left, top, width, claimedTop - top), openColour());
        const QRectF column(plot.left() + slot * double(i), top - line - 2, slot, line);
        painter.drawText(column, Qt::AlignCenter, bar.label);
        painter.drawText(QRectF(column.left(), plot.bottom() + 4, slot, line), Qt::AlignCenter,
                         bar.month);
    }
}

SummaryChart::SummaryChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(360, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The table beside it is the accessible view; this says what it draws.
    setAccessibleName(tr("Distance per month, claimed and not yet claimed"));
}

void SummaryChart::setBars(std::vector<ChartBar> bars)
{
    bars_ = std::move(bars);
    QStringList described;
    for (const ChartBar& bar : bars_) described << bar.month + QStringLiteral(": ") + bar.label;
    setAccessibleDescription(described.join(QStringLiteral("; ")));
    update();
}

QSize SummaryChart::sizeHint() const { return {640, 240}; }

void SummaryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    paintChart(painter, rect().adjusted(8, 8, -8, -8), bars_);
}

} // namespace bw
