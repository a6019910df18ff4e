// Tests of the log's database: schema and migration, typed reads and writes, read-only
// openings, files set aside, and failures named by their cause. Real files throughout.
#include "logstore/claimstore.h"
#include "logstore/claimtrail.h"
#include "logstore/logbackup.h"
#include "logstore/logdatabase.h"
#include "logstore/placestore.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <map>

namespace bw {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

StoredTrip trip(qint64 id, double order, std::vector<QVariant> values)
{
    return StoredTrip{id, order, Trip::fromValues(values)};
}

// Texts the old stores had to escape, a null field, numbers that are not whole.
std::vector<StoredTrip> sampleTrips()
{
    return {
        trip(7, 1,
             {QStringLiteral("5/14/2016"), QStringLiteral("Store"), QStringLiteral("Mall"),
              QStringLiteral("tab\there, line\nbreak, cr\r, back\\slash"), QStringLiteral("58114"),
              QStringLiteral("58116"), 2.0, 2.5}),
        trip(3, 2,
             {QVariant(), QStringLiteral("\"quoted\"; a=b, c"), QStringLiteral("Zürich ✓"),
              QStringLiteral(""), QStringLiteral("007"), QVariant(), 0.1, QVariant()}),
        trip(12, 2.5, {QStringLiteral("x"), {}, {}, {}, {}, {}, -3.25, 1e300}),
    };
}

class LogDatabaseTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Brindlewick.sqlite")); }
    void fill(LogDatabase& db, const std::vector<StoredTrip>& trips)
    {
        TripChanges changes;
        changes.upserts = trips;
        db.apply(changes);
    }

    test::TestPlatform platform;
    QTemporaryDir folder;
    QDir dir{folder.path()};
};

TEST_F(LogDatabaseTest, PathLiesBesideTheSettingsFile)
{
    EXPECT_EQ(LogDatabase::pathFor(QStringLiteral("/a/b/X.ini")), QStringLiteral("/a/b/X.sqlite"));
    EXPECT_EQ(LogDatabase::pathFor(QStringLiteral("/a/b/X.INI")), QStringLiteral("/a/b/X.sqlite"));
    EXPECT_EQ(LogDatabase::pathFor(QStringLiteral("/a/b/X.conf")),
              QStringLiteral("/a/b/X.conf.sqlite"));
    EXPECT_EQ(LogDatabase::defaultPath(), LogDatabase::pathFor(platform.settingsFile()));
}

