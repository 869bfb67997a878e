#pragma once

#include "app/exercise_library.h"
#include "ui/instructor_pin.h"
#include "ui/instructor_window.h"

#include <QSettings>

class ClockDriver;
class Forms;
class TrainerSession;

// The instructor's place in the program: the window with its PIN in the settings, told of every
// input and of every advance of the clock, its freeze and speed handed to the clock's driver, and
// opened by Ctrl+I in the main window. The model and its windows are built anew when the trainee
// goes back in time or a replay ends: each new set is attached.
class InstructorStation final {
public:
    // The file of the system's configuration that the computer's administrator writes with
    // zun-trainer-admin: a PIN there, and an examination held there, are beyond the trainee's
    // account.
    static constexpr const char *system_settings_file = "/etc/zun-trainer/instructor.conf";

    explicit InstructorStation(
        ClockDriver &clock, const QString &system_file = QString::fromLatin1(system_settings_file));
    InstructorStation(const InstructorStation &) = delete;
    InstructorStation &operator=(const InstructorStation &) = delete;
    ~InstructorStation();

    // Follows these windows and their model from now on, in place of the ones before.
    void attach(Forms &forms);
    // Follows the program's session: its windows, the trainee's name both ways, and a replay,
    // which moves the model without the live clock and shows another trainee's session. The
    // session's rebuilt windows are attached by whoever is told of them.
    // The instructor's exercises and snapshots come from `library`.
    void follow(TrainerSession &session, const ExerciseLibrary &library);

    InstructorWindow &window() { return window_; }
    // Whether the system's configuration holds an examination: it begins when the program starts,
    // and the window does not end it.
    bool exam_held() const;
    // The model moved (the clock advanced, or a replay played on): the window follows it.
    void follow_model();

    // Whether the program's arguments ask for the instructor's window at the start.
    static bool asked_for(const QStringList &arguments);

private:
    void detach();
    // The instructor picks one of the library's exercises and the session starts it.
    void pick_exercise(TrainerSession &session, const ExerciseLibrary &library);
    void keep_snapshot(const ExerciseLibrary &library);
    // The instructor picks a step or a snapshot and the line starts there, with no exercise.
    void pick_starting_point(TrainerSession &session, const ExerciseLibrary &library);
    // The instructor picks an exercise, edits its malfunctions in a table and keeps it.
    void edit_exercise(const ExerciseLibrary &library);
    // The instructor picks a folder and the library is written into it.
    void export_library(const ExerciseLibrary &library);
    // Lets the instructor pick one of the exercises that read; nothing when cancelled.
    std::optional<zun::Exercise> choose_exercise(const std::vector<ExerciseLibrary::Entry> &entries,
                                                 const QString &question);
    void keep_in_front();
    // Says why the line did not start anew (an exercise or a starting point); nothing when it
    // did.
    void refuse_start(const QString &why);

    ClockDriver &clock_;
    Forms *forms_ = nullptr;
    QSettings settings_;
    QSettings system_settings_; // read, never written
    QSettings &pin_settings_;   // the system's when it holds a PIN, else the user's
    InstructorPin pin_;
    InstructorWindow window_;
    QMetaObject::Connection main_window_request_;
};
