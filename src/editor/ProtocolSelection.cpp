// The protocol choice on the sources page: how the trip computer finds its protocol, which
// one it uses when chosen by hand, and the protocol's up to eight further option lists.
// A changed protocol clears those options and has every page refill what depends on it.

#include "ProtocolSelection.h"

#include "ChoiceCombo.h"
#include "ControlAdapterKinds.h"
#include "EditorLayout.h"
#include "HandlerGuard.h"
#include "MK_SetParamsH.h"
#include "PageMeth.h"
#include "Pars32H.h"
#include "ProtsH.h"

#include <QComboBox>
#include <QLabel>

namespace {

using enum TCtlKind;
using enum TConv;

constexpr std::uint8_t CodeOutboardNoData = 0xE1;
constexpr std::uint8_t CodeJ1939 = 0x0E;
// Outboard engine ECUs: cylinder temperatures, no road timing.
constexpr std::uint8_t CodeFirstOutboard = 0xDE;
constexpr std::uint8_t CodeLastCylinder = 0xE1;
constexpr std::uint8_t CodeLastOutboard = 0xE4;

// clang-format off
constexpr TControlRow kMethodRows[] = {
    // name                   kind   caption                                                 unit min max step dec conversion
    {"cbProtocolSelectMeth",  Combo, {"Protocol definition", "Способ опр. протокола"},       {},  0,  0,  0,   0, Plain},
};

// The captions are placeholders: each list shows the protocol's own caption.
constexpr TControlRow kOptionRows[] = {
    {"cbProtTypeMain",        Combo, {"Implementation variant", "Вариант реализации"},       {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd1",        Combo, {"Subtype 1", "Подтип 1"},                              {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd2",        Combo, {"Subtype 2", "Подтип 2"},                              {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd3",        Combo, {"Subtype 3", "Подтип 3"},                              {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd4",        Combo, {"Subtype 4", "Подтип 4"},                              {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd5",        Combo, {"Subtype 5", "Подтип 5"},                              {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd6",        Combo, {"Subtype 6", "Подтип 6"},                              {},  0,  0,  0,   0, Plain},
    {"cbProtTypeAdd7",        Combo, {"Subtype 7", "Подтип 7"},                              {},  0,  0,  0,   0, Plain},
};
// clang-format on

QString OptionListName(int k) {
    return k == 0 ? QStringLiteral("cbProtTypeMain") : QStringLiteral("cbProtTypeAdd%1").arg(k);
}

} // namespace

bool DeliversEcuData(const TProtBase* entry) {
    return entry && entry->Code != ProtCodeUniversal && entry->Code != ProtCodeCarburettor &&
           entry->Code != CodeOutboardNoData;
}

TCoolantWording CoolantWordingFor(const TProtBase* entry) {
    const bool coolant = !entry || entry->CoolantWarnings;
    const bool ready = !entry || entry->ReadyWarnings;
    const std::uint8_t code = entry ? entry->Code : ProtCodeUniversal;
    const bool outboard = code >= CodeFirstOutboard && code <= CodeLastOutboard;
    if (!DeliversEcuData(entry) && !outboard) // the device's own sensor: water or engine
        return {{"T wat/eng., C", "Т вод/двиг., С"},
                {"Water overheat", "Перегрев воды"},
                {"Engine overheat", "Перегрев двиг."},
                coolant,
                ready,
                true};
    if (outboard && code <= CodeLastCylinder)
        return {{"T cyl., C", "T цил., C"},
                {"Water overheat", "Перегрев воды"},
                {"Cylinder  overheat", "Перегрев цил."},
                coolant,
                ready,
                false};
    if (outboard)
        return {{"Т eng., С", "Тдв., С"},
                {"Water overheat", "Перегрев воды"},
                {"Engine overheat", "Перегрев двиг."},
                coolant,
                ready,
                false};
    return {{"T coolant, C", "ТОЖ, С"},
            {"Coolant overheat", "Перегрев ОЖ"},
            {"Engine overheat", "Перегрев двиг."},
            coolant,
            ready,
            true};
}

void TPageMeth::BuildProtocolGroup(QVBoxLayout* column) {
    TControlBinder& b = Binder();
    QGridLayout* grid =
        AddRowsGroup(b, column, "gbProtocol", {"ECU protocol", "Протокол ЭБУ"}, kMethodRows);
    QWidget* box = grid->parentWidget();
    // The protocol list is not a plain binding: a changed protocol resets its options, so
    // it applies only what the user settles on (a pick, Enter, leaving the list, OK).
    protocol_ = new TChoiceCombo(box);
    protocol_->setObjectName(QStringLiteral("cbProtocol"));
    protocol_->setMaxVisibleItems(20);
    protocolLabel_ = b.Caption(new QLabel(box), {"Protocol", "Протокол"});
    protocolLabel_->setObjectName(QStringLiteral("lProtocol"));
    protocolLabel_->setBuddy(protocol_);
    grid->addWidget(protocolLabel_, 1, 0);
    grid->addWidget(protocol_, 1, 1, Qt::AlignLeft);
    QObject::connect(protocol_, &TChoiceCombo::chosen, protocol_,
                     Guarded([this] { cbProtocolExit(); }));
    OnFocusLeaving(protocol_, protocol_, Guarded([this] { cbProtocolExit(); }));

    AddRowsGroup(b, column, "gbProtOptions",
                 {"Additional protocol settings", "Дополнительные настройки протокола"},
                 kOptionRows);
    b.OnCommitted("cbProtocolSelectMeth", [this] { cbProtocolSelectMethChange(); });
}

// Method list and protocol list, built at show.
void TPageMeth::FillProtocolLists() {
    const TDeviceCaps& caps = Caps();
    QStringList methods{Tx("Auto", "Авт.")};
    if (caps.CapAutoOBD) methods << Tx("AutoOBD", "АвтOBD");
    if (caps.CapVAG && !caps.CapNoAutoVAG) methods << Tx("AutoVAG", "АвтVAG");
    if (caps.CapAutoOpel) methods << Tx("AutoOpl", "АвтOpl");
    methods << Tx("Man.", "Руч.");
    Binder().SetItems("cbProtocolSelectMeth", methods);
    Binder().Load("cbProtocolSelectMeth");

    protocol_->clear();
    protocol_->addItems(Catalogue().Names());
    const int stored = int(Model().Get("Protocol"));
    protocol_->setCurrentIndex(stored < protocol_->count() ? stored : -1);
    cbProtocolSelectMethChange();
}

// The protocol list matters only when the protocol is chosen by hand (the last method).
void TPageMeth::cbProtocolSelectMethChange() {
    auto* methods = qobject_cast<QComboBox*>(Binder().Control("cbProtocolSelectMeth"));
    const bool manual =
        methods && methods->count() > 0 && methods->currentIndex() == methods->count() - 1;
    protocol_->setVisible(manual);
    protocolLabel_->setVisible(manual);
}

void TPageMeth::cbProtocolExit() {
    if (Frame().Refreshing) return; // the list was filled, not chosen from
    const int chosen = protocol_->currentIndex();
    if (chosen >= 0 && chosen != Model().Get("Protocol")) {
        Model().SelectProtocol(chosen);
        // Another protocol's options mean something else: they start cleared.
        for (int k = 0; k < SubtypeSelectorCount; ++k)
            Model().Set(OptionListName(k).mid(2).toStdString(), 0, 0);
        Frame().RebuildForProtocol();
        return;
    }
    FillOptionLists();
}

void TPageMeth::CommitShown() {
    const int shown = protocol_->currentIndex();
    if (shown >= 0 && shown != Model().Get("Protocol")) cbProtocolExit();
}

// Everything on this page that depends on the protocol.
void TPageMeth::ProtocolRebuilt() {
    Model().Set("PrevProtocol", 0, Model().Get("Protocol"));
    FillLevelSourceList();
    FillOptionLists();
    BuildSpeedSourceItems();
    Binder().Load("rgVelocityMeth");
}

void TPageMeth::FillOptionLists() {
    const TProtBase* entry = CurrentProt();
    bool& refreshing = Frame().Refreshing;
    const bool wasRefreshing = refreshing;
    refreshing = true;
    for (int k = 0; k < SubtypeSelectorCount; ++k) {
        const QString name = OptionListName(k);
        const QString caption = entry ? entry->SubtypeCaption[k] : QString();
        Binder().SetItems(name, entry ? entry->Choices(k) : QStringList());
        Binder().Label(name)->setText(caption);
        Binder().Load(name);
        Binder().SetShown(name, !caption.isEmpty());
    }
    refreshing = wasRefreshing;
    UpdateGroupVisibility(Widget());
}

// The level sources: the calculation, the device's own sensor input, and as many ECU
// level readings as the protocol supplies.
void TPageMeth::FillLevelSourceList() {
    const TProtBase* entry = CurrentProt();
    const int ecuLevels = entry ? entry->EcuFuelLevels : 0;
    QStringList items{Tx("Calculated", "Расчетный")};
    if (!Caps().CapNoFLS) items << Tx("FLS", "ДУТ");
    if (ecuLevels >= 1) items << Tx("ECU FLS", "ДУТ ЭБУ");
    if (ecuLevels >= 2) items << Tx("ECU FLS2", "ДУТ ЭБУ2");
    if (ecuLevels >= 3) items << Tx("ECU FLS3", "ДУТ ЭБУ3");
    Binder().SetItems("cbTankMeth", items);
    Binder().Load("cbTankMeth");
}
