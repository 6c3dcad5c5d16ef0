// The fuel page: the tare grid against its length, its commit when the user leaves it and at
// OK, the seven-point rows, and the tank file's buttons.

#include "EditorTestSupport.h"
#include "SideFiles.h"

#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace {

class FuelPageTest : public EditorTest {
protected:
    QTableView* grid = nullptr;

    void OpenFuel() {
        Open();
        grid = Find<QTableView>("sgTarir");
        Reveal(grid);
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    QString Cell(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    // Types into a cell as the user does: select it, type (which opens the editor), Enter.
    void TypeCell(int row, int column, const QString& text) {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, column));
        QTest::keyClicks(grid, text.left(1)); // opens the cell's editor
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QApplication::processEvents(); // the editor hands its text over after the key
    }
    // Leaves the grid for another control of the page.
    void LeaveGrid() { Find("seTarirLeng")->setFocus(); }
};

} // namespace

TEST_F(FuelPageTest, TareGridFollowsItsLengthAndStoresWhenLeft) {
    model.Set("TarirLeng", 0, 0);
    OpenFuel();
    const QByteArray empty = model.Section(4);
    ASSERT_EQ(grid->model()->rowCount(), 1) << "one empty row for no table";
    EXPECT_EQ(Cell(0, 1), "");
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable);
    TypeCell(0, 1, "5");
    LeaveGrid();
    ASSERT_TRUE(dlg->isVisible());
    dlg->accept();
    EXPECT_EQ(model.Section(4), empty) << "no table: nothing stored";

    // Spinning the length grows the grid as it goes and stops at 68.
    OpenFuel();
    auto* length = Find<QDoubleSpinBox>("seTarirLeng");
    length->setValue(66);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(length, Qt::Key_Up);
    EXPECT_EQ(length->value(), 68);
    EXPECT_EQ(model.Get("TarirLeng"), 68);
    EXPECT_EQ(grid->model()->rowCount(), 68);

    // Digits only; the first reading decides whether the level falls as the tank fills.
    length->setValue(3);
    TypeCell(0, 2, "241");
    TypeCell(1, 1, "7");
    EXPECT_EQ(model.Get("TarirRes", 0), 0) << "stored when the grid is left, not before";
    LeaveGrid();
    EXPECT_EQ(model.Get("TarirRes", 0), 241);
    EXPECT_EQ(model.Get("TarirLit", 1), 7);
    EXPECT_EQ(model.Get("TarirHighStart"), 1);
    TypeCell(0, 2, "240");
    LeaveGrid();
    EXPECT_EQ(model.Get("TarirHighStart"), 0);
    EXPECT_TRUE(errors.isEmpty());

    // A litre value past 255 is refused naming its row; the rows before it are stored, and
    // OK stays refused while the grid holds it.
    TypeCell(0, 1, "9");
    TypeCell(1, 1, "300");
    LeaveGrid();
    EXPECT_EQ(errors, QStringList{"Row 2: Range check error"});
    EXPECT_EQ(model.Get("TarirLit", 0), 9);
    EXPECT_EQ(model.Get("TarirLit", 1), 7);
    QApplication::processEvents();
    EXPECT_TRUE(grid->hasFocus()) << "the user is taken back to the table";
    dlg->accept();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(errors.size(), 2);
    TypeCell(1, 1, "30");
    dlg->accept(); // OK with the grid focused stores what it holds
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(model.Get("TarirLit", 1), 30);
}

