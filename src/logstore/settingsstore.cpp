// The per-user settings store: where it lives and how values are read and saved.
#include "logstore/settingsstore.h"

#include "logstore/logdatabase.h"
#include "logstore/oldstorereaders.h"
#include "platform/platform.h"
#include "platform/privatefiles.h"
#include "platform/replacingfile.h"
#include "platform/tempfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <exception>
#include <limits>
#include <memory>
#include <utility>

namespace bw {

namespace {

constexpr char kTripsHeader[] = "Brindlewick trips 1";
constexpr char kRowCountKey[] = "rowcount"; // case-folded
constexpr char kRowKeyStem[] = "rowsource"; // case-folded

QString folded(const QString& key) { return key.toCaseFolded(); }

// The log's own fields, case-folded: what a log file carries to another person or place.
constexpr const char* kLogFieldKeys[] = {"authorizedby",       "employeeid", "employeename",
                                         "periodfrom",         "periodto",   "ratepermile",
                                         "vehicledescription", "entrylocale"};

bool isLogFieldKey(const QString& foldedKey)
{
    return std::any_of(std::begin(kLogFieldKeys), std::end(kLogFieldKeys),
                       [&](const char* key) { return foldedKey == QLatin1String(key); });
}

QString storeText(const char* text) { return QCoreApplication::translate("SettingsStore", text); }

bool isRowCountKey(const QString& foldedKey) { return foldedKey == QLatin1String(kRowCountKey); }

// "rowsource<k> <n>" with k from 1 to 8 and n a row number as the program writes it
// (decimal, no sign, no leading zero). Any other key, "RowSource1 01" included, is an
// ordinary key of the INI file.
bool parseRowKey(const QString& foldedKey, int& field, int& row)
{
    const QLatin1String stem(kRowKeyStem);
    const qsizetype digits = foldedKey.size() - stem.size() - 2;
    if (digits < 1 || digits > 10 || !foldedKey.startsWith(stem)) return false;
    const QChar k = foldedKey.at(stem.size());
    if (k < QLatin1Char('1') || k > QLatin1Char('8')
        || foldedKey.at(stem.size() + 1) != QLatin1Char(' ')) {
        return false;
    }
    const QStringView number = QStringView(foldedKey).sliced(stem.size() + 2);
    if (number.front() == QLatin1Char('0')) return false;
    qint64 n = 0;
    for (const QChar c : number) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        n = n * 10 + (c.unicode() - '0');
    }
    if (n > std::numeric_limits<int>::max()) return false;
    field = k.unicode() - '0';
    row = static_cast<int>(n);
    return true;
}

QString rowKeyText(int field, int row)
{
    return QStringLiteral("RowSource%1 %2").arg(field).arg(row);
}

QString iniValueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList) {
        // An INI value with unquoted commas written by another program reads as a list.
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

// Fields of the trips file: tabs separate them and line feeds end rows, so both are
// escaped inside values, as are carriage returns (editors that "fix" line ends would
// otherwise change stored text) and the backslash itself. "\-" marks a key not stored.
void appendEscaped(QString& out, const QString& value)
{
    if (value.isNull()) {
        out += QLatin1String("\\-");
        return;
    }
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
}

QString settingsPath()
{
    const QString file = platform().settingsFile;
    if (!file.isEmpty()) return file;
#ifdef _WIN32
    return QString(); // the registry
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Varnholt/Brindlewick.ini");
#endif
}

// `cause` names the reason, empty where the system gave none.
[[noreturn]] void cannotWrite(const QString& path, const QString& cause)
{
    QString text = QCoreApplication::translate("SettingsStore", "Cannot write the settings to %1")
                       .arg(QDir::toNativeSeparators(path));
    if (!cause.isEmpty()) text += QStringLiteral(": ") + cause;
    throw SettingsError(text.toStdString(), cause);
}

// Readers tell a changed file by its size and time (QSettings' cache does, and so do
// other stores), and the file clock ticks in milliseconds at best, often coarser: a
// write within one tick could look like one a reader has already seen. So each write
// leaves a time later than the one before it.
QDateTime modifiedAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? info.lastModified() : QDateTime();
}

