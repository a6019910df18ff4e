// The C library's locale set for a scope, as Qt sets it from the desktop at start.
#pragma once

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace bw::test {

// Desktops whose printf writes their own decimal separator (scripts/install-deps.sh test
// generates them).
inline constexpr const char* kDesktopLocales[] = {"en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8",
                                                  "es_ES.UTF-8", "sv_SE.UTF-8"};

// LC_ALL set to `name` until the scope ends. A machine without the locale fails the test
// (ok() is false) rather than testing the C locale once more.
class CLibraryLocale {
public:
    explicit CLibraryLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr))
    {
        const bool set = std::setlocale(LC_ALL, name) != nullptr;
        ok_ = set
              && QString::fromLatin1(std::localeconv()->decimal_point)
                     == QLocale(QString::fromLatin1(name).section(u'.', 0, 0)).decimalPoint();
        EXPECT_TRUE(ok_) << "the C library has no locale " << name << " with its separator";
    }
    ~CLibraryLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CLibraryLocale(const CLibraryLocale&) = delete;
    CLibraryLocale& operator=(const CLibraryLocale&) = delete;

    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};

} // namespace bw::test
