#pragma once

// The list items that follow the device model and its protocol, in the current language:
// the protocol search methods, the protocols, a protocol's option lists, the speed and the
// fuel-level sources. The settings store an item's position in these lists.

#include "SettingContext.h"

#include <QStringList>

QStringList ProtocolMethodItems(const TSettingContext& c);
// The stored method is the last item ("Man."): the protocol is chosen by hand.
bool IsManualProtocolMethod(const TSettingContext& c);
QStringList ProtocolItems(const TSettingContext& c);
// Option list k (0..7) of the chosen protocol; empty without a protocol.
QStringList ProtocolOptionItems(const TSettingContext& c, int k);
QString ProtocolOptionCaption(const TSettingContext& c, int k);
QStringList SpeedSourceItems(const TSettingContext& c);
QStringList LevelSourceItems(const TSettingContext& c);
