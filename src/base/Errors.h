#pragma once

#include <QString>
#include <exception>
#include <string>

// Every failure the user may see is an exception carrying the text to show.
class TError : public std::exception {
public:
    explicit TError(QString message)
        : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A value that does not fit its field; the field keeps its old value.
class ERangeError : public TError {
public:
    ERangeError() : TError(QStringLiteral("Range check error")) {}
    // The same error with where it happened in front ("Row 12: Range check error").
    explicit ERangeError(const QString& where)
        : TError(where + QStringLiteral(": Range check error")) {}
};
