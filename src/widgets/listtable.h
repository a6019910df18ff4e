// A table a window lists things in for choosing one: whole rows, one at a time, read
// only, columns as wide as their texts.
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QTableWidgetItem;

namespace bw {

// Sets `table` up as such a list with the column `headers`; Tab leaves it.
void setUpListTable(QTableWidget* table, const QStringList& headers);
// A cell of such a list: shown and chosen, never edited.
QTableWidgetItem* listCell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);

} // namespace bw
