// Trip tables for the grid tests.
#pragma once

#include "logtable/logtable.h"

#include <QString>

#include <memory>

namespace bw::test {

// A trip table of `rows` rows, each with a Date of "row i" and a Mileage of i * 1.5.
inline std::shared_ptr<LogTable> tableOf(int rows)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (int i = 1; i <= rows; ++i) {
        table->AddNew();
        table->setValue(0, QStringLiteral("row %1").arg(i));
        table->setValue(6, i * 1.5);
    }
    return table;
}

} // namespace bw::test
