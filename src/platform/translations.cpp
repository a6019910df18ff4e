#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace bw {

namespace {

// Where the build embeds the compiled translations (brindlewick_<language>.qm).
const QString kResourceFolder = QStringLiteral(":/i18n");

// English is the source language: its catalogue holds only the plural forms.
const QString kSourceLanguage = QStringLiteral("en");

// "de-DE", "de_DE.UTF-8" and "de" all name German.
QString languageOf(const QString& uiLanguage)
{
    QString code = uiLanguage.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code.replace(QLatin1Char('_'), QLatin1Char('-'));
    return code.section(QLatin1Char('-'), 0, 0).toLower();
}

} // namespace

QStringList shippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(kResourceFolder).entryList({QStringLiteral("brindlewick_*.qm")});
    for (const QString& file : files) {
        const QString language = file.mid(12, file.size() - 12 - 3);
        if (language != kSourceLanguage) languages << language;
    }
    return languages;
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& shipped)
{
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        // The C and POSIX locales speak the source language.
        if (language == QLatin1String("en") || language == QLatin1String("c")
            || language == QLatin1String("posix")) {
            return {};
        }
        if (shipped.contains(language)) return language;
    }
    return {};
}

ProgramTranslation::ProgramTranslation(const QString& language)
{
    if (language.isEmpty()) {
        // "1 trip", "2 trips": the source texts name their counts "%n trip(s)".
        auto plurals = std::make_unique<QTranslator>();
        if (!plurals->load(QStringLiteral("brindlewick_") + kSourceLanguage, kResourceFolder))
            return;
        QCoreApplication::installTranslator(plurals.get());
        program_ = std::move(plurals);
        return;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("brindlewick_") + language, kResourceFolder)) return;
    QCoreApplication::installTranslator(program.get());
    program_ = std::move(program);
    language_ = language;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
    }
}

ProgramTranslation::~ProgramTranslation()
{
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    if (program_) QCoreApplication::removeTranslator(program_.get());
}

std::unique_ptr<ProgramTranslation> installSystemTranslation()
{
    return std::make_unique<ProgramTranslation>(
        chooseLanguage(QLocale::system().uiLanguages(), shippedLanguages()));
}

} // namespace bw
