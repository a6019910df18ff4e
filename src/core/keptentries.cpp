// Entry values kept through a failing disk.
#include "core/keptentries.h"

#include "core/settingsstore.h"

#include <QCoreApplication>

namespace bw {

QString KeptEntries::attempt(const std::function<void()>& write)
{
    try {
        write();
        failing_ = false;
        return {};
    } catch (const SettingsError& failure) {
        if (failing_) return {};
        failing_ = true;
        const QString cause =
            failure.cause().isEmpty() ? QString::fromUtf8(failure.what()) : failure.cause();
        return QCoreApplication::translate(
                   "KeptEntries", "The employee data and the period could not be saved. %1 They "
                                  "are kept and saved with the next change, or when the window "
                                  "closes.")
            .arg(cause);
    }
}

QString KeptEntries::save(const QString& key, const QString& value)
{
    return keep([&] { store_.SaveSetting(key, value); });
}

QString KeptEntries::keep(const std::function<void()>& write)
{
    return attempt([&] {
        write();
        // A value the store holds already is not written again: what waits goes now.
        store_.writePending();
    });
}

QString KeptEntries::retry()
{
    return attempt([&] { store_.writePending(); });
}

bool KeptEntries::pending() const { return store_.hasPending(); }

void KeptEntries::close() { store_.writePending(); }

} // namespace bw
