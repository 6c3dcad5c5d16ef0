// The protocol choice on the sources page: how the trip computer finds its protocol, which
// one it uses when chosen by hand, and the protocol's up to eight further option lists.
// A changed protocol clears those options and has every page refill what depends on it.

#include "ChoiceCombo.h"
#include "ControlAdapterKinds.h"
#include "EditorLayout.h"
#include "HandlerGuard.h"
#include "MK_SetParamsH.h"
#include "PageMeth.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "SettingLists.h"

#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kMethodRows[] = {
    {Combo, "ProtocolSelectMeth"},
};

// Each list shows the protocol's own caption and items.
constexpr TControlRow kOptionRows[] = {
    {Combo, "ProtTypeMain"},
    {Combo, "ProtTypeAdd1"},
    {Combo, "ProtTypeAdd2"},
    {Combo, "ProtTypeAdd3"},
    {Combo, "ProtTypeAdd4"},
    {Combo, "ProtTypeAdd5"},
    {Combo, "ProtTypeAdd6"},
    {Combo, "ProtTypeAdd7"},
};
// clang-format on

QString OptionListName(int k) {
    return k == 0 ? QStringLiteral("cbProtTypeMain") : QStringLiteral("cbProtTypeAdd%1").arg(k);
}

} // namespace

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
    protocolLabel_ = b.Caption(new QLabel(box), SettingByName("Protocol").caption);
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

// The protocol list, built at show (the method list is the binder's).
void TPageMeth::FillProtocolList() {
    protocol_->clear();
    protocol_->addItems(ProtocolItems(SettingContextOf(Model())));
    const int stored = int(Model().Get("Protocol"));
    protocol_->setCurrentIndex(stored < protocol_->count() ? stored : -1);
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
    // The same protocol: its option lists show the stored choices again.
    const QScopedValueRollback refreshing(Frame().Refreshing, true);
    for (int k = 0; k < SubtypeSelectorCount; ++k)
        Binder().Load(OptionListName(k));
}

void TPageMeth::CommitShown() {
    const int shown = protocol_->currentIndex();
    if (shown >= 0 && shown != Model().Get("Protocol")) cbProtocolExit();
}

// Everything on this page that depends on the protocol and the binder does not refill.
void TPageMeth::ProtocolRebuilt() {
    Model().Set("PrevProtocol", 0, Model().Get("Protocol"));
    EnableSpeedSources();
}