TEST_F(LogDatabaseTest, NewDatabaseIsMigratedToTheSchemaAndAwaitsTheImport)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    EXPECT_EQ(db.foundVersion(), 0);
    EXPECT_FALSE(db.readOnly());
    EXPECT_TRUE(db.importPending());
    EXPECT_EQ(db.database().scalar("PRAGMA user_version").toInt(), LogDatabase::kSchemaVersion);
    EXPECT_EQ(db.database().scalar("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    EXPECT_EQ(db.database().scalar("PRAGMA foreign_keys").toInt(), 1);
    EXPECT_EQ(db.tripCount(), 0);
    LogDatabase again(path(), LogDatabase::Access::ReadWrite);
    EXPECT_EQ(again.foundVersion(), LogDatabase::kSchemaVersion) << "migrated once only";
    // The migrations' layout and the one field table agree on the trips' columns.
    const std::pair<const char*, QByteArray> layouts[] = {
        {"trips", "id, sort_key, " + tripColumns()}, {"claim_trips", claims::claimTripColumns()}};
    for (const auto& [table, columns] : layouts) {
        sql::Statement names(db.database(),
                             "SELECT group_concat(name, ', ') FROM pragma_table_info(?1)");
        names.bind(1, QString::fromLatin1(table));
        ASSERT_TRUE(names.step());
        EXPECT_EQ(names.textAt(0).toLatin1(), columns) << table;
    }
}

TEST_F(LogDatabaseTest, TripsComeBackInOrderWithIdsAndEveryValue)
{
    {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        fill(db, sampleTrips());
    }
    LogDatabase db(path(), LogDatabase::Access::ReadOnly);
    const std::vector<StoredTrip> back = db.tripsInOrder();
    ASSERT_EQ(back, sampleTrips());
    EXPECT_TRUE(back[1].trip.date.isNull());
    EXPECT_EQ(back[1].trip.description.typeId(), QMetaType::QString);
    EXPECT_EQ(back[0].trip.mileage.typeId(), QMetaType::Double);
}

// The reader that shares repeated texts gives every field as the row-by-row reading of the
// same statement does, whatever a foreign tool put there, and shares what repeats.
TEST_F(LogDatabaseTest, TripCellsReadAsTheRowsAreAndShareRepeatedTexts)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    db.database().exec(
        "INSERT INTO trips VALUES (1, 1, '5/1/2016', 'Zürich', 'Mall', '', '100', '102', 2, 5),"
        " (2, 2, '5/1/2016', 'Mall', 'Zürich', NULL, '102', '104', '2.5', 'x'),"
        " (3, 3, NULL, X'4D616C6C', 'Zürich ', 'Mall', 104, NULL, NULL, 1e300),"
        " (4, 0.5, '5/1/2016', 'Zurich', 'Mall', '', '', '100', 0.1, -3)");
    std::vector<std::pair<qint64, TripCells>> read;
    db.readTripCells([&](qint64 id, double, TripCells&& cells) { read.emplace_back(id, cells); });
    sql::Statement rows(db.database(),
                        "SELECT id, " + tripColumns() + " FROM trips ORDER BY sort_key, id");
    for (const auto& [id, cells] : read) {
        ASSERT_TRUE(rows.step());
        EXPECT_EQ(id, rows.intAt(0));
        const Trip expected = tripAt(rows, 1);
        for (int k = 0; k < Trip::kFieldCount; ++k) {
            EXPECT_EQ(cells.field(k), expected.field(k)) << id << " field " << k;
            EXPECT_EQ(cells.field(k).typeId(), expected.field(k).typeId()) << id << " field " << k;
        }
    }
    EXPECT_FALSE(rows.step()) << "every trip read";
    const auto shared = [&](int a, int fieldA, int b, int fieldB) {
        return read[a].second.texts[fieldA].isSharedWith(read[b].second.texts[fieldB]);
    };
    EXPECT_TRUE(shared(0, 0, 1, 0)) << "a date met again";
    EXPECT_TRUE(shared(1, 2, 2, 1)) << "a place in the other place field";
    EXPECT_TRUE(shared(1, 4, 0, 5)) << "the reading that ends one trip and starts the next";
    EXPECT_FALSE(shared(3, 3, 2, 1)) << "a description is no place";
}
TEST_F(LogDatabaseTest, ChangesTouchOnlyTheirRowsAndRollBackWhole)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    fill(db, sampleTrips());
    struct Case {
        const char* name;
        TripChanges changes;
        std::vector<qint64> idsAfter;
    };
    const std::vector<Case> cases = {
        {"edit one", {{trip(3, 2, {QStringLiteral("new")})}, {}, false, {}}, {7, 3, 12}},
        {"move by key", {{trip(7, 9, {})}, {}, false, {}}, {3, 12, 7}},
        {"remove", {{}, {3}, false, {}}, {12, 7}},
        {"insert between", {{trip(40, 5, {})}, {}, false, {}}, {12, 40, 7}},
        {"replace all", {{trip(1, 1, {}), trip(2, 2, {})}, {}, true, {}}, {1, 2}},
    };
    for (const Case& c : cases) {
        db.apply(c.changes);
        std::vector<qint64> ids;
        for (const StoredTrip& t : db.tripsInOrder()) ids.push_back(t.id);
        EXPECT_EQ(ids, c.idsAfter) << c.name;
    }
    EXPECT_EQ(db.tripsInOrder().front().trip.date, QVariant()) << "replace wrote nulls";

    // A change that fails half way leaves nothing of itself behind.
    TripChanges bad;
    bad.upserts = {trip(50, 3, {}), trip(51, 4, {})};
    db.database().exec("CREATE TRIGGER refuse BEFORE INSERT ON trips WHEN NEW.id = 51"
                       " BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_THROW(db.apply(bad), sql::SqlError);
    EXPECT_EQ(db.tripCount(), 2);
}

