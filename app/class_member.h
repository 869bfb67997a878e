#pragma once

#include "store/station_link.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <vector>

class ExerciseLibrary;
class StationService;
class TrainerSession;

// This PC in its centre's class: the session files it writes are streamed to the class, an
// examination the instructor set is resumed when the program starts, and the instructor's
// commands are carried out and confirmed. A command is one line:
//
//   freeze | run                    the line's clock stands or runs
//   speed FACTOR                    the clock's speed, 0.25..8
//   lesson exam | lesson training   an examination begins in a file of its own, or ends
//   fault J KIND on|off, fault clear   a malfunction, through the line's door
//   trainee NAME                    the session's trainee
//   exercise NAME                   the library's exercise starts
//   message TEXT                    shown to the trainee
//
// What changes the line goes through its door, so it is in the session's file and history. The
// answer is "ok", or what was wrong.
class ClassMember final : public QObject {
    Q_OBJECT

public:
    // Shows the instructor's message to the trainee.
    using MessageShower = std::function<void(const QString &text)>;
    // How far the line's time runs on in the session file before the file says so, while
    // nobody touches the line: the instructor sees the station's time within it.
    static constexpr std::chrono::milliseconds time_mark_interval{1000};

    ClassMember(StationService &station, TrainerSession &session, const ExerciseLibrary &library,
                MessageShower show_message);

    // Carries a command out; the answer is "ok", what was wrong, or empty for one whose answer
    // comes later (an exercise, which the library fetches first) and is confirmed then.
    QString carry_out(qint64 id, const QString &line);

signals:
    // The centre has told the lesson set for this station (or is away): an examination set has
    // begun by then.
    void lesson_known();

private:
    void follow_file();
    void resume_lesson();
    QString start_exercise(qint64 id, const QString &name);

    StationService &station_;
    TrainerSession &session_;
    const ExerciseLibrary &library_;
    MessageShower show_message_;
};
