#include "instructor_window.h"

#include "sessions/input_lines.h"
#include "sessions/text_line.h"
#include "sim/steps_texts.h"
#include "training/assessment.h"
#include "training/lesson_log.h"
#include "training/remark_words.h"
#include "ui/instructor_pin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>

#include <utility>
#include <variant>

namespace {

struct Speed {
    const char *caption;
    double factor;
};
constexpr Speed speeds[] = {{"×¼", 0.25}, {"×½", 0.5}, {"×1", 1}, {"×2", 2}, {"×4", 4}, {"×8", 8}};
constexpr int normal_speed = 2;

QString fault_caption(zun::FaultKind kind)
{
    const std::string_view text = zun::fault_text(kind);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString lesson_caption(zun::LessonKind kind)
{
    const std::string_view text = zun::lesson_text(kind);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString refusal_text(zun::Refusal refusal)
{
    const std::string_view text = zun::refusal_in_words(refusal);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString clock_text(zun::Millis time)
{
    const zun::Millis seconds = time / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

std::optional<QString> ask_pin_in_dialog(QWidget &parent)
{
    bool ok = false;
    const QString pin =
        QInputDialog::getText(&parent, QStringLiteral("Окно инструктора"),
                              QStringLiteral("PIN инструктора:"), QLineEdit::Password, {}, &ok);
    return ok ? std::optional<QString>(pin) : std::nullopt;
}

void warn_in_box(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QStringLiteral("Окно инструктора"), text);
}

// A name is one line: a line break or another control character pasted into it becomes a space
// where it is typed, before anything reads it.
class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &text, int &) const override
    {
        for (QChar &character : text)
            if (character.category() == QChar::Other_Control ||
                character == QChar::LineSeparator || character == QChar::ParagraphSeparator)
                character = u' ';
        return Acceptable;
    }
};

} // namespace

InstructorWindow::InstructorWindow(InstructorPin &pin, QWidget *parent)
    : QWidget(parent, Qt::Window), pin_(pin),
      ask_pin_(ask_pin_in_dialog), notice_(warn_in_box)
{
    setObjectName(QStringLiteral("Form_Instructor"));
    setWindowTitle(QStringLiteral("Окно инструктора"));
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(make_run_box());
    left->addWidget(make_lesson_box());
    left->addWidget(make_fault_box());
    columns->addLayout(left);
    columns->addWidget(make_progress_box());
    resize(860, 560);
}

QWidget *InstructorWindow::make_run_box()
{
    auto *box = new QGroupBox(QStringLiteral("Моделирование"));
    auto *row = new QHBoxLayout(box);
    freeze_ = new QPushButton(QStringLiteral("Заморозить"));
    freeze_->setObjectName(QStringLiteral("Button_Freeze"));
    freeze_->setCheckable(true);
    connect(freeze_, &QPushButton::clicked, this, &InstructorWindow::freeze_requested);
    speed_ = new QComboBox;
    speed_->setObjectName(QStringLiteral("speed_box"));
    for (const Speed &speed : speeds)
        speed_->addItem(QString::fromUtf8(speed.caption), speed.factor);
    speed_->setCurrentIndex(normal_speed);
    connect(speed_, &QComboBox::activated, this,
            [this](int index) { emit speed_requested(speed_->itemData(index).toDouble()); });
    row->addWidget(freeze_);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("Скорость:")));
    row->addWidget(speed_);
    return box;
}