void markChanged(const QString& path, const QDateTime& before)
{
    if (!before.isValid() || modifiedAt(path) > before) return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
}

// Replaces the file at `path` as a whole: the bytes go to a temporary file that is then
// renamed over it, so a reader sees the old file or the new one, never a part. A durable
// write also waits for the disk (the trip rows at close); an entry field's write does
// not, so that typing stays quick, and is still atomic.
void writeWhole(const QString& path, const QByteArray& bytes, bool durable)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (const int error = makePrivateFolder(folder))
        cannotWrite(path, folderErrorSentence(error, folder));
    const QDateTime before = modifiedAt(path);
    try {
        writeFileReplacing(path, bytes, durable, NewFileAccess::Private);
    } catch (const FileWriteError& failure) {
        cannotWrite(path, failure.cause());
    }
    markChanged(path, before);
}

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A key as QSettings' INI reader reads it back: letters, digits, '_', '-' and '.' as they
// are, '/' as a backslash (a group separator), anything else %XX or %UXXXX.
QByteArray iniKey(const QString& key)
{
    QByteArray out;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'_' || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c == u'/') {
            out += '\\';
        } else if (c <= 0xFF) {
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return out;
}

// A string value as QSettings' INI reader reads it back unchanged: a leading '@' doubled
// (it would announce a typed value), C escapes for quotes, backslashes and control
// characters, and quotes around values with ';', ',' or '=' or blanks at either end
// (which the reader would split or trim).
QByteArray iniValue(const QString& value)
{
    QString out;
    out.reserve(value.size() + 2);
    if (value.startsWith(QLatin1Char('@'))) out += QLatin1Char('@');
    bool quote = false;
    bool hexBefore = false; // a hex escape swallows the hex digits that follow it
    for (const QChar qc : value) {
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=') quote = true;
        if (hexBefore && isHexDigit(c)) {
            out += QStringLiteral("\\x%1").arg(static_cast<int>(c), 0, 16);
            continue;
        }
        hexBefore = false;
        switch (c) {
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += QStringLiteral("\\x%1").arg(static_cast<int>(c), 0, 16);
                hexBefore = true;
            } else {
                out += qc;
            }
        }
    }
    if (quote || out.startsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(' '))) {
        out = QLatin1Char('"') + out + QLatin1Char('"');
    }
    return out.toUtf8();
}

#ifdef _WIN32
constexpr char kRegistryPath[] =
    "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Varnholt\\Brindlewick";
#endif

} // namespace

QString SettingsStore::tripsFileFor(const QString& iniFile)
{
    const QFileInfo info(iniFile);
    const QString base = info.suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0
                             ? info.completeBaseName()
                             : info.fileName();
    return info.dir().filePath(base + QStringLiteral(".trips"));
}

SettingsStore::SettingsStore() : SettingsStore(LogDatabase::defaultPath()) {}

SettingsStore::SettingsStore(const QString& logFile, Keys keys)
    : file_(settingsPath()), logFile_(logFile)
{
    load();
    if (keys == Keys::All) readLogFields();
}

bool SettingsStore::isLogField(const QString& key) { return isLogFieldKey(folded(key)); }

// The log beside the INI file is the one whose fields the INI file kept.
bool SettingsStore::beside() const
{
    return QFileInfo(logFile_).absoluteFilePath()
           == QFileInfo(LogDatabase::besideSettings()).absoluteFilePath();
}

