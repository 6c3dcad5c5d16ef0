#include "ReadBackCheck.h"

#include "DeviceMemory.h"
#include "Language.h"
#include "ML_RS232.h"

#include <QDir>
#include <QStringList>
#include <set>

namespace {

QString addressRange(const TReadBackDifference& d) {
    return d.firstAddress == d.lastAddress
               ? QString::number(d.firstAddress)
               : QStringLiteral("%1..%2").arg(d.firstAddress).arg(d.lastAddress);
}

QString readBackMessage(const std::vector<TReadBackDifference>& differences,
                        const QString& backupPath) {
    // "section 3 (addresses 300..302, 310), section 7 (addresses 1200..1231)"
    QStringList parts;
    for (std::size_t i = 0; i < differences.size();) {
        const int section = differences[i].section;
        QStringList ranges;
        for (; i < differences.size() && differences[i].section == section; ++i)
            ranges << addressRange(differences[i]);
        parts << Tx("section %1 (device addresses %2)", "раздел %1 (адреса МК %2)")
                     .arg(section)
                     .arg(ranges.join(QStringLiteral(", ")));
    }
    return Tx("The write verification failed: reading back found other values than were "
              "written in %1.\nBackup of the device's previous memory: %2",
              "Проверка записи не прошла: при обратном чтении найдены не те значения, что "
              "были записаны: %1.\nРезервная копия прежней памяти МК: %2")
        .arg(parts.join(QStringLiteral(", ")), QDir::toNativeSeparators(backupPath));
}

} // namespace

EReadBackError::EReadBackError(std::vector<TReadBackDifference> differences,
                               const QString& backupPath)
    : TError(readBackMessage(differences, backupPath)), differences_(std::move(differences)) {}

std::vector<int> BlocksOfWrittenRegions(const QByteArray& writtenImage) {
    std::set<int> blocks;
    for (const devmem::TRegion& r : devmem::SectionRegions(writtenImage))
        for (int a = r.address; a < r.address + r.count; a += BlockSize - a % BlockSize)
            blocks.insert(a / BlockSize);
    return {blocks.begin(), blocks.end()};
}

std::vector<TReadBackDifference> CompareReadBack(const QByteArray& writtenImage,
                                                 const QMap<int, QByteArray>& blocks) {
    std::vector<TReadBackDifference> out;
    for (const devmem::TRegion& r : devmem::SectionRegions(writtenImage)) {
        for (int k = 0; k < r.count; ++k) {
            const int address = r.address + k;
            const QByteArray block = blocks.value(address / BlockSize);
            const int at = address % BlockSize;
            const bool same = at < block.size() && block[at] == writtenImage[r.imageOffset + k];
            if (same) continue;
            if (!out.empty() && out.back().section == r.section &&
                out.back().lastAddress == address - 1)
                out.back().lastAddress = address;
            else
                out.push_back({r.section, address, address});
        }
    }
    return out;
}

void CheckWrittenRegions(TML_RS& link, const QByteArray& writtenImage, const QString& backupPath,
                         const std::function<void(int)>& progress) {
    const std::vector<int> blocks = BlocksOfWrittenRegions(writtenImage);
    const std::uint16_t writeTimeout = link.ResponseTimeout;
    link.ResponseTimeout = devmem::ConnectResponseTimeoutMs;
    QMap<int, QByteArray> read;
    try {
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            read.insert(blocks[i], ReadBlock(link, blocks[i]));
            if (progress) progress(devmem::RoundedPercent(int(i + 1), int(blocks.size())));
        }
    } catch (...) {
        link.ResponseTimeout = writeTimeout;
        throw;
    }
    link.ResponseTimeout = writeTimeout;
    std::vector<TReadBackDifference> differences = CompareReadBack(writtenImage, read);
    if (!differences.empty()) throw EReadBackError(std::move(differences), backupPath);
}