QWidget *InstructorWindow::make_lesson_box()
{
    auto *box = new QGroupBox(QStringLiteral("Занятие"));
    auto *form = new QFormLayout(box);
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("Edit_Trainee"));
    name_->setValidator(new OneLineValidator(name_));
    // Told once the name is typed, not at each key: the session's file notes every change.
    connect(name_, &QLineEdit::editingFinished, this, [this] {
        const QString name = trainee_name();
        if (name != told_trainee_) {
            told_trainee_ = name;
            emit trainee_name_changed(name);
        }
    });
    form->addRow(QStringLiteral("Обучаемый:"), name_);

    training_ = new QRadioButton(lesson_caption(zun::LessonKind::Training));
    exam_ = new QRadioButton(lesson_caption(zun::LessonKind::Exam));
    exam_->setObjectName(QStringLiteral("Radio_Exam"));
    training_->setObjectName(QStringLiteral("Radio_Training"));
    auto *kinds = new QButtonGroup(box);
    kinds->addButton(training_);
    kinds->addButton(exam_);
    connect(training_, &QRadioButton::clicked, this, [this] { leave_exam(); });
    connect(exam_, &QRadioButton::clicked, this, [this] {
        if (begin_exam_ && !door_->locked())
            begin_exam_();
        else
            door_->apply(zun::input::Lesson{zun::LessonKind::Exam});
    });
    auto *kind_row = new QHBoxLayout;
    kind_row->addWidget(training_);
    kind_row->addWidget(exam_);
    kind_row->addStretch();
    form->addRow(QStringLiteral("Вид:"), kind_row);
    replay_note_ = new QLabel(
        QStringLiteral("Идёт воспроизведение: вид занятия и неисправности задаются после него."));
    replay_note_->setObjectName(QStringLiteral("Label_Replay_Note"));
    replay_note_->setWordWrap(true);
    replay_note_->hide();
    form->addRow(replay_note_);

    const auto button = [this](const QString &caption, const QString &name,
                               void (InstructorWindow::*request)()) {
        auto *made = new QPushButton(caption);
        made->setObjectName(name);
        connect(made, &QPushButton::clicked, this, request);
        return made;
    };
    auto *library_row = new QGridLayout;
    library_row->addWidget(button(QStringLiteral("Начать упражнение…"),
                                  QStringLiteral("Button_Exercise"),
                                  &InstructorWindow::exercise_requested),
                           0, 0);
    library_row->addWidget(button(QStringLiteral("Начать с точки…"),
                                  QStringLiteral("Button_Starting_Point"),
                                  &InstructorWindow::starting_point_requested),
                           0, 1);
    library_row->addWidget(button(QStringLiteral("Сохранить снимок…"),
                                  QStringLiteral("Button_Snapshot"),
                                  &InstructorWindow::snapshot_requested),
                           0, 2);
    library_row->addWidget(button(QStringLiteral("Изменить неисправности…"),
                                  QStringLiteral("Button_Edit_Exercise"),
                                  &InstructorWindow::exercise_edit_requested),
                           1, 0);
    library_row->addWidget(button(QStringLiteral("Выгрузить в файлы…"),
                                  QStringLiteral("Button_Export_Library"),
                                  &InstructorWindow::library_export_requested),
                           1, 1);
    form->addRow(QStringLiteral("Упражнения:"), library_row);

    old_pin_edit_ = new QLineEdit;
    old_pin_edit_->setObjectName(QStringLiteral("Edit_Old_Pin"));
    old_pin_edit_->setEchoMode(QLineEdit::Password);
    old_pin_edit_->setPlaceholderText(QStringLiteral("старый"));
    pin_edit_ = new QLineEdit;
    pin_edit_->setObjectName(QStringLiteral("Edit_Pin"));
    pin_edit_->setEchoMode(QLineEdit::Password);
    pin_edit_->setPlaceholderText(QStringLiteral("новый"));
    auto *set_pin = new QPushButton(QStringLiteral("Задать PIN"));
    set_pin->setObjectName(QStringLiteral("Button_Set_Pin"));
    connect(set_pin, &QPushButton::clicked, this, &InstructorWindow::set_pin);
    pin_state_ = new QLabel;
    const bool changeable = pin_.keeper() == InstructorPin::Keeper::User;
    for (QWidget *changing : std::initializer_list<QWidget *>{old_pin_edit_, pin_edit_, set_pin})
        changing->setEnabled(changeable);
    auto *pin_row = new QHBoxLayout;
    pin_row->addWidget(old_pin_edit_);
    pin_row->addWidget(pin_edit_);
    pin_row->addWidget(set_pin);
    pin_row->addWidget(pin_state_);
    form->addRow(QStringLiteral("PIN инструктора:"), pin_row);
    return box;
}

void InstructorWindow::set_door(zun::Door door, zun::Millis stage_began)
{
    door_.emplace(door);
    stage_began_ = stage_began;
    // Built anew at an earlier moment: what came after it is undone.
    const zun::Millis now = model().scheduler.now();
    std::erase_if(operations_seen_, [now](const Operation &seen) { return seen.time > now; });
    show_operations();
    if (mech_->count() == 0)
        for (const int mech : zun::console::keyed_mechanisms())
            mech_->addItem(QString::fromStdString(model().mechanism_name(mech)), mech);
    refresh_from_model();
}

