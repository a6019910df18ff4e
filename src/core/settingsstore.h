// The per-user store of string values the program keeps between runs.
#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <stdexcept>

class QSettings;

namespace bw {

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user store of string values under application "Varnholt", section
// "Brindlewick". Keys are case-insensitive; nothing is ever deleted.
//
// Where it lives: on Windows the registry key
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Varnholt\Brindlewick
// (where earlier Windows versions of the program kept the same keys); elsewhere the INI
// file Varnholt/Brindlewick.ini in the user's configuration folder ($XDG_CONFIG_HOME,
// else ~/.config), keys at the top level.
//
// Every write reaches the disk before SaveSetting returns, through a temporary file
// renamed over the old one, unless a Batch is open: then the batch's end writes once.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& key, const QString& defaultValue = QString()) const;
    // Throws SettingsError when the value cannot be written to disk.
    void SaveSetting(const QString& key, const QString& value);

    bool contains(const QString& key) const;
    QString fileName() const;

    // Defers writing to disk until the outermost batch ends (one write for many keys).
    class Batch {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch() noexcept(false);
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Ends the batch now; throws SettingsError when the write fails.
        void commit();

    private:
        SettingsStore* store_;
    };

private:
    QString storedKey(const QString& key) const;
    void flush();

    std::unique_ptr<QSettings> settings_;
    QHash<QString, QString> keysByFolded_;
    int batchDepth_ = 0;
    bool dirty_ = false;
};

} // namespace bw
