#include "DeviceRecords.h"

#include <algorithm>

const std::vector<TRecordSpan>& DeviceRecordSpans() {
    static const std::vector<TRecordSpan> spans = [] {
        std::vector<TRecordSpan> out;
        for (const FieldDef& f : FieldTable()) {
            if (!f.deviceRecord) continue;
            const TRecordSpan span{f.section, f.offset, FieldByteSize(f)};
            if (!out.empty() && out.back().section == span.section &&
                out.back().offset + out.back().size == span.offset)
                out.back().size += span.size;
            else
                out.push_back(span);
        }
        return out;
    }();
    return spans;
}

namespace {

// The bytes of the span both records hold.
int heldBytes(const TRecordSpan& s, const QByteArray& a, const QByteArray& b) {
    return std::clamp(int(std::min(a.size(), b.size())) - s.offset, 0, s.size);
}

} // namespace

void CopyDeviceRecords(TSectionRecords& to, const TSectionRecords& from) {
    for (const TRecordSpan& s : DeviceRecordSpans()) {
        QByteArray& target = to[std::size_t(s.section)];
        const QByteArray& source = from[std::size_t(s.section)];
        const int n = heldBytes(s, target, source);
        if (n > 0) target.replace(s.offset, n, source.mid(s.offset, n));
    }
}

bool SameDeviceRecords(const TSectionRecords& a, const TSectionRecords& b) {
    for (const TRecordSpan& s : DeviceRecordSpans()) {
        const QByteArray& x = a[std::size_t(s.section)];
        const QByteArray& y = b[std::size_t(s.section)];
        const int n = heldBytes(s, x, y);
        if (x.mid(s.offset, n) != y.mid(s.offset, n)) return false;
    }
    return true;
}
