#pragma once

#include "sim/door.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class InstructorPin;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The instructor's window, apart from the trainee's: the run and freeze of the whole simulation
// and its speed (both the clock driver's, asked for by signals), the lesson (the trainee's name,
// training or exam, the PIN that guards this window during an exam), the malfunctions of the
// keyed mechanisms, and the lesson as it goes. Lesson and malfunctions are inputs through its own
// door, which the freeze never closes.
class InstructorWindow final : public QWidget, public zun::InputObserver {
    Q_OBJECT

public:
    // Asks for the PIN; nothing when the instructor cancels.
    using PinAsker = std::function<std::optional<QString>(QWidget &parent)>;
    // Tells the one who asked why the window stays closed.
    using Notice = std::function<void(QWidget *parent, const QString &text)>;

    static constexpr int operations_shown = 20;

    explicit InstructorWindow(InstructorPin &pin, QWidget *parent = nullptr);

    // The model the window follows and commands, and when the stage it is in began; set before
    // the window is used, and again whenever the model is built anew.
    void set_door(zun::Door door, zun::Millis stage_began);

    // Opens the window as Ctrl+I in the main window asks: only for the right PIN, once one is set.
    // Returns whether it is open.
    bool open_on_request(QWidget *asking);
    void set_pin_asker(PinAsker asker) { ask_pin_ = std::move(asker); }
    // Who begins an examination: by default the window applies the lesson through the door; the
    // program's session begins it in a file of its own.
    using ExamBeginner = std::function<void()>;
    void set_exam_beginner(ExamBeginner begin) { begin_exam_ = std::move(begin); }
    void set_notice(Notice notice) { notice_ = std::move(notice); }
    // An examination the computer's administrator holds: the window does not end it.
    void set_exam_held(bool held) { exam_held_ = held; }
    // When the lesson in the windows began on the model's clock: the lesson's time counts from
    // there (from 0 until it is given).
    using LessonStart = std::function<zun::Millis()>;
    void set_lesson_start(LessonStart start) { lesson_start_ = std::move(start); }

    // The name the session takes when none is typed: the account's.
    void set_default_trainee(const QString &name);
    QString trainee_name() const;
    // The trainee of the session the windows show, as the program has it (a replayed or a
    // continued session's); not told back.
    void show_trainee(const QString &name);
    // The trainee's last operations, the latest last.
    QStringList operations() const;

    // Follows the model: the stage and its time, the lesson, the malfunctions.
    void refresh_from_model();
    // The clock driver's freeze, as the button shows it.
    void show_frozen(bool frozen);

    void input_applied(zun::Millis time, const zun::Input &input,
                       const zun::Answer &answer) override;
    void stage_changed(zun::Millis time, int before, int after) override;

signals:
    void freeze_requested(bool frozen);
    void speed_requested(double factor);
    void trainee_name_changed(const QString &name);
    // The instructor asks to pick an exercise and start it, or to keep the line's state now under
    // a name: the program's library answers.
    void exercise_requested();
    void snapshot_requested();
    // ... to start the line from a starting point (a step or a snapshot) with no exercise, to
    // edit an exercise's malfunctions, or to write the library out as files.
    void starting_point_requested();
    void exercise_edit_requested();
    void library_export_requested();

private:
    QWidget *make_run_box();
    QWidget *make_lesson_box();
    QWidget *make_fault_box();
    QWidget *make_progress_box();
    int chosen_mech() const;
    void set_pin();
    // Asks for the PIN when one is set; whether the right one was given.
    bool pin_given(QWidget *asking);
    void leave_exam();
    void follow_faults();
    void show_operations();
    void place_on_screen(const QWidget *asking);

    const zun::LineModel &model() const { return door_->model(); }

    std::optional<zun::Door> door_;
    InstructorPin &pin_;
    PinAsker ask_pin_;
    ExamBeginner begin_exam_;
    LessonStart lesson_start_;
    Notice notice_;

    QPushButton *freeze_ = nullptr;
    QComboBox *speed_ = nullptr;
    QLineEdit *name_ = nullptr;
    QRadioButton *training_ = nullptr;
    QRadioButton *exam_ = nullptr;
    QLineEdit *old_pin_edit_ = nullptr;
    QLineEdit *pin_edit_ = nullptr;
    QLabel *pin_state_ = nullptr;
    QComboBox *mech_ = nullptr;
    std::array<QCheckBox *, zun::fault_kind_count> fault_boxes_{};
    QListWidget *active_faults_ = nullptr;
    QLabel *stage_ = nullptr;
    QLabel *stage_time_ = nullptr;
    QWidget *fault_box_ = nullptr;
    QLabel *replay_note_ = nullptr;
    QListWidget *operations_ = nullptr;
    // Every operation the model was given, with its time: going back drops those after it. The
    // window sees only the inputs played on the model it is set on: a seek forwards in a replay
    // that starts from a moment kept after the old position builds the model over it and plays
    // the inputs up to the goal before the window is set on it, so the operations from the old
    // position to the goal are missing here (and stay missing after going back past them). The
    // list is the instructor's glance at what the trainee did; the report and the record, built
    // by the assessment, keep them all.
    struct Operation {
        zun::Millis time;
        QString text;
    };
    std::vector<Operation> operations_seen_;
    QString told_trainee_;
    int stage_seen_ = -1;
    bool placed_ = false;
    bool exam_held_ = false;
    zun::Millis stage_began_ = 0;
};
