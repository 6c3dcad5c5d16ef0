#pragma once

// TMLBaseDevice: a named link component that keeps its own entries in the application
// settings file, in the section named after it.

#include <QString>

class QSettings;

class TMLBaseDevice {
public:
    explicit TMLBaseDevice(QString name = QString()) : Name(std::move(name)) {}
    virtual ~TMLBaseDevice();

    TMLBaseDevice(const TMLBaseDevice&) = delete;
    TMLBaseDevice& operator=(const TMLBaseDevice&) = delete;

    virtual void LoadSettings(QSettings& ini);
    virtual void SaveSettings(QSettings& ini);

    // Also the settings file section of the component.
    QString Name;
};
