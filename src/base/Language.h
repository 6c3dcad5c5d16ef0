#pragma once

#include <QString>

// The one process-wide language flag: false shows Russian, true English.
extern bool EnglishVersion;

// A user-visible text in both languages, English first.
struct TText {
    const char* en;
    const char* ru;
    QString text() const { return QString::fromUtf8(EnglishVersion ? en : ru); }
};

// Picks the text of the current language.
inline QString Tx(const char* en, const char* ru) { return TText{en, ru}.text(); }
