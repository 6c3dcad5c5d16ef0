#include "EditorPage.h"

#include "ControlBinder.h"
#include "MK_SetParamsH.h"

TEditorPage::~TEditorPage() = default;

QWidget* TEditorPage::Create(const TPageDef& def) {
    def_ = &def;
    widget_ = new QWidget;
    widget_->setObjectName(QString::fromUtf8(def.name));
    Build(widget_);
    return widget_;
}

void TEditorPage::Load() {
    Binder().LoadUnder(widget_);
}

TMK& TEditorPage::Model() {
    return frame_.Model();
}
TControlBinder& TEditorPage::Binder() {
    return frame_.Binder();
}
const TDeviceCaps& TEditorPage::Caps() const {
    return frame_.Caps();
}
TProtCatalogue& TEditorPage::Catalogue() {
    return frame_.Catalogue();
}
const TProtBase* TEditorPage::CurrentProt() {
    return frame_.CurrentProt();
}
bool TEditorPage::EcuDataAvailable() {
    return frame_.EcuDataAvailable();
}
