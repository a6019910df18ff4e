#include "report/options.h"

#include "spreadsheet/automation/pictureclipboard.h"

namespace bw::Options {

QString DecimalSeparator(const QLocale& locale)
{
    const QString half = locale.toString(1.0 / 2.0).trimmed();
    return half.size() >= 2 ? half.mid(1, 1) : QStringLiteral(".");
}

QString NormalizeDecimal(const QString& number, bool toPoint, const QLocale& locale)
{
    const QString separator = DecimalSeparator(locale);
    QString text = number;
    if (toPoint) {
        return text.replace(separator, QStringLiteral("."));
    }
    text.replace(QStringLiteral("."), separator);
    return text.replace(QStringLiteral(","), separator);
}

QImage GetClipboardPicture([[maybe_unused]] int format, const std::function<QImage()>& read)
{
    QImage picture;
    for (int attempt = 0; attempt < kClipboardReadAttempts; ++attempt) {
        try {
            picture = read();
        } catch (...) {
            picture = QImage();
        }
        if (!picture.isNull()) break;
    }
    return picture;
}

QImage GetClipboardPicture(int format)
{
    return GetClipboardPicture(format, [] { return ss::automation::pictureClipboard().picture(); });
}

} // namespace bw::Options
