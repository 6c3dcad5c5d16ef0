// The texts the trip computer's own documentation quotes for the display, sounds and
// maintenance pages, as the editor shows them: each one exactly, odd spellings and spaces
// included, in Russian and, where it is quoted, in English. Lists are compared whole
// (items joined by "|").

#include "EditorTestSupport.h"
#include "HotMenuLists.h"

#include <QAction>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>

namespace {

enum class Shows {
    Text, // a label's, button's, action's or group's own text; the dialog's title
    List, // a list's or radio group's items
    Tab,  // a page's tab caption
    Row,  // the first column of a grid's row
};

struct TQuoted {
    const char* object;
    const char* en; // nullptr: not quoted in English
    const char* ru;
    Shows how = Shows::Text;
    int row = 0;
};

using enum Shows;

// clang-format off
// Device 0x4610 with its first protocol (voice, side lights, VAG, parking, no gas).
const TQuoted kOn4610[] = {
    {"MK_SetParamsDlg", "Device settings", nullptr},
    // Pages.
    {"tsCorr", "Correction", "Поправки", Tab},
    {"tsMeth", "Resources", "Источники", Tab},
    {"tsLim", "Limits", "Границы", Tab},
    {"tsDisp", "Display", "Дисплей", Tab},
    {"tsVoice", "Sounds", "Озвуч.сообщения", Tab},
    {"tsAver", "Average", "Средние", Tab},
    {"tsPark", "Parctronic", "Парковка", Tab},
    {"tsOil", "Fuel", "Бак", Tab},
    {"tsTO", "TS", "ТО", Tab},
    {"tsBlocks", "Add.systems", "Допсистемы", Tab},
    {"tsColor", "Color schemes", "Цветовые схемы", Tab},
    {"tsParams1", "Displays x 1", "Дисплеи х1", Tab},
    {"tsParams4", "Displays x 4", "Дисплеи х4", Tab},
    {"tsParams4_1", "Displays 1..3", "Дисплеи 1 .. 3", Tab},
    {"tsParams4_2", "Displays 4..6", "Дисплеи 4 .. 6", Tab},
    {"tsParams9", "Displays x 9", "Дисплеи х9", Tab},
    {"tsParams6", "Displays x 6", "Дисплей х6", Tab},
    {"tsHotMenu", "Hot menu", "Горячие меню", Tab},
    {"tsInfoPanel", nullptr, "Доп.панель", Tab},
    {"tsDivers", "Divers", "Разное", Tab},
    {"tsColorDig", "Digital displays", "Цифровые дисплеи", Tab},
    {"tsColorMenu", "Menu", "Меню", Tab},
    {"tsVoiceWarn", nullptr, "Предупреждения", Tab},
    {"tsVoiceMisc", nullptr, "Разное", Tab},

    // Colour schemes.
    {"sgPalette", "Color #0", "Цвет #0", Row, 0},
    {"sgPalette", "Color #15", "Цвет #15", Row, 15},
    {"sgDigit", "Color 1", "Цвет 1", Row, 0},
    {"sgDigit", "Background 1", "Фон 1", Row, 1},
    {"sgDigit", "Color 2", "Цвет 2", Row, 2},
    {"sgDigit", "Background 2", "Фон 2", Row, 3},
    {"sgDigit", "Frame", "Рамка", Row, 4},
    {"sgDigit", "Bott.panel", "Нижн.панель", Row, 5},
    {"sgMenu", "Active item color", "Цвет активного пункта", Row, 0},
    {"sgMenu", "Active item background", "Фон активного пункта", Row, 1},
    {"sgMenu", "Hot item num.color", "Цвет номера горячего пункта", Row, 2},
    {"lCurrColorSchemeNum", nullptr, "Цветовая схема"},
    {"rgCurrColorSchemeNum", nullptr, "День|Ночь", List},
    {"lActiveColorScheme", nullptr, "Цветовая схема в руч. режиме"},
    {"rgActiveColorScheme", nullptr, "День|Ночь", List},
    {"bPaletteInit", nullptr, "Все в исх.состояние"},
    {"lColorMeth", nullptr, "Управление цветовой схемой"},
    {"rgColorMeth", nullptr, "Руч.|Время|Габар.", List},
    {"lIntenseMeth", nullptr, "Управление яркостью дисплея"},
    {"rgIntenseMeth", nullptr, "Руч.|Время|Габар.", List},
    {"lIntenseDayTime", nullptr, "Время вкл. ДНЕВНОЙ яркости"},
    {"lIntenseNightTime", nullptr, "Время вкл. НОЧНОЙ яркости"},
    {"lIntense0", nullptr, "Яркость подсветки (День)"},
    {"lIntense1", nullptr, "Яркость подсветки (Ночь)"},

    // Display layouts.
    {"lDigit4_1", nullptr, "Дисплей 1"},
    {"lDigit4_2", nullptr, "Дисплей 2"},
    {"lDigit4_3", nullptr, "Дисплей 3"},
    {"lDigit4_4", nullptr, "Дисплей 4"},
    {"lDigit4_5", nullptr, "Дисплей 5"},
    {"lDigit4_6", nullptr, "Дисплей 6"},
    {"cbShowDisp_4_0", "#1", "#1"},
    {"cbShowDisp_4_5", "#6", "#6"},
    {"cbShowDisp_S_0", nullptr, "Поездка"},
    {"cbShowDisp_S_1", nullptr, "Сброс 1"},
    {"cbShowDisp_S_2", nullptr, "Сброс 2"},
    {"cbShowDisp_S_3", nullptr, "Общие"},
    {"cbShowDisp_S_4", nullptr, "В пробках"},
    {"cbShowDisp_S_5", nullptr, "Без пробок"},
    {"cbShowDisp_S_6", nullptr, "Таксометр"},
    {"cbShowDisp_S_7", nullptr, "Бензин"},
    {"cbShowDisp_S_8", nullptr, "Газ"},
    {"cbShowDisp_1_0", "Time/Trip", "Время/Поез."}, // the protocol's first parameter
    {"lDispSpeed", nullptr, "Скорость вывода информации, раз/сек"},
    {"rgDispSpeed", "1|2|3|4", "1|2|3|4", List},
    {"cbDispShowTitle", nullptr, "Заставка показывать"},
    {"lDispShowPBMeth", nullptr, "Прогрессбар"},
    {"rgDispShowPBMeth", nullptr, "Макс.|Границы", List},
    {"cbShowDispName", nullptr, "Подпись дисп. показывать"},

    // Hot menus.
    {"lhmParams", nullptr, "Параметры"},
    {"lhmAver", nullptr, "Средние"},
    {"lhmPark", nullptr, "Парктроник"},
    {"lhmInsertHint", nullptr, "Для того, чтобы добавить или удалить пункт меню или очистить всю "
                               "таблицу, щелкните ПРАВОЙ кнопкой мыши в соответствующей строке таблицы."},
    {"lhmMoveHint", nullptr, "Для того, чтобы поменять местами пункты меню, нажмите ЛЕВУЮ кнопку "
                             "мыши на левой колонке нужного пункта,  потяните и отпустите в нужной "
                             "строке таблицы."},
    {"miInsertHM", "Insert item", "Вставить пункт"},
    {"miDelHM", "Delete item", "Удалить пункт"},
    {"miClearHM", "Clear all", "Очистить список"},

    // Warnings and sounds.
    {"lapUAccHigh", "High batt.volt.", "Высокое U АКБ"},
    {"lapUAccLow", "Low batt.volt.", "Низкое U АКБ"},
    {"lapVel", "High speed", "Превыш.скорость"},
    {"lapRev", "High eng.speed", "Превыш.обороты"},
    {"lapTank", "Fuel rem.", "Остаток бака"},
    {"lapHolo", "Glaze ice", "Гололед"},
    {"lapTO", "Make TS", "Выполнить ТО"},
    {"lap100", "Acceleration", "Разгон"},
    {"lap100Down", "Brakihg", "Торможение"},
    {"lapError", "Fault", "Неисправность"},
    {"lapLiqTempHigh", "Coolant overheat", "Перегрев ОЖ"},
    {"lapEconom", "Econometer", "Эконометр"},
    {"lapGabar", "PArk.lights", "Габариты"},
    {"lapTankFull", "Full tank", "Полный бак"},
    {"lapInjTime", "%Inj/Exp", "%Впрыск/расход"},
    {"lapLiqTempReady", "Eng.heat.", "Прогрев ДВС"},
    {"lapLights", "Low beam", "Ближн.Свет"},
    {"lapSFilter", "Diesel filter", "Сажевый фильтр"},
    {"lapWaterInFuel", "Water in fuel", "Вода в топливе"},
    {"lapTemperOilAKPPHigh", "AT overheat", "Перегрев АКПП"},
    {"lapTemperOilEngHigh", "Eng.oil overheat", "Перегрев масла ДВС"},
    {"lapCVTFDeterior", "AT iol deter.", "Износ масла АКПП"},
    {"lapHVBTemperHigh", "HVB overheat", "Перегрев ВВБ"},
    {"lapInvTemperHigh", "Inv.overheat", "Перегрев инвертора"},
    {"lapTrimLow", "Low trim", "Низкий трим"},
    {"lapTrimHigh", "High trim", "Высокий трим"},
    // The protocol page words row 26 for an engine (or a cylinder) over the table's word.
    {"lapEngTemperHigh", "Engine overheat", "Перегрев двиг."},
    {"lapRetarderOilTemperHigh", "Retard.overheat", "Перегрев ретардера"},
    {"rgapVel_F", "O|N|B|M|V", "О|Н|Б|М|Г", List},
    {"lSoundVolume", "Sound volume", "Громкость"},
    {"lFlagSound", nullptr, "Откл.звук"},
    {"rgFlagSound", nullptr, "Да|Нет|Замок|ОтГол", List},
    {"lSayHelloMode", nullptr, "Здравствуйте"},
    {"rgSayHelloMode", nullptr, "Вкл.|Раз в сутки|Откл.", List},
    {"lSayParamPeriod", "Period of auto.rep. of the sound of parameters (4=Off)", nullptr},
    {"lAlarmVelSecNoSayMax", "Thinning out reports of speeding(-1=N)", nullptr},
    {"lSayEconomPeriod", "Econometer period", nullptr},
    {"cbSoundKeys", "Sound on when key pressed", nullptr},
    {"cbSoundLock", "Sound on when lock on", nullptr},

    // Maintenance.
    {"lAirFiltCntK", "Air filt.repl.", "Замена.возд.ф."},
    {"lKPPOilCntK", nullptr, "Замена мас.КПП"},
    {"lCoolLiqCntK", nullptr, "Замена охл.жидк."},
    {"lEngOilCntK", nullptr, "Замена масла дв."},
    {"lTO", nullptr, "Дата след.ТО"},
    {"lOSAGO", nullptr, "Дата опл.ОСАГО"},
    {"lMotoHourLim", nullptr, "Моточасы"},
    {"bTOSave", nullptr, "Сохранить настройки ТО в файл"},
    {"bTOLoad", nullptr, "Считать настройки ТО из файла"},
};

// A model with the service counter (0x5000).
const TQuoted kOn5000[] = {
    {"lAirFiltCntK", "TS th.km", "ТО тыс.км"},
    {"tsUniMeas", "Uni.input/Trim", "Трим", Tab},
    {"rgVelocityMeth", "ECU|GPS|Sens.", "ЭБУ|GPS|Датч.", List},
};

// A hybrid whose ECU reports its engine pump (0x8080, "Estima20").
const TQuoted kOn8080[] = {
    {"lapWaterInFuel", "Engine pump", "Помпа ДВС"},
};

// The groups of the hot menus' insert pop-ups, list by list, sub-groups after their group.
const char* const kInsertGroups[][2] = {
    {"Control|Resources|Limits|Display|Voice messages|TS",
     "Управление|Источники|Границы|Дисплей|Озвуч.сообщения|TO"},
    {"Trip log|Save|View|Petrol log", "Журнал поездок|Записать|Просмотреть|Журнал заправок"},
    {"Parking|Front parling", "Парковка|Парковка вперед"},
};
// clang-format on

constexpr TText kRestoreQuestion{"Initialize all the color scheme settings to their original "
                                 "state? ",
                                 "Привести все настройки цветовых схем в исходное состояние?"};

class QuotedCaptionsTest : public EditorTest {
protected:
    QString Shown(const TQuoted& q) const {
        const QString name = QString::fromUtf8(q.object);
        switch (q.how) {
        case List:
            return EditorTest::Items(name).join(u'|');
        case Tab: {
            auto* page = Find(name);
            auto* tabs =
                page ? qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget()) : nullptr;
            return tabs ? tabs->tabText(tabs->indexOf(page)) : QString();
        }
        case Row: {
            auto* grid = Find<QTableView>(name);
            return grid ? grid->model()->index(q.row, 0).data().toString() : QString();
        }
        case Text:
            break;
        }
        if (name == dlg->objectName()) return dlg->windowTitle();
        if (auto* action = dlg->findChild<QAction*>(name)) return action->text();
        QWidget* w = Find(name);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
        return QStringLiteral("(no text)");
    }
    void Check(std::uint16_t device, int protocol, std::span<const TQuoted> rows) {
        Open(device, protocol);
        OpenHotMenuPopup();
        for (const TQuoted& q : rows) {
            const char* quoted = EnglishVersion ? q.en : q.ru;
            if (!quoted) continue;
            SCOPED_TRACE(testing::Message() << q.object << (EnglishVersion ? " en" : " ru"));
            EXPECT_EQ(Shown(q), QString::fromUtf8(quoted));
            // The change list and the search read the caption of the setting the text
            // stands for: it is the same text.
            if (const TSettingDesc* s = SettingShownBy(q)) {
                EXPECT_EQ(SettingCaption(*s, SettingContextOf(model)), QString::fromUtf8(quoted))
                    << "the description's caption";
            }
        }
    }
    // The single setting whose caption a label or check box shows; nullptr for others (a
    // text the page words, or a setting of several elements with one caption each).
    const TSettingDesc* SettingShownBy(const TQuoted& q) const {
        if (q.how != Text) return nullptr;
        const QWidget* w = dlg->findChild<QWidget*>(QString::fromUtf8(q.object));
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            w = label->buddy();
        const TSettingDesc* s = w ? dlg->Binder().SettingOf(w->objectName()) : nullptr;
        const bool ownLabel = s && s->label.en && *s->label.en;
        return s && s->count == 1 && !ownLabel ? s : nullptr;
    }
    // Its items are worded when it opens.
    void OpenHotMenuPopup() {
        dlg->findChild<QTabWidget*>("pcMain")->setCurrentWidget(dlg->Page("tsDisp"));
        dlg->findChild<QTabWidget*>("pcDisp")->setCurrentWidget(dlg->Page("tsHotMenu"));
        auto* grid = Find<QTableView>("sghmParams");
        const QPoint at = grid->visualRect(grid->model()->index(0, 1)).center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &e);
        Find<QWidget>("pmHotMenu")->hide();
    }
    static void Groups(const std::vector<THotMenuChoice>& choices, QStringList& out) {
        for (const THotMenuChoice& c : choices)
            if (c.IsGroup()) {
                out << c.Caption;
                Groups(c.Items, out);
            }
    }
};

} // namespace

TEST_F(QuotedCaptionsTest, DisplaySoundsAndMaintenancePagesShowTheQuotedTexts) {
    for (const bool english : {true, false}) {
        EnglishVersion = english;
        Check(0x8080, 1, kOn8080);
        Check(0x5000, 0, kOn5000);
        Check(0x4610, 0, kOn4610);

        auto* date = Find<QDateEdit>("deTO");
        if (english) {
            EXPECT_EQ(date->calendarWidget()->windowTitle(), "Date selection");
        }
        model.BuildMenuItems();
        for (int list = 0; list < 3; ++list) {
            QStringList groups;
            Groups(HotMenuInsertChoices(list, model.MenuItems), groups);
            EXPECT_EQ(groups.join(u'|'), QString::fromUtf8(kInsertGroups[list][english ? 0 : 1]))
                << "list " << list;
        }
        // What the buttons ask and offer.
        Find<QPushButton>("bPaletteInit")->click();
        EXPECT_EQ(prompts.prompt->questions.last(), kRestoreQuestion.text());
        Find<QPushButton>("bTOSave")->click();
        if (!english) {
            EXPECT_EQ(prompts.prompt->filters.last(), "Файлы настроек ТО (*.veltt)");
        }
    }
}
