#pragma once

#include "instructor/class_room.h"

#include <QString>
#include <QStringList>

// The class table's columns, in order.
enum class ClassColumn {
    Station,
    Pc,
    Trainee,
    Lesson,
    Exercise,
    Step,
    TimeInStep,
    Score,
    Refusals,
    OutOfSequence,
    Faults,
    Connection,
    Command,
};
inline constexpr int class_column_count = static_cast<int>(ClassColumn::Command) + 1;

// A span of the session's time as the class shows it, "M:SS".
QString minutes_and_seconds(zun::Millis time);

// The columns' titles.
QStringList class_column_titles();

// What each column says of a station, as its row's texts in the columns' order. `last_command`
// is the line the instructor sent last.
QStringList class_row_texts(const ClassRow &row, const std::optional<SentCommand> &last_command);

// Who the station is, for the hint of its row's first column: its PC's account, the program's
// version, when the program started and when the station was last seen.
QString class_station_details(const ClassStation &station);
