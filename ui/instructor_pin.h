#pragma once

#include <QString>

class QSettings;

// The instructor's PIN, kept in the settings as a salted SHA-256 hash: the settings file never
// holds the PIN itself, and two trainers with the same PIN hold different hashes.
class InstructorPin {
public:
    explicit InstructorPin(QSettings &settings) : settings_(settings) {}

    bool is_set() const;
    // A new PIN with a new salt; an empty PIN removes the question.
    void set(const QString &pin);
    bool matches(const QString &pin) const;

private:
    QSettings &settings_;
};
