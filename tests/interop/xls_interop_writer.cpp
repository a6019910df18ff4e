// Writes the workbooks the interop checks hand to programs we did not write (each as
// .xls and .xlsx), and reads back the ones those programs wrote, printing their cells for
// the checks to compare. `xlsx` reopens an .xls with the engine and writes it as .xlsx,
// as the program does when the report is saved as a workbook of that kind.
//   xls_interop_writer write <folder>
//   xls_interop_writer dump <file.xls>
//   xls_interop_writer xlsx <file.xls> <file.xlsx>
#include "sampleworkbook.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xlsx/xlsx.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace bw::ss;

namespace {

QJsonValue valueJson(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Empty:
        return QJsonValue();
    case Value::Type::Number:
        return v.asNumber();
    case Value::Type::Text:
        return v.asText();
    case Value::Type::Boolean:
        return v.asBoolean();
    case Value::Type::Error:
        return QJsonObject{{QStringLiteral("error"), errorText(v.asError())}};
    }
    return {};
}

// Every sheet as {name, cells: {"A1": value}, formulas: ["A1", ...]}.
QJsonObject bookJson(const Workbook& book)
{
    QJsonArray sheets;
    for (int i = 0; i < book.sheetCount(); ++i) {
        const Worksheet& s = book.sheet(i);
        QJsonObject cells;
        QJsonArray formulas;
        for (const auto& [r, row] : s.rows()) {
            for (const auto& [c, cell] : row.cells) {
                const QString name = a1Name(CellAddress{r, c});
                if (!cell.value.isEmpty()) cells.insert(name, valueJson(cell.value));
                if (cell.hasFormula()) formulas.append(name);
            }
        }
        sheets.append(QJsonObject{{QStringLiteral("name"), s.name()},
                                  {QStringLiteral("cells"), cells},
                                  {QStringLiteral("formulas"), formulas}});
    }
    return QJsonObject{{QStringLiteral("sheets"), sheets},
                       {QStringLiteral("active"), book.activeSheetIndex()}};
}

int write(const QString& folder)
{
    QDir().mkpath(folder);
    struct Item {
        const char* name;
        std::unique_ptr<Workbook> book;
    };
    // A workbook whose stream is shorter than the container's small-stream cutoff.
    auto tiny = std::make_unique<Workbook>();
    tiny->addSheet(QStringLiteral("Tiny")).setValue({0, 0}, Value::text(QStringLiteral("hello")));
    tiny->sheet(0).setValue({0, 1}, Value::number(1));
    Item items[] = {
        {"tiny", std::move(tiny)},
        {"everything", bw::test::xls::sampleWorkbook()},
        {"trips30", bw::test::xls::tripWorkbook(30)},
        {"trips1000", bw::test::xls::tripWorkbook(1000)},
    };
    for (const Item& item : items) {
        const QString base = QDir(folder).filePath(QString::fromLatin1(item.name));
        xls::saveWorkbook(*item.book, base + QStringLiteral(".xls"));
        xlsx::saveWorkbook(*item.book, base + QStringLiteral(".xlsx"));
        QFile json(base + QStringLiteral(".json"));
        if (!json.open(QIODevice::WriteOnly)) return 1;
        json.write(QJsonDocument(bookJson(*item.book)).toJson());
    }
    return 0;
}

int dump(const QString& path)
{
    const auto book = xls::loadWorkbook(path);
    std::fputs(QJsonDocument(bookJson(*book)).toJson().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args[1] == QLatin1String("write")) return write(args[2]);
        if (args.size() == 3 && args[1] == QLatin1String("dump")) return dump(args[2]);
        if (args.size() == 4 && args[1] == QLatin1String("xlsx")) {
            xlsx::saveWorkbook(*xls::loadWorkbook(args[2]), args[3]);
            return 0;
        }
    } catch (const SpreadsheetError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::fputs("usage: xls_interop_writer write <folder> | dump <file.xls> | xlsx <file.xls> "
               "<file.xlsx>\n",
               stderr);
    return 2;
}
