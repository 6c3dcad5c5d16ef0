// The list of changes before a write: grouping, count, default button, the "do not show
// again" box, and the text when nothing differs.

#include "ChangeListDlg.h"
#include "Language.h"
#include "TestApp.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

TEST(ChangeListDlg, GroupsRowsCountsThemAndWritesOnEnter) {
    TestApp();
    EnglishVersion = true;
    const std::vector<TChangeRow> rows = {
        {"Limits", "Low battery voltage", "11.5 V", "12.3 V"},
        {"Limits", "Fuel remaining", "10 L", "7 L"},
        {"Other settings", "TripJournal", "", "3 of 420 bytes differ"}};
    TChangeListDlg dlg(TChangeList{rows, false, {}});
    // Nothing to replace: the box is not offered.
    EXPECT_TRUE(dlg.findChild<QCheckBox*>("cbReplaceRecords")->isHidden());
    EXPECT_EQ(dlg.findChild<QLabel*>("lChangeCount")->text(),
              "Settings that will change in the device: 3");
    const QAbstractItemModel* model = dlg.findChild<QTreeView*>("tvChanges")->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), "Limits");
    const QModelIndex limits = model->index(0, 0);
    ASSERT_EQ(model->rowCount(limits), 2);
    EXPECT_EQ(model->index(1, 2, limits).data().toString(), "7 L");
    EXPECT_EQ(model->rowCount(model->index(1, 0)), 1);
    EXPECT_TRUE(dlg.findChild<QPushButton*>("bWrite")->isDefault());

    dlg.findChild<QCheckBox*>("cbHideChangeList")->setChecked(true);
    QTimer::singleShot(0, &dlg, [&dlg] { QTest::keyClick(&dlg, Qt::Key_Return); });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_TRUE(dlg.HideFromNowOn());
    EXPECT_FALSE(dlg.ReplaceRecords());

    EnglishVersion = false;
    TChangeListDlg none(TChangeList{});
    EXPECT_EQ(none.findChild<QLabel*>("lChangeCount")->text(),
              "Настройки не отличаются от записанных в МК. Всё равно записать?");
    EXPECT_TRUE(none.findChild<QTreeView*>("tvChanges")->isHidden());
    EXPECT_EQ(none.findChild<QPushButton*>("bWrite")->text(), "Записать");
    QTimer::singleShot(0, &none, [&none] { QTest::keyClick(&none, Qt::Key_Escape); });
    EXPECT_EQ(none.exec(), QDialog::Rejected);
    EXPECT_FALSE(none.HideFromNowOn());
}

TEST(ChangeListDlg, ReplacingTheDevicesRecordsIsOfferedOffAndListsWhatItDoes) {
    TestApp();
    EnglishVersion = true;
    TChangeList list;
    list.rows = {{"Limits", "Low battery voltage", "11.5 V", "12.3 V"}};
    list.canReplaceRecords = true;
    list.replacingRows = {list.rows[0],
                          {"Journals", "Trip journal", "", "5 records replaced"},
                          {"Journals", "Total distance", "12,345.6 km", "9,876.5 km"}};
    TChangeListDlg dlg(list);
    auto* replace = dlg.findChild<QCheckBox*>("cbReplaceRecords");
    auto* count = dlg.findChild<QLabel*>("lChangeCount");
    const QAbstractItemModel* model = dlg.findChild<QTreeView*>("tvChanges")->model();
    ASSERT_FALSE(replace->isHidden());
    EXPECT_FALSE(replace->isChecked()) << "the device keeps its records unless asked";
    EXPECT_EQ(count->text(), "Settings that will change in the device: 1");
    EXPECT_EQ(model->rowCount(), 1);

    replace->setChecked(true);
    EXPECT_EQ(count->text(), "Settings that will change in the device: 3");
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 0, model->index(1, 0)).data().toString(), "Trip journal");
    QTimer::singleShot(0, &dlg, [&dlg] { QTest::keyClick(&dlg, Qt::Key_Return); });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_TRUE(dlg.ReplaceRecords());
}