// Read without a byte of it or beside it changed (a log another process writes is not
// disturbed, and a damaged one stays as found for its opening to set aside). Committed
// changes still in its write-ahead file are read from a private copy of the two files.
void SettingsStore::readLogFields()
{
    logHoldsFields_ = !beside();
    logFields_.clear();
    if (!QFileInfo::exists(logFile_)) return;
    const QString wal = logFile_ + QStringLiteral("-wal");
    std::unique_ptr<QTemporaryDir> copy;
    QString read = logFile_;
    if (QFileInfo::exists(wal)) {
        copy = std::make_unique<QTemporaryDir>(privateTempFolder() + QStringLiteral("/log-XXXXXX"));
        read = copy->filePath(QStringLiteral("log.sqlite"));
        if (!copy->isValid() || copyToPrivateFile(logFile_, read) != 0
            || copyToPrivateFile(wal, read + QStringLiteral("-wal")) != 0)
            return;
    }
    try {
        LogDatabase db(read, copy ? LogDatabase::Access::ReadOnly : LogDatabase::Access::Snapshot);
        if (!db.fieldsMovedIn()) return;
        logHoldsFields_ = true;
        for (const auto& [key, value] : db.logFields())
            logFields_.insert(folded(key), Entry{key, value});
    } catch (const sql::SqlError&) {
    }
}

QString SettingsStore::attachLog(LogDatabase* db, bool writable)
{
    attached_ = true;
    log_ = db;
    logWritable_ = db != nullptr && writable && !db->readOnly();
    if (!logWritable_) return {};
    QString problem;
    try {
        // Fields the settings beside it still hold go in where the log has none (a move
        // ended by a crash before the settings were rewritten): the log wins, nothing is lost.
        if (!log_->fieldsMovedIn() || (beside() && iniHoldsLogFields())) moveFieldsIn();
    } catch (const sql::SqlError& failure) {
        problem = QString::fromUtf8(failure.what());
    }
    if (!problem.isEmpty()) {
        logWritable_ = false;
        return storeText(QT_TRANSLATE_NOOP("SettingsStore",
                                           "The employee data and the period could not be moved "
                                           "into the log: %1 They stay in the settings file %2."))
            .arg(problem, QDir::toNativeSeparators(file_));
    }
    // The log wins over what was read before it was open; what was typed since goes on top.
    QHash<QString, Entry> typed;
    for (const QString& key : std::as_const(pendingLogFields_)) typed.insert(key, logFields_[key]);
    logFields_.clear();
    for (const auto& [key, value] : log_->logFields())
        logFields_.insert(folded(key), Entry{key, value});
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) logFields_.insert(it.key(), *it);
    logHoldsFields_ = true;
    if (beside()) dropIniLogFields();
    try {
        writeLogFields();
    } catch (const SettingsError& failure) {
        return QString::fromUtf8(failure.what());
    }
    return {};
}

void SettingsStore::detachLog()
{
    log_ = nullptr;
    logWritable_ = false;
}

// The fields the INI file kept, with any typed since, go into the log in one transaction.
void SettingsStore::moveFieldsIn()
{
    std::vector<std::pair<QString, QString>> fields;
    if (beside()) {
        for (const Entry& entry : std::as_const(entries_)) {
            if (isLogFieldKey(folded(entry.key))) fields.push_back({entry.key, entry.value});
        }
    }
    log_->keepLogFields(fields, LogDatabase::FieldsWrite::MoveIn);
    for (const auto& [key, value] : fields) pendingEntries_.remove(folded(key));
}

// Only after the log has committed them: a crash before this leaves them in both, and the
// log wins. A failed write leaves them in the INI file until its next write.
bool SettingsStore::iniHoldsLogFields() const
{
    return std::any_of(entries_.cbegin(), entries_.cend(),
                       [](const Entry& entry) { return isLogFieldKey(folded(entry.key)); });
}

void SettingsStore::dropIniLogFields()
{
    iniFieldsRetired_ = true;
    if (!iniHoldsLogFields() || file_.isEmpty()) return;
    const QString copy = file_ + QStringLiteral(".imported");
    if (!QFileInfo::exists(copy)) copyToPrivateFile(file_, copy);
    try {
        writeEntries();
    } catch (const SettingsError&) {
    }
}