TEST_F(LogDatabaseTest, MetaValuesAreSetReplacedAndRemoved)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    const QString key = QString::fromLatin1(LogDatabase::kRowCountAtClose);
    EXPECT_FALSE(db.meta(key).has_value());
    for (const char* value : {"30", "12.5", ""}) {
        db.apply(TripChanges{{}, {}, false, {{key, QString::fromUtf8(value)}}});
        EXPECT_EQ(db.meta(key), QString::fromUtf8(value));
    }
    db.apply(TripChanges{{}, {}, false, {{key, QString()}}});
    EXPECT_FALSE(db.meta(key).has_value());
}

TEST_F(LogDatabaseTest, NewerSchemaOpensReadOnlyAndIsNeverChanged)
{
    {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        fill(db, sampleTrips());
        db.database().exec("PRAGMA user_version = 99");
        db.database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    const QByteArray before = bytesOf(path());
    {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        EXPECT_TRUE(db.readOnly());
        EXPECT_TRUE(db.newerSchema());
        EXPECT_EQ(db.tripsInOrder().size(), sampleTrips().size());
        EXPECT_THROW(db.apply(TripChanges{{trip(1, 1, {})}, {}, false, {}}), sql::SqlError);
    }
    EXPECT_EQ(bytesOf(path()), before);
}

// Writes a log exactly as the first schema left it: trips, meta, version 1.
void writeVersion1(const QString& path, bool withTrip)
{
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("PRAGMA journal_mode = WAL;"
             "CREATE TABLE trips (id INTEGER PRIMARY KEY, sort_key REAL NOT NULL,"
             " date TEXT, starting_location TEXT, destination TEXT, description TEXT,"
             " odometer_start TEXT, odometer_end TEXT, mileage REAL, reimbursement REAL);"
             "CREATE INDEX trips_in_order ON trips (sort_key, id);"
             "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID;"
             "INSERT INTO meta (key, value) VALUES ('row_count_at_close', '30');"
             "PRAGMA user_version = 1;");
    if (withTrip)
        raw.exec("INSERT INTO trips (id, sort_key, date, mileage) VALUES (4, 1, 'x', 2.5)");
}

// Writes a log exactly as the second schema left it: version 1 and the rate changes.
void writeVersion2(const QString& path, bool withTrip)
{
    writeVersion1(path, withTrip);
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("CREATE TABLE rate_changes (from_date TEXT PRIMARY KEY, rate TEXT NOT NULL);"
             "PRAGMA user_version = 2;");
}

// Writes a log as the seventh schema left it: this schema's tables but the log's own
// fields, which stayed in the settings, with one rate change listed.
void writeVersion7(const QString& path, bool withTrip)
{
    writeVersion2(path, withTrip);
    {
        const LogDatabase current(path, LogDatabase::Access::ReadWrite);
    }
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("DROP TABLE log_fields; DELETE FROM meta WHERE key = 'fields_pending';"
             "INSERT INTO rate_changes (from_date, rate) VALUES ('2025-01-01', '0.70');"
             "PRAGMA user_version = 7;");
}

// Writes a log as the sixth schema left it: the seventh's tables but the rate changes,
// keyed by their date alone, with one change listed.
void writeVersion6(const QString& path, bool withTrip)
{
    writeVersion7(path, withTrip);
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("DROP TABLE rate_changes;"
             "CREATE TABLE rate_changes (from_date TEXT PRIMARY KEY, rate TEXT NOT NULL);"
             "INSERT INTO rate_changes VALUES ('2025-01-01', '0.70');"
             "PRAGMA user_version = 6;");
}

// Writes a log as the fifth schema left it: the sixth's tables but the saved places.
void writeVersion5(const QString& path, bool withTrip)
{
    writeVersion6(path, withTrip);
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("DROP TABLE saved_places; PRAGMA user_version = 5;");
}

// Writes a log as the fourth schema left it: the fifth's tables but the backups list.
void writeVersion4(const QString& path, bool withTrip)
{
    writeVersion5(path, withTrip);
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("DELETE FROM rate_changes; DROP TABLE backups; PRAGMA user_version = 4;");
}

// Writes a log as the third schema left it: the fourth's tables but for what the fourth
// changed (paid marks keyed by their claim, no unpaid marks), with one claim marked paid
// and linked as that schema linked it.
void writeVersion3(const QString& path, bool withTrip)
{
    writeVersion4(path, withTrip);
    sql::Database raw(path, sql::Database::Open::ReadWrite);
    raw.exec("DROP TABLE claim_unpaid; DROP TABLE claim_paid;"
             "CREATE TABLE claim_paid ("
             " claim INTEGER PRIMARY KEY REFERENCES claims (number), at TEXT NOT NULL);"
             "INSERT INTO claims (number, saved_at) VALUES (1, '2026-01-01T00:00:00.000Z');"
             "INSERT INTO claim_paid (claim, at) VALUES (1, '2026-01-05T09:00:00.000Z');"
             "PRAGMA user_version = 3;");
    claims::appendLink(raw, claims::LinkKind::Claim, 1);
    const QString content = QString::fromLatin1(claims::Canonical(QStringLiteral("paid"))
                                                    .add(qint64{1})
                                                    .add("2026-01-05T09:00:00.000Z")
                                                    .hash());
    const QString previous = raw.scalar("SELECT hash FROM chain").toString();
    const QString hash = QString::fromLatin1(claims::linkHash("paid", 1, content, previous));
    raw.exec(QStringLiteral("INSERT INTO chain (kind, ref, content, previous, hash)"
                            " VALUES ('paid', 1, '%1', '%2', '%3')")
                 .arg(content, previous, hash)
                 .toUtf8()
                 .constData());
}

TEST_F(LogDatabaseTest, EveryEarlierLayoutMigratesToThisSchema)
{
    struct Case {
        const char* name;
        int layout; // -1 no file, else the version written
        bool withTrip;
    };
    const drives::SavedPlace office{QStringLiteral("Office"), {48.1, 11.5}};
    for (const Case& c : std::vector<Case>{{"no database", -1, false},
                                           {"version 1, empty", 1, false},
                                           {"version 1 with a trip", 1, true},
                                           {"version 2 with a trip", 2, true},
                                           {"version 3 with a paid claim", 3, true},
                                           {"version 4 with a trip", 4, true},
                                           {"version 5 with a rate change", 5, true},
                                           {"version 6 with a rate change", 6, true},
                                           {"version 7 with a rate change", 7, true}}) {
        QFile::remove(path());
        QFile::remove(path() + QStringLiteral("-wal"));
        QFile::remove(path() + QStringLiteral("-shm"));
        if (c.layout == 1) writeVersion1(path(), c.withTrip);
        if (c.layout == 2) writeVersion2(path(), c.withTrip);
        if (c.layout == 3) writeVersion3(path(), c.withTrip);
        if (c.layout == 4) writeVersion4(path(), c.withTrip);
        if (c.layout == 5) writeVersion5(path(), c.withTrip);
        if (c.layout == 6) writeVersion6(path(), c.withTrip);
        if (c.layout == 7) writeVersion7(path(), c.withTrip);
        const std::vector<RateChange> listed =
            c.layout >= 5 ? std::vector<RateChange>{{QDate(2025, 1, 1), 0.70}}
                          : std::vector<RateChange>{};
        const QDateTime paidAt(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC);
        const auto paidClaim = [&](ClaimStore claims) {
            const std::vector<Claim> all = claims.claims();
            return !all.empty() && all.front().paidAt == paidAt && claims.checkChain().holds;
        };
        if (c.layout > 0) {
            const QByteArray before = bytesOf(path());
            LogDatabase reader(path(), LogDatabase::Access::ReadOnly);
            EXPECT_EQ(reader.rateChanges(), listed) << c.name << ": read as its schema keeps it";
            EXPECT_EQ(paidClaim(ClaimStore(reader)), c.layout == 3) << c.name;
            EXPECT_TRUE(ClaimStore(reader).checkChain().holds) << c.name;
            EXPECT_TRUE(PlaceStore(reader).places().empty()) << c.name << ": no table, none";
            EXPECT_THROW(PlaceStore(reader).addPlaces({office}), sql::SqlError) << c.name;
            EXPECT_FALSE(reader.fieldsMovedIn()) << c.name << ": its fields are in the settings";
            EXPECT_TRUE(reader.logFields().empty()) << c.name;
            EXPECT_EQ(bytesOf(path()), before) << c.name << ": the reader never migrates";
        }
        {
            LogDatabase db(path(), LogDatabase::Access::ReadWrite);
            EXPECT_EQ(db.foundVersion(), std::max(c.layout, 0)) << c.name;
            EXPECT_EQ(db.database().scalar("PRAGMA user_version").toInt(),
                      LogDatabase::kSchemaVersion)
                << c.name;
            EXPECT_EQ(paidClaim(ClaimStore(db)), c.layout == 3) << c.name << ": the mark holds";
            EXPECT_EQ(db.rateChanges(), listed) << c.name;
            EXPECT_EQ(db.tripCount(), c.withTrip ? 1 : 0) << c.name;
            EXPECT_EQ(db.importPending(), c.layout < 0) << c.name << ": an upgrade imports nothing";
            EXPECT_FALSE(db.fieldsMovedIn()) << c.name << ": the fields wait for their move";
            const std::vector<std::pair<QString, QString>> moved = {
                {QStringLiteral("EmployeeName"), QStringLiteral("Ada")},
                {QStringLiteral("RatePerMile"), QStringLiteral("0,585")}};
            db.keepLogFields(moved, LogDatabase::FieldsWrite::MoveIn);
            db.keepLogFields({{QStringLiteral("EmployeeName"), QStringLiteral("Bo")}},
                             LogDatabase::FieldsWrite::MoveIn);
            EXPECT_TRUE(db.fieldsMovedIn()) << c.name;
            EXPECT_EQ(db.logFields().at(QStringLiteral("EmployeeName")), "Ada")
                << c.name << ": a repeated move changes nothing";
            if (c.layout == 1) {
                EXPECT_EQ(db.meta(QStringLiteral("row_count_at_close")), "30") << "meta kept";
            }
            ClaimStore claims(db);
            ClaimRecord record;
            record.savedAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4), Qt::UTC);
            record.trips = {{4, Trip::fromValues({QStringLiteral("x")})}};
            const qint64 number =
                claims.recordClaim(record, {QString(), QStringLiteral("print"), {}, {}});
            EXPECT_EQ(number, c.layout == 3 ? 2 : 1) << c.name;
            db.apply(TripChanges{{}, {4}, false, {}});
            EXPECT_EQ(claims.trailFor(4).size(), c.withTrip ? 1u : 0u) << c.name;
            // Paid, paid again (no mark), taken back and paid later, each mark a link; the
            // mark the earlier schema kept is taken back too.
            if (c.layout == 3) claims.markUnpaid(1, paidAt);
            int day = 0;
            for (const bool pay : {true, true, false, true}) {
                const QDateTime at = paidAt.addDays(day++);
                pay ? claims.markPaid(number, at) : claims.markUnpaid(number, at);
            }
            EXPECT_EQ(claims.claim(number)->paidAt, paidAt.addDays(3)) << c.name;
            EXPECT_EQ(claims.claim(1)->paidAt.has_value(), c.layout != 3) << c.name;
            const ChainCheck chain = claims.checkChain();
            EXPECT_TRUE(chain.holds) << c.name;
            EXPECT_EQ(chain.entries, 5 + (c.withTrip ? 1 : 0) + (c.layout == 3 ? 3 : 0)) << c.name;
            db.replaceRateChanges({{QDate(2026, 1, 1), 0.725}, {QDate(), 0.25, 10000.0}});
            EXPECT_TRUE(PlaceStore(db).places().empty()) << c.name;
            PlaceStore(db).addPlaces({office, {QStringLiteral("Depot"), {48.2, 11.6}, 90.0}});
        }
        LogDatabase again(path(), LogDatabase::Access::ReadOnly);
        EXPECT_EQ(again.logFields().at(QStringLiteral("RatePerMile")), "0,585") << c.name;
        EXPECT_EQ(again.rateChanges(),
                  std::vector<RateChange>({{QDate(), 0.25, 10000.0}, {QDate(2026, 1, 1), 0.725}}))
            << c.name;
        const std::vector<drives::SavedPlace> kept = PlaceStore(again).places();
        ASSERT_EQ(kept.size(), 2u) << c.name;
        EXPECT_EQ(kept[1].name, QStringLiteral("Depot")) << c.name;
        EXPECT_EQ(kept[1].position.lon, 11.6) << c.name;
        EXPECT_EQ(kept[1].radiusMetres, 90.0) << c.name;
        EXPECT_THROW(PlaceStore(again).addPlaces({office}), sql::SqlError) << c.name;
    }
}

