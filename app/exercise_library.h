#pragma once

#include "sim/line_model.h"
#include "store/history_database.h"
#include "training/course.h"
#include "training/exercise.h"
#include "training/exercise_start.h"

#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class HistoryService;
class QObject;

// The exercises an instructor can start, the courses that order them and the snapshots kept
// during lessons. The centre's library is in the history database, so that every PC sees the
// same; files import into it: the exercises (NAME.zex) and courses (NAME.zcourse) the program
// ships (the "exercises" folder among the document places) and the instructor's own in the user's
// data folder's "exercises". Without the database (none shared, or away), snapshots are kept in
// that folder's "snapshots", one NAME.snapshot each, and exercises changed in the program in its
// "exercises".
class ExerciseLibrary {
public:
    ExerciseLibrary(QStringList places, std::filesystem::path own_folder,
                    HistoryService *shared = nullptr);

    struct Entry {
        std::filesystem::path file;
        zun::ReadExercise read; // the exercise, or why its file does not read
    };
    // Every exercise file, the instructor's own first, each folder in name order.
    std::vector<Entry> exercise_files() const;

    // The centre's exercises, then the files' whose names it does not have, handed to `reply`
    // unless `receiver` is gone by then.
    using Exercises = std::function<void(std::vector<Entry> entries)>;
    void fetch_exercises(QObject *receiver, Exercises reply) const;
    // The start state of an exercise: the exercise is shared first when the centre lacks it;
    // `reply` is given the state, or why it cannot begin.
    using Start = std::function<void(zun::StartState start)>;
    void fetch_start(const zun::Exercise &exercise, QObject *receiver, Start reply) const;
    // The state a starting point (a step's, or a snapshot kept) begins in, or why it cannot.
    void fetch_start_state(const zun::ExerciseStart &start, QObject *receiver, Start reply) const;
    // The exercise of this name and its start state; without one of the name, none, and the
    // state says so.
    using NamedStart =
        std::function<void(std::optional<zun::Exercise> exercise, zun::StartState start)>;
    void fetch_named_start(const std::string &name, QObject *receiver, NamedStart reply) const;
    // The course named `wanted`, or the first by name when `wanted` is empty; the centre's
    // before the files'. Nothing when there is none.
    using CourseReply = std::function<void(std::optional<zun::Course> course)>;
    void fetch_course(const std::string &wanted, QObject *receiver, CourseReply reply) const;
    // The names of the snapshots kept, the centre's and the user's files', each once, by name.
    using Names = std::function<void(std::vector<std::string> names)>;
    void fetch_snapshot_names(QObject *receiver, Names reply) const;
    // A finder of the snapshots kept, the centre's first.
    using Snapshots = std::function<void(zun::SnapshotFinder find)>;
    void fetch_snapshots(QObject *receiver, Snapshots reply) const;
    // Keeps the line's state under `name`, in the centre's library when it is there; `reply` is
    // told why not, or nothing when kept.
    using Refusal = std::function<void(const std::string &why)>;
    void keep_snapshot(const std::string &name, const zun::LineModel &line, QObject *receiver,
                       Refusal reply) const;
    // Keeps an exercise the instructor has changed under its name, in place of the one before:
    // in the centre's library, or in the instructor's own folder while it is away.
    void save_exercise(const zun::Exercise &exercise, QObject *receiver, Refusal reply) const;
    // Writes every exercise, course and snapshot of the library into `folder` as files, one
    // per item; `reply` is told how many, or why not all.
    using Exported = std::function<void(int written, const std::string &problem)>;
    void export_to(const std::filesystem::path &folder, QObject *receiver, Exported reply) const;

private:
    // Puts an item read from a file into the centre's library, when it lacks one of its name.
    void share(HistoryDatabase::LibraryKind kind, const std::string &name,
               const std::string &text) const;
    // The instructor's own file of an exercise, written in place of the one before.
    std::string save_exercise_file(const zun::Exercise &exercise) const;
    std::vector<std::filesystem::path> folders() const;
    std::string keep_snapshot_file(const std::string &name, const std::string &text) const;
    std::optional<std::string> snapshot_file(std::string_view name) const;

    QStringList places_;
    std::filesystem::path own_folder_;
    HistoryService *shared_;
};
