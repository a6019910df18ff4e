// The scripted dialogs of the tests: recording boxes and answering from a script.
#include "fakedialogs.h"

#include <QPrinter>
#include <QStringList>

namespace bw::test {

namespace {

template <typename T>
T takeFront(std::deque<T>& queue, T none)
{
    if (queue.empty()) return none;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

Dialogs::Answer FakeDialogs::message(const Message& message)
{
    messages_.append(message);
    return takeFront(answers_, message.buttons == Buttons::YesNo ? message.defaultButton : Ok);
}

Dialogs::SaveChoice FakeDialogs::saveFile(const SaveFile& request)
{
    saveRequests_.append(request);
    SaveChoice choice = takeFront(files_, SaveChoice());
    if (!choice.path.isEmpty() && choice.filter.isEmpty()) choice.filter = request.filters.value(0);
    return choice;
}

QString FakeDialogs::openFileName(const OpenFile& request)
{
    return openFileNames(request).value(0);
}

QStringList FakeDialogs::openFileNames(const OpenFile& request)
{
    openRequests_.append(request);
    return takeFront(openFiles_, QStringList());
}

bool FakeDialogs::printDialog(QPrinter& printer)
{
    ++printRequests_;
    const PrintAnswer answer = takeFront(prints_, PrintAnswer{false, QString()});
    if (answer.print && !answer.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.pdfFile);
    }
    return answer.print;
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
    openFiles_.clear();
    prints_.clear();
    messages_.clear();
    saveRequests_.clear();
    openRequests_.clear();
    printRequests_ = 0;
}

} // namespace bw::test
