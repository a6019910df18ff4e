// The program's language: its own translation and Qt's, picked from the user's languages.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace bw {

// The languages the program ships a translation of, besides English, its source language.
QStringList shippedLanguages();

// The first of the user's UI languages (most preferred first, as QLocale::uiLanguages()
// lists them) that the program speaks: a shipped language's code ("de"), or an empty text
// for English, which needs no translator. A language shipped by nobody is passed over, so
// "pt-BR, fr-FR" gives French; English anywhere before a shipped one keeps English.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& shipped);

// Installs the program's translation into the application and Qt's own for its dialogs
// (from QLibraryInfo's translations folder; missing there, Qt's dialogs stay English),
// and removes both when destroyed. An empty language is English: only its plural forms
// are installed ("1 trip" for "%n trip(s)").
class ProgramTranslation {
public:
    explicit ProgramTranslation(const QString& language);
    ~ProgramTranslation();
    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    // The language whose program translation was installed, empty for English or none.
    QString language() const { return language_; }

private:
    QString language_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

// The translation of the system's UI languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
std::unique_ptr<ProgramTranslation> installSystemTranslation();

} // namespace bw
