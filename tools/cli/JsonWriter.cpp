#include "JsonWriter.h"

#include <QIODevice>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <utility>

namespace cli {

namespace {

constexpr int IndentWidth = 4;
// show --json's document is about 40 KB; one allocation holds it.
constexpr qsizetype ExpectedSize = 64 * 1024;

char hexDigit(unsigned v) {
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}

char* escapeUnit(char* p, char16_t u) {
    *p++ = '\\';
    *p++ = 'u';
    for (int shift = 12; shift >= 0; shift -= 4)
        *p++ = hexDigit(u >> shift & 0xF);
    return p;
}

template <class T> void appendNumber(QByteArray& out, T v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr - buf);
}

} // namespace

TJsonWriter::TJsonWriter() {
    out_.reserve(ExpectedSize);
}

void TJsonWriter::indent(std::size_t depth) {
    out_.append(qsizetype(depth) * IndentWidth, ' ');
}

void TJsonWriter::beginValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) return;
    Level& level = levels_.back();
    if (level.oneLine) {
        if (level.count++) out_.append(", ");
        return;
    }
    out_.append(level.count++ ? ",\n" : "\n");
    indent(levels_.size());
}

void TJsonWriter::key(std::string_view name) {
    beginValue();
    out_.append('"');
    out_.append(name.data(), qsizetype(name.size()));
    out_.append("\": ");
    afterKey_ = true;
}

void TJsonWriter::open(char bracket, bool oneLine) {
    beginValue();
    out_.append(bracket);
    levels_.push_back({0, oneLine || (!levels_.empty() && levels_.back().oneLine)});
}

void TJsonWriter::close(char bracket) {
    const bool oneLine = levels_.back().oneLine;
    levels_.pop_back();
    if (!oneLine) {
        out_.append('\n');
        indent(levels_.size());
    }
    out_.append(bracket);
}

void TJsonWriter::beginObject() {
    open('{', false);
}
void TJsonWriter::beginLineObject() {
    open('{', true);
}
void TJsonWriter::endObject() {
    close('}');
}
void TJsonWriter::beginArray() {
    open('[', false);
}
void TJsonWriter::endArray() {
    close(']');
}

void TJsonWriter::value(std::int64_t v) {
    beginValue();
    appendNumber(out_, v);
}

void TJsonWriter::value(std::uint64_t v) {
    beginValue();
    appendNumber(out_, v);
}

void TJsonWriter::value(double v) {
    beginValue();
    if (std::isfinite(v))
        out_.append(QByteArray::number(v, 'g', QLocale::FloatingPointShortest));
    else
        out_.append("null");
}

void TJsonWriter::value(const QString& text) {
    beginValue();
    // Written through a pointer into room for the longest form (six bytes a unit, an escape),
    // then cut to what was written: appending byte by byte checked the room every time.
    const qsizetype start = out_.size();
    out_.resize(start + 6 * text.size() + 2);
    char* o = out_.data() + start;
    *o++ = '"';
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    while (p != end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            const char* escape = nullptr;
            switch (u) {
            case '"':
                escape = "\\\"";
                break;
            case '\\':
                escape = "\\\\";
                break;
            case '\b':
                escape = "\\b";
                break;
            case '\f':
                escape = "\\f";
                break;
            case '\n':
                escape = "\\n";
                break;
            case '\r':
                escape = "\\r";
                break;
            case '\t':
                escape = "\\t";
                break;
            default:
                if (u < 0x20)
                    o = escapeUnit(o, u);
                else
                    *o++ = char(u);
            }
            if (escape) {
                *o++ = escape[0];
                *o++ = escape[1];
            }
        } else if (u < 0x800) {
            *o++ = char(0xC0 | u >> 6);
            *o++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && p != end && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            *o++ = char(0xF0 | c >> 18);
            *o++ = char(0x80 | (c >> 12 & 0x3F));
            *o++ = char(0x80 | (c >> 6 & 0x3F));
            *o++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(u)) {
            // A lone half of a pair has no UTF-8 form; the escape keeps it.
            o = escapeUnit(o, u);
        } else {
            *o++ = char(0xE0 | u >> 12);
            *o++ = char(0x80 | (u >> 6 & 0x3F));
            *o++ = char(0x80 | (u & 0x3F));
        }
    }
    *o++ = '"';
    out_.truncate(o - out_.constData());
}

void WriteUtf8(QTextStream& out, const QByteArray& text) {
    if (QIODevice* device = out.device()) {
        out.flush();
        device->write(text);
    } else {
        out << text;
    }
}

QByteArray TJsonWriter::finish() {
    out_.append('\n');
    return std::exchange(out_, {});
}

} // namespace cli