QWidget *InstructorWindow::make_fault_box()
{
    auto *box = new QGroupBox(QStringLiteral("Неисправности"));
    fault_box_ = box;
    auto *column = new QVBoxLayout(box);
    mech_ = new QComboBox;
    mech_->setObjectName(QStringLiteral("ComboBox_Fault_Mech"));
    // As wide as the column, whatever the mechanisms' names.
    mech_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    mech_->setMinimumContentsLength(24);
    connect(mech_, &QComboBox::currentIndexChanged, this, &InstructorWindow::follow_faults);
    column->addWidget(mech_);
    for (std::size_t kind = 0; kind < fault_boxes_.size(); ++kind) {
        auto *check = new QCheckBox(fault_caption(static_cast<zun::FaultKind>(kind)));
        check->setObjectName(QStringLiteral("CheckBox_Fault_%1").arg(kind));
        connect(check, &QCheckBox::clicked, this, [this, kind](bool on) {
            door_->apply(zun::input::Fault{chosen_mech(), static_cast<zun::FaultKind>(kind), on});
        });
        fault_boxes_[kind] = check;
        column->addWidget(check);
    }
    column->addWidget(new QLabel(QStringLiteral("Действуют:")));
    active_faults_ = new QListWidget;
    active_faults_->setObjectName(QStringLiteral("List_Active_Faults"));
    column->addWidget(active_faults_);
    auto *clear = new QPushButton(QStringLiteral("Снять все неисправности"));
    clear->setObjectName(QStringLiteral("Button_Clear_Faults"));
    connect(clear, &QPushButton::clicked, this, [this] { door_->apply(zun::input::ClearFaults{}); });
    column->addWidget(clear);
    return box;
}

QWidget *InstructorWindow::make_progress_box()
{
    auto *box = new QGroupBox(QStringLiteral("Ход занятия"));
    auto *column = new QVBoxLayout(box);
    stage_ = new QLabel;
    stage_->setObjectName(QStringLiteral("Label_Stage"));
    stage_->setWordWrap(true);
    stage_time_ = new QLabel;
    stage_time_->setObjectName(QStringLiteral("Label_Stage_Time"));
    // Texts that change as the lesson goes take the room there is, never more.
    for (QLabel *changing : {stage_, stage_time_})
        changing->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(stage_);
    column->addWidget(stage_time_);
    column->addWidget(
        new QLabel(QStringLiteral("Последние %1 операций обучаемого:").arg(operations_shown)));
    operations_ = new QListWidget;
    operations_->setObjectName(QStringLiteral("List_Operations"));
    column->addWidget(operations_);
    return box;
}

bool InstructorWindow::pin_given(QWidget *asking)
{
    if (!pin_.is_set())
        return true;
    const std::optional<QString> typed = ask_pin_(asking ? *asking : *this);
    if (!typed)
        return false;
    if (!pin_.matches(*typed)) {
        notice_(asking, QStringLiteral("Неверный PIN инструктора."));
        return false;
    }
    return true;
}

// An examination ends for the instructor only: the PIN first, and never while the computer's
// administrator holds it.
void InstructorWindow::leave_exam()
{
    if (model().lesson_is_exam()) {
        if (exam_held_) {
            notice_(this, QStringLiteral("Экзамен задан администратором компьютера; его "
                                         "завершает команда «sudo zun-trainer-admin exam off»."));
            refresh_from_model();
            return;
        }
        if (!pin_given(this)) {
            refresh_from_model();
            return;
        }
    }
    door_->apply(zun::input::Lesson{zun::LessonKind::Training});
}

bool InstructorWindow::open_on_request(QWidget *asking)
{
    if (!isVisible() && !pin_given(asking))
        return false;
    refresh_from_model();
    if (!std::exchange(placed_, true))
        place_on_screen(asking);
    show();
    raise();
    activateWindow();
    return true;
}

// The first time in the screen's lower right corner, whole: a window manager that finds a window
// partly off the screen moves it, as if it moved by itself.
void InstructorWindow::place_on_screen(const QWidget *asking)
{
    const QScreen *shown_on = asking ? asking->screen() : screen();
    if (!shown_on)
        return;
    const QRect free = shown_on->availableGeometry();
    // The frame is known only once shown; room for a usual title bar and borders.
    const QSize frame_room(8, 32);
    resize(size().boundedTo(free.size() - frame_room));
    const QPoint corner = free.topLeft() + QPoint(free.width(), free.height());
    move(corner - QPoint(width() + frame_room.width(), height() + frame_room.height()));
}

void InstructorWindow::set_default_trainee(const QString &name)
{
    name_->setPlaceholderText(name);
    told_trainee_ = trainee_name();
}

QString InstructorWindow::trainee_name() const
{
    const QString typed = QString::fromStdString(zun::one_line(name_->text().toStdString()));
    return typed.isEmpty() ? name_->placeholderText() : typed;
}

void InstructorWindow::show_trainee(const QString &name)
{
    name_->setText(name == name_->placeholderText() ? QString() : name);
    told_trainee_ = trainee_name();
}

