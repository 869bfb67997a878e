#pragma once

#include "training/course.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>

class ExerciseLibrary;
class Forms;
class HistoryService;
class TrainerSession;

// The course the trainees follow: shown in the journal of every set of windows, and, once the
// history has told how far the trainee has come, the course's next exercise offered to them when
// the program starts. Nothing is offered while the history is away: without it the trainee's
// progress is unknown.
class CourseGuide final : public QObject {
    Q_OBJECT

public:
    // Asks the trainee whether to begin the exercise the question names; true to begin.
    using Offer = std::function<bool(const QString &question)>;

    // The course named `wanted` (the first by name when empty) is fetched from `library`.
    CourseGuide(const ExerciseLibrary &library, HistoryService &history, TrainerSession &session,
                const std::string &wanted, Offer offer);

    // The journal of these windows shows the course.
    void attach(Forms &forms);
    // The offer waits until `lesson_known`: a station of a class learns from the centre whether
    // it is in an examination, and nothing is offered in one.
    void await_lesson() { lesson_known_ = false; }
    void lesson_known();
    const std::optional<zun::Course> &course() const { return course_; }

    // The question asked of a trainee whose next exercise is `item`.
    static QString offer_text(const zun::Course &course, const zun::CourseItem &item,
                              const zun::ItemProgress &progress);

signals:
    // The offer is done with: declined, nothing to offer, or the exercise started; `problem`
    // says why an exercise the trainee chose did not start.
    void offer_done(const QString &problem);

private:
    void offer_next();
    void begin(const std::string &exercise);

    const ExerciseLibrary &library_;
    HistoryService &history_;
    TrainerSession &session_;
    Offer offer_;
    Forms *forms_ = nullptr;
    std::optional<zun::Course> course_;
    bool course_fetched_ = false;
    bool offer_made_ = false;
    bool lesson_known_ = true;
};
