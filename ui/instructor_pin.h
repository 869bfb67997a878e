#pragma once

#include <QString>

class QSettings;

// The instructor's PIN, kept in settings as a salted SHA-256 hash: the settings never hold the
// PIN itself, and two trainers with the same PIN hold different hashes. A PIN in the user's own
// settings is changed with the old one; a PIN in the system's configuration (written by the
// computer's administrator with zun-trainer-admin) is beyond the trainee's account and is not
// changed from the program at all.
class InstructorPin {
public:
    enum class Keeper { User, System };

    explicit InstructorPin(QSettings &settings, Keeper keeper = Keeper::User)
        : settings_(settings), keeper_(keeper)
    {
    }

    bool is_set() const;
    Keeper keeper() const { return keeper_; }
    // Puts `new_pin` in place of the PIN, which `old_pin` must match when one is set; an empty
    // new PIN removes the question. The answer says why not, empty when changed.
    QString change(const QString &old_pin, const QString &new_pin);
    bool matches(const QString &pin) const;

private:
    QSettings &settings_;
    Keeper keeper_;
};
