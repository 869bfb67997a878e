#include "instructor_station.h"

#include "app/clock_driver.h"
#include "app/exercise_library.h"
#include "app/forms.h"
#include "app/trainer_session.h"
#include "sim/console_layout.h"
#include "sim/stage_tables.h"
#include "ui/Unit_main.h"
#include "ui/exercise_editor.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

const QString system_pin_key = QStringLiteral("instructor/pin_sha256");

} // namespace

InstructorStation::InstructorStation(ClockDriver &clock, const QString &system_file)
    : clock_(clock), settings_(QSettings::IniFormat, QSettings::UserScope,
                               QStringLiteral("zun-trainer"), QStringLiteral("instructor")),
      system_settings_(system_file, QSettings::IniFormat),
      pin_settings_(system_settings_.contains(system_pin_key) ? system_settings_ : settings_),
      pin_(pin_settings_, system_settings_.contains(system_pin_key) ? InstructorPin::Keeper::System
                                                                    : InstructorPin::Keeper::User),
      window_(pin_)
{
    window_.set_exam_held(exam_held());
    QObject::connect(&window_, &InstructorWindow::freeze_requested, &clock,
                     &ClockDriver::set_frozen);
    QObject::connect(&window_, &InstructorWindow::speed_requested, &clock, &ClockDriver::set_speed);
    QObject::connect(&clock, &ClockDriver::frozen_changed, &window_, [this](bool frozen) {
        if (forms_)
            forms_->set_frozen(frozen);
        window_.show_frozen(frozen);
    });
    QObject::connect(&clock, &ClockDriver::advanced, &window_, [this] { follow_model(); });
}

void InstructorStation::follow(TrainerSession &session, const ExerciseLibrary &library)
{
    window_.set_exam_beginner([this, &session] {
        session.begin_exam();
        keep_in_front();
    });
    QObject::connect(&window_, &InstructorWindow::exercise_requested, &window_,
                     [this, &session, &library] { pick_exercise(session, library); });
    QObject::connect(&window_, &InstructorWindow::snapshot_requested, &window_,
                     [this, &library] { keep_snapshot(library); });
    QObject::connect(&window_, &InstructorWindow::starting_point_requested, &window_,
                     [this, &session, &library] { pick_starting_point(session, library); });
    QObject::connect(&window_, &InstructorWindow::exercise_edit_requested, &window_,
                     [this, &library] { edit_exercise(library); });
    QObject::connect(&window_, &InstructorWindow::library_export_requested, &window_,
                     [this, &library] { export_library(library); });
    window_.set_lesson_start([&session] { return session.began(); });
    window_.set_default_trainee(QString::fromStdString(session.trainee()));
    attach(session.forms());
    if (exam_held())
        session.begin_exam();
    QObject::connect(&window_, &InstructorWindow::trainee_name_changed, &session,
                     [&session](const QString &name) { session.set_trainee(name.toStdString()); });
    QObject::connect(&session, &TrainerSession::replay_moved, &window_,
                     [this] { follow_model(); });
    // Told once the replay has opened, or once the live line has taken over from it.
    QObject::connect(&session, &TrainerSession::trainee_changed, &window_,
                     [this](const QString &name) {
                         window_.show_trainee(name);
                         follow_model();
                     });
}

void InstructorStation::pick_exercise(TrainerSession &session, const ExerciseLibrary &library)
{
    library.fetch_exercises(&window_, [this, &session,
                                       &library](std::vector<ExerciseLibrary::Entry> entries) {
        const std::optional<zun::Exercise> exercise =
            choose_exercise(entries, QStringLiteral("Начать упражнение:"));
        if (!exercise)
            return;
        library.fetch_start(
            *exercise, &window_, [this, &session, exercise = *exercise](zun::StartState start) {
                refuse_start(QString::fromStdString(
                    start.simulator ? session.start_exercise(exercise, std::move(start.simulator))
                                    : start.error));
                keep_in_front();
            });
    });
}

