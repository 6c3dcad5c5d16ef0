#pragma once

// Single-instance guard: one running copy of the program per user. The lock lives in the
// user's runtime folder and is named after the program's file name; a lock left behind by
// a crashed copy is taken over.

#include <QString>
#include <memory>

class QLockFile;

class TJustOne {
public:
    // Keyed by the running program's file name.
    TJustOne();
    explicit TJustOne(const QString& programName);
    ~TJustOne();
    TJustOne(const TJustOne&) = delete;
    TJustOne& operator=(const TJustOne&) = delete;

    // False when another copy holds the lock (or the lock cannot be made): this copy must
    // end without a word.
    bool IsFirst() const { return first_; }
    QString LockPath() const;

private:
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
};
