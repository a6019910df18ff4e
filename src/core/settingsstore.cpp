// The per-user settings store: where it lives and how values are read and saved.
#include "core/settingsstore.h"

#include "platform/platform.h"

#include <QSettings>

namespace bw {

namespace {

std::unique_ptr<QSettings> openSettings()
{
    const QString file = platform().settingsFile;
    if (!file.isEmpty()) {
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
#ifdef _WIN32
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Varnholt\\Brindlewick"),
        QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Varnholt"), QStringLiteral("Brindlewick"));
#endif
}

QString folded(const QString& key)
{
    return key.toCaseFolded();
}

} // namespace

SettingsStore::SettingsStore() : settings_(openSettings())
{
    settings_->setAtomicSyncRequired(true);
    const QStringList keys = settings_->allKeys();
    for (const QString& key : keys) {
        keysByFolded_.insert(folded(key), key);
    }
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::storedKey(const QString& key) const
{
    return keysByFolded_.value(folded(key), key);
}

bool SettingsStore::contains(const QString& key) const
{
    return keysByFolded_.contains(folded(key));
}

QString SettingsStore::GetSetting(const QString& key, const QString& defaultValue) const
{
    const auto found = keysByFolded_.constFind(folded(key));
    if (found == keysByFolded_.constEnd()) {
        return defaultValue;
    }
    const QVariant value = settings_->value(found.value());
    if (value.typeId() == QMetaType::QStringList) {
        // An INI value with unquoted commas written by another program reads as a list.
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

void SettingsStore::SaveSetting(const QString& key, const QString& value)
{
    // Writing back what is already stored (the start-up restore raises every text box's
    // change handling) must not rewrite the file.
    if (contains(key) && GetSetting(key) == value) {
        return;
    }
    const QString stored = storedKey(key);
    keysByFolded_.insert(folded(key), stored);
    settings_->setValue(stored, value);
    dirty_ = true;
    if (batchDepth_ == 0) {
        flush();
    }
}

QString SettingsStore::fileName() const
{
    return settings_->fileName();
}

void SettingsStore::flush()
{
    if (!dirty_) {
        return;
    }
    dirty_ = false;
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        throw SettingsError("Cannot write the settings to " + settings_->fileName().toStdString());
    }
}

SettingsStore::Batch::Batch(SettingsStore& store) : store_(&store)
{
    ++store_->batchDepth_;
}

void SettingsStore::Batch::commit()
{
    if (store_ == nullptr) {
        return;
    }
    SettingsStore* store = store_;
    store_ = nullptr;
    if (--store->batchDepth_ == 0) {
        store->flush();
    }
}

SettingsStore::Batch::~Batch() noexcept(false)
{
    // A batch left by an exception must not throw again while unwinding.
    if (std::uncaught_exceptions() > 0) {
        if (store_ != nullptr && --store_->batchDepth_ == 0) {
            try {
                store_->flush();
            } catch (...) {
            }
        }
        store_ = nullptr;
        return;
    }
    commit();
}

} // namespace bw
