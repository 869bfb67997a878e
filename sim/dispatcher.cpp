#include "dispatcher.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace zun {

namespace {

// Sets a phase for as long as it lives and puts the one before back, also when an exception
// leaves it.
template <typename Phase> class PhaseScope {
public:
    PhaseScope(Phase &phase, Phase now) : phase_(phase), before_(std::exchange(phase, now)) {}
    PhaseScope(const PhaseScope &) = delete;
    PhaseScope &operator=(const PhaseScope &) = delete;
    ~PhaseScope() { phase_ = before_; }

private:
    Phase &phase_;
    Phase before_;
};

} // namespace

Answer Dispatcher::apply(const Input &input)
{
    if (phase_ != Phase::Idle) {
        waiting_.push_back(input);
        return {};
    }
    const Answer answer = dispatch(input);
    deliver_requests();
    apply_waiting();
    return answer;
}

void Dispatcher::advance_to(Millis time)
{
    if (phase_ == Phase::Telling)
        throw std::logic_error("an observer advanced the clock while being told");
    {
        const PhaseScope scope(phase_, Phase::Telling);
        simulator_->advance_to(time);
        tell(simulator_->take_happenings());
    }
    deliver_requests();
    apply_waiting();
}

void Dispatcher::replace(std::unique_ptr<Simulator> simulator)
{
    if (phase_ != Phase::Idle || !waiting_.empty() || !requests_.empty())
        throw std::logic_error("a model is replaced while a dispatch is under way");
    const int before = model().Frame_LineMetal.Stadiya_Raboti;
    simulator_ = std::move(simulator);
    const int after = model().Frame_LineMetal.Stadiya_Raboti;
    if (after == before)
        return;
    Happenings happened;
    happened.stage_changes.push_back({now(), before, after});
    {
        const PhaseScope scope(phase_, Phase::Telling);
        tell(std::move(happened));
    }
    apply_waiting();
}

Answer Dispatcher::dispatch(const Input &input)
{
    const PhaseScope scope(phase_, Phase::Telling);
    const std::vector<InputObserver *> arriving = observers_; // one may leave while told
    for (InputObserver *observer : arriving)
        observer->input_arriving(now(), input);
    const Answer answer = simulator_->apply(input);
    const std::vector<InputObserver *> applied = observers_;
    for (InputObserver *observer : applied)
        observer->input_applied(now(), input, answer);
    tell(simulator_->take_happenings());
    return answer;
}

void Dispatcher::tell(Happenings happened)
{
    const std::vector<InputObserver *> observers = observers_;
    for (const PageShowing &shown : happened.pages_shown)
        for (InputObserver *observer : observers)
            observer->page_shown(shown.time, shown.page);
    for (const StageChange &change : happened.stage_changes)
        for (InputObserver *observer : observers)
            observer->stage_changed(change.time, change.before, change.after);
    for (const FaultShowing &shown : happened.faults_shown)
        for (InputObserver *observer : observers)
            observer->fault_shown(shown.time, shown.mech, shown.kind);
    for (InputObserver *observer : observers)
        observer->dispatched();
    std::ranges::move(happened.requests, std::back_inserter(requests_));
}

// A box's own loop may advance the clock, which asks for more: the outer call hands it over
// after the box.
void Dispatcher::deliver_requests()
{
    if (phase_ == Phase::Delivering)
        return;
    const PhaseScope scope(phase_, Phase::Delivering);
    while (!requests_.empty()) {
        const WindowRequest request = std::move(requests_.front());
        requests_.pop_front();
        if (request.kind == WindowRequest::Kind::MessageBox)
            ++boxes_shown_;
        deliver(request, port_);
    }
}

void Dispatcher::apply_waiting()
{
    while (phase_ == Phase::Idle && !waiting_.empty()) {
        const Input input = waiting_.front();
        waiting_.pop_front();
        dispatch(input);
        deliver_requests();
    }
}

void Dispatcher::add_observer(InputObserver &observer)
{
    observers_.push_back(&observer);
}

void Dispatcher::remove_observer(InputObserver &observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

} // namespace zun
