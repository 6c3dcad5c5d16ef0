// The Vehicles window: the search looks in names and notes only, and a restore whose file is
// gone asks for nothing.

#include "VehiclesDlg.h"
#include "Errors.h"
#include "Language.h"
#include "TestApp.h"
#include "VehicleStore.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(VehiclesDlg, FindsByNameOrNotesAndRestoresOnlyAnEventWhoseFileIsThere) {
    TestApp();
    EnglishVersion = true;
    QTemporaryDir dir;
    TVehicleStore store(dir.path());
    ASSERT_TRUE(store.Open()) << qPrintable(store.Problem());
    store.AddVehicle(QString::fromUtf8("А123ВС 77"), QString::fromUtf8("Иван Петров"));
    const TVehicle van = store.AddVehicle("Van");
    const QString file = dir.filePath("van.veltg");
    const QString golden = QStringLiteral(TRIP_TEST_DATA "/golden.veltg");
    ASSERT_TRUE(QFile::copy(golden, file));
    TVehicleEvent read;
    read.vehicleId = van.id;
    read.kind = TEventKind::Read;
    read.time = QDateTime::currentDateTime();
    read.file = file;
    store.AddEvent(read);

    TVehiclesDlg dlg(store, van.id, std::nullopt, {});
    auto* search = dlg.findChild<QLineEdit*>("eVehicleSearch");
    const QAbstractItemModel* list = dlg.findChild<QTableView*>("tvVehicles")->model();
    auto* events = dlg.findChild<QTableView*>("tvEvents");
    EXPECT_EQ(list->rowCount(), 2);
    search->setText(QString::fromUtf8("иван"));
    ASSERT_EQ(list->rowCount(), 1) << "notes, any case";
    EXPECT_EQ(list->index(0, 0).data().toString(), QString::fromUtf8("А123ВС 77"));
    search->setText("read from");
    EXPECT_EQ(list->rowCount(), 0) << "the last event's words are not searched";
    search->setText(" van ");
    ASSERT_EQ(list->rowCount(), 1);
    ASSERT_EQ(events->model()->rowCount(), 1);

    QFile::remove(file);
    events->selectRow(0);
    EXPECT_THROW(dlg.RestoreClicked(), TError);
    EXPECT_EQ(dlg.RequestedAction(), TVehiclesDlg::Action::None);
    ASSERT_TRUE(QFile::copy(golden, file));
    dlg.RestoreClicked();
    EXPECT_EQ(dlg.RequestedAction(), TVehiclesDlg::Action::Restore);
    EXPECT_EQ(dlg.RequestedEvent().file, file);
}
