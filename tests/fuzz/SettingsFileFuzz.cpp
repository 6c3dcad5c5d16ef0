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
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Every text the journals viewer shows and exports, each built once: the export texts are
// the viewer's tables, so the tables are checked on the way.
void allJournalTexts(const TMK& m) {
    using namespace journals;
    QString text;
    for (DriveJournal j : {DriveJournal::Trip, DriveJournal::Tank}) {
        const TextTable table = DriveTable(m, j);
        check(table.size() == std::size_t(JournalRecordCount + 1));
        text += TableText(table);
    }
    // The fault table and freeze frames in the protocol's own code format...
    text += SumsText(m) + FaultJournalText(m, CurrentFaultCodeStyle(m));
    check(!EncodeExportText(text).isEmpty());
    // ...and every stored code in every other format: the format changes the code text
    // alone, so the rest of the table need not be built again for each, nor the style's
    // sub-type choices read again.
    FaultCodeStyle style = FaultCodeStyleOf(m, 0);
    for (int slot = 0; slot < FaultSlotCount; ++slot) {
        const FaultRecord r = ReadFaultRecord(m, slot);
        if (r.isEmpty()) continue;
        for (style.format = 0; style.format <= 11; ++style.format)
            FaultCodeText(style, r.code);
    }
}

// The journals take the fault-code format from the master list alone; the catalogue the
// editor builds for the same device and choice must agree, an unknown device reading as the
// default model in both. Each pair is built once: a
// catalogue depends on nothing else, and building one costs more than the rest of an input.
void catalogueAgrees(const TMK& m) {
    static std::vector<bool> seen(std::size_t(1) << 24);
    const int protocol = int(m.Get("Protocol")) & 0xFF;
    const std::uint16_t type = CatalogueDeviceType(m.DeviceVersion);
    const std::size_t pair = std::size_t(type) << 8 | std::size_t(protocol);
    if (seen[pair]) return;
    seen[pair] = true;
    TProtCatalogue catalogue;
    catalogue.Build(type, protocol);
    const TProtBase* entry = catalogue.Current();
    check(journals::CurrentFaultCodeStyle(m).format == (entry ? entry->FaultCodeFormat : 0));
}

// tripconf-cli show --json over an accepted file gives valid JSON. The command loads the
// file into a fresh model; `loaded` is one (defaults, then this file), so the command's
// writer runs on it rather than on a model built again for every input.
void showJson(const TMK& loaded) {
    QByteArray out;
    {
        QTextStream o(&out); // UTF-8 straight into `out`, as the command's stdout gets it
        cli::ShowJson(loaded, o);
    }
    QJsonParseError error;
    QJsonDocument::fromJson(out, &error);
    check(error.error == QJsonParseError::NoError);
    // Qt's reader lets a raw control character inside a string pass; JSON does not, and
    // the layout puts only line ends between the tokens. strcspn also stops at a zero byte
    // inside the text, and the C library's scan is many times faster than a loop here.
    static const std::string controls = [] {
        std::string s;
        for (char c = 1; c < 0x20; ++c)
            if (c != '\n') s += c;
        return s;
    }();
    check(std::strcspn(out.constData(), controls.c_str()) == std::size_t(out.size()));
}

// The models are built once: a model's catalogues take far longer to build than anything
// done with one input. Between inputs the records go back to the defaults.
struct TModels {
    TMK loaded, read;
    QByteArray header;
    std::array<QByteArray, SectionCountMax + 1> defaults;
    TModels() : header(loaded.Header) {
        for (int i = 1; i <= SectionCountMax; ++i)
            defaults[std::size_t(i)] = loaded.Section(i);
    }
    void reset(TMK& m) {
        m.DeviceVersion = DefaultDeviceVersion;
        m.SettingsImage.clear();
        m.Header = header;
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

    // The same image as a device read would deliver it: decoded without any check. An
    // accepted file's image is that already, decoded by the same code on the way into
    // `loaded`; decoding the bytes a second time would only repeat it.
    TMK& read = models.read;
    TMK& m = accepted ? loaded : read;
    try {
        if (accepted) {
            // Before any section is written back: that may change the header it reads.
            showJson(loaded);
        } else {
            models.reset(read);
            const DecodedSettingsFile decoded = DecodeSettingsFile(file, path);
            check(!ImageProblem(decoded.image).isEmpty());
            read.DeviceVersion = decoded.deviceVersion;
            read.SettingsImage = decoded.image;
            read.ReadSections(1, SectionCountMax);
        }
        allJournalTexts(m);
        catalogueAgrees(m);
        // What a confirmed edit does: every section encoded back into the image.
        m.WriteSections(1, SectionCountMax);
        check(m.SettingsImage.size() <= MemorySize);
    } catch (const TError&) {
        check(!accepted);
    }
    // What this input made is freed before it ends: libFuzzer runs an input again with a
    // leak check whenever it ends with more allocations than it started with.
    models.reset(loaded);
    models.reset(read);
    return 0;
}
