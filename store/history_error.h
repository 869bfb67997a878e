#pragma once

#include <QString>

#include <stdexcept>

// The history cannot be read or written; the text says why, for the message the user sees.
class HistoryError : public std::runtime_error {
public:
    explicit HistoryError(const QString &text)
        : std::runtime_error(text.toStdString()), text_(text)
    {
    }
    const QString &text() const { return text_; }

private:
    QString text_;
};
