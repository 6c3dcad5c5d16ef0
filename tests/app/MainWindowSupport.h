#pragma once

// A main window over a scratch settings file, with the program's questions answered by a
// ScriptedPrompt. Shared by the window tests with and without the simulated trip computer.

#include "GuiTestSupport.h"
#include "Language.h"
#include "Main32HPars.h"
#include "ScriptedPrompt.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        EnglishVersion = false;
        iniPath = dir.filePath("tripconf.ini");
        WritePortMap(iniPath, dir.path(), com1Path());
    }
    // The window's options: the scratch settings file, backups in the scratch folder.
    TMainFormOptions options(const QString& portPath = {}) const {
        return {iniPath, portPath, dir.filePath("backups"), dir.filePath("data")};
    }
    // The device path COM1 stands for; none by default.
    virtual QString com1Path() const { return {}; }

    std::unique_ptr<TMainForm> openWindow() {
        auto form = std::make_unique<TMainForm>(options());
        form->show();
        // Without any present port the link says so once at start; that is not the test.
        prompt.errors.removeAll(QStringLiteral("Can not find free serial port!"));
        return form;
    }
    template <typename T = QPushButton> static T* control(TMainForm& form, const char* name) {
        T* w = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void click(TMainForm& form, const char* name);
    // The four step buttons: all enabled (1), all disabled (0), or mixed (-1).
    static int stepButtons(TMainForm& form);
    static QByteArray fileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString iniPath;
    PromptScope prompts;
    ScriptedPrompt& prompt = *prompts.prompt;
};

inline void MainWindowFixture::click(TMainForm& form, const char* name) {
    QPushButton* b = control(form, name);
    ASSERT_TRUE(b && b->isEnabled()) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

inline int MainWindowFixture::stepButtons(TMainForm& form) {
    int on = 0;
    for (const char* name : {"bEditParams", "bViewJournals", "bSaveParams", "bSetParams"})
        on += control(form, name)->isEnabled() ? 1 : 0;
    return on == 4 ? 1 : on == 0 ? 0 : -1;
}