void SettingsStore::writeLogFields()
{
    if (pendingLogFields_.isEmpty() || !attached_) return; // waits for the log to open
    if (!logWritable_) {
        pendingLogFields_.clear();
        throw SettingsError(
            storeText(QT_TRANSLATE_NOOP("SettingsStore",
                                        "The log %1 is open read-only, so the employee data and "
                                        "the period are not kept."))
                .arg(QDir::toNativeSeparators(logFile_))
                .toStdString());
    }
    std::vector<std::pair<QString, QString>> fields;
    for (const QString& key : std::as_const(pendingLogFields_))
        fields.push_back({logFields_.value(key).key, logFields_.value(key).value});
    try {
        log_->keepLogFields(fields);
    } catch (const sql::SqlError& failure) {
        const QString cause = QString::fromUtf8(failure.what());
        throw SettingsError(
            (storeText(QT_TRANSLATE_NOOP("SettingsStore", "Cannot write the log %1: %2"))
                 .arg(QDir::toNativeSeparators(logFile_), cause))
                .toStdString(),
            cause);
    }
    pendingLogFields_.clear();
}

SettingsStore::~SettingsStore() = default;

SettingsStore::FileStamp SettingsStore::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return FileStamp();
    return FileStamp{info.size(), info.lastModified()};
}

void SettingsStore::load()
{
    loadEntries(false);
    if (file_.isEmpty()) return; // the registry holds the row keys itself
    const bool iniNewer = tripsInIni_
                          && (!QFileInfo::exists(tripsFileFor(file_))
                              || stampOf(file_).modified > stampOf(tripsFileFor(file_)).modified);
    if (!iniNewer) {
        // The trips file was written after the INI file's row keys: it wins for them.
        loadTrips(false);
        return;
    }
    // Row keys in an INI file newer than the trips file (an earlier version ran since):
    // they win over the trips file's keys of the same names.
    std::map<int, TripRow> fromIni = std::move(trips_);
    const QString iniRowCount = rowCount_;
    loadTrips(false);
    for (auto& [row, fields] : fromIni) {
        for (int k = 0; k < kTripFields; ++k) {
            if (!fields[static_cast<std::size_t>(k)].isNull())
                setTrip(k + 1, row, fields[static_cast<std::size_t>(k)]);
        }
    }
    if (!iniRowCount.isNull()) rowCount_ = iniRowCount;
}

void SettingsStore::refresh() const
{
    if (file_.isEmpty()) return; // the registry is read at start-up only
    if (stampOf(file_) != entriesStamp_) loadEntries(true);
    if (stampOf(tripsFileFor(file_)) != tripsStamp_) loadTrips(true);
}

// Reads the INI file (or the registry). With keepPending the values written by this
// store and not yet on disk stay as they are.
void SettingsStore::loadEntries(bool keepPending) const
{
#ifdef _WIN32
    const bool registry = file_.isEmpty();
#else
    const bool registry = false;
#endif
    QHash<QString, Entry> pending;
    tripsInIni_ = false;
    if (keepPending) {
        for (const QString& key : std::as_const(pendingEntries_))
            pending.insert(key, entries_.value(key));
    }
    entries_.clear();
    std::unique_ptr<QSettings> settings;
    if (registry) {
#ifdef _WIN32
        settings = std::make_unique<QSettings>(QString::fromLatin1(kRegistryPath),
                                               QSettings::NativeFormat);
#endif
    } else {
        entriesStamp_ = stampOf(file_);
        if (entriesStamp_.size >= 0)
            settings = std::make_unique<QSettings>(file_, QSettings::IniFormat);
        iniUnreadable_ = settings && settings->status() == QSettings::FormatError;
    }
    const QStringList keys = settings ? settings->allKeys() : QStringList();
    for (const QString& key : keys) {
        const QString f = folded(key);
        int field = 0;
        int row = 0;
        if (rowKeysDropped_ && (isRowCountKey(f) || parseRowKey(f, field, row))) {
            continue; // moved into the log's database
        }
        if (isRowCountKey(f)) {
            tripsInIni_ = !registry;
            if (!(keepPending && pendingRowCount_)) rowCount_ = iniValueText(settings->value(key));
        } else if (parseRowKey(f, field, row)) {
            tripsInIni_ = !registry;
            if (!(keepPending && pendingTrips_.contains(qint64(row) * kTripFields + field - 1))) {
                setTrip(field, row, iniValueText(settings->value(key)));
            }
        } else {
            entries_.insert(f, Entry{key, iniValueText(settings->value(key))});
        }
    }
    for (auto it = pending.cbegin(); it != pending.cend(); ++it) {
        const auto stored = entries_.constFind(it.key());
        entries_.insert(it.key(),
                        Entry{stored == entries_.cend() ? it->key : stored->key, it->value});
    }
}

