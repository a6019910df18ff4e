// The report tool's whole command line run in this process, what it prints kept.
#pragma once

#include "brindlewick-report/reporttool.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <gtest/gtest.h>

namespace bw::test {

class InProcessToolTest : public ::testing::Test {
protected:
    int tool(const QStringList& arguments)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return reporttool::main(arguments, outStream, errStream);
    }

    QString out; // standard output of the last run
    QString err; // its standard error
};

} // namespace bw::test