TEST_F(LogDatabaseTest, ALogRestoredFromAnEarlierSchemaIsBroughtToThisOne)
{
    const QString backup = dir.filePath(QStringLiteral("Brindlewick-20260101-120000.sqlite"));
    writeVersion1(backup, true);
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    db.replaceRateChanges({{QDate(2026, 1, 1), 0.725}});
    const BackupResult restored =
        restoreBackup(db.database(), backup, QDateTime(QDate(2026, 2, 1), QTime(9, 0)));
    ASSERT_TRUE(restored.ok) << restored.error.toStdString();
    db.adoptRestoredContent();
    EXPECT_EQ(db.database().scalar("PRAGMA user_version").toInt(), LogDatabase::kSchemaVersion);
    EXPECT_EQ(db.tripCount(), 1);
    EXPECT_TRUE(db.rateChanges().empty()) << "the backup's log had no rate changes";

    db.database().exec("PRAGMA user_version = 99");
    EXPECT_THROW(db.adoptRestoredContent(), sql::SqlError) << "a newer schema is not taken";
}

TEST_F(LogDatabaseTest, RateChangesAreKeptAsDecimalTextAndReplacedWhole)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    const std::vector<RateChange> list = {
        {QDate(2022, 7, 1), 0.625}, {QDate(2025, 12, 31), 0.7}, {QDate(2026, 1, 1), 0.585}};
    db.replaceRateChanges({list[2], list[0], list[1]});
    EXPECT_EQ(db.rateChanges(), list) << "in date order whatever order they were given in";
    sql::Statement raw(db.database(), "SELECT from_date || '=' || rate FROM rate_changes"
                                      " ORDER BY from_date");
    QStringList texts;
    while (raw.step()) texts << raw.textAt(0);
    EXPECT_EQ(texts, QStringList({"2022-07-01=0.625", "2025-12-31=0.70", "2026-01-01=0.585"}));

    // Rows a foreign tool wrote without a date or number are passed over.
    db.database().exec("INSERT INTO rate_changes (from_date, rate)"
                       " VALUES ('soon', '0.5'), ('2027-01-01', 'lots')");
    EXPECT_EQ(db.rateChanges(), list);

    // A replacement that fails half way keeps the earlier list whole.
    db.database().exec("CREATE TRIGGER refuse BEFORE INSERT ON rate_changes"
                       " WHEN NEW.from_date = '2030-01-01' BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_THROW(db.replaceRateChanges({{QDate(2029, 1, 1), 1}, {QDate(2030, 1, 1), 2}}),
                 sql::SqlError);
    db.database().exec("DELETE FROM rate_changes WHERE rate = 'lots' OR from_date = 'soon'");
    EXPECT_EQ(db.rateChanges(), list);
    db.replaceRateChanges({});
    EXPECT_TRUE(db.rateChanges().empty());
}