void SettingsStore::loadTrips(bool keepPending) const
{
    const QString path = tripsFileFor(file_);
    std::map<int, TripRow> pending;
    QString pendingCount;
    if (keepPending) {
        for (const qint64 id : std::as_const(pendingTrips_)) {
            const int row = static_cast<int>(id / kTripFields);
            const auto k = static_cast<std::size_t>(id % kTripFields);
            pending[row][k] = trips_[row][k];
        }
        pendingCount = rowCount_;
    }
    trips_.clear();
    if (!(keepPending && pendingRowCount_)) rowCount_ = QString();
    tripsStamp_ = stampOf(path);
    QFile file(path);
    if (tripsStamp_.size >= 0 && file.open(QIODevice::ReadOnly)) {
        // Lines that do not parse (a damaged or hand-edited file) are skipped: the rest
        // of the log is still worth having.
        OldStoreRows read = readTripsFile(file.readAll());
        trips_ = std::move(read.rows);
        if (!(keepPending && pendingRowCount_)) rowCount_ = read.rowCount;
        if (!keepPending) unreadTripLines_ = static_cast<int>(read.problems.size());
    }
    for (auto& [row, fields] : pending) {
        for (std::size_t k = 0; k < kTripFields; ++k) {
            if (pendingTrips_.contains(qint64(row) * kTripFields + static_cast<qint64>(k))) {
                trips_[row][k] = fields[k];
            }
        }
    }
    if (keepPending && pendingRowCount_) rowCount_ = pendingCount;
}

QString SettingsStore::fileName() const
{
#ifdef _WIN32
    if (file_.isEmpty()) return QString::fromLatin1(kRegistryPath);
#endif
    return file_;
}

bool SettingsStore::contains(const QString& key) const
{
    refresh();
    const QString f = folded(key);
    int field = 0;
    int row = 0;
    if (isRowCountKey(f)) return !rowCount_.isNull();
    if (parseRowKey(f, field, row)) return tripValue(field, row) != nullptr;
    if (logHoldsFields_ && isLogFieldKey(f)) return logFields_.contains(f);
    return entries_.contains(f);
}

const QString* SettingsStore::tripValue(int field, int row) const
{
    const auto found = trips_.find(row);
    if (found == trips_.end() || field < 1 || field > kTripFields) return nullptr;
    const QString& value = found->second[static_cast<std::size_t>(field - 1)];
    return value.isNull() ? nullptr : &value;
}

void SettingsStore::setTrip(int field, int row, const QString& value) const
{
    // Stored values are never null: a null marks a key that is not stored.
    trips_[row][static_cast<std::size_t>(field - 1)] =
        value.isNull() ? QString(QLatin1String("")) : value;
}

