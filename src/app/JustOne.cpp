#include "JustOne.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

TJustOne::TJustOne() : TJustOne(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) {}

TJustOne::TJustOne(const QString& programName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    lock_ =
        std::make_unique<QLockFile>(QDir(folder).filePath(programName + QStringLiteral(".lock")));
    // A lock whose owner died is removed by QLockFile; a live owner's lock never goes stale.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
}

TJustOne::~TJustOne() = default;

QString TJustOne::LockPath() const {
    return lock_->fileName();
}
