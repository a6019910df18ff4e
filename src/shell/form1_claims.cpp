// Claims in the main window: what is told of a report handed out from the preview, and a
// new period.
#include "core/messageboxes.h"
#include "logtable/logsession.h"
#include "platform/datetext.h"
#include "shell/form1.h"
#include "shell/gridview.h"

#include <QTableView>

namespace bw {

void Form1::reportHandedOut(const QString& path, const QString& format)
{
    using Kind = LogSession::HandOut::Kind;
    const bool printed = path.isEmpty();
    const LogSession::HandOut said = session().reportHandedOut(path, format);
    switch (said.kind) {
    case Kind::Recorded:
        return;
    case Kind::ReadOnly:
    case Kind::NotRecorded: {
        const QString why =
            said.kind == Kind::ReadOnly ? tr("The trip log is open read-only.") : said.why;
        tell((printed ? tr("The report was printed, but no claim of it was recorded. %1")
                      : tr("The report was saved, but no claim of it was recorded. %1"))
                 .arg(why));
        return;
    }
    case Kind::RecordFailed:
        // The file is written and stays; only its record is missing, and the user hears why.
        tell((printed ? tr("The report was printed, but its claim could not be recorded. %1")
                      : tr("The report was saved, but its claim could not be recorded. %1"))
                 .arg(said.why));
        return;
    }
}

void Form1::startNewPeriodCommand()
{
    if (!session().claims() || !session().tableOpen() || session().readOnly()) return;
    finishCellEdit(DataGrid1);
    const LogSession::NewPeriod next = session().planNewPeriod();
    if (!next.failure.isEmpty()) {
        tell(tr("The claims could not be read. %1").arg(next.failure));
        return;
    }
    if (next.plan.rows.empty()) {
        tell(tr("No trip in the grid was claimed: there is nothing to move to the history."));
        return;
    }
    const QString question =
        tr("%n claimed trip(s) will move out of the grid into the history, and the period "
           "will start on %1. Start a new period?",
           nullptr, static_cast<int>(next.plan.rows.size()))
            .arg(dateToText(next.plan.from));
    if (ask(question, Dialogs::Yes) != Dialogs::Yes) return;
    session().startNewPeriod(next.plan, tr("Start New Period"));
    DataGrid1->setFocus();
}

} // namespace bw
