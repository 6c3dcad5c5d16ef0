#include "EditorControlTable.h"

namespace {

// Type prefixes of the control names.
const char* Prefix(TCtlKind kind) {
    switch (kind) {
    case TCtlKind::Spin:
        return "se";
    case TCtlKind::Check:
    case TCtlKind::Combo:
        return "cb";
    case TCtlKind::Radio:
    case TCtlKind::SoundPair:
        return "rg";
    case TCtlKind::Date:
        return "de";
    case TCtlKind::Time:
        return "me";
    case TCtlKind::Text:
        return "e";
    }
    return "";
}

} // namespace

QString RowControlName(const TControlRow& row) {
    if (row.name) return QString::fromUtf8(row.name);
    return QString::fromLatin1(Prefix(row.kind)) + QString::fromUtf8(row.setting);
}
