#pragma once

// JSON text written straight into one byte array, laid out as Qt's indented documents are
// (four spaces a level, "key": value, one member or element a line). show --json prints
// some forty kilobytes; built as a QJsonObject first, that took thousands of small
// allocations, and a u64 past the signed range needed a second pass over the text, since
// QJsonValue holds no such number. Members come out in the order they are written. An object
// can also be written on one line, as history --json writes an event.

#include <QByteArray>
#include <QString>
#include <QTextStream>
#include <cstdint>
#include <string_view>
#include <vector>

namespace cli {

class TJsonWriter {
public:
    TJsonWriter();

    void beginObject();
    // An object on one line, members after ", "; what it holds is on that line too.
    void beginLineObject();
    void endObject();
    void beginArray();
    void endArray();
    // The next value's name inside an object; names are plain ASCII.
    void key(std::string_view name);

    void value(std::int64_t v);
    void value(std::uint64_t v);
    void value(int v) { value(std::int64_t(v)); }
    // As Qt writes a double: the shortest text that reads back exactly, null when the
    // value is not finite (JSON has no NaN or infinity).
    void value(double v);
    void value(const QString& text);

    // The document, with a line end after its last bracket; the writer is left empty.
    QByteArray finish();

private:
    void beginValue();
    void open(char bracket, bool oneLine);
    void close(char bracket);
    void indent(std::size_t depth);

    QByteArray out_;
    struct Level {
        int count = 0; // members or elements written so far
        bool oneLine = false;
    };
    std::vector<Level> levels_; // per open bracket
    bool afterKey_ = false;
};

// The writer's UTF-8 to a stream: straight to its file when it has one (decoding megabytes
// only to encode them again took a fifth of history --json's time), else decoded.
void WriteUtf8(QTextStream& out, const QByteArray& text);

} // namespace cli
