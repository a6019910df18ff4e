// Shared fixtures of the report tests: format printing and sample inputs.
#include "reportfixtures.h"

#include "platform/datetext.h"
#include "spreadsheet/model/errors.h"

namespace bw::ss {

void PrintTo(const CellFormat& f, std::ostream* out)
{
    *out << '{' << f.font.name.toStdString() << ' ' << f.font.size << (f.font.bold ? " bold" : "")
         << (f.font.italic ? " italic" : "") << " colour " << f.font.colorIndex << ", fill "
         << f.fillColorIndex << ", borders";
    for (const Border& b : f.borders) *out << ' ' << b.lineStyle << '/' << b.colorIndex;
    *out << ", align " << int(f.hAlign) << '/' << int(f.vAlign) << (f.wrap ? " wrap" : "") << ", \""
         << f.numberFormat.toStdString() << '"' << (f.locked ? " locked" : "")
         << (f.formulaHidden ? " hidden" : "") << '}';
}

} // namespace bw::ss

namespace bw::test {

void fillSample(FakeInputs& inputs, const QLocale& locale)
{
    inputs.authorized = QStringLiteral("John");
    inputs.id = QStringLiteral("DR005");
    inputs.name = QStringLiteral("Michael Jr.");
    inputs.from = QDate(2016, 5, 14);
    inputs.rate = QStringLiteral("1.25");
    inputs.to = QDate(2016, 5, 16);
    inputs.vehicle = QStringLiteral("Ford Transit");
    const QString may14 = dateToText(QDate(2016, 5, 14), locale);
    const QString may15 = dateToText(QDate(2016, 5, 15), locale);
    appendTrip(inputs.table, {may14, QStringLiteral("Store"), QStringLiteral("Mini mall"),
                              QStringLiteral("Daily delivery"), QStringLiteral("58114"),
                              QStringLiteral("58116"), 2.0, 2.5});
    appendTrip(inputs.table,
               {may14, QStringLiteral("Mini mall"), QStringLiteral("Mart"), QString(""),
                QStringLiteral("58116"), QStringLiteral("58121"), 5.0, 6.25});
    appendTrip(inputs.table, {may15, QStringLiteral("Mart"), QStringLiteral("Store"),
                              QStringLiteral("Return back"), QStringLiteral("58121"),
                              QStringLiteral("58125"), 4.0, 5.0});
}

void fillNumberedTrips(LogTable& table, int count)
{
    for (int k = 1; k <= count; ++k) {
        appendTrip(table, {QString(), QStringLiteral("From %1").arg(k),
                           QStringLiteral("To %1").arg(k), QString(), QString::number(1000 + k),
                           QString::number(1000 + 2 * k), double(k), k * 1.25});
    }
}

ss::automation::Application ScriptedFactory::createNew()
{
    ++created;
    if (failCreate || (failFrom && created >= *failFrom))
        throw ss::AutomationError(
            QStringLiteral("The spreadsheet application could not be started."));
    made.emplace_back(settings);
    return made.back();
}

ss::automation::Application ScriptedFactory::getRunning()
{
    if (!runningName) throw ss::AutomationError(QStringLiteral("No instance is running."));
    ss::automation::ApplicationSettings running;
    running.name = *runningName;
    return ss::automation::Application(running);
}

} // namespace bw::test
