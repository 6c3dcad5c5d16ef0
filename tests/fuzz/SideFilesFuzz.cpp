// Feeds arbitrary bytes to the tank (".velto") and maintenance (".veltt") file readers.
// Whatever the bytes, reading copies at most the file's fixed size into the records, never
// past them, and writing the records back gives that many bytes of the file again; a file
// longer than its kind, or maintenance data the editor would refuse, is refused (TError)
// and changes nothing.

#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"
#include "SideFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Built once: a model's catalogues take far longer to build than reading one input.
TMK& freshModel() {
    static TMK model;
    static const TMK defaults;
    for (int i = 1; i <= SectionCountMax; ++i)
        model.Section(i) = defaults.Section(i);
    return model;
}

template <typename Decode, typename Encode, typename Load>
void readerHolds(const QByteArray& file, int fileSize, Decode decode, Encode encode, Load load,
                 const QString& path) {
    TMK& m = freshModel();
    const int copied = decode(file, m);
    check(copied == std::min<int>(int(file.size()), fileSize));
    const QByteArray back = encode(m);
    check(back.size() == fileSize);
    check(back.left(copied) == file.left(copied));
    for (int i = 1; i <= SectionCountMax; ++i)
        check(m.Section(i).size() == SectionRecordSize(i));

    QFile f(path);
    check(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    f.close();
    TMK& fromDisk = freshModel();
    const QByteArray untouched = encode(fromDisk);
    try {
        check(load(fromDisk, path) == copied);
        check(encode(fromDisk) == back);
        check(file.size() <= fileSize);
    } catch (const TError& e) {
        // A longer file, or maintenance data the editor would refuse: told, nothing changed.
        check(!e.message().isEmpty());
        check(encode(fromDisk) == untouched);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    readerHolds(file, TankFileSize, DecodeTankFile, EncodeTankFile, LoadTankFile,
                dir.filePath(QStringLiteral("t.velto")));
    readerHolds(file, MaintenanceFileSize, DecodeMaintenanceFile, EncodeMaintenanceFile,
                LoadMaintenanceFile, dir.filePath(QStringLiteral("m.veltt")));
    return 0;
}
