#pragma once

#include "training/exercise.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QTableWidget;

// The instructor edits an exercise's scripted malfunctions in a table: one row per event, when
// it comes ("at 90 s", "step 30", "runs 1 fwd"), the mechanism, the malfunction (or all of
// them) and whether it is set or cleared. "Сохранить" is taken only when every row reads.
class ExerciseEditor final : public QDialog {
public:
    // The keyed mechanisms by number with their names, as the consoles have them.
    using Mechanisms = std::vector<std::pair<int, QString>>;

    ExerciseEditor(zun::Exercise exercise, Mechanisms mechanisms, QWidget *parent = nullptr);

    // The exercise with the table's events, or nothing while a row does not read; `problem`
    // then names the row and what is wrong.
    struct Rows {
        std::optional<zun::Exercise> exercise;
        QString problem;
    };
    Rows read_rows() const;

    QTableWidget &table() const { return *table_; }
    void add_row(const zun::ScriptedEvent &event);
    void accept() override;

private:
    zun::Exercise exercise_;
    Mechanisms mechanisms_;
    QTableWidget *table_;
    QLabel *problem_;
};
