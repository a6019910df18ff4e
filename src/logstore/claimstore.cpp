// Claims remembered: the claim tables, the trail of changes to claimed trips and the hash
// chain over both.
#include "logstore/claimstore.h"

#include "core/blanktrip.h"
#include "logstore/claimtrail.h"
#include "logstore/logdatabase.h"
#include "platform/clock.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <utility>

namespace bw {

namespace claims {

namespace {

constexpr const char* kChanges[] = {"edited", "deleted", "movedToHistory", "returned"};

QString changeName(TrailEntry::Change change)
{
    return QString::fromLatin1(kChanges[static_cast<int>(change)]);
}

TrailEntry::Change changeOf(const QString& name)
{
    for (int k = 0; k < 4; ++k) {
        if (name == QLatin1String(kChanges[k])) return static_cast<TrailEntry::Change>(k);
    }
    return TrailEntry::Change::Edited;
}

QByteArray sha256Hex(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

QString timeText(const QDateTime& at)
{
    return at.isValid() ? at.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime timeOf(const QString& text)
{
    QDateTime at = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (at.isValid()) at = at.toUTC();
    return at;
}

QVariant fieldText(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) return QVariant();
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return value.toString();
}

QVariant fieldValue(const QVariant& text, int field)
{
    if (text.isNull() || !text.isValid()) return QVariant();
    if (isNumericField(field)) {
        bool number = false;
        const double value = text.toString().toDouble(&number);
        if (number) return value;
    }
    return text.toString();
}

Canonical& Canonical::add(const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        bytes_ += "N;";
        return *this;
    }
    const QByteArray utf8 = value.toString().toUtf8();
    bytes_ += QByteArray::number(utf8.size()) + ':' + utf8 + ';';
    return *this;
}

QByteArray Canonical::hash() const { return sha256Hex(bytes_); }

std::vector<Row> readRows(sql::Database& db, const QByteArray& sql, std::optional<qint64> key)
{
    sql::Statement rows(db, sql.constData());
    if (key) rows.bindInt(1, *key);
    std::vector<Row> out;
    const int columns = rows.columnCount();
    while (rows.step()) {
        Row row;
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) row.push_back(rows.valueAt(c));
        out.push_back(std::move(row));
    }
    return out;
}

QString kindName(LinkKind kind)
{
    static constexpr const char* kKinds[kLinkKinds] = {"claim", "file", "paid", "trail", "unpaid"};
    return QString::fromLatin1(kKinds[static_cast<int>(kind)]);
}

Canonical& Canonical::addColumns(const sql::Statement& row, int first)
{
    for (int c = first; c < row.columnCount(); ++c) {
        if (row.isNull(c)) {
            bytes_ += "N;";
            continue;
        }
        const QByteArrayView utf8 = row.utf8At(c);
        bytes_ += QByteArray::number(utf8.size());
        bytes_ += ':';
        bytes_ += utf8;
        bytes_ += ';';
    }
    return *this;
}

namespace {

QByteArray selectFrom(const char* columns, const char* rest)
{
    return QByteArray("SELECT ") + columns + rest;
}

// The queries of each kind's rows: all of them in key order, or the one of key ?1. The
// key comes first, then the columns the content covers.
struct KindQuery {
    const char* columns;
    const char* table;
    const char* key;
};
constexpr KindQuery kKindQueries[kLinkKinds] = {{kClaimColumns, "claims", "number"},
                                                {kFileColumns, "claim_files", "id"},
                                                {kPaidColumns, "claim_paid", "id"},
                                                {kTrailColumns, "trail", "number"},
                                                {kPaidColumns, "claim_unpaid", "id"}};

QByteArray kindQuery(LinkKind kind, bool one)
{
    const KindQuery& q = kKindQueries[static_cast<int>(kind)];
    return QByteArray("SELECT ") + q.key + ", " + q.columns + " FROM " + q.table
           + (one ? QByteArray(" WHERE ") + q.key + " = ?1" : QByteArray(" ORDER BY ") + q.key);
}

// The rows of a kind start with their key; the content is what follows it.
constexpr int kContentColumn = 1;

} // namespace

std::optional<QByteArray> storedContentHash(sql::Database& db, LinkKind kind, qint64 ref)
{
    sql::Statement row(db, kindQuery(kind, true).constData());
    row.bindInt(1, ref);
    if (!row.step()) return std::nullopt;
    Canonical content(kindName(kind));
    if (kind != LinkKind::Claim) return content.addColumns(row, kContentColumn).hash();
    sql::Statement count(db, "SELECT count(*) FROM claim_trips WHERE claim = ?1");
    count.bindInt(1, ref);
    count.step();
    content.add(count.intAt(0)).addColumns(row, kContentColumn);
    sql::Statement trips(db, selectFrom(claimTripColumns().constData(),
                                        " FROM claim_trips WHERE claim = ?1 ORDER BY position")
                                 .constData());
    trips.bindInt(1, ref);
    while (trips.step()) content.addColumns(trips);
    return content.hash();
}

std::array<std::map<qint64, QByteArray>, kLinkKinds> allContentHashes(sql::Database& db)
{
    std::array<std::map<qint64, QByteArray>, kLinkKinds> hashes;
    for (const LinkKind kind :
         {LinkKind::File, LinkKind::Paid, LinkKind::Trail, LinkKind::Unpaid}) {
        sql::Statement rows(db, kindQuery(kind, false).constData());
        auto& ofKind = hashes[static_cast<std::size_t>(kind)];
        while (rows.step()) {
            ofKind.emplace(rows.intAt(0),
                           Canonical(kindName(kind)).addColumns(rows, kContentColumn).hash());
        }
    }
    std::map<qint64, Canonical> claims;
    sql::Statement counts(db, "SELECT c.number, (SELECT count(*) FROM claim_trips t"
                              " WHERE t.claim = c.number) FROM claims c");
    std::map<qint64, qint64> tripCounts;
    while (counts.step()) tripCounts.emplace(counts.intAt(0), counts.intAt(1));
    sql::Statement rows(db, kindQuery(LinkKind::Claim, false).constData());
    while (rows.step()) {
        Canonical content(kindName(LinkKind::Claim));
        content.add(tripCounts[rows.intAt(0)]).addColumns(rows, kContentColumn);
        claims.emplace(rows.intAt(0), std::move(content));
    }
    sql::Statement trips(
        db, selectFrom(claimTripColumns().constData(), " FROM claim_trips ORDER BY claim, position")
                .constData());
    while (trips.step()) {
        const auto found = claims.find(trips.intAt(0));
        if (found != claims.end()) found->second.addColumns(trips);
    }
    auto& ofClaims = hashes[static_cast<std::size_t>(LinkKind::Claim)];
    for (const auto& [number, content] : claims) ofClaims.emplace(number, content.hash());
    return hashes;
}

QByteArray linkHash(const QString& kind, qint64 ref, const QString& content,
                    const QString& previous)
{
    return Canonical(QStringLiteral("link")).add(kind).add(ref).add(content).add(previous).hash();
}

namespace {

// Appends links of one kind with the insert prepared once and the chain's head kept in
// hand, so a change that trails many trips (a new period of a long log) parses no SQL per
// entry. A claim's content spans its snapshot trips and is read whole.
class LinkAppender {
public:
    LinkAppender(sql::Database& db, LinkKind kind)
        : db_(db), kind_(kind), kindText_(kindName(kind)),
          row_(kind == LinkKind::Claim
                   ? nullptr
                   : std::make_unique<sql::Statement>(db, kindQuery(kind, true).constData())),
          insert_(db, "INSERT INTO chain (kind, ref, content, previous, hash)"
                      " VALUES (?1, ?2, ?3, ?4, ?5)")
    {
        const QVariant head = db.scalar("SELECT hash FROM chain ORDER BY link DESC LIMIT 1");
        previous_ = head.isNull() ? QString() : head.toString();
    }

