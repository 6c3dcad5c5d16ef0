#include "JustOne.h"
#include "GuiTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Every guard of these tests lives in a runtime folder of its own.
class RuntimeFolder {
public:
    RuntimeFolder() : previous_(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
    }
    ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", previous_); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

} // namespace

TEST(JustOne, OnlyTheFirstGuardOfAProgramNameHoldsTheLock) {
    TestApp();
    RuntimeFolder runtime;
    auto first = std::make_unique<TJustOne>("tripconf");
    EXPECT_TRUE(first->IsFirst());
    EXPECT_EQ(QFileInfo(first->LockPath()).absolutePath(), runtime.path());
    EXPECT_FALSE(TJustOne("tripconf").IsFirst());
    EXPECT_TRUE(TJustOne("otherprogram").IsFirst()) << "keyed by the program's file name";
    first.reset();
    EXPECT_TRUE(TJustOne("tripconf").IsFirst()) << "released with its owner";
}

TEST(JustOne, ASecondCopyOfTheProgramEndsSilently) {
    TestApp();
    RuntimeFolder runtime;
    const QString program = QStringLiteral(TRIP_BINARY_DIR "/src/tripconf");
    ASSERT_TRUE(QFileInfo::exists(program)) << "build the tripconf target first";
    const TJustOne running("tripconf");
    ASSERT_TRUE(running.IsFirst());

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(runtime.path());
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second copy kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
}
