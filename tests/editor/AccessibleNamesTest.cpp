// What a screen reader reads: every input control a page offers has a name in the language
// the program shows, and every screen preview says what each of its places shows.

#include "EditorTestSupport.h"
#include "MeasParsH.h"
#include "ScreenPreview.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <map>

namespace {

bool IsInput(const QWidget* w) {
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const TRadioGroup*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const TScreenPreview*>(w);
}

// A part of another control (the edit of a spin box, the list of a combo box, a calendar's
// table): the control it belongs to carries the name.
bool PartOfAnother(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QCalendarWidget*>(p) || qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

class AccessibleNamesTest : public EditorTest {
protected:
    // The names of the input controls of every page, by objectName; controls a rule hides
    // are passed over.
    std::map<QString, QString> Names() {
        std::map<QString, QString> names;
        QWidget* pages = Find<QTabWidget>("pcMain");
        for (QWidget* w : pages->findChildren<QWidget*>()) {
            if (!IsInput(w) || PartOfAnother(w, pages) || HiddenByRule(w)) continue;
            EXPECT_FALSE(w->objectName().isEmpty())
                << "an input control without a name of its own: " << w->metaObject()->className()
                << " in " << w->parentWidget()->objectName().toStdString();
            names[w->objectName()] = w->accessibleName();
        }
        return names;
    }
};

} // namespace

TEST_F(AccessibleNamesTest, EveryInputControlIsNamedInTheProgramsLanguage) {
    struct Device {
        std::uint16_t type;
        int protocol;
    };
    const Device devices[] = {{0x4000, 0}, {0x4610, 0}, {0x5000, 0}, {0x8080, 1}};
    for (const Device& d : devices) {
        SCOPED_TRACE(testing::Message() << std::hex << d.type);
        std::map<QString, QString> english;
        for (const bool inEnglish : {true, false}) {
            EnglishVersion = inEnglish;
            Open(d.type, d.protocol);
            const std::map<QString, QString> names = Names();
            EXPECT_GT(names.size(), 150u);
            for (const auto& [control, name] : names) {
                SCOPED_TRACE(control.toStdString() + (inEnglish ? " en" : " ru"));
                EXPECT_FALSE(name.trimmed().isEmpty()) << "no name";
                if (inEnglish) {
                    english[control] = name;
                } else if (english.count(control) && !name.isEmpty()) {
                    EXPECT_NE(name, english[control]) << "named in English only";
                }
            }
        }
    }

    // A counter the user names is read by its name.
    EnglishVersion = true;
    Open(0x4610);
    auto* name = Find<QLineEdit>("eGRMStrapCntK");
    RevealNested(name);
    QApplication::setActiveWindow(dlg.get());
    name->setFocus();
    name->setText("Timing belt");
    Find("bCancel")->setFocus();
    EXPECT_EQ(model.GetText("GRMStrapName"), "Timing belt");
    EXPECT_EQ(Find("seGRMStrapCntK")->accessibleName(), "Timing belt, th.km");
    EXPECT_EQ(Find("cbGRMStrapCntK")->accessibleName(), "Timing belt: reminder");
}

// A preview's description names the parameter of each of its places by the words of the
// place's tool tip, and follows a change of a place.
TEST_F(AccessibleNamesTest, PreviewsDescribeWhatEachPlaceShows) {
    Open(0x4000);
    auto* preview = Find<TScreenPreview>("pbDigit4_2");
    const auto words = [this](int place) {
        const TMeasParBase* p = model.MeasPars.Find(int(model.Get("Digit4", 4 + place)));
        return p->NameUnit.isEmpty() ? p->Name : p->NameUnit;
    };
    EXPECT_EQ(preview->accessibleName(), "Display 2");
    for (int place = 0; place < 4; ++place)
        EXPECT_TRUE(preview->accessibleDescription().contains(
            QStringLiteral("Place %1: %2").arg(place + 1).arg(words(place))))
            << place << ": " << preview->accessibleDescription().toStdString();

    model.Set("Digit4", 5, 0);
    dlg->LoadPages();
    EXPECT_TRUE(preview->accessibleDescription().contains("Place 2: Empty place"))
        << preview->accessibleDescription().toStdString();

    // The colour page's samples too, the menu by its rows.
    for (const char* sample : {"pbDigit1", "pbDigit4", "pbDigit9", "pbDigit6", "pbMenu"}) {
        auto* p = Find<TScreenPreview>(sample);
        EXPECT_FALSE(p->accessibleName().isEmpty()) << sample;
        EXPECT_FALSE(p->accessibleDescription().isEmpty()) << sample;
    }
}
