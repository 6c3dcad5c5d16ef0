#include "ML_BD.h"

TMLBaseDevice::~TMLBaseDevice() = default;

void TMLBaseDevice::LoadSettings(QSettings&) {}

void TMLBaseDevice::SaveSettings(QSettings&) {}
