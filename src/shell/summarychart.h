// The chart of a summary: distance per tax month, the claimed part and the part not yet
// claimed stacked, each bar labelled with its number. Drawn with QPainter, so that the
// same drawing goes on screen, into a picture, a PDF or a printer.
#pragma once

#include "summary/yearsummary.h"

#include <QLocale>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace bw {

struct ChartBar {
    QString month;  // "Apr"
    double claimed; // distance
    double notYetClaimed;
    QString label; // the month's distance as the table shows it
};

// A distance as the summary shows it: every decimal it has, the locale's separators.
QString summaryDistanceText(double distance, const QLocale& locale = QLocale());

// The bars of `summary`'s months, in order.
std::vector<ChartBar> chartBars(const summary::YearSummary& summary,
                                const QLocale& locale = QLocale());

// Draws `bars` into `area` with a legend; `font` sizes the texts.
void paintChart(QPainter& painter, const QRect& area, const std::vector<ChartBar>& bars);

class SummaryChart final : public QWidget {
    Q_OBJECT
public:
    explicit SummaryChart(QWidget* parent = nullptr);
    void setBars(std::vector<ChartBar> bars);
    const std::vector<ChartBar>& bars() const { return bars_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartBar> bars_;
};

} // namespace bw