    void append(qint64 ref)
    {
        const QString content = QString::fromLatin1(contentHash(ref));
        const QString hash = QString::fromLatin1(linkHash(kindText_, ref, content, previous_));
        insert_.bind(1, kindText_);
        insert_.bindInt(2, ref);
        insert_.bind(3, content);
        insert_.bind(4, previous_);
        insert_.bind(5, hash);
        insert_.run();
        previous_ = hash;
    }

private:
    QByteArray contentHash(qint64 ref)
    {
        if (!row_) return storedContentHash(db_, kind_, ref).value_or("");
        row_->reset();
        row_->bindInt(1, ref);
        const QByteArray hash = row_->step()
                                    ? Canonical(kindText_).addColumns(*row_, kContentColumn).hash()
                                    : QByteArray();
        row_->reset();
        return hash;
    }

    sql::Database& db_;
    LinkKind kind_;
    QString kindText_;
    std::unique_ptr<sql::Statement> row_;
    sql::Statement insert_;
    QString previous_;
};

} // namespace

void appendLink(sql::Database& db, LinkKind kind, qint64 ref)
{
    LinkAppender(db, kind).append(ref);
}

void appendTrail(sql::Database& db, const std::vector<TrailEntry>& entries)
{
    if (entries.empty()) return;
    sql::Statement insert(db, "INSERT INTO trail (at, trip_id, claim, change, field, old_text,"
                              " new_text) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    LinkAppender links(db, LinkKind::Trail);
    for (const TrailEntry& entry : entries) {
        insert.bind(1, timeText(entry.at));
        insert.bindInt(2, entry.tripId);
        insert.bindInt(3, entry.claimNumber);
        insert.bind(4, changeName(entry.change));
        insert.bind(5, entry.field.isEmpty() ? QVariant() : QVariant(entry.field));
        insert.bind(6, entry.oldText);
        insert.bind(7, entry.newText);
        insert.run();
        links.append(db.lastInsertId());
    }
}

namespace {

QString textOf(const QVariant& value)
{
    const QVariant text = fieldText(value);
    return text.isNull() ? QString() : text.toString();
}

// Fields that read the same count as unchanged: a null and an empty text look alike.
void fieldEdits(const TrailEntry& base, const Trip& before, const Trip& after,
                std::vector<TrailEntry>& out)
{
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        const QString old = textOf(before.field(k));
        const QString now = textOf(after.field(k));
        if (old == now) continue;
        TrailEntry entry = base;
        entry.change = TrailEntry::Change::Edited;
        entry.field = QString::fromLatin1(kTripFields[static_cast<std::size_t>(k)].key);
        entry.oldText = old;
        entry.newText = now;
        out.push_back(entry);
    }
}

} // namespace

void diffTrip(qint64 tripId, qint64 claim, const std::optional<Trip>& before,
              const std::optional<Trip>& after, const std::optional<Trip>& snapshot,
              TrailEntry::Change removal, const QDateTime& at, std::vector<TrailEntry>& out)
{
    TrailEntry base{0, at, tripId, claim, TrailEntry::Change::Edited, {}, {}, {}};
    if (before && after) {
        fieldEdits(base, *before, *after, out);
    } else if (before) {
        base.change = removal;
        out.push_back(base);
    } else if (after) {
        base.change = TrailEntry::Change::Returned;
        out.push_back(base);
        if (snapshot) fieldEdits(base, *snapshot, *after, out);
    }
}

} // namespace claims

QString tripFieldKey(int field)
{
    return field >= 0 && field < Trip::kFieldCount
               ? QString::fromLatin1(kTripFields[static_cast<std::size_t>(field)].key)
               : QString();
}

namespace {

using claims::LinkKind;
using claims::Row;

QString ratesText(const std::vector<RateChange>& rates)
{
    QStringList parts;
    // A change by date alone is written as claims always wrote it, so that the claims
    // recorded before distances could be given hash as they did.
    for (const RateChange& change : rates) {
        QString key = change.from.toString(Qt::ISODate);
        if (change.fromDistance) key += QLatin1Char('@') + plainDecimalText(*change.fromDistance);
        parts << key + QLatin1Char('=')
                     + QString::number(change.rate, 'g', QLocale::FloatingPointShortest);
    }
    return parts.join(QLatin1Char(';'));
}

std::vector<RateChange> ratesOf(const QString& text)
{
    std::vector<RateChange> rates;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString key = part.left(equals);
        const qsizetype at = key.indexOf(QLatin1Char('@'));
        RateChange change{QDate::fromString(key.left(at), Qt::ISODate), 0.0, std::nullopt};
        bool number = false;
        change.rate = part.mid(equals + 1).toDouble(&number);
        bool distanceNumber = true;
        if (at >= 0) change.fromDistance = key.mid(at + 1).toDouble(&distanceNumber);
        if (equals > 0 && number && distanceNumber && rateChangeProblem(change).isEmpty())
            rates.push_back(change);
    }
    return rates;
}

QString text(const QVariant& value) { return value.isNull() ? QString() : value.toString(); }
QDate dateOf(const QVariant& value) { return QDate::fromString(text(value), Qt::ISODate); }

Claim claimOf(const Row& row)
{
    Claim claim;
    claim.number = row[0].toLongLong();
    claim.savedAt = claims::timeOf(text(row[1]));
    claim.employeeName = text(row[2]);
    claim.employeeID = text(row[3]);
    claim.vehicleDescription = text(row[4]);
    claim.authorizedBy = text(row[5]);
    claim.ratePerMile = text(row[6]);
    claim.periodFrom = dateOf(row[7]);
    claim.periodTo = dateOf(row[8]);
    claim.locale = text(row[9]);
    claim.rates = ratesOf(text(row[10]));
    claim.totalMiles = text(row[11]);
    claim.totalAmount = text(row[12]);
    // A claim without them was made before logs had their own: in miles and dollars.
    claim.units.distance = unitFromCode(text(row[13])).value_or(DistanceUnit::Miles);
    if (!text(row[14]).isEmpty()) {
        claim.units.currency.symbol = text(row[14]);
        claim.units.currency = withPlacement(claim.units.currency, text(row[15]));
    }
    return claim;
}

ClaimedTrip claimedTripAt(const sql::Statement& row)
{
    ClaimedTrip claimed;
    claimed.tripId = row.isNull(2) ? 0 : row.intAt(2);
    for (int k = 0; k < Trip::kFieldCount; ++k) {
        if (row.isNull(3 + k)) continue;
        const QByteArrayView utf8 = row.utf8At(3 + k);
        bool number = false;
        const double value = isNumericField(k) ? utf8.toDouble(&number) : 0.0;
        claimed.trip.field(k) = number ? QVariant(value) : QVariant(QString::fromUtf8(utf8));
    }
    return claimed;
}

ClaimFile fileOf(const Row& row)
{
    return {text(row[2]), text(row[3]), text(row[4]), claims::timeOf(text(row[5]))};
}

QByteArray select(const char* columns, const char* rest)
{
    return QByteArray("SELECT ") + columns + rest;
}

[[noreturn]] void noSuchClaim(qint64 number)
{
    throw sql::SqlError(
        QCoreApplication::translate("ClaimStore", "There is no claim %1.").arg(number), 0, 0);
}

void insertFile(sql::Database& db, qint64 claim, const ClaimFile& file)
{
    sql::Statement insert(db, "INSERT INTO claim_files (claim, path, format, sha256, at)"
                              " VALUES (?1, ?2, ?3, ?4, ?5)");
    const bool printed = file.format == QLatin1String("print");
    QString hash = file.sha256;
    if (hash.isEmpty() && !printed) hash = fileSha256(file.path);
    insert.bindInt(1, claim);
    insert.bind(2, printed ? QVariant() : QVariant(file.path));
    insert.bind(3, file.format);
    insert.bind(4, printed ? QVariant() : QVariant(hash.toLower()));
    insert.bind(5, claims::timeText(file.at));
    insert.run();
    claims::appendLink(db, LinkKind::File, db.lastInsertId());
}

} // namespace