TEST_F(LogDatabaseTest, TheTaxYearStartIsKeptPerLogAndABadOneRefusedWithItsReason)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    EXPECT_EQ(db.taxYearStart(), TaxYearStart{}) << "1 January until it is changed";
    db.setTaxYearStart({4, 6});
    try {
        db.setTaxYearStart({2, 30});
        ADD_FAILURE() << "30 February was kept";
    } catch (const std::invalid_argument& refused) {
        EXPECT_EQ(QString::fromUtf8(refused.what()), taxYearStartProblem(2, 30));
    }
    LogDatabase again(path(), LogDatabase::Access::ReadOnly);
    EXPECT_EQ(again.taxYearStart(), (TaxYearStart{4, 6}));
}

TEST_F(LogDatabaseTest, TheRateStoreLendsAReadOnlyListButRefusesToKeepOne)
{
    {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        DatabaseRateStore store([&] { return &db; });
        store.saveRates(RateSchedule({{QDate(2026, 1, 1), 0.725}}));
        EXPECT_EQ(store.loadRates(), RateSchedule({{QDate(2026, 1, 1), 0.725}}));
        const QByteArray newer =
            "PRAGMA user_version = " + QByteArray::number(LogDatabase::kSchemaVersion + 1);
        db.database().exec(newer.constData());
    }
    LogDatabase newer(path(), LogDatabase::Access::ReadWrite);
    ASSERT_TRUE(newer.readOnly());
    for (LogDatabase* db : {&newer, static_cast<LogDatabase*>(nullptr)}) {
        DatabaseRateStore store([&] { return db; });
        EXPECT_EQ(store.loadRates().changes().size(), db ? 1U : 0U);
        try {
            store.saveRates(RateSchedule());
            ADD_FAILURE() << "a read-only log kept a list";
        } catch (const std::runtime_error& refused) {
            EXPECT_STREQ(refused.what(),
                         "The trip log is open read-only, so changes to it are not kept.");
        }
    }
    EXPECT_EQ(newer.rateChanges().size(), 1U);
}

