#include "course_guide.h"

#include "app/exercise_library.h"
#include "app/forms.h"
#include "app/history_service.h"
#include "app/trainer_session.h"
#include "ui/history_window.h"

CourseGuide::CourseGuide(const ExerciseLibrary &library, HistoryService &history,
                         TrainerSession &session, const std::string &wanted, Offer offer)
    : library_(library), history_(history), session_(session), offer_(std::move(offer))
{
    library_.fetch_course(wanted, this, [this](std::optional<zun::Course> course) {
        course_ = std::move(course);
        course_fetched_ = true;
        if (forms_ && course_)
            forms_->journal().set_course(*course_);
        offer_next();
    });
    connect(&history_, &HistoryService::stored, this, [this] { offer_next(); });
}

void CourseGuide::attach(Forms &forms)
{
    forms_ = &forms;
    if (course_)
        forms.journal().set_course(*course_);
}

QString CourseGuide::offer_text(const zun::Course &course, const zun::CourseItem &item,
                                const zun::ItemProgress &progress)
{
    const QString tried = progress.attempts == 0
                              ? QStringLiteral("Вы его ещё не выполняли.")
                              : QStringLiteral("Попыток: %1, лучший балл: %2.")
                                    .arg(progress.attempts)
                                    .arg(progress.best_score ? QString::number(*progress.best_score)
                                                             : QStringLiteral("—"));
    return QStringLiteral("Курс «%1»: следующее упражнение — «%2» (проходной балл %3). %4\n\n"
                          "Начать его сейчас?")
        .arg(QString::fromStdString(course.name), QString::fromStdString(item.exercise))
        .arg(item.pass_mark)
        .arg(tried);
}

// Once, when both the course and the history's first word have come.
void CourseGuide::lesson_known()
{
    lesson_known_ = true;
    offer_next();
}

void CourseGuide::offer_next()
{
    if (offer_made_ || !course_fetched_ || !history_.last() || !lesson_known_)
        return;
    offer_made_ = true;
    if (session_.forms().sim().lesson_is_exam()) {
        emit offer_done({});
        return;
    }
    const HistoryService::Outcome &history = *history_.last();
    if (!course_ || !history.unavailable_reason.isEmpty()) {
        emit offer_done({});
        return;
    }
    const QString trainee = QString::fromStdString(session_.trainee());
    std::vector<zun::CourseAttempt> attempts;
    for (const HistorySession &session : history.sessions)
        if (session.trainee == trainee && !session.exercise.isEmpty())
            attempts.push_back({session.exercise.toStdString(), session.score,
                                session.goal_reached.value_or(false)});
    const std::vector<zun::ItemProgress> progress = zun::course_progress(*course_, attempts);
    const std::optional<std::size_t> next = zun::next_item(progress);
    if (!next) {
        emit offer_done({});
        return;
    }
    const zun::CourseItem &item = course_->items[*next];
    if (!offer_(offer_text(*course_, item, progress[*next]))) {
        emit offer_done({});
        return;
    }
    begin(item.exercise);
}

void CourseGuide::begin(const std::string &name)
{
    library_.fetch_named_start(
        name, this, [this](std::optional<zun::Exercise> exercise, zun::StartState start) {
            const std::string why =
                start.simulator ? session_.start_exercise(*exercise, std::move(start.simulator))
                                : start.error;
            emit offer_done(QString::fromStdString(why));
        });
}
