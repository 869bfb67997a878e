#pragma once

#include "sim/line_model.h"
#include "training/exercise.h"
#include "training/exercise_start.h"

#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

// The exercises an instructor can start and the snapshots kept during lessons, as files an
// instructor can read, copy and write: the exercises the program ships (the "exercises" folder
// among the document places), the instructor's own in the user's data folder's "exercises", and
// the snapshots in its "snapshots", one NAME.snapshot each.
class ExerciseLibrary {
public:
    ExerciseLibrary(QStringList places, std::filesystem::path own_folder);

    struct Entry {
        std::filesystem::path file;
        zun::ReadExercise read; // the exercise, or why its file does not read
    };
    // Every exercise file, the instructor's own first, each folder in name order.
    std::vector<Entry> exercises() const;

    // Finds a snapshot by name among those kept.
    zun::SnapshotFinder snapshots() const;
    // Keeps the line's state under `name`; the answer says why not, empty when kept.
    std::string keep_snapshot(const std::string &name, const zun::LineModel &line) const;

private:
    QStringList places_;
    std::filesystem::path own_folder_;
};
