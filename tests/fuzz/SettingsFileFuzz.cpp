// Feeds arbitrary bytes to the settings-file reader as a file's contents, then does what the
// program does with a file: the check that refuses one that is no device memory, decoding
// every section (also of a refused image, as a device read decodes whatever the device
// holds), every journal row, sum and export text, and tripconf-cli show --json; the texts
// and show once for every value of the records they read (TSeenBytes).
// Whatever the bytes, a refusal is a TError and nothing reads or writes past a buffer.

#include "CliCommands.h"
#include "Errors.h"
#include "JournalExport.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QHashFunctions>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// No coverage of its own: whether bytes were seen depends on the inputs before, not on
// this one, and libFuzzer would keep inputs for taking the other way here.
#define NO_COVERAGE __attribute__((no_sanitize("coverage")))

// Which bytes a step has already run on, so that it runs once for each. The journal texts
// and show --json are pure functions of a few records of the model (and its device version
// and header): on the same bytes they give the same texts along the same paths, so running
// them again checks nothing new (the language and the locale never change here).
// Mutations mostly leave those bytes as they were (a change in another section or between
// sections, or a damaged table that places no section), and then the step is skipped: in a
// minute's run seven in ten inputs skipped each journal part, one accepted file in six
// show. Exact: the bytes are kept and compared, the hash only picks the slot. One table
// allocated once, newer bytes taking an older entry's slot: an input that ends with more
// allocations than it began with makes libFuzzer run it again with a leak check. The parts'
// sizes are fixed (records and header); other sizes are never skipped.
class TSeenBytes {
public:
    using Parts = std::initializer_list<QByteArrayView>;

    explicit TSeenBytes(std::size_t slotCount) : slots_(slotCount) {}

    NO_COVERAGE bool contains(Parts parts) const {
        const char* key = slot(parts);
        if (!key) return false;
        for (QByteArrayView p : parts) {
            if (!p.empty() && std::memcmp(key, p.data(), std::size_t(p.size())) != 0) return false;
            key += p.size();
        }
        return true;
    }

    NO_COVERAGE void add(Parts parts) {
        if (keys_.empty()) {
            keySize_ = size(parts);
            keys_.assign(slots_ * keySize_, '\0');
            used_.assign(slots_, false);
        }
        if (size(parts) != keySize_) return;
        const std::size_t i = index(parts);
        char* key = keys_.data() + i * keySize_;
        for (QByteArrayView p : parts) {
            if (!p.empty()) std::memcpy(key, p.data(), std::size_t(p.size()));
            key += p.size();
        }
        used_[i] = true;
    }

private:
    NO_COVERAGE static std::size_t size(Parts parts) {
        std::size_t n = 0;
        for (QByteArrayView p : parts)
            n += std::size_t(p.size());
        return n;
    }
    NO_COVERAGE std::size_t index(Parts parts) const {
        std::size_t hash = 0;
        for (QByteArrayView p : parts)
            hash = qHashBits(p.data(), std::size_t(p.size()), hash);
        return hash % slots_;
    }
    // The slot these parts would have, when it is in use and its key has their size.
    NO_COVERAGE const char* slot(Parts parts) const {
        if (keys_.empty() || size(parts) != keySize_) return nullptr;
        const std::size_t i = index(parts);
        return used_[i] ? keys_.data() + i * keySize_ : nullptr;
    }

    std::size_t slots_;
    std::size_t keySize_ = 0;
    std::vector<char> keys_;
    std::vector<bool> used_;
};

// Runs `step` unless it ran on these bytes before.
template <class Step> void onceFor(TSeenBytes& seen, TSeenBytes::Parts parts, Step step) {
    if (seen.contains(parts)) return;
    step();
    seen.add(parts);
}

QByteArrayView bytesOf(const std::uint16_t& v) {
    return {reinterpret_cast<const char*>(&v), sizeof v};
}

constexpr std::size_t SeenSlots = 1024;

// Every text the journals viewer shows and exports, each built once: the export texts are
// the viewer's tables, so the tables are checked on the way. Each part runs once for each
// value of the records it reads (TSeenBytes).
void allJournalTexts(const TMK& m) {
    using namespace journals;
    // The drive journals and their prices are section 7.
    static TSeenBytes drives(SeenSlots);
    onceFor(drives, {m.Section(7)}, [&] {
        QString text;
        for (DriveJournal j : {DriveJournal::Trip, DriveJournal::Tank}) {
            const TextTable table = DriveTable(m, j);
            check(table.size() == std::size_t(JournalRecordCount + 1));
            text += TableText(table);
        }
        check(!EncodeExportText(text).isEmpty());
    });
    // The sums and the odometer start are section 1.
    static TSeenBytes sums(SeenSlots);
    onceFor(sums, {m.Section(1)}, [&] { check(!EncodeExportText(SumsText(m)).isEmpty()); });
    // The fault journal is section 11; its code format comes from the device and the
    // protocol and sub-types of section 10.
    static TSeenBytes faults(SeenSlots);
    onceFor(faults, {bytesOf(m.DeviceVersion), m.Section(10), m.Section(11)}, [&] {
        // The fault table and freeze frames in the protocol's own code format...
        check(!EncodeExportText(FaultJournalText(m, CurrentFaultCodeStyle(m))).isEmpty());
        // ...and every stored code in every other format: the format changes the code
        // text alone, so the rest of the table need not be built again for each, nor the
        // style's sub-type choices read again.
        FaultCodeStyle style = FaultCodeStyleOf(m, 0);
        for (int slot = 0; slot < FaultSlotCount; ++slot) {
            const FaultRecord r = ReadFaultRecord(m, slot);
            if (r.isEmpty()) continue;
            for (style.format = 0; style.format <= 11; ++style.format)
                FaultCodeText(style, r.code);
        }
    });
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
            // Once for each value of what show reads (TSeenBytes): all of the records.
            static_assert(SectionCountMax == 11);
            static TSeenBytes shown(SeenSlots);
            onceFor(shown,
                    {loaded.Header, bytesOf(loaded.DeviceVersion), loaded.Section(1),
                     loaded.Section(2), loaded.Section(3), loaded.Section(4), loaded.Section(5),
                     loaded.Section(6), loaded.Section(7), loaded.Section(8), loaded.Section(9),
                     loaded.Section(10), loaded.Section(11)},
                    [&] { showJson(loaded); });
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
