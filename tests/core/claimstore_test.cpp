// Tests of the claim store: claims read back whole, the trail that changes of claimed
// trips leave through the log's own writes, the chain over both, and restores that keep
// them. Real database files throughout.
#include "core/blanktrip.h"
#include "core/claimstore.h"
#include "core/claimtrail.h"
#include "core/logbackup.h"
#include "core/logdatabase.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

namespace bw {
namespace {

using Change = TrailEntry::Change;

StoredTrip trip(qint64 id, const char* date, const char* from, double miles)
{
    return StoredTrip{id, static_cast<double>(id),
                      Trip::fromValues({QString::fromUtf8(date), QString::fromUtf8(from),
                                        QStringLiteral("Client"), QVariant(), QStringLiteral("100"),
                                        QStringLiteral("112.5"), miles, miles * 0.5})};
}

const QDateTime kSaved(QDate(2026, 3, 1), QTime(12, 5, 30, 250), Qt::UTC);

ClaimRecord record(const std::vector<StoredTrip>& trips)
{
    ClaimRecord r;
    r.savedAt = kSaved;
    r.employeeName = QStringLiteral("Ana Müller; \"quoted\"");
    r.employeeID = QStringLiteral("00123");
    r.vehicleDescription = QStringLiteral("Van");
    r.authorizedBy = QString();
    r.ratePerMile = QStringLiteral("0.585");
    r.periodFrom = QDate(2026, 2, 1);
    r.periodTo = QDate(2026, 2, 28);
    r.locale = QStringLiteral("en_US");
    r.rates = {{QDate(2026, 1, 1), 0.585}, {QDate(2026, 2, 15), 0.7}};
    for (const StoredTrip& t : trips) r.trips.push_back({t.id, t.trip});
    r.totalMiles = QStringLiteral("37.5");
    r.totalAmount = QStringLiteral("$18.75");
    return r;
}

ClaimFile file(const QString& path, const char* format)
{
    return {path, QString::fromLatin1(format), QString(), kSaved.addSecs(5)};
}

class ClaimStoreTest : public ::testing::Test {
public:
    QString path() const { return dir.filePath(QStringLiteral("Brindlewick.sqlite")); }
    void apply(const TripChanges& changes) { db->apply(changes); }
    void upsert(const StoredTrip& t) { apply(TripChanges{{t}, {}, false, {}}); }

