// Report inputs of a generated log of any length, shared by the report benchmarks.
#pragma once

// Report inputs of a generated log of any length, shared by the report benchmarks.
#include "logtable/logtable.h"
#include "logtable/reportinputs.h"

#include <QDate>
#include <QString>

namespace bw::bench {

class BenchInputs final : public ReportInputs {
public:
    explicit BenchInputs(int trips)
    {
        table_.openWithTripFields();
        for (int k = 1; k <= trips; ++k) {
            table_.AddNew();
            table_.setValue(0, QStringLiteral("5/%1/2016").arg(k % 28 + 1));
            table_.setValue(1, QStringLiteral("Store %1").arg(k));
            table_.setValue(2, QStringLiteral("Mini mall"));
            table_.setValue(3, k % 3 == 0 ? QString() : QStringLiteral("Daily delivery"));
            table_.setValue(4, QString::number(58000 + 2 * k));
            table_.setValue(5, QString::number(58002 + 2 * k));
            table_.setValue(6, 2.0);
            table_.setValue(7, 2.5);
        }
        if (trips > 0) table_.MoveFirst();
    }
    QString employeeName() const override { return QStringLiteral("Michael Jr."); }
    QString employeeID() const override { return QStringLiteral("DR005"); }
    QString vehicleDescription() const override { return QStringLiteral("Ford Transit"); }
    QString authorizedBy() const override { return QStringLiteral("John"); }
    QString ratePerMile() const override { return QStringLiteral("1.25"); }
    QDate periodFrom() const override { return QDate(2016, 5, 14); }
    QDate periodTo() const override { return QDate(2016, 5, 16); }
    LogTable& logTable() const override { return table_; }

private:
    mutable LogTable table_;
};

} // namespace bw::bench