QString SettingsStore::GetSetting(const QString& key, const QString& defaultValue) const
{
    refresh();
    const QString f = folded(key);
    int field = 0;
    int row = 0;
    if (isRowCountKey(f)) return rowCount_.isNull() ? defaultValue : rowCount_;
    if (parseRowKey(f, field, row)) return GetTripField(field, row, defaultValue);
    const QHash<QString, Entry>& from = logHoldsFields_ && isLogFieldKey(f) ? logFields_ : entries_;
    const auto found = from.constFind(f);
    return found == from.constEnd() ? defaultValue : found->value;
}

QString SettingsStore::GetTripField(int field, int row, const QString& defaultValue) const
{
    const QString* value = tripValue(field, row);
    return value ? *value : defaultValue;
}

void SettingsStore::SaveSetting(const QString& key, const QString& value)
{
    const QString f = folded(key);
    int field = 0;
    int row = 0;
    if (parseRowKey(f, field, row)) {
        SaveTripField(field, row, value);
        return;
    }
    const QString text = value.isNull() ? QString(QLatin1String("")) : value;
    if (isRowCountKey(f)) {
        // Writing back what is already stored must not rewrite the file.
        if (rowCount_ == text && !rowCount_.isNull()) return;
        rowCount_ = text;
        pendingRowCount_ = true;
    } else if (logHoldsFields_ && isLogFieldKey(f)) {
        const auto found = logFields_.constFind(f);
        if (found != logFields_.constEnd() && found->value == text) return;
        logFields_.insert(f, Entry{found == logFields_.constEnd() ? key : found->key, text});
        pendingLogFields_.insert(f);
    } else {
        const auto found = entries_.constFind(f);
        if (found != entries_.constEnd() && found->value == text) return;
        entries_.insert(f, Entry{found == entries_.constEnd() ? key : found->key, text});
        pendingEntries_.insert(f);
    }
    if (batchDepth_ == 0) flush();
}

void SettingsStore::SaveTripField(int field, int row, const QString& value)
{
    if (field < 1 || field > kTripFields || row < 1) {
        SaveSetting(rowKeyText(field, row), value); // not a row key: an ordinary one
        return;
    }
    const QString* stored = tripValue(field, row);
    if (stored && *stored == value) return;
    setTrip(field, row, value);
    pendingTrips_.insert(qint64(row) * kTripFields + field - 1);
    if (batchDepth_ == 0) flush();
}

void SettingsStore::dropRowKeys()
{
    rowKeysDropped_ = true;
    if (!tripsInIni_) return;
    tripsInIni_ = false;
    trips_.clear();
    rowCount_ = QString();
    pendingTrips_.clear();
    pendingRowCount_ = false;
    writeEntries();
}

void SettingsStore::writeTrips()
{
    const QString path = tripsFileFor(file_);
    // Another instance wrote the file since it was read: its keys stay, ours win.
    if (stampOf(path) != tripsStamp_) loadTrips(true);
    QString text;
    text.reserve(static_cast<qsizetype>(trips_.size()) * 64 + 64);
    text += QLatin1String(kTripsHeader);
    text += QLatin1Char('\n');
    if (!rowCount_.isNull()) {
        text += QLatin1String("RowCount\t");
        appendEscaped(text, rowCount_);
        text += QLatin1Char('\n');
    }
    for (const auto& [row, fields] : trips_) {
        text += QString::number(row);
        for (const QString& value : fields) {
            text += QLatin1Char('\t');
            appendEscaped(text, value);
        }
        text += QLatin1Char('\n');
    }
    writeWhole(path, text.toUtf8(), true);
    tripsStamp_ = stampOf(path);
    pendingTrips_.clear();
    pendingRowCount_ = false;
}