TEST_F(LogDatabaseTest, UnitsAreKeptInTheMetaTableAndALogWithoutThemIsInMilesAndDollars)
{
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    DatabaseRateStore store([&] { return &db; });
    EXPECT_EQ(store.loadUnits(), LogUnits());
    const LogUnits kept[] = {
        {DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}},
        {DistanceUnit::Miles, {QStringLiteral("£"), true, false}},
        {DistanceUnit::Kilometres, {}},
    };
    for (const LogUnits& units : kept) {
        store.saveUnits(units);
        EXPECT_EQ(LogDatabase(path(), LogDatabase::Access::ReadOnly).units(), units);
    }
    // What a foreign tool may leave: an unknown unit, an empty sign.
    TripChanges foreign;
    foreign.meta = {{QString::fromLatin1(LogDatabase::kDistanceUnit), QStringLiteral("leagues")},
                    {QString::fromLatin1(LogDatabase::kCurrencySymbol), QStringLiteral(" ")}};
    db.apply(foreign);
    EXPECT_EQ(db.units(), LogUnits());
    db.database().exec("PRAGMA user_version = 99"); // a newer schema than any
    LogDatabase newer(path(), LogDatabase::Access::ReadWrite);
    DatabaseRateStore refusing([&] { return &newer; });
    EXPECT_THROW(refusing.saveUnits(kept[0]), std::runtime_error);
    EXPECT_EQ(newer.units(), LogUnits());
}

