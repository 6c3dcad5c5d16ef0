// tripconf-cli render and sheet: a settings file's screen as a PNG, its settings sheet as a
// PDF and an HTML file, and their refusals.

#include "CliCommands.h"
#include "CliRun.h"
#include "Language.h"
#include "Pars32H.h"
#include "ScreenGeometry.h"
#include "SettingsFile.h"
#include "SettingsScreens.h"
#include "SimMemory.h"
#include "TripSim.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using Result = CliResult;

Result run(const QStringList& args) {
    return RunCli(args);
}

class CliRender : public ::testing::Test {
protected:
    void SetUp() override {
        // The tool's main makes a GUI application for render; so does this test.
        if (!QCoreApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
        EnglishVersion = true;
        // A device's memory as the simulator holds it, with one x4 screen changed.
        model_.SettingsImage = sim::ImageOfMemory(sim::TTripSim().Memory());
        model_.DeviceVersion = 0x4610;
        model_.ReadSections(1, 11);
        for (int place = 0; place < 4; ++place)
            model_.Set("Digit4", 4 + place, 12 + place);
        model_.WriteSection(9);
        SaveSettingsFile(model_, path("car.veltg"));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    TMK model_;

private:
    int argc_ = 1;
    char name_[16] = "tripconf-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
    QTemporaryDir dir_;
};

} // namespace

TEST_F(CliRender, DrawsTheChosenScreenInTheChosenScheme) {
    Result r = run({"render", path("car.veltg"), "--screen", "x4:2", "--scheme", "night", "--out",
                    path("x4.png")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const QImage image(path("x4.png"));
    ASSERT_EQ(image.size(), ScreenSize);
    const QPoint inPlace1 = PlaceRect(TScreenKind::X4, 1).bottomLeft() + QPoint(3, -3);
    EXPECT_EQ(image.pixelColor(inPlace1), SchemeColours(model_, 1).Role(TColourRole::DigitBack2));

    for (const char* screen : {"x1", "x1:3", "x6:2", "x9:3", "menu:2", "avg:9"}) {
        r = run({"render", path("car.veltg"), "--screen", screen, "--out", path("s.png")});
        EXPECT_EQ(r.code, 0) << screen << qPrintable(r.err);
        EXPECT_EQ(QImage(path("s.png")).size(), ScreenSize) << screen;
    }
}

TEST_F(CliRender, WrongScreensAndOptionsAreRefusedWithoutAPicture) {
    const QString out = path("none.png");
    auto render = [&](QStringList extra) {
        return run(QStringList{"render", path("car.veltg"), "--out", out} + extra);
    };
    Result r = render({"--screen", "x4:7"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("screen 7 does not exist; these settings have 6"))
        << qPrintable(r.err);
    for (const QStringList& wrong : {QStringList{"--screen", "x5"},
                                     {"--screen", "x4:0"},
                                     {"--screen", "x4:two"},
                                     {"--screen", "x4", "--scheme", "dusk"},
                                     {"--screen", "x4", "--lang", "de"},
                                     {}})
        EXPECT_EQ(render(wrong).code, 2) << qPrintable(wrong.join(' '));
    EXPECT_FALSE(QFile::exists(out));

    r = run({"render", path("car.veltg"), "--screen", "x4", "--out", path("no/such/dir/x.png")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Cannot write")) << qPrintable(r.err);
}

namespace {

// The text of a PDF as poppler's pdftotext reads it, rows kept on their lines.
QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        ADD_FAILURE() << "pdftotext (Debian's poppler-utils) did not read " << qPrintable(pdf);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a well-formed XHTML file; empty (and a failure) when it is not well formed.
QString XhtmlText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QString text;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters) text += xml.text().toString() + u' ';
    if (xml.hasError())
        ADD_FAILURE() << qPrintable(xml.errorString()) << " at line " << xml.lineNumber();
    return text.simplified();
}

} // namespace

TEST_F(CliRender, TheSheetHoldsTheCaptionAndShownValueOfWhatWasSetInBothLanguages) {
    const QString file = path("car.veltg");
    const QString name = QString::fromUtf8("Свечи NGK");
    ASSERT_EQ(run({"set", file, "UaccLowLimit=117", "CandleName=" + name}).code, 0);
    const QString volts = QLocale().toString(11.7, 'f', 1);

    struct Lang {
        const char* code;
        const char* caption;
        const char* unit;
    };
    for (const Lang& l :
         {Lang{"en", "Low battery voltage", " V"}, Lang{"ru", "Низкое напряжение АКБ", " В"}}) {
        const QString caption = QString::fromUtf8(l.caption);
        const QString shown = volts + QString::fromUtf8(l.unit);
        Result r = run({"sheet", file, "--out", path("s.pdf"), "--lang", l.code});
        ASSERT_EQ(r.code, 0) << qPrintable(r.err);
        const QString pdf = PdfText(path("s.pdf"));
        EXPECT_TRUE(pdf.contains(QRegularExpression(QRegularExpression::escape(caption) +
                                                    QStringLiteral(" +") +
                                                    QRegularExpression::escape(shown))))
            << l.code << "\n"
            << qPrintable(pdf.left(3000));
        EXPECT_TRUE(pdf.contains(name)) << l.code;

        r = run({"sheet", file, "--out", path("s.html"), "--lang", l.code});
        ASSERT_EQ(r.code, 0) << qPrintable(r.err);
        const QString html = XhtmlText(path("s.html"));
        EXPECT_TRUE(html.contains(caption + u' ' + shown)) << l.code;
        EXPECT_TRUE(html.contains(name)) << l.code;
    }

    // Neither a sheet of no file nor one of an unknown kind is written.
    EXPECT_EQ(run({"sheet", file, "--out", path("s.txt")}).code, 2);
    EXPECT_EQ(run({"sheet", path("none.veltg"), "--out", path("n.pdf")}).code, 1);
    EXPECT_FALSE(QFile::exists(path("n.pdf")));
}