std::optional<zun::Exercise>
InstructorStation::choose_exercise(const std::vector<ExerciseLibrary::Entry> &entries,
                                   const QString &question)
{
    QStringList names;
    for (const ExerciseLibrary::Entry &entry : entries)
        names << (entry.read.exercise
                      ? QString::fromStdString(entry.read.exercise->name)
                      : QStringLiteral("%1 (не читается: %2)")
                            .arg(QString::fromStdString(entry.file.filename().string()),
                                 QString::fromStdString(entry.read.error)));
    if (names.isEmpty()) {
        QMessageBox::information(&window_, QStringLiteral("Упражнения"),
                                 QStringLiteral("Упражнений не найдено."));
        return std::nullopt;
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(&window_, QStringLiteral("Упражнения"), question,
                                               names, 0, false, &chosen);
    if (!chosen)
        return std::nullopt;
    const ExerciseLibrary::Entry &entry = entries[static_cast<std::size_t>(names.indexOf(name))];
    if (!entry.read.exercise)
        QMessageBox::warning(&window_, QStringLiteral("Упражнения"),
                             QStringLiteral("Упражнение не читается: %1")
                                 .arg(QString::fromStdString(entry.read.error)));
    return entry.read.exercise;
}

void InstructorStation::pick_starting_point(TrainerSession &session, const ExerciseLibrary &library)
{
    library.fetch_snapshot_names(&window_, [this, &session,
                                            &library](std::vector<std::string> snapshots) {
        QStringList points;
        for (int step = 1; step <= zun::stages::last_stage; ++step)
            points << QStringLiteral("шаг %1").arg(step);
        for (const std::string &name : snapshots)
            points << QStringLiteral("снимок «%1»").arg(QString::fromStdString(name));
        bool chosen = false;
        const QString point = QInputDialog::getItem(
            &window_, QStringLiteral("Точка начала"),
            QStringLiteral("Начать линию с точки (без упражнения):"), points, 0, false, &chosen);
        if (!chosen)
            return;
        const auto index = static_cast<std::size_t>(points.indexOf(point));
        zun::ExerciseStart start;
        if (index < static_cast<std::size_t>(zun::stages::last_stage))
            start.from = static_cast<int>(index) + 1;
        else
            start.from = snapshots[index - static_cast<std::size_t>(zun::stages::last_stage)];
        library.fetch_start_state(start, &window_, [this, &session](zun::StartState state) {
            refuse_start(QString::fromStdString(
                state.simulator ? session.start_from_point(std::move(state.simulator))
                                : state.error));
            keep_in_front();
        });
    });
}

void InstructorStation::edit_exercise(const ExerciseLibrary &library)
{
    if (!forms_)
        return;
    ExerciseEditor::Mechanisms mechanisms;
    for (const int mech : zun::console::keyed_mechanisms())
        mechanisms.emplace_back(mech, QString::fromStdString(forms_->sim().mechanism_name(mech)));
    library.fetch_exercises(&window_, [this, &library,
                                       mechanisms](std::vector<ExerciseLibrary::Entry> entries) {
        const std::optional<zun::Exercise> exercise =
            choose_exercise(entries, QStringLiteral("Изменить неисправности упражнения:"));
        if (!exercise)
            return;
        ExerciseEditor editor(*exercise, mechanisms, &window_);
        if (editor.exec() != QDialog::Accepted)
            return;
        library.save_exercise(*editor.read_rows().exercise, &window_,
                              [this](const std::string &refusal) {
                                  if (!refusal.empty())
                                      QMessageBox::warning(&window_, QStringLiteral("Упражнения"),
                                                           QString::fromStdString(refusal));
                              });
    });
}

void InstructorStation::export_library(const ExerciseLibrary &library)
{
    const QString folder = QFileDialog::getExistingDirectory(
        &window_, QStringLiteral("Выгрузить библиотеку в папку"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (folder.isEmpty())
        return;
    library.export_to(
        folder.toStdString(), &window_, [this, folder](int written, const std::string &problem) {
            const QString said =
                QStringLiteral("В папку %1 записано файлов: %2.").arg(folder).arg(written);
            if (problem.empty())
                QMessageBox::information(&window_, QStringLiteral("Библиотека"), said);
            else
                QMessageBox::warning(
                    &window_, QStringLiteral("Библиотека"),
                    said + QStringLiteral("\nНе всё: %1").arg(QString::fromStdString(problem)));
        });
}

// The line's windows are built anew when a session begins from here: the instructor's stays in
// front of them.
void InstructorStation::keep_in_front()
{
    window_.raise();
    window_.activateWindow();
}

void InstructorStation::refuse_start(const QString &why)
{
    if (!why.isEmpty())
        QMessageBox::warning(&window_, QStringLiteral("Упражнения"),
                             QStringLiteral("Линия не начата заново: %1").arg(why));
}

void InstructorStation::keep_snapshot(const ExerciseLibrary &library)
{
    if (!forms_)
        return;
    bool given = false;
    const QString name =
        QInputDialog::getText(&window_, QStringLiteral("Снимок"), QStringLiteral("Имя снимка:"),
                              QLineEdit::Normal, {}, &given);
    if (!given)
        return;
    library.keep_snapshot(name.trimmed().toStdString(), forms_->sim(), &window_,
                          [this](const std::string &refusal) {
                              if (!refusal.empty())
                                  QMessageBox::warning(&window_, QStringLiteral("Снимок"),
                                                       QString::fromStdString(refusal));
                          });
}

void InstructorStation::follow_model()
{
    if (window_.isVisible())
        window_.refresh_from_model();
}

InstructorStation::~InstructorStation()
{
    detach();
}

void InstructorStation::attach(Forms &forms)
{
    detach();
    forms_ = &forms;
    forms.dispatcher().add_observer(window_);
    // A replay's model changes only by its recording: the instructor's commands wait for the
    // live line, as the trainee's do.
    window_.set_door(zun::Door(forms.dispatcher(), forms.door_lock()),
                     forms.assessment().record().current_stage_began());
    forms.set_frozen(clock_.frozen());
    main_window_request_ =
        QObject::connect(&forms.main(), &TForm_Main_ZUN::instructor_requested, &window_,
                         [this] { window_.open_on_request(&forms_->main()); });
}

void InstructorStation::detach()
{
    if (!forms_)
        return;
    forms_->dispatcher().remove_observer(window_);
    QObject::disconnect(main_window_request_);
    forms_ = nullptr;
}

bool InstructorStation::exam_held() const
{
    return system_settings_.value(QStringLiteral("instructor/exam")).toBool();
}

bool InstructorStation::asked_for(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--instructor"));
}
