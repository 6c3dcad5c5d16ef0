// Two sets of settings compared in the editor's words: within one device type, and across
// types where only what both offer is compared.

#include "SettingsComparison.h"
#include "Language.h"
#include "Pars32H.h"
#include "QStringPrint.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Side {
    TMK m;
    explicit Side(const QByteArray& image, std::uint16_t type = 0x4610) {
        m.SettingsImage = image;
        m.DeviceVersion = type;
        m.ReadSections(1, SectionCountMax);
    }
    TSettingsSide settings() {
        m.WriteSections(1, SectionCountMax);
        return {m.SettingsImage, m.DeviceVersion};
    }
};

const TChangeRow* rowOf(const TComparison& c, const QString& caption) {
    for (const TChangeRow& r : c.rows)
        if (r.setting == caption) return &r;
    return nullptr;
}

QString volts(double v) {
    return QLocale().toString(v, 'f', 1) + QStringLiteral(" V");
}

} // namespace

TEST(SettingsComparison, SameTypeListsEachDifferenceInWordsWithTheRecordsAndTheTarePastItsEnd) {
    EnglishVersion = true;
    sim::TTripSim device;
    const QByteArray image = sim::ImageOfMemory(device.Memory());
    Side a(image), b(image);
    EXPECT_TRUE(CompareSettings(a.settings(), b.settings()).rows.empty());
    EXPECT_EQ(ComparisonCountText(CompareSettings(a.settings(), b.settings())),
              QStringLiteral("No setting differs."));

    a.m.Set("UaccLowLimit", 0, 117);
    b.m.Set("UaccLowLimit", 0, 118);
    // One more tare point on one side: the other has none there, not a stale value.
    a.m.Set("TarirLeng", 0, 5);
    b.m.Set("TarirLeng", 0, 6);
    b.m.SetNumber("TarirLit", 5, 42);
    device.RecordDrive();
    Side c(sim::ImageOfMemory(device.Memory()));
    c.m.Set("UaccLowLimit", 0, 118);
    c.m.Set("TarirLeng", 0, 6);
    c.m.SetNumber("TarirLit", 5, 42);

    const TComparison same = CompareSettings(a.settings(), b.settings());
    const TChangeRow* low = rowOf(same, "Low battery voltage");
    ASSERT_NE(low, nullptr);
    EXPECT_EQ(low->group, "Limits");
    EXPECT_EQ(low->before, volts(11.7));
    EXPECT_EQ(low->after, volts(11.8));
    const TChangeRow* point = rowOf(same, "Tare point 6, litres");
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->before, "(not in use)");
    EXPECT_EQ(rowOf(same, "Tare point 7, litres"), nullptr) << "past both ends";
    EXPECT_TRUE(same.records.empty());
    EXPECT_TRUE(same.notes.isEmpty());
    EXPECT_TRUE(same.notCompared.isEmpty());

    // The drive the device recorded since shows as records, not as settings.
    const TComparison drive = CompareSettings(b.settings(), c.settings());
    EXPECT_TRUE(drive.rows.empty());
    ASSERT_FALSE(drive.records.empty());
    const QString text = ComparisonText(drive, "b", "c");
    EXPECT_TRUE(text.contains(QRegularExpression("\n  Trip journal, \\d+ records differ: \\d+ "
                                                 "records -> \\d+ records\n")))
        << qPrintable(text);
    EXPECT_TRUE(text.endsWith("No setting differs.\n"));
}

TEST(SettingsComparison, AnotherTypeIsNamedAndWhatOnlyOneOffersIsListedApart) {
    EnglishVersion = true;
    const QByteArray image = sim::ImageOfMemory(sim::BuildDefaultMemory(1));
    Side gas(image, 0x4610), noGas(image, 0x4000);
    const TComparison c = CompareSettings(gas.settings(), noGas.settings());
    ASSERT_EQ(c.notes.size(), 1);
    EXPECT_TRUE(c.notes[0].contains("TC-4610 (0x4610) and TC-4000 (0x4000)"))
        << qPrintable(c.notes[0]);
    EXPECT_TRUE(c.notCompared.contains("Correction: Gas consumption"))
        << qPrintable(c.notCompared.join('\n'));
    // The same bytes: a voltage means the same on both; a hot menu's entries are positions
    // in each model's own menu, so there the same bytes mean other entries.
    EXPECT_EQ(rowOf(c, "Low battery voltage"), nullptr);
    const TChangeRow* item = rowOf(c, "Hot menu: averages, item 1");
    ASSERT_NE(item, nullptr) << qPrintable(ComparisonText(c, "a", "b"));
    EXPECT_NE(item->before, item->after);
}