    test::TestPlatform platform;
    QTemporaryDir folder;
    QDir dir{folder.path()};
    std::unique_ptr<LogDatabase> db =
        std::make_unique<LogDatabase>(path(), LogDatabase::Access::ReadWrite);
    ClaimStore store{*db};
    std::vector<StoredTrip> logTrips{trip(1, "2/3/2026", "Depot", 12.5),
                                     trip(2, "2/4/2026", "Zürich ✓", 25),
                                     trip(3, "2/20/2026", "Home", 0.1)};
};

TEST_F(ClaimStoreTest, ClaimsReadBackWholeWithTheirFilesAndPaidMark)
{
    apply(TripChanges{logTrips, {}, false, {}});
    const QString xls = dir.filePath(QStringLiteral("claim.xls"));
    QFile out(xls);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("abc");
    out.close();
    ClaimRecord first = record(logTrips);
    // A blank row of the report holds its place but claims no trip.
    first.trips.push_back({9, Trip{}});
    first.units = {DistanceUnit::Kilometres, {QStringLiteral("€"), false, true}};
    EXPECT_EQ(store.recordClaim(first, file(xls, "xls")), 1);
    store.addFile(1, file(QString(), "print"));
    EXPECT_EQ(store.recordClaim(record({logTrips[1]}), file(QString(), "print")), 2);
    store.markPaid(1, kSaved.addDays(3));
    store.markPaid(1, kSaved.addDays(9)); // the first mark stands

    const std::optional<Claim> one = store.claim(1);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->number, 1);
    const ClaimRecord& back = *one;
    for (const auto& [name, got, want] : std::vector<std::tuple<const char*, QString, QString>>{
             {"saved", back.savedAt.toString(Qt::ISODateWithMs),
              first.savedAt.toString(Qt::ISODateWithMs)},
             {"name", back.employeeName, first.employeeName},
             {"id", back.employeeID, first.employeeID},
             {"authorized", back.authorizedBy, QString()},
             {"rate", back.ratePerMile, first.ratePerMile},
             {"from", back.periodFrom.toString(Qt::ISODate), QStringLiteral("2026-02-01")},
             {"locale", back.locale, first.locale},
             {"miles", back.totalMiles, first.totalMiles},
             {"amount", back.totalAmount, first.totalAmount}}) {
        EXPECT_EQ(got, want) << name;
    }
    EXPECT_EQ(back.rates, first.rates);
    EXPECT_TRUE(back.units == first.units) << "kilometres and \"1,00 €\" come back";
    ASSERT_EQ(back.trips.size(), 4u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(back.trips[k].tripId, logTrips[k].id);
        EXPECT_EQ(back.trips[k].trip, logTrips[k].trip) << "numbers come back exact, nulls null";
    }
    EXPECT_EQ(back.trips[3].tripId, 0);
    ASSERT_EQ(one->files.size(), 2u);
    EXPECT_EQ(one->files[0].sha256, fileSha256(xls));
    EXPECT_EQ(one->files[0].sha256,
              QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    EXPECT_EQ(one->files[1].format, QStringLiteral("print"));
    EXPECT_TRUE(one->files[1].path.isEmpty() && one->files[1].sha256.isEmpty());
    EXPECT_EQ(one->paidAt, kSaved.addDays(3));
    EXPECT_EQ(store.claims().size(), 2u);
    EXPECT_FALSE(store.claims()[1].paidAt);
    EXPECT_TRUE(store.claims()[1].units == LogUnits{}) << "miles and \"$1.00\"";
    EXPECT_FALSE(store.claim(3));

    const auto marks = store.claimedTrips();
    EXPECT_EQ(marks.size(), 3u) << "the blank row claims nothing";
    EXPECT_EQ(marks.at(1).claimNumber, 1);
    EXPECT_EQ(marks.at(1).fileName, QStringLiteral("claim.xls"));
    EXPECT_EQ(marks.at(2).claimNumber, 2) << "the latest claim";
    EXPECT_TRUE(marks.at(2).fileName.isEmpty()) << "printed";

    EXPECT_THROW(store.addFile(7, file(xls, "xls")), sql::SqlError);
    EXPECT_THROW(store.markPaid(7, kSaved), sql::SqlError);
    const ChainCheck check = store.checkChain();
    EXPECT_TRUE(check.holds) << check.firstFailure.toStdString();
    EXPECT_EQ(check.claims, 2);
    EXPECT_EQ(check.entries, 6) << "2 claims, 3 files, 1 paid mark";
    EXPECT_EQ(check.head.size(), 64);
}

TEST_F(ClaimStoreTest, ABlankTripIsTheSameToTheProgramAndInTheStoredRows)
{
    const std::pair<std::vector<QVariant>, bool> cases[] = {
        {{}, true},
        {{"", " ", "\t", "\u00a0 ", {}, "\n", -0.0, 0.0}, true}, // blanks and zeros
        {{{}, {}, {}, {}, "0"}, false},                          // a reading of 0
        {{{}, "\u00dcberlingen"}, false},
        {{{}, {}, {}, {}, {}, {}, 0.0, -1.0}, false}};
    sql::Statement query(db->database(), "SELECT blank_trip(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    for (const auto& [fields, blank] : cases) {
        const Trip t = Trip::fromValues(fields);
        EXPECT_EQ(isBlankTrip(t), blank);
        // As the trips table keeps the fields, and as a claim's snapshot does (numbers as text).
        for (const bool snapshot : {false, true}) {
            for (int k = 0; k < Trip::kFieldCount; ++k)
                query.bind(k + 1, snapshot ? claims::fieldText(t.field(k)) : t.field(k));
            ASSERT_TRUE(query.step());
            EXPECT_EQ(query.intAt(0) != 0, blank) << snapshot;
            query.reset();
        }
    }
}

TEST_F(ClaimStoreTest, BlankRowsKeepTheirPlaceInAClaimButClaimNothing)
{
    const StoredTrip blankRow{9, 9, Trip::fromValues({"", "", "", "", "", "", 0.0, 0.0})};
    apply(TripChanges{{logTrips[0], logTrips[1], blankRow}, {}, false, {}});
    store.recordClaim(record({logTrips[0], logTrips[1], blankRow}), file(QString(), "print"));
    // The same report claimed as it was recorded before blank rows were told apart: the
    // blank row with its id. The chain covers it as it is.
    sql::Database& raw = db->database();
    raw.exec("INSERT INTO claims (number, saved_at) VALUES (2, '2026-03-02T00:00:00.000Z');"
             "INSERT INTO claim_trips SELECT 2, position, coalesce(trip_id, 9), date,"
             " starting_location, destination, description, odometer_start, odometer_end,"
             " mileage, reimbursement FROM claim_trips WHERE claim = 1");
    claims::appendLink(raw, claims::LinkKind::Claim, 2);
    for (const Claim& claim : store.claims()) {
        EXPECT_EQ(claim.trips.size(), 3u) << "the report's rows keep their places";
        EXPECT_EQ(claim.trips[2].tripId, claim.number == 1 ? 0 : 9);
        EXPECT_EQ(tripCount(claim), 2);
    }
    const auto marks = store.claimedTrips();
    EXPECT_EQ(marks.size(), 2u) << "the blank row is claimed by neither";
    EXPECT_EQ(marks.at(1).claimNumber, 2);

    // Typed into, the blank row is a new trip; a claimed trip emptied is a change of it.
    StoredTrip typed = blankRow;
    typed.trip.date = QStringLiteral("3/1/2026");
    upsert(typed);
    EXPECT_TRUE(store.trailFor(9).empty());
    upsert(StoredTrip{1, 1, blankRow.trip});
    EXPECT_EQ(store.trailFor(1).size(), 7u) << "every field but the empty Description";
    const ChainCheck check = store.checkChain();
    EXPECT_TRUE(check.holds) << check.firstFailure.toStdString();
    EXPECT_EQ(check.entries, 2 + 1 + 7);
}

TEST_F(ClaimStoreTest, ChangesOfClaimedTripsAreTrailedByTheLogItself)
{
    struct Expect {
        qint64 trip;
        Change change;
        const char* field;
        const char* oldText;
        const char* newText;
    };
    StoredTrip edited = logTrips[0];
    edited.trip.destination = QStringLiteral("Airport");
    edited.trip.mileage = 13.25;
    StoredTrip returnedChanged = logTrips[2];
    returnedChanged.trip.description = QStringLiteral("back");
    struct Case {
        const char* name;
        std::function<void(ClaimStoreTest&)> change;
        std::vector<Expect> expected;
    };
    const std::vector<Case> cases = {
        {"the same values", [](ClaimStoreTest& t) { t.upsert(t.logTrips[0]); }, {}},
        {"an unclaimed trip", [](ClaimStoreTest& t) { t.upsert(trip(4, "x", "y", 1)); }, {}},
        {"two fields edited",
         [edited](ClaimStoreTest& t) { t.upsert(edited); },
         {{1, Change::Edited, "to", "Client", "Airport"},
          {1, Change::Edited, "mileage", "12.5", "13.25"}}},
        {"deleted",
         [](ClaimStoreTest& t) {
             t.apply(TripChanges{{}, {2}, false, {}});
         },
         {{2, Change::Deleted, "", "", ""}}},
        {"returned as it was",
         [](ClaimStoreTest& t) { t.upsert(t.logTrips[1]); },
         {{2, Change::Returned, "", "", ""}}},
        {"moved to history",
         [](ClaimStoreTest& t) {
             t.apply(TripChanges{{}, {3, 4}, false, {}, true});
         },
         {{3, Change::MovedToHistory, "", "", ""}}},
        {"returned changed",
         [returnedChanged](ClaimStoreTest& t) { t.upsert(returnedChanged); },
         {{3, Change::Returned, "", "", ""}, {3, Change::Edited, "description", "", "back"}}},
        {"a new table without them",
         [edited](ClaimStoreTest& t) {
             StoredTrip kept = edited;
             kept.trip.date = QStringLiteral("x");
             t.apply(TripChanges{{kept}, {}, true, {}});
         },
         {{2, Change::Deleted, "", "", ""},
          {3, Change::Deleted, "", "", ""},
          {1, Change::Edited, "date", "2/3/2026", "x"}}},
    };
    apply(TripChanges{logTrips, {}, false, {}});
    store.recordClaim(record(logTrips), file(QString(), "print"));
    std::size_t seen = 0;
    for (const Case& c : cases) {
        c.change(*this);
        std::vector<TrailEntry> fresh;
        for (qint64 id : {1, 2, 3, 4}) {
            for (const TrailEntry& e : store.trailFor(id)) {
                if (e.number > static_cast<qint64>(seen)) fresh.push_back(e);
            }
        }
        std::sort(fresh.begin(), fresh.end(),
                  [](const TrailEntry& a, const TrailEntry& b) { return a.number < b.number; });
        ASSERT_EQ(fresh.size(), c.expected.size()) << c.name;
        for (std::size_t k = 0; k < fresh.size(); ++k) {
            const Expect& want = c.expected[k];
            EXPECT_EQ(fresh[k].tripId, want.trip) << c.name;
            EXPECT_EQ(fresh[k].change, want.change) << c.name << " " << k;
            EXPECT_EQ(fresh[k].field, QString::fromLatin1(want.field)) << c.name;
            EXPECT_EQ(fresh[k].oldText, QString::fromUtf8(want.oldText)) << c.name;
            EXPECT_EQ(fresh[k].newText, QString::fromUtf8(want.newText)) << c.name;
            EXPECT_EQ(fresh[k].claimNumber, 1) << c.name;
            EXPECT_EQ(fresh[k].at, platform.clock.now().toUTC()) << c.name;
        }
        seen += fresh.size();
    }
    const ChainCheck check = store.checkChain();
    EXPECT_TRUE(check.holds) << check.firstFailure.toStdString();
    EXPECT_EQ(check.entries, 1 + 1 + static_cast<qint64>(seen));
}

TEST_F(ClaimStoreTest, AChangeMadeBesideTheProgramBreaksTheChainAtItsLink)
{
    struct Case {
        const char* name;
        const char* sql;
        const char* failure;
    };
    const std::vector<Case> cases = {
        {"a trail entry edited", "UPDATE trail SET new_text = 'Home' WHERE number = 1",
         "trail entry 1"},
        {"a snapshot trip edited", "UPDATE claim_trips SET mileage = '99' WHERE position = 2",
         "claim 1"},
        {"a claim's total edited", "UPDATE claims SET total_amount = '$1.00' WHERE number = 2",
         "claim 2"},
        {"a claim's unit switched", "UPDATE claims SET distance_unit = 'km' WHERE number = 1",
         "claim 1"},
        {"a claim's currency replaced", "UPDATE claims SET currency = '£' WHERE number = 2",
         "claim 2"},
        {"a claim's currency moved",
         "UPDATE claims SET currency_placement = 'after space' WHERE number = 2", "claim 2"},
        {"a file's hash replaced", "UPDATE claim_files SET sha256 = 'ab' WHERE id = 1",
         "file 1 of claim 1"},
        {"a paid mark moved", "UPDATE claim_paid SET at = '2020-01-01T00:00:00.000Z'",
         "paid mark of claim 1"},
        {"an unpaid mark moved", "UPDATE claim_unpaid SET at = '2020-01-01T00:00:00.000Z'",
         "unpaid mark of claim 1"},
        {"a trail entry removed", "DELETE FROM trail WHERE number = 2", "trail entry 2"},
        {"a snapshot trip removed", "DELETE FROM claim_trips WHERE claim = 2", "claim 2"},
        {"a link's predecessor rewritten", "UPDATE chain SET previous = '' WHERE link = 3",
         "paid mark of claim 1"},
        {"a trail entry slipped in",
         "INSERT INTO trail (at, trip_id, claim, change) VALUES ('x', 1, 1, 'edited')",
         "trail entry 3 (not in the chain)"},
    };
    for (const Case& c : cases) {
        QFile::remove(path());
        QFile::remove(path() + QStringLiteral("-wal"));
        QFile::remove(path() + QStringLiteral("-shm"));
        db = std::make_unique<LogDatabase>(path(), LogDatabase::Access::ReadWrite);
        ClaimStore fresh(*db);
        apply(TripChanges{logTrips, {}, false, {}});
        fresh.recordClaim(record(logTrips), file(QStringLiteral("/nowhere/a.xls"), "xls"));
        fresh.markPaid(1, kSaved);
        fresh.recordClaim(record({logTrips[0]}), file(QString(), "print"));
        apply(TripChanges{{}, {1, 2}, false, {}});
        fresh.markUnpaid(1, kSaved.addDays(1));
        const ChainCheck before = fresh.checkChain();
        ASSERT_TRUE(before.holds) << c.name << ": " << before.firstFailure.toStdString();
        db->database().exec(c.sql);
        const ChainCheck after = fresh.checkChain();
        EXPECT_FALSE(after.holds) << c.name;
        EXPECT_EQ(after.firstFailure, QString::fromLatin1(c.failure)) << c.name;
        EXPECT_EQ(after.head, before.head) << c.name << ": the stored head is shown";
    }
}

TEST_F(ClaimStoreTest, ARestoreKeepsEveryClaimAndTrailsWhatItChanges)
{
    apply(TripChanges{logTrips, {}, false, {}});
    store.recordClaim(record({logTrips[0]}), file(QString(), "print"));
    const BackupResult backup = backUpNow(db->database().handle(), kSaved.addDays(1));
    ASSERT_TRUE(backup.ok) << backup.error.toStdString();

    store.recordClaim(record({logTrips[1], logTrips[2]}), file(QString(), "print"));
    StoredTrip edited = logTrips[1];
    edited.trip.startingLocation = QStringLiteral("Office");
    upsert(edited);
    apply(TripChanges{{}, {3}, false, {}});
    const ChainCheck before = store.checkChain();
    ASSERT_TRUE(before.holds);

    const BackupResult restored = db->restoreFrom(backup.path, kSaved.addDays(2));
    ASSERT_TRUE(restored.ok) << restored.error.toStdString();
    EXPECT_EQ(store.claims().size(), 2u) << "the later claim survives the older backup";
    ASSERT_EQ(store.trailFor(2).size(), 2u);
    EXPECT_EQ(store.trailFor(2)[0].newText, QStringLiteral("Office"));
    // The backup's trip 2 has its old start again; trip 3 is back.
    EXPECT_EQ(store.trailFor(2)[1].oldText, QStringLiteral("Office"));
    EXPECT_EQ(store.trailFor(2)[1].newText, QString::fromUtf8("Zürich ✓"));
    ASSERT_EQ(store.trailFor(3).size(), 2u);
    EXPECT_EQ(store.trailFor(3)[1].change, Change::Returned);
    const ChainCheck after = store.checkChain();
    EXPECT_TRUE(after.holds) << after.firstFailure.toStdString();
    EXPECT_EQ(after.entries, before.entries + 2);
    EXPECT_EQ(db->tripCount(), 3);

    EXPECT_FALSE(QFile::exists(path() + QStringLiteral(".restoring"))) << "nothing left beside";

    // A backup of the first schema: brought to this one, the claims put back over it.
    const QString first = dir.filePath(QStringLiteral("first.sqlite"));
    {
        sql::Database raw(first, sql::Database::Open::ReadWrite);
        raw.exec("CREATE TABLE trips (id INTEGER PRIMARY KEY, sort_key REAL NOT NULL,"
                 " date TEXT, starting_location TEXT, destination TEXT, description TEXT,"
                 " odometer_start TEXT, odometer_end TEXT, mileage REAL, reimbursement REAL);"
                 "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID;"
                 "INSERT INTO trips (id, sort_key, date) VALUES (1, 1, '2/3/2026');"
                 "PRAGMA user_version = 1;");
    }
    ASSERT_TRUE(db->restoreFrom(first, kSaved.addDays(3)).ok);
    EXPECT_EQ(db->tripCount(), 1);
    EXPECT_EQ(store.claims().size(), 2u);
    EXPECT_EQ(store.trailFor(3).back().change, Change::Deleted);
    const ChainCheck older = store.checkChain();
    EXPECT_TRUE(older.holds) << older.firstFailure.toStdString();

    // A backup that is no log changes nothing, claims included.
    const QString junk = dir.filePath(QStringLiteral("junk.sqlite"));
    QFile bad(junk);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a database");
    bad.close();
    EXPECT_FALSE(db->restoreFrom(junk, kSaved.addDays(4)).ok);
    EXPECT_EQ(store.checkChain().head, older.head);
}

} // namespace
} // namespace bw
