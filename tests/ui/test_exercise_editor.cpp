// The table in which the instructor edits an exercise's scripted malfunctions.
#include "ui/exercise_editor.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>

namespace {

zun::Exercise exercise_with_events()
{
    const zun::ReadExercise read = zun::read_exercise(
        "name: Отказ\nstart: step 3\nstep 3: fault 1 drive on\nat 90 s: fault 1 drive off\n"
        "runs 70 fwd: fault 70 fwd_end on\nat 2 s: fault clear\ngoal: reach step 4 within 60 s\n");
    EXPECT_TRUE(read.exercise) << read.error;
    return *read.exercise;
}

void choose(QTableWidget &table, int row, int column, const QVariant &value)
{
    auto &box = *static_cast<QComboBox *>(table.cellWidget(row, column));
    box.setCurrentIndex(box.findData(value));
}

const ExerciseEditor::Mechanisms mechanisms{{1, "1 телега"}, {70, "барабан моталки"}};

TEST(ExerciseEditor, ShowsEveryEventAndGivesTheSameExerciseBackUnchanged)
{
    const zun::Exercise exercise = exercise_with_events();
    const ExerciseEditor editor(exercise, mechanisms);
    ASSERT_EQ(editor.table().rowCount(), 4);
    EXPECT_EQ(editor.table().item(1, 0)->text(), "at 90 s");
    EXPECT_EQ(editor.table().item(2, 0)->text(), "runs 70 fwd");
    EXPECT_EQ(editor.read_rows().exercise, exercise);
}

TEST(ExerciseEditor, ChangedRowsBecomeTheExercisesEvents)
{
    ExerciseEditor editor(exercise_with_events(), mechanisms);
    QTableWidget &table = editor.table();
    table.item(0, 0)->setText(" step 30 ");
    choose(table, 0, 1, 70);
    choose(table, 0, 2, static_cast<int>(zun::FaultKind::ReverseEnd));
    table.removeRow(3);
    editor.add_row({zun::AtTime{5'000}, zun::input::Fault{1, zun::FaultKind::Permit, true}});
    choose(table, 3, 3, false);
    const std::optional<zun::Exercise> edited = editor.read_rows().exercise;
    ASSERT_TRUE(edited);
    const std::vector<zun::ScriptedEvent> events{
        {zun::StepBegins{30}, zun::input::Fault{70, zun::FaultKind::ReverseEnd, true}},
        {zun::AtTime{90'000}, zun::input::Fault{1, zun::FaultKind::Drive, false}},
        {zun::MechanismRuns{70, zun::Direction::Forward},
         zun::input::Fault{70, zun::FaultKind::ForwardEnd, true}},
        {zun::AtTime{5'000}, zun::input::Fault{1, zun::FaultKind::Permit, false}},
    };
    EXPECT_EQ(edited->events, events);
    EXPECT_EQ(edited->name, "Отказ") << "only the events change";
}

// A row that does not read is named, and the dialog stays open until it is mended.
TEST(ExerciseEditor, ARowThatDoesNotReadKeepsTheDialogOpen)
{
    ExerciseEditor editor(exercise_with_events(), mechanisms);
    QTableWidget &table = editor.table();
    const struct {
        int row;
        const char *when;
        bool set_all;
        const char *problem;
    } cases[] = {
        {1, "at 90", false, "Строка 2: «at 90» — ожидается at T s, step N или runs J fwd|rws."},
        {0, "step 99", false, "Строка 1: «step 99» — ожидается at T s, step N или runs J fwd|rws."},
        {3, "at 2 s", true, "Строка 4: все неисправности можно только снять."},
    };
    for (const auto &bad : cases) {
        ExerciseEditor fresh(exercise_with_events(), mechanisms);
        fresh.table().item(bad.row, 0)->setText(bad.when);
        if (bad.set_all)
            choose(fresh.table(), bad.row, 3, true);
        EXPECT_FALSE(fresh.read_rows().exercise) << bad.when;
        EXPECT_EQ(fresh.read_rows().problem, bad.problem);
    }
    editor.show();
    table.item(1, 0)->setText("soon");
    editor.accept();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_NE(editor.result(), QDialog::Accepted);
    table.item(1, 0)->setText("at 1500 ms");
    editor.accept();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
}

} // namespace
