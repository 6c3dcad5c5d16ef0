// The link's own thread: where tasks and the link live, the order of tasks, what reaches the
// window's thread and how a task asks that thread something.

#include "LinkThread.h"
#include "../app/GuiTestSupport.h"
#include "Errors.h"
#include "ML_RS232.h"
#include "ScriptedPrompt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(LinkThread, TasksRunInTurnOnTheLinksThreadAndAskTheWindowsThreadWhenTheyMust) {
    TestApp();
    PromptScope prompts;
    ScriptedPrompt& prompt = *prompts.prompt;
    QThread* const windowThread = QThread::currentThread();
    QThread* shownOn = nullptr;
    prompt.onShow = [&] { shownOn = QThread::currentThread(); };

    // No port of the map exists, so the link says so when it is made.
    QTemporaryDir dir;
    TPortMap map;
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n)
        map.SetPath(n, dir.filePath(QStringLiteral("none%1").arg(n)));
    QThread* linkMadeOn = nullptr;
    TLinkThread link([&] {
        linkMadeOn = QThread::currentThread();
        return std::make_unique<TML_RS>(MakeQtSerialPortIo(), map);
    });

    std::vector<int> order;
    QThread* ranOn = nullptr;
    QString failure;
    link.Post([&](TLinkJob&) {
        order.push_back(1);
        ranOn = QThread::currentThread();
    });
    link.Post([](TLinkJob&) { throw std::runtime_error("broken"); },
              [&](const QString& error) { failure = error; });
    EXPECT_TRUE(link.Busy());
    QThread* askedOn = nullptr;
    int answer = 0;
    const QString error = link.Run([&](TLinkJob& job) {
        order.push_back(3);
        answer = job.AskGui([&] {
            askedOn = QThread::currentThread();
            return 42;
        });
    });
    EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
    EXPECT_FALSE(link.Busy());
    EXPECT_EQ(linkMadeOn, link.WorkerThread());
    EXPECT_EQ(ranOn, link.WorkerThread());
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
    EXPECT_EQ(failure, "broken") << "a failed task stops nothing after it";
    EXPECT_EQ(answer, 42);
    EXPECT_EQ(askedOn, windowThread);
    EXPECT_EQ(prompt.errors, QStringList{"Can not find free serial port!"});
    EXPECT_EQ(shownOn, windowThread) << "message boxes only on the window's thread";
    EXPECT_FALSE(link.State().open);
    EXPECT_EQ(link.State().noLinkMessage, "RS232. No link. Check PC-device connection.");

    // What the question throws ends the task with its message.
    EXPECT_EQ(link.Run([](TLinkJob& job) { job.AskGui([] { throw ERangeError(); }); }),
              "Range check error");

    // Phase and progress are on the window's thread before the task's end is.
    std::vector<int> seen;
    QObject::connect(&link, &TLinkThread::PhaseChanged, &link, [&](TLinkThread::Phase p) {
        seen.push_back(p == TLinkThread::Phase::Writing ? -2 : -1);
    });
    QObject::connect(&link, &TLinkThread::ProgressChanged, &link,
                     [&](int percent) { seen.push_back(percent); });
    link.Run([](TLinkJob& job) {
        job.EnterPhase(TLinkThread::Phase::Writing);
        for (int percent : {0, 0, 50, 100, 100})
            job.Progress(percent);
    });
    EXPECT_EQ(seen, (std::vector<int>{-2, 0, 50, 100}));
}
