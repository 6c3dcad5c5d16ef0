// Feeds arbitrary bytes to the settings-file reader as a file's contents, then does what the
// program does with a file: the check that refuses one that is no device memory, decoding
// every section (also of a refused image, as a device read decodes whatever the device
// holds), every journal row, sum and export text, and tripconf-cli show --json.
// Whatever the bytes, a refusal is a TError and nothing reads or writes past a buffer.

#include "CliCommands.h"
#include "Errors.h"
#include "JournalExport.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Every text the journals viewer shows and exports.
void allJournalTexts(const TMK& m) {
    using namespace journals;
    const FaultCodeStyle style = CurrentFaultCodeStyle(m);
    for (DriveJournal j : {DriveJournal::Trip, DriveJournal::Tank})
        check(DriveTable(m, j).size() == std::size_t(JournalRecordCount + 1));
    for (int format = 0; format <= 11; ++format)
        FaultTable(m, FaultCodeStyleOf(m, format));
    for (int slot = 0; slot < FaultSlotCount; ++slot)
        FreezeFrameRows(ReadFaultRecord(m, slot), ReadFreezeFramePids(m));
    check(!EncodeExportText(DriveJournalText(m, DriveJournal::Tank) + SumsText(m) +
                            FaultJournalText(m, style))
               .isEmpty());
}

// tripconf-cli show --json over an accepted file gives valid JSON.
void showJson(const QString& path) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::Run({QStringLiteral("show"), path, QStringLiteral("--json")}, {o, e});
    o.flush();
    check(code == cli::ExitOk);
    QJsonParseError error;
    QJsonDocument::fromJson(out.toUtf8(), &error);
    check(error.error == QJsonParseError::NoError);
}

// The models are built once: a model's catalogues take far longer to build than anything
// done with one input. Between inputs the records go back to the defaults.
struct TModels {
    TMK loaded, read;
    std::array<QByteArray, SectionCountMax + 1> defaults;
    TModels() {
        for (int i = 1; i <= SectionCountMax; ++i)
            defaults[std::size_t(i)] = loaded.Section(i);
    }
    void reset(TMK& m) {
        m.DeviceVersion = DefaultDeviceVersion;
        m.SettingsImage.clear();
        for (int i = 1; i <= SectionCountMax; ++i)
            m.Section(i) = defaults[std::size_t(i)];
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    EnglishVersion = true;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static TModels models;
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = dir.filePath(QStringLiteral("input.veltg"));
    {
        QFile f(path);
        check(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    }

    TMK& loaded = models.loaded;
    models.reset(loaded);
    const QByteArray section6 = loaded.Section(6);
    bool accepted = true;
    try {
        LoadSettingsFile(loaded, path);
    } catch (const TError& e) {
        accepted = false;
        check(!e.message().isEmpty());
        // A refused file changes nothing.
        check(loaded.SettingsImage.isEmpty() && loaded.Section(6) == section6);
    }

    // The same image as a device read would deliver it: decoded without any check.
    TMK& read = models.read;
    models.reset(read);
    try {
        const DecodedSettingsFile decoded = DecodeSettingsFile(file, path);
        check(accepted == ImageProblem(decoded.image).isEmpty());
        read.DeviceVersion = decoded.deviceVersion;
        read.SettingsImage = decoded.image;
        read.ReadSections(1, SectionCountMax);
        allJournalTexts(read);
        // What a confirmed edit does: every section encoded back into the image.
        read.WriteSections(1, SectionCountMax);
        check(read.SettingsImage.size() <= MemorySize);
    } catch (const TError&) {
        check(!accepted);
    }
    if (accepted) showJson(path);
    return 0;
}
