#include "fakedialogs.h"

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
    messages_.clear();
    saveRequests_.clear();
}

} // namespace bw::test