ClaimStore::ClaimStore(LogDatabase& database) : db_(database) {}

std::vector<std::pair<Trip, QString>> ClaimStore::tripsOutsideLog()
{
    std::vector<std::pair<Trip, QString>> trips;
    if (!hasTables()) return trips;
    sql::Statement rows(db_.database(),
                        "SELECT t.date, t.mileage, c.locale FROM claim_trips t"
                        " JOIN claims c ON c.number = t.claim"
                        " WHERE t.trip_id IS NOT NULL AND t.trip_id NOT IN (SELECT id FROM trips)"
                        " AND t.claim = (SELECT max(claim) FROM claim_trips l"
                        " WHERE l.trip_id = t.trip_id)");
    while (rows.step()) {
        Trip trip;
        trip.date = rows.textAt(0);
        bool number = false;
        const double mileage = rows.textAt(1).toDouble(&number);
        if (number) trip.mileage = mileage;
        trips.emplace_back(std::move(trip), rows.textAt(2));
    }
    return trips;
}

bool ClaimStore::hasTables()
{
    return db_.database()
               .scalar("SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                       " AND name = 'claims'")
               .toLongLong()
           > 0;
}

qint64 ClaimStore::recordClaim(const ClaimRecord& record, const ClaimFile& firstFile)
{
    sql::Database& db = db_.database();
    if (db.readOnly()) db.failReadOnly();
    sql::Transaction transaction(db);
    sql::Statement insert(
        db, "INSERT INTO claims (saved_at, employee_name, employee_id, vehicle_description,"
            " authorized_by, rate_per_mile, period_from, period_to, locale, rates, total_miles,"
            " total_amount, distance_unit, currency, currency_placement)"
            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)");
    const QVariant values[] = {claims::timeText(record.savedAt),
                               record.employeeName,
                               record.employeeID,
                               record.vehicleDescription,
                               record.authorizedBy,
                               record.ratePerMile,
                               record.periodFrom.toString(Qt::ISODate),
                               record.periodTo.toString(Qt::ISODate),
                               record.locale,
                               ratesText(record.rates),
                               record.totalMiles,
                               record.totalAmount,
                               unitCode(record.units.distance),
                               record.units.currency.symbol,
                               placementCode(record.units.currency)};
    int index = 0;
    for (const QVariant& value : values) insert.bind(++index, value);
    insert.run();
    const qint64 number = db.lastInsertId();
    sql::Statement trip(db, ("INSERT INTO claim_trips (" + claims::claimTripColumns()
                             + ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)")
                                .constData());
    qint64 position = 0;
    for (const ClaimedTrip& claimed : record.trips) {
        trip.bindInt(1, number);
        trip.bindInt(2, ++position);
        // A blank row of the report is no trip: it holds its place, not a trip of the log.
        trip.bind(3, claimed.tripId == 0 || isBlankTrip(claimed.trip) ? QVariant()
                                                                      : QVariant(claimed.tripId));
        for (int k = 0; k < Trip::kFieldCount; ++k)
            trip.bind(4 + k, claims::fieldText(claimed.trip.field(k)));
        trip.run();
    }
    claims::appendLink(db, LinkKind::Claim, number);
    if (!firstFile.format.isEmpty()) insertFile(db, number, firstFile);
    transaction.commit();
    return number;
}

void ClaimStore::addFile(qint64 claimNumber, const ClaimFile& file)
{
    sql::Database& db = db_.database();
    if (db.readOnly()) db.failReadOnly();
    sql::Transaction transaction(db);
    if (!claimExists(claimNumber)) noSuchClaim(claimNumber);
    insertFile(db, claimNumber, file);
    transaction.commit();
}

void ClaimStore::markPaid(qint64 claimNumber, const QDateTime& at)
{
    setPaid(claimNumber, true, at);
}

void ClaimStore::markUnpaid(qint64 claimNumber, const QDateTime& at)
{
    setPaid(claimNumber, false, at);
}

void ClaimStore::setPaid(qint64 claimNumber, bool paid, const QDateTime& at)
{
    sql::Database& db = db_.database();
    if (db.readOnly()) db.failReadOnly();
    sql::Transaction transaction(db);
    if (!claimExists(claimNumber)) noSuchClaim(claimNumber);
    // Marks only ever alternate, so a mark that would not change the state is none: the
    // mark that stands is the one the chain has.
    if (isPaid(claimNumber) == paid) return;
    sql::Statement insert(db, paid ? "INSERT INTO claim_paid (claim, at) VALUES (?1, ?2)"
                                   : "INSERT INTO claim_unpaid (claim, at) VALUES (?1, ?2)");
    insert.bindInt(1, claimNumber);
    insert.bind(2, claims::timeText(at));
    insert.run();
    claims::appendLink(db, paid ? LinkKind::Paid : LinkKind::Unpaid, db.lastInsertId());
    transaction.commit();
}

bool ClaimStore::isPaid(qint64 claimNumber)
{
    sql::Statement marks(db_.database(), "SELECT (SELECT count(*) FROM claim_paid WHERE claim = ?1)"
                                         " > (SELECT count(*) FROM claim_unpaid WHERE claim = ?1)");
    marks.bindInt(1, claimNumber);
    return marks.step() && marks.intAt(0) != 0;
}

bool ClaimStore::claimExists(qint64 number)
{
    sql::Statement exists(db_.database(), "SELECT 1 FROM claims WHERE number = ?1");
    exists.bindInt(1, number);
    return exists.step();
}

std::vector<Claim> ClaimStore::readClaims(std::optional<qint64> number)
{
    if (!hasTables()) return {};
    sql::Database& db = db_.database();
    const char* where = number ? " WHERE number = ?1" : "";
    const char* whereClaim = number ? " WHERE claim = ?1" : "";
    std::vector<Claim> claims;
    std::unordered_map<qint64, std::size_t> at;
    for (const Row& row : claims::readRows(
             db, select(claims::kClaimColumns, " FROM claims") + where + " ORDER BY number",
             number)) {
        at.emplace(row[0].toLongLong(), claims.size());
        claims.push_back(claimOf(row));
    }
    const auto owner = [&](const Row& row) -> Claim* {
        const auto found = at.find(row[0].toLongLong());
        return found == at.end() ? nullptr : &claims[found->second];
    };
    // The bulk of a long history: read straight from the statement, field by field.
    sql::Statement trips(db, (select(claims::claimTripColumns().constData(), " FROM claim_trips")
                              + whereClaim + " ORDER BY claim, position")
                                 .constData());
    if (number) trips.bindInt(1, *number);
    Claim* holder = nullptr;
    while (trips.step()) {
        if (!holder || holder->number != trips.intAt(0)) {
            const auto found = at.find(trips.intAt(0));
            holder = found == at.end() ? nullptr : &claims[found->second];
            if (!holder) continue;
        }
        holder->trips.push_back(claimedTripAt(trips));
    }
    for (const Row& row :
         claims::readRows(db,
                          QByteArray("SELECT claim, id, path, format, sha256, at FROM claim_files")
                              + whereClaim + " ORDER BY id",
                          number)) {
        if (Claim* claim = owner(row)) claim->files.push_back(fileOf(row));
    }
    // Paid while it has more paid marks than unpaid ones (they alternate), since its latest.
    std::unordered_map<qint64, int> unpaid;
    for (const Row& row :
         claims::readRows(db, QByteArray("SELECT claim FROM claim_unpaid") + whereClaim, number)) {
        ++unpaid[row[0].toLongLong()];
    }
    for (const Row& row : claims::readRows(
             db, select(claims::kPaidColumns, " FROM claim_paid") + whereClaim + " ORDER BY id",
             number)) {
        Claim* claim = owner(row);
        if (!claim) continue;
        const bool paid = --unpaid[claim->number] < 0;
        claim->paidAt = paid ? std::optional(claims::timeOf(text(row[1]))) : std::nullopt;
    }
    return claims;
}

std::vector<Claim> ClaimStore::claims() { return readClaims(std::nullopt); }

std::optional<Claim> ClaimStore::claim(qint64 number)
{
    std::vector<Claim> found = readClaims(number);
    if (found.empty()) return std::nullopt;
    return std::move(found.front());
}

std::unordered_map<qint64, ClaimMark> ClaimStore::claimedTrips()
{
    std::unordered_map<qint64, ClaimMark> marks;
    if (!hasTables()) return marks;
    sql::Database& db = db_.database();
    std::unordered_map<qint64, ClaimMark> byClaim;
    for (const Row& row : claims::readRows(db, "SELECT number, saved_at FROM claims"))
        byClaim[row[0].toLongLong()] = {row[0].toLongLong(), {}, claims::timeOf(text(row[1]))};
    // The first file of each claim names it.
    for (const Row& row : claims::readRows(db, "SELECT claim, path, format, min(id)"
                                               " FROM claim_files GROUP BY claim")) {
        const auto found = byClaim.find(row[0].toLongLong());
        if (found != byClaim.end() && text(row[2]) != QLatin1String("print"))
            found->second.fileName = QFileInfo(text(row[1])).fileName();
    }
    for (const Row& row :
         claims::readRows(db, QByteArray("SELECT trip_id, max(claim) FROM claim_trips WHERE ")
                                  + claims::claimsTrip() + " GROUP BY trip_id")) {
        const auto found = byClaim.find(row[1].toLongLong());
        if (found != byClaim.end()) marks.emplace(row[0].toLongLong(), found->second);
    }
    return marks;
}

std::vector<TrailEntry> ClaimStore::trailFor(qint64 tripId)
{
    std::vector<TrailEntry> entries;
    if (!hasTables()) return entries;
    for (const Row& row : claims::readRows(
             db_.database(),
             select(claims::kTrailColumns, " FROM trail WHERE trip_id = ?1 ORDER BY number"),
             tripId)) {
        entries.push_back({row[0].toLongLong(), claims::timeOf(text(row[1])), row[2].toLongLong(),
                           row[3].toLongLong(), claims::changeOf(text(row[4])), text(row[5]),
                           text(row[6]), text(row[7])});
    }
    return entries;
}

namespace {

// The names of links, marked for translation where they are used.
QString linkText(const char* text) { return QCoreApplication::translate("ClaimStore", text); }

QString linkName(LinkKind kind, qint64 ref, sql::Database& db)
{
    switch (kind) {
    case LinkKind::Claim:
        return linkText(QT_TRANSLATE_NOOP("ClaimStore", "claim %1")).arg(ref);
    case LinkKind::File: {
        sql::Statement owner(db, "SELECT claim FROM claim_files WHERE id = ?1");
        owner.bindInt(1, ref);
        return owner.step() ? linkText(QT_TRANSLATE_NOOP("ClaimStore", "file %1 of claim %2"))
                                  .arg(ref)
                                  .arg(owner.intAt(0))
                            : linkText(QT_TRANSLATE_NOOP("ClaimStore", "file %1")).arg(ref);
    }
    case LinkKind::Paid:
    case LinkKind::Unpaid: {
        const bool paid = kind == LinkKind::Paid;
        sql::Statement owner(db, paid ? "SELECT claim FROM claim_paid WHERE id = ?1"
                                      : "SELECT claim FROM claim_unpaid WHERE id = ?1");
        owner.bindInt(1, ref);
        const qint64 claim = owner.step() ? owner.intAt(0) : ref;
        return (paid ? linkText(QT_TRANSLATE_NOOP("ClaimStore", "paid mark of claim %1"))
                     : linkText(QT_TRANSLATE_NOOP("ClaimStore", "unpaid mark of claim %1")))
            .arg(claim);
    }
    case LinkKind::Trail:
        return linkText(QT_TRANSLATE_NOOP("ClaimStore", "trail entry %1")).arg(ref);
    }
    return {};
}

QString breakName(const claims::ChainBreak& broken, sql::Database& db)
{
    switch (broken.what) {
    case claims::ChainBreak::What::UnknownLink:
        return linkText(QT_TRANSLATE_NOOP("ClaimStore", "link %1")).arg(broken.position);
    case claims::ChainBreak::What::Uncovered:
        return linkText(QT_TRANSLATE_NOOP("ClaimStore", "%1 (not in the chain)"))
            .arg(linkName(broken.kind, broken.ref, db));
    case claims::ChainBreak::What::Link:
        break;
    }
    return linkName(broken.kind, broken.ref, db);
}

} // namespace

ChainCheck ClaimStore::checkChain(const QString& kept)
{
    ChainCheck check;
    if (!hasTables()) return check;
    sql::Database& db = db_.database();
    check.claims = db.scalar("SELECT count(*) FROM claims").toLongLong();
    std::vector<claims::StoredLink> links;
    sql::Statement rows(db, "SELECT kind, ref, content, previous, hash FROM chain ORDER BY link");
    while (rows.step()) {
        links.push_back(
            {rows.textAt(0), rows.intAt(1), rows.textAt(2), rows.textAt(3), rows.textAt(4)});
    }
    const claims::ChainWalk walk = claims::walkChain(links, claims::allContentHashes(db), kept);
    check.entries = walk.entries;
    check.head = walk.head;
    check.holdsHead = walk.holdsHead;
    const auto fail = [&](const QString& name) {
        if (check.holds) check.firstFailure = name;
        check.holds = false;
    };
    if (walk.broken) fail(breakName(*walk.broken, db));
    // A claim's trips are covered by the claim's link: without their claim, by none.
    sql::Statement orphan(db, "SELECT claim, position FROM claim_trips WHERE claim NOT IN"
                              " (SELECT number FROM claims) ORDER BY claim, position LIMIT 1");
    if (orphan.step()) {
        fail(linkText(QT_TRANSLATE_NOOP("ClaimStore", "trip %1 of claim %2 (not in the chain)"))
                 .arg(orphan.intAt(1))
                 .arg(orphan.intAt(0)));
    }
    return check;
}

} // namespace bw
