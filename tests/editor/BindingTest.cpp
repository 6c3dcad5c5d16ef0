// The load and commit rules of every bound control, the conversions with their edge
// cases, and the refusal of values that do not fit their field.

#include "EditorTestSupport.h"
#include "FieldAccess.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRegularExpression>
#include <cmath>

namespace {

std::array<QByteArray, 11> Records(const TMK& m) {
    std::array<QByteArray, 11> r;
    for (int i = 1; i <= 11; ++i)
        r[i - 1] = m.Section(i);
    return r;
}

// Bytes that the commit of this control may change: its element, or one bit of it.
void ExpectOnlyItsFieldChanged(const std::array<QByteArray, 11>& before, const TMK& after,
                               const QString& name, const TFieldRef& ref) {
    const bool text = ref.field->type == FieldType::Text;
    const int width = text ? FieldByteSize(*ref.field) : FieldTypeWidth(ref.field->type);
    const int first = ref.field->offset + ref.index * width;
    for (int s = 1; s <= 11; ++s) {
        const QByteArray& now = after.Section(s);
        for (int i = 0; i < now.size(); ++i) {
            const bool own = s == ref.field->section && i >= first && i < first + width;
            if (!own) {
                ASSERT_EQ(now[i], before[s - 1][i])
                    << name.toStdString() << " changed section " << s << " byte " << i;
            }
        }
    }
    if (text) {
        EXPECT_NE(before[ref.field->section - 1].mid(first, width),
                  after.Section(ref.field->section).mid(first, width))
            << name.toStdString() << " did not change its field";
        return;
    }
    auto word = [&](const QByteArray& record) {
        std::uint64_t w = 0;
        for (int i = width - 1; i >= 0; --i)
            w = (w << 8) | std::uint8_t(record[first + i]);
        return w;
    };
    const std::uint64_t changed =
        word(before[ref.field->section - 1]) ^ word(after.Section(ref.field->section));
    const int bit = ref.bit >= 0 ? ref.bit : ref.field->bitWidth ? ref.field->bitShift : -1;
    if (bit >= 0)
        EXPECT_EQ(changed, std::uint64_t(1) << bit) << name.toStdString();
    else
        EXPECT_NE(changed, 0u) << name.toStdString() << " did not change its field";
}

} // namespace

// Every bound control, whatever its kind: a new value reaches exactly its own field, and
// loading that field back shows the same value.
TEST_F(EditorTest, EveryControlCommitsItsOwnFieldAndLoadsItBack) {
    Open(0x8000); // a model with gas, parking, lights and most options
    TControlBinder& binder = dlg->Binder();
    int checked = 0;
    for (const QString& name : binder.Names()) {
        QWidget* w = binder.Control(name);
        const auto before = Records(model);
        QVariant shown;
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(w)) {
            // The two converter readings must differ: step the first one off the second.
            if (name == "seUniMeasADC0")
                spin->setValue(spin->value() + 1);
            else
                spin->setValue(spin->value() == spin->maximum() ? spin->minimum()
                                                                : spin->maximum());
            shown = spin->value();
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            // The x1 boxes beyond the protocol's list show unchecked whatever their bit.
            if (name.startsWith("cbShowDisp_1_") && check->isHidden()) continue;
            check->setChecked(!check->isChecked());
            shown = check->isChecked();
        } else if (auto* radio = qobject_cast<TRadioGroup*>(w)) {
            if (radio->count() < 2) continue;
            radio->setIndex((radio->index() + 1) % radio->count());
            shown = radio->index();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->count() < 2) continue;
            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
            shown = combo->currentIndex();
        } else if (auto* date = qobject_cast<QDateEdit*>(w)) {
            date->setDate(date->date() == date->maximumDate() ? date->minimumDate()
                                                              : date->date().addDays(1));
            shown = double(date->date().toJulianDay());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) { // a time (masked) or a text
            const bool time = !edit->inputMask().isEmpty();
            const QString a = time ? "12:34" : "x", b = time ? "01:02" : "y";
            edit->setText(edit->text() == a ? b : a);
            shown = edit->text();
        } else {
            continue; // grids: their page decides the rows
        }
        ASSERT_TRUE(binder.Commit(name)) << name.toStdString();
        ExpectOnlyItsFieldChanged(before, model, name, binder.FieldOf(name));
        binder.Load(name);
        double reloaded = 0;
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
            reloaded = spin->value();
        else if (auto* check = qobject_cast<QCheckBox*>(w))
            reloaded = check->isChecked();
        else if (auto* radio = qobject_cast<TRadioGroup*>(w))
            reloaded = radio->index();
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            reloaded = combo->currentIndex();
        else if (auto* date = qobject_cast<QDateEdit*>(w))
            reloaded = double(date->date().toJulianDay());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            EXPECT_EQ(edit->text(), shown.toString()) << name.toStdString();
        else
            EXPECT_DOUBLE_EQ(reloaded, shown.toDouble()) << name.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 100);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(", ").toStdString();
}

