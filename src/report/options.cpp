// Number texts between the spreadsheet's and the locale's notation; the picture clipboard.
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

ss::render::SheetPicture GetClipboardPicture([[maybe_unused]] int format,
                                             const std::function<ss::render::SheetPicture()>& read)
{
    ss::render::SheetPicture picture;
    for (int attempt = 0; attempt < kClipboardReadAttempts; ++attempt) {
        try {
            picture = read();
        } catch (...) {
            picture = ss::render::SheetPicture();
        }
        if (!picture.isNull()) break;
    }
    return picture;
}

ss::render::SheetPicture GetClipboardPicture(int format)
{
    return GetClipboardPicture(format, [] { return ss::automation::pictureClipboard().picture(); });
}

} // namespace bw::Options
