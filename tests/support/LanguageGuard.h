#pragma once

#include "Language.h"

// Sets the interface language for one test and restores it afterwards.
class LanguageGuard {
public:
    explicit LanguageGuard(bool english) { EnglishVersion = english; }
    ~LanguageGuard() { EnglishVersion = saved_; }
    LanguageGuard(const LanguageGuard&) = delete;
    LanguageGuard& operator=(const LanguageGuard&) = delete;

private:
    bool saved_ = EnglishVersion;
};