TEST_F(FuelPageTest, StoredLengthPastTheTableIsRepairedAndSevenPointRowsFollowTheQuantity) {
    model.Set("TarirLeng", 0, 70);
    model.Set("TankContFull", 0, 40);
    OpenFuel();
    EXPECT_EQ(model.Get("TarirLeng"), 0);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(Find<QDoubleSpinBox>("seLit43L")->maximum(), 40) << "litres bounded by the tank";
    EXPECT_EQ(Find<QDoubleSpinBox>("seOilCalibrLitArr6")->maximum(), 40);

    auto visibleRows = [&] {
        int n = 0;
        for (int k = 0; k < 7; ++k) {
            const bool lit = Shown(QStringLiteral("seOilCalibrLitArr%1").arg(k));
            EXPECT_EQ(Shown(QStringLiteral("seOilCalibrResArr%1").arg(k)), lit);
            EXPECT_EQ(Shown(QStringLiteral("lOilCalibrNum%1").arg(k)), lit);
            if (lit) {
                EXPECT_EQ(n++, k) << "the first rows show";
            }
        }
        return n;
    };
    EXPECT_EQ(visibleRows(), 7);
    for (int quantity : {0, 3, 7}) {
        Type("seOilCalibrQuant", QString::number(quantity));
        EXPECT_EQ(visibleRows(), quantity);
        EXPECT_EQ(model.Get("OilCalibrQuant"), quantity);
    }
}

TEST_F(FuelPageTest, TankFileButtonsSaveAndLoadAndThePageShowsTheLoadedValues) {
    model.Set("TarirLeng", 0, 2);
    OpenFuel();
    QTemporaryDir dir;
    const QString path = dir.filePath("car.velto");
    prompts.prompt->savePaths = {path};
    QTest::mouseClick(Find<QPushButton>("bOilSave"), Qt::LeftButton);
    EXPECT_EQ(prompts.prompt->suffixes, QStringList{"velto"});
    EXPECT_EQ(prompts.prompt->filters.last(), TankFileFilter());
    const QByteArray saved = EncodeTankFile(model);

    Type("seOil6L", "1234");
    Find<QDoubleSpinBox>("seTarirLeng")->setValue(5);
    TypeCell(0, 1, "99");
    prompts.prompt->openPaths = {path};
    QTest::mouseClick(Find<QPushButton>("bOilLoad"), Qt::LeftButton);
    EXPECT_EQ(EncodeTankFile(model), saved);
    EXPECT_EQ(Value("seOil6L"), 1000);
    EXPECT_EQ(Value("seTarirLeng"), 2);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(Cell(0, 1), "16");

    // Saving over a file asks first; a file that cannot be read changes nothing.
    prompts.prompt->savePaths = {path};
    QTest::mouseClick(Find<QPushButton>("bOilSave"), Qt::LeftButton);
    EXPECT_EQ(prompts.prompt->questions.size(), 1);
    prompts.prompt->openPaths = {dir.filePath("missing.velto")};
    QTest::mouseClick(Find<QPushButton>("bOilLoad"), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("missing.velto"));
    EXPECT_EQ(EncodeTankFile(model), saved);

    // A shorter file (an older program's) is loaded only when the user agrees.
    QFile shorter(dir.filePath("old.velto"));
    ASSERT_TRUE(shorter.open(QIODevice::WriteOnly));
    shorter.write(QByteArray::fromHex("3930")); // Oil6L = 12345
    shorter.close();
    prompts.prompt->questions.clear();
    prompts.prompt->openPaths = {shorter.fileName()};
    prompts.prompt->answers = {false};
    QTest::mouseClick(Find<QPushButton>("bOilLoad"), Qt::LeftButton);
    EXPECT_EQ(prompts.prompt->questions,
              QStringList{"The file holds 2 of 245 bytes, perhaps from an older version of the "
                          "program. Load the values it holds?"});
    EXPECT_EQ(EncodeTankFile(model), saved);
    prompts.prompt->openPaths = {shorter.fileName()};
    prompts.prompt->answers = {true};
    QTest::mouseClick(Find<QPushButton>("bOilLoad"), Qt::LeftButton);
    EXPECT_EQ(model.Get("Oil6L"), 12345);
    EXPECT_EQ(EncodeTankFile(model).mid(2), saved.mid(2));
}