void SettingsStore::writeEntries()
{
    if (stampOf(file_) != entriesStamp_) loadEntries(true);
    // The INI format as QSettings reads it (the reader stays QSettings); written here so
    // that the outcome is this write's alone (QSettings' status is sticky, and a
    // malformed line in the old file would read as a failed write).
    QList<std::pair<QString, QString>> keys;
    keys.reserve(entries_.size());
    for (const Entry& entry : std::as_const(entries_)) {
        if (!(iniFieldsRetired_ && isLogFieldKey(folded(entry.key))))
            keys.append({entry.key, entry.value});
    }
    if (tripsInIni_) {
        // The trips file could not take the row keys yet: they stay here meanwhile.
        if (!rowCount_.isNull()) keys.append({QStringLiteral("RowCount"), rowCount_});
        for (const auto& [row, fields] : trips_) {
            for (int k = 0; k < kTripFields; ++k) {
                const QString& value = fields[static_cast<std::size_t>(k)];
                if (!value.isNull()) keys.append({rowKeyText(k + 1, row), value});
            }
        }
    }
    std::sort(keys.begin(), keys.end());
    QByteArray bytes = keys.isEmpty() ? QByteArray() : QByteArray("[General]\n");
    for (const auto& [key, value] : std::as_const(keys)) {
        bytes += iniKey(key) + '=' + iniValue(value) + '\n';
    }
    writeWhole(file_, bytes, false);
    entriesStamp_ = stampOf(file_);
    pendingEntries_.clear();
}

void SettingsStore::flush()
{
    // The log's fields and the settings are written apart: a failure of one keeps the
    // other's write, and the first failure is reported.
    std::exception_ptr logFailure;
    try {
        writeLogFields();
    } catch (const SettingsError&) {
        logFailure = std::current_exception();
    }
    flushSettings();
    if (logFailure) std::rethrow_exception(logFailure);
}

void SettingsStore::flushSettings()
{
#ifdef _WIN32
    if (file_.isEmpty()) {
        // The registry takes keys one by one; a fresh object reports these writes alone.
        QSettings registry(QString::fromLatin1(kRegistryPath), QSettings::NativeFormat);
        for (const QString& key : std::as_const(pendingEntries_)) {
            registry.setValue(entries_.value(key).key, entries_.value(key).value);
        }
        if (pendingRowCount_) registry.setValue(QStringLiteral("RowCount"), rowCount_);
        for (const qint64 id : std::as_const(pendingTrips_)) {
            const int row = static_cast<int>(id / kTripFields);
            const int field = static_cast<int>(id % kTripFields) + 1;
            registry.setValue(rowKeyText(field, row), GetTripField(field, row, QString()));
        }
        registry.sync();
        if (registry.status() != QSettings::NoError) cannotWrite(fileName(), QString());
        pendingEntries_.clear();
        pendingTrips_.clear();
        pendingRowCount_ = false;
        return;
    }
#endif
    const bool tripsDirty = tripsInIni_ || pendingRowCount_ || !pendingTrips_.isEmpty();
    bool entriesDirty = !pendingEntries_.isEmpty();
    if (tripsDirty) {
        try {
            writeTrips();
        } catch (const SettingsError&) {
            // The entry keys are independent of the rows: they still get their write.
            if (entriesDirty) writeEntries();
            throw;
        }
        if (tripsInIni_) {
            // The row keys are safe in the trips file; the INI file sheds them.
            tripsInIni_ = false;
            entriesDirty = true;
        }
    }
    if (entriesDirty) writeEntries();
}

bool SettingsStore::hasPending() const
{
    return !pendingEntries_.isEmpty() || !pendingTrips_.isEmpty() || pendingRowCount_
           || (attached_ && !pendingLogFields_.isEmpty());
}

void SettingsStore::writePending()
{
    if (hasPending() && batchDepth_ == 0) flush();
}

SettingsStore::Batch::Batch(SettingsStore& store) : store_(&store) { ++store_->batchDepth_; }

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

// Writing is commit()'s alone, so that its failure reaches a caller that can report it;
// a batch left without one (an early return, an exception) keeps its values pending.
SettingsStore::Batch::~Batch()
{
    if (store_ != nullptr) --store_->batchDepth_;
}

} // namespace bw
