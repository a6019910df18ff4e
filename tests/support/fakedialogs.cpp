#include "fakedialogs.h"

#include <QPrinter>
#include <QStringList>

namespace bw::test {

Dialogs::Answer FakeDialogs::message(const Message& message)
{
    messages_.append(message);
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return message.buttons == Buttons::YesNo ? message.defaultButton : Ok;
}

QString FakeDialogs::saveFileName(const SaveFile& request)
{
    saveRequests_.append(request);
    if (files_.empty()) {
        return QString();
    }
    QString path = files_.front();
    files_.pop_front();
    return path;
}

bool FakeDialogs::printDialog(QPrinter& printer)
{
    ++printRequests_;
    if (prints_.empty()) return false;
    const auto [print, pdfPath] = prints_.front();
    prints_.pop_front();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return print;
}

QStringList FakeDialogs::texts() const
{
    QStringList result;
    for (const Message& m : messages_) {
        result << m.text;
    }
    return result;
}

void FakeDialogs::clear()
{
    answers_.clear();
    files_.clear();
    prints_.clear();
    printRequests_ = 0;
    messages_.clear();
    saveRequests_.clear();
}

} // namespace bw::test
