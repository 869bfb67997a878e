#include "exercise_director.h"

namespace zun {

ExerciseDirector::ExerciseDirector(Dispatcher &dispatcher, std::vector<ScriptedEvent> events,
                                   Millis began, std::vector<bool> done)
    : dispatcher_(dispatcher), events_(std::move(events)), done_(events_.size()), began_(began)
{
    for (std::size_t event = 0; event < done.size() && event < done_.size(); ++event)
        if (done[event])
            done_[event] = began_;
    dispatcher_.add_observer(*this);
    // What is due at the start: the step it begins in, a time of 0, a mechanism already running.
    stage_changed(began_, -1, dispatcher_.model().Frame_LineMetal.Stadiya_Raboti);
    dispatched();
}

ExerciseDirector::~ExerciseDirector()
{
    dispatcher_.remove_observer(*this);
}

std::optional<Millis> ExerciseDirector::next_due() const
{
    std::optional<Millis> earliest;
    for (std::size_t event = 0; event < events_.size(); ++event) {
        const auto *at = std::get_if<AtTime>(&events_[event].trigger);
        if (at && !done_[event] && (!earliest || began_ + at->after < *earliest))
            earliest = began_ + at->after;
    }
    return earliest;
}

std::vector<bool> ExerciseDirector::done_by(Millis time) const
{
    std::vector<bool> done;
    for (const std::optional<Millis> &carried : done_)
        done.push_back(carried && *carried <= time);
    return done;
}

bool ExerciseDirector::waits_for_the_line() const
{
    for (std::size_t event = 0; event < events_.size(); ++event)
        if (!done_[event] && !std::holds_alternative<AtTime>(events_[event].trigger))
            return true;
    return false;
}

void ExerciseDirector::stage_changed(Millis /*time*/, int /*before*/, int after)
{
    for (std::size_t event = 0; event < events_.size(); ++event) {
        const auto *step = std::get_if<StepBegins>(&events_[event].trigger);
        if (step && step->step == after)
            carry_out(event);
    }
}

// A mechanism runs when one of its latches holds: it is read after every input and every advance,
// and a run starts with an input or a tick.
void ExerciseDirector::dispatched()
{
    const LineModel &model = dispatcher_.model();
    for (std::size_t event = 0; event < events_.size(); ++event) {
        const Trigger &trigger = events_[event].trigger;
        if (const auto *at = std::get_if<AtTime>(&trigger)) {
            if (dispatcher_.now() >= began_ + at->after)
                carry_out(event);
        } else if (const auto *runs = std::get_if<MechanismRuns>(&trigger)) {
            const TMech *mech = model.Mech_Array[static_cast<std::size_t>(runs->mech)].get();
            if (mech && (runs->direction == Direction::Forward ? mech->b_KM_FWD : mech->b_KM_RWS))
                carry_out(event);
        }
    }
}

// Applied from inside a dispatch, the malfunction waits until the dispatch is over and comes in
// the same millisecond.
void ExerciseDirector::carry_out(std::size_t event)
{
    if (done_[event])
        return;
    done_[event] = dispatcher_.now();
    dispatcher_.apply(events_[event].action);
}

} // namespace zun
