#include "JsonWriter.h"

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

void escapeUnit(QByteArray& out, char16_t u) {
    const char e[6] = {'\\',
                       'u',
                       hexDigit(u >> 12 & 0xF),
                       hexDigit(u >> 8 & 0xF),
                       hexDigit(u >> 4 & 0xF),
                       hexDigit(u & 0xF)};
    out.append(e, 6);
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
    out_.append('"');
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    while (p != end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            switch (u) {
            case '"':
                out_.append("\\\"");
                break;
            case '\\':
                out_.append("\\\\");
                break;
            case '\b':
                out_.append("\\b");
                break;
            case '\f':
                out_.append("\\f");
                break;
            case '\n':
                out_.append("\\n");
                break;
            case '\r':
                out_.append("\\r");
                break;
            case '\t':
                out_.append("\\t");
                break;
            default:
                if (u < 0x20)
                    escapeUnit(out_, u);
                else
                    out_.append(char(u));
            }
        } else if (u < 0x800) {
            out_.append(char(0xC0 | u >> 6));
            out_.append(char(0x80 | (u & 0x3F)));
        } else if (QChar::isHighSurrogate(u) && p != end && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            const char bytes[4] = {char(0xF0 | c >> 18), char(0x80 | (c >> 12 & 0x3F)),
                                   char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
            out_.append(bytes, 4);
        } else if (QChar::isSurrogate(u)) {
            // A lone half of a pair has no UTF-8 form; the escape keeps it.
            escapeUnit(out_, u);
        } else {
            const char bytes[3] = {char(0xE0 | u >> 12), char(0x80 | (u >> 6 & 0x3F)),
                                   char(0x80 | (u & 0x3F))};
            out_.append(bytes, 3);
        }
    }
    out_.append('"');
}

QByteArray TJsonWriter::finish() {
    out_.append('\n');
    return std::exchange(out_, {});
}

} // namespace cli
