// The main window test fixture: a test platform, a prepared store, the loaded window.
#pragma once

#include "logstore/logdatabase.h"
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/triplog.h"
#include "shell/form1.h"
#include "support/fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

namespace bw::test {

// A test platform, a settings store prepared before the window opens, and the main
// window loaded from it, with the grid model checked throughout.
class Form1Test : public ::testing::Test {
protected:
    void store(std::initializer_list<std::pair<const char*, QString>> values)
    {
        for (const auto& [key, value] : values) {
            if (QLatin1String(key).startsWith(QLatin1String("Row"))) forgetLog();
        }
        SettingsStore settings;
        for (const auto& [key, value] : values) {
            settings.SaveSetting(QString::fromLatin1(key), value);
        }
    }
    // RowCount = n and a Date of "d1" ... "dn" in each row.
    void storeDatedRows(int n)
    {
        forgetLog();
        SettingsStore settings;
        SettingsStore::Batch batch(settings);
        settings.SaveSetting(QStringLiteral("RowCount"), QString::number(n));
        for (int i = 1; i <= n; ++i) {
            settings.SaveSetting(QStringLiteral("RowSource1 %1").arg(i),
                                 QStringLiteral("d%1").arg(i));
        }
        batch.commit();
    }
    Form1& open()
    {
        tester.reset();
        form.reset(); // one window holds the log at a time
        form = std::make_unique<Form1>();
        tester = std::make_unique<QAbstractItemModelTester>(
            &form->gridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        loaded = form->load();
        return *form;
    }
    // The window as a person meets it: shown, exposed and active, with no box asked yet.
    Form1& openShown()
    {
        Form1& f = open();
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        f.activateWindow();
        env.dialogs.clear();
        return f;
    }
    // Closes the window as the user would and opens a new one on the same store.
    Form1& reopen()
    {
        form->close();
        tester.reset();
        form.reset();
        env.dialogs.clear();
        return open();
    }
    LogTable& table() const { return form->session().logTable(); }
    int rows() const { return form->session().logTable().RecordCount(); }
    QStringList dates() const
    {
        QStringList result;
        for (int r = 0; r < rows(); ++r) result << table().valueAt(r, 0).toString();
        return result;
    }
    int gridRow() const { return form->DataGrid1->currentIndex().row(); }
    void selectRow(int row) const
    {
        form->DataGrid1->setCurrentIndex(form->gridModel().index(row, 0));
    }
    // Both files of the store: the entries' INI file and the trips file.
    QByteArray settingsBytes() const
    {
        QByteArray bytes;
        for (const QString& path :
             {env.settingsFile(), SettingsStore::tripsFileFor(env.settingsFile())}) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) bytes += file.readAll();
        }
        return bytes;
    }
    // Rows stored in the layout of an earlier version (row keys, a trips file) reach the
    // next start through the one-time upgrade: the log's database goes first.
    static void forgetLog()
    {
        const QString path = LogDatabase::defaultPath();
        for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
    }
    // The trips in the log's database, as the next start reads them.
    static std::vector<StoredTrip> keptTrips()
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
        return db.tripsInOrder();
    }
    static QString keptRowCountAtClose()
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadOnly);
        return db.meta(QString::fromLatin1(LogDatabase::kRowCountAtClose))
            .value_or(QStringLiteral("<missing>"));
    }
    static void keepRowCountAtClose(const QString& text)
    {
        LogDatabase db(LogDatabase::defaultPath(), LogDatabase::Access::ReadWrite);
        db.apply(TripChanges{
            {}, {}, false, {{QString::fromLatin1(LogDatabase::kRowCountAtClose), text}}});
    }
    QString setting(const char* key) const
    {
        return SettingsStore().GetSetting(QString::fromLatin1(key), QStringLiteral("<missing>"));
    }

    TestPlatform env;
    std::unique_ptr<Form1> form;
    std::unique_ptr<QAbstractItemModelTester> tester;
    bool loaded = false;
};

} // namespace bw::test
