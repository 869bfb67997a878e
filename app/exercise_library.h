#pragma once

#include "sim/line_model.h"
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

// The exercises an instructor can start and the snapshots kept during lessons. The centre's
// library is in the history database, so that every PC sees the same; files import into it: the
// exercises the program ships (the "exercises" folder among the document places) and the
// instructor's own in the user's data folder's "exercises". Without the database (none shared, or
// away), snapshots are kept in that folder's "snapshots", one NAME.snapshot each.
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
    // A finder of the snapshots kept, the centre's first.
    using Snapshots = std::function<void(zun::SnapshotFinder find)>;
    void fetch_snapshots(QObject *receiver, Snapshots reply) const;
    // Keeps the line's state under `name`, in the centre's library when it is there; `reply` is
    // told why not, or nothing when kept.
    using Refusal = std::function<void(const std::string &why)>;
    void keep_snapshot(const std::string &name, const zun::LineModel &line, QObject *receiver,
                       Refusal reply) const;
    // Puts an exercise read from a file into the centre's library, when it lacks one of its name.
    void share(const zun::Exercise &exercise) const;

private:
    std::string keep_snapshot_file(const std::string &name, const std::string &text) const;
    std::optional<std::string> snapshot_file(std::string_view name) const;

    QStringList places_;
    std::filesystem::path own_folder_;
    HistoryService *shared_;
};