void InstructorWindow::set_pin()
{
    const QString refusal = pin_.change(old_pin_edit_->text(), pin_edit_->text());
    old_pin_edit_->clear();
    pin_edit_->clear();
    if (!refusal.isEmpty())
        notice_(this, refusal);
    refresh_from_model();
}

int InstructorWindow::chosen_mech() const
{
    return mech_->currentData().toInt();
}

void InstructorWindow::refresh_from_model()
{
    const int stage = model().Frame_LineMetal.Stadiya_Raboti;
    if (stage != stage_seen_) {
        stage_seen_ = stage;
        const bool listed = stage >= 0 && stage < zun::steps::line_count;
        const QString text =
            listed
                ? QString::fromUtf8(zun::steps::lines()[static_cast<std::size_t>(stage)]).trimmed()
                : QString();
        stage_->setText(text.isEmpty() ? QStringLiteral("Стадия %1").arg(stage)
                                       : QStringLiteral("Шаг %1").arg(text));
    }
    const zun::Millis now = model().scheduler.now();
    const zun::Millis lesson_began = lesson_start_ ? std::min(lesson_start_(), now) : 0;
    stage_time_->setText(QStringLiteral("В этом шаге: %1, занятие идёт: %2")
                             .arg(clock_text(now - stage_began_), clock_text(now - lesson_began)));
    training_->setChecked(!model().lesson_is_exam());
    exam_->setChecked(model().lesson_is_exam());
    const bool replaying = door_->locked();
    training_->setEnabled(!replaying);
    exam_->setEnabled(!replaying);
    name_->setReadOnly(replaying); // the replayed session's trainee, as recorded
    fault_box_->setEnabled(!replaying);
    replay_note_->setVisible(replaying);
    pin_state_->setText(pin_.keeper() == InstructorPin::Keeper::System
                            ? QStringLiteral("задан администратором")
                        : pin_.is_set() ? QStringLiteral("задан")
                                        : QStringLiteral("не задан"));
    old_pin_edit_->setVisible(pin_.is_set());
    follow_faults();
}

void InstructorWindow::follow_faults()
{
    const zun::TMech &chosen = *model().Mech_Array[static_cast<std::size_t>(chosen_mech())];
    for (std::size_t kind = 0; kind < fault_boxes_.size(); ++kind)
        fault_boxes_[kind]->setChecked(chosen.has_fault(static_cast<zun::FaultKind>(kind)));
    QStringList active;
    for (const int mech : zun::console::keyed_mechanisms())
        for (int kind = 0; kind < zun::fault_kind_count; ++kind)
            if (const auto fault = static_cast<zun::FaultKind>(kind);
                model().Mech_Array[static_cast<std::size_t>(mech)]->has_fault(fault))
                active.append(QStringLiteral("%1: %2").arg(
                    QString::fromStdString(model().mechanism_name(mech)), fault_caption(fault)));
    QStringList shown;
    for (int row = 0; row < active_faults_->count(); ++row)
        shown.append(active_faults_->item(row)->text());
    if (shown != active) {
        active_faults_->clear();
        active_faults_->addItems(active);
    }
}

void InstructorWindow::show_frozen(bool frozen)
{
    freeze_->setChecked(frozen);
    freeze_->setText(frozen ? QStringLiteral("Продолжить") : QStringLiteral("Заморозить"));
}

QStringList InstructorWindow::operations() const
{
    QStringList last;
    const std::size_t shown = std::min<std::size_t>(operations_seen_.size(), operations_shown);
    for (auto seen = operations_seen_.end() - static_cast<std::ptrdiff_t>(shown);
         seen != operations_seen_.end(); ++seen)
        last.append(seen->text);
    return last;
}

void InstructorWindow::show_operations()
{
    operations_->clear();
    operations_->addItems(operations());
    operations_->scrollToBottom();
}

void InstructorWindow::stage_changed(zun::Millis time, int /*before*/, int /*after*/)
{
    stage_began_ = time;
}

void InstructorWindow::input_applied(zun::Millis time, const zun::Input &input,
                                     const zun::Answer &answer)
{
    if (zun::assessed(input, answer)) {
        QString text = clock_text(time) + QStringLiteral("  ") +
                       QString::fromStdString(zun::script::line_of(input));
        if (answer.pulse && answer.pulse->refusal != zun::Refusal::None)
            text += QStringLiteral(" — отказ: ") + refusal_text(answer.pulse->refusal);
        operations_seen_.push_back({time, text});
        show_operations();
    }
    if (isVisible())
        refresh_from_model();
}