TEST_F(LogDatabaseTest, ReaderNeverCreatesOrMigrates)
{
    try {
        LogDatabase db(path(), LogDatabase::Access::ReadOnly);
        ADD_FAILURE() << "a missing file opened";
    } catch (const sql::SqlError& failure) {
        EXPECT_EQ(failure.primaryCode(), 14 /* SQLITE_CANTOPEN */);
    }
    EXPECT_FALSE(QFile::exists(path()));
    QFile empty(path());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    LogDatabase db(path(), LogDatabase::Access::ReadOnly);
    EXPECT_EQ(db.foundVersion(), 0);
    EXPECT_EQ(bytesOf(path()).size(), 0) << "not migrated";
}

TEST_F(LogDatabaseTest, NotADatabaseIsNamedAndDamageIsFound)
{
    QFile junk(path());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    try {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        ADD_FAILURE() << "junk opened";
    } catch (const sql::SqlError& failure) {
        EXPECT_EQ(failure.primaryCode(), 26 /* SQLITE_NOTADB */);
        EXPECT_NE(
            QString::fromUtf8(failure.what()).indexOf(QStringLiteral("is not a log database")), -1);
    }
    QFile::remove(path());
    {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        std::vector<StoredTrip> many;
        for (int i = 1; i <= 2000; ++i)
            many.push_back(trip(i, i, {QString(200, QLatin1Char('t'))}));
        fill(db, many);
        EXPECT_EQ(db.check(true), QStringLiteral("ok"));
        db.database().exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    // Scribble over a page in the middle of the trips.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(file.size() / 2 / 4096 * 4096 + 100);
    file.write(QByteArray(3000, '\xA5'));
    file.close();
    LogDatabase db(path(), LogDatabase::Access::ReadWrite);
    EXPECT_NE(db.check(true), QStringLiteral("ok"));
}

TEST_F(LogDatabaseTest, TheSqliteShellReadsTheLog)
{
    {
        LogDatabase db(path(), LogDatabase::Access::ReadWrite);
        fill(db, sampleTrips());
    }
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"),
                {path(), QStringLiteral("SELECT id, starting_location, mileage FROM trips"
                                        " ORDER BY sort_key; PRAGMA integrity_check;")});
    if (!shell.waitForFinished(10000) || shell.exitStatus() != QProcess::NormalExit) {
        GTEST_SKIP() << "the sqlite3 shell is not installed";
    }
    EXPECT_EQ(QString::fromUtf8(shell.readAllStandardOutput()),
              QStringLiteral("7|Store|2.0\n3|\"quoted\"; a=b, c|0.1\n12||-3.25\nok\n"));
}

