#include "SettingsPrint.h"

#include "FieldAccess.h"
#include "Pars32H.h"
#include "TareTable.h"

#include <QCryptographicHash>

namespace {

constexpr int OdometerWeight = 4;
constexpr int TareWeight = 3;
constexpr const char* kUserNamedItems[] = {"ForsTOName", "GRMStrapName", "CandleName"};

QByteArray tareDigest(const QByteArray& tank) {
    const int length = int(ReadFieldInt(tank, FieldByName("TarirLeng")));
    if (length <= 0 || length > TareMaxPoints) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const char* name : {"TarirLit", "TarirRes"}) {
        const FieldDef& f = FieldByName(name);
        for (int i = 0; i < length; ++i)
            hash.addData(QByteArray::number(ReadFieldInt(tank, f, i)) + ',');
    }
    return hash.result().toHex();
}

} // namespace

TSettingsPrint PrintOf(const TMK& model) {
    // The table every device starts with tells no car from another.
    static const QByteArray defaultTare = tareDigest(TMK().Section(4));
    TSettingsPrint p;
    p.odometerStart = model.Get("AllPathStart");
    p.tare = tareDigest(model.Section(4));
    if (p.tare == defaultTare) p.tare.clear();
    for (const char* name : kUserNamedItems) {
        const QString text = model.GetText(name).trimmed();
        if (!text.isEmpty() && !IsDefaultText(name, text)) p.maintenanceNames << text;
    }
    return p;
}

int MatchScore(const TSettingsPrint& a, const TSettingsPrint& b) {
    int score = 0;
    if (a.odometerStart != 0 && a.odometerStart == b.odometerStart) score += OdometerWeight;
    if (!a.tare.isEmpty() && a.tare == b.tare) score += TareWeight;
    for (const QString& name : a.maintenanceNames)
        if (b.maintenanceNames.contains(name, Qt::CaseInsensitive)) ++score;
    return score;
}