// What the user types and what is stored, for each conversion, halves going to even.
TEST_F(EditorTest, ConversionsStoreAndShowByTheirTables) {
    Open(0x8000);
    EXPECT_FALSE(Find("seK100Manual")->isEnabled()) << "used by the manual forecast only";
    Click("rgPrognozMeth", 2);
    struct Case {
        const char* control;
        const char* typed;
        const char* field;
        int index;
        double stored;
    };
    const Case cases[] = {
        {"seVelocityCorr", "0", "VelocityCorr", 0, 1.0},
        {"seVelocityCorr", "-50", "VelocityCorr", 0, 0.5},
        {"seExpenseCorr", "12.5", "ExpenseCorr", 0, 1.125},
        {"seTripMinStop", "995", "TripMinStop", 0, 199},
        {"seTripMinStop", "12", "TripMinStop", 0, 2},
        {"seVelocityLimit", "91", "VelocityLimit", 0, 46},
        {"seVelocityLimit", "89", "VelocityLimit", 0, 44},
        {"seAccCorr", "-0.7", "AccCorr", 0, -7},
        {"seUaccLowLimit", "11.5", "UaccLowLimit", 0, 115},
        {"sePriceExpense", "25.3", "PriceExpense", 0, 253},
        {"seK100Manual", "7.5", "K100Manual", 0, 75},
        {"seForsCoefCarb", "2.5", "ForsCoefCarb", 0, 5},
        {"seParkMinLeng1", "45", "ParkMinLeng", 1, 4},
        {"seParkMinLeng1", "55", "ParkMinLeng", 1, 6},
        {"seAllPathStart", "999999", "AllPathStart", 0, 999999},
        {"seUniMeasDat1", "-180", "UniMeasDat", 1, -180},
    };
    for (const Case& c : cases) {
        Type(c.control, c.typed);
        EXPECT_DOUBLE_EQ(model.GetNumber(c.field, c.index), c.stored)
            << c.control << " typed " << c.typed;
    }

    struct Back {
        const char* field;
        int index;
        double stored;
        const char* control;
        double shown;
    };
    const Back loads[] = {
        {"VelocityCorr", 0, 1.25, "seVelocityCorr", 25},
        {"VelocityCorr", 0, 1.05, "seVelocityCorr", 5}, // 1.05f is a little below 1.05
        {"GazExpenseCorr", 0, 0.9, "seGazExpenseCorr", -10},
        {"TripMinStop", 0, 12, "seTripMinStop", 60},
        {"VelocityLimit", 0, 45, "seVelocityLimit", 90},
        {"ParkMinLeng", 0, 9, "seParkMinLeng0", 90},
        {"UaccHighLimit", 0, 155, "seUaccHighLimit", 15.5},
    };
    for (const Back& b : loads) {
        model.SetNumber(b.field, b.index, b.stored);
        dlg->Binder().Load(b.control);
        EXPECT_DOUBLE_EQ(Value(b.control), b.shown) << b.control;
    }
}

TEST_F(EditorTest, ItemConversionsOfListsAndGroups) {
    model.Set("ExpenseMeth", 0, 1); // the injector settings show
    Open(0x8000);
    Pick("cbResetPeriod1", 0);
    EXPECT_EQ(model.Get("ResetPeriod", 1), -1) << "Proh.";
    Pick("cbResetPeriod1", 1);
    EXPECT_EQ(model.Get("ResetPeriod", 1), 0) << "Man.";
    Pick("cbResetPeriod1", 8);
    EXPECT_EQ(Find<QComboBox>("cbResetPeriod1")->currentText(), "7");
    EXPECT_EQ(model.Get("ResetPeriod", 1), 7);
    Pick("cbResetPeriod0", 7);
    EXPECT_EQ(model.Get("ResetPeriod", 0), 7);
    EXPECT_EQ(Items("cbResetPeriod0").first(), "Man.");
    EXPECT_EQ(Items("cbResetPeriodOnly").mid(0, 3), QStringList({"Proh.", "Man.", "1"}));

    Click("rgLockType", 1);
    Click("rgLockTypeLevel", 3);
    EXPECT_EQ(model.Get("LockTypeLevel"), 4) << "index + 1";
    Click("rgForsCoef", 2);
    EXPECT_EQ(model.Get("ForsCoef"), 4) << "the item's own number";
    model.Set("ForsCoef", 0, 2);
    dlg->Binder().Load("rgForsCoef");
    EXPECT_EQ(Find<TRadioGroup>("rgForsCoef")->index(), 1);

    const std::int64_t flags = model.Get("MethFlags");
    Toggle("cbUseTank2");
    EXPECT_EQ(model.Get("MethFlags"), flags ^ (1 << 3));
    const std::int64_t screens = model.Get("ShowDisp_S");
    Toggle("cbShowDisp_S_4");
    EXPECT_EQ(model.Get("ShowDisp_S"), screens ^ (1 << 4));
}

// A value the edit accepts but whose stored form does not fit is refused: the error is
// shown, the field keeps its value and the edit shows it again.
TEST_F(EditorTest, ValueThatDoesNotFitItsFieldIsRefused) {
    Open();
    const QByteArray before = model.Section(6);
    Find<QDoubleSpinBox>("seVelocityLimit")->setMaximum(300); // 300 km/h would store 150
    Type("seVelocityLimit", "300");
    EXPECT_EQ(errors, QStringList{"Range check error"});
    EXPECT_EQ(model.Section(6), before);
    EXPECT_EQ(Value("seVelocityLimit"), 80);

    // Passing through an edit whose stored value lies outside its range stores nothing.
    model.Set("ParkSense", 0, 0);
    dlg->Binder().Load("seParkSense0");
    const QByteArray park = model.Section(2);
    QTest::keyClick(Find<QDoubleSpinBox>("seParkSense0"), Qt::Key_Enter);
    EXPECT_EQ(model.Section(2), park);
}