TEST_F(LogDatabaseTest, OneWriterHoldsTheLockAndTheOthersLearnWhich)
{
    using Holder = InstanceLock::Holder;
    for (const Holder holder : {Holder::Program, Holder::ReportTool}) {
        InstanceLock first(path(), holder);
        EXPECT_TRUE(first.held());
        {
            InstanceLock second(path(), Holder::ReportTool);
            EXPECT_FALSE(second.held());
            EXPECT_EQ(second.holder(), holder);
        }
        EXPECT_TRUE(first.held());
    }
}

// Writes that fail say why: the cause from the system's errno, not a generic text.
TEST_F(LogDatabaseTest, AFullDiskIsNamed)
{
    const QString mount = dir.filePath(QStringLiteral("small"));
    ASSERT_TRUE(dir.mkpath(mount));
    if (::mount("tmpfs", QFile::encodeName(mount).constData(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (not root, or no permission)";
    }
    struct Unmount {
        QString at;
        ~Unmount() { ::umount2(QFile::encodeName(at).constData(), MNT_DETACH); }
    } unmount{mount};
    const QString file = QDir(mount).filePath(QStringLiteral("Brindlewick.sqlite"));
    LogDatabase db(file, LogDatabase::Access::ReadWrite);
    std::vector<StoredTrip> many;
    for (int i = 1; i <= 3000; ++i) many.push_back(trip(i, i, {QString(300, QLatin1Char('f'))}));
    try {
        fill(db, many);
        ADD_FAILURE() << "a 1 MB change fitted in 256 KB";
    } catch (const sql::SqlError& failure) {
        EXPECT_EQ(failure.primaryCode(), 13 /* SQLITE_FULL */) << failure.what();
        EXPECT_NE(QString::fromUtf8(failure.what()).indexOf(QStringLiteral("The disk is full")), -1)
            << failure.what();
    }
    EXPECT_EQ(db.tripCount(), 0) << "nothing of the failed change is kept";
}

TEST_F(LogDatabaseTest, AReadOnlyFolderIsNamed)
{
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(dir.mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const QString file = QDir(locked).filePath(QStringLiteral("Brindlewick.sqlite"));
    QFile probe(file);
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    }
    try {
        LogDatabase db(file, LogDatabase::Access::ReadWrite);
        ADD_FAILURE() << "opened in a read-only folder";
    } catch (const sql::SqlError& failure) {
        EXPECT_NE(QString::fromUtf8(failure.what()).indexOf(QStringLiteral("no permission")), -1)
            << failure.what();
    }
}

} // namespace
} // namespace bw
