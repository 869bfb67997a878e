#include "session_mirror.h"

#include "app/Unit_start.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_target.h"

#include <QWidget>

#include <utility>
#include <vector>

namespace {

SeekCache::Moment base_moment(zun::UiPort &port, const std::string &start)
{
    return start.empty() ? fresh_base(port) : start_base(port, start);
}

} // namespace

SessionMirror::SessionMirror(const std::string &start, const zun::InputTimeline &inputs,
                             QString whose)
    : moments_(seek_interval, base_moment(port_, start)), began_(moments_.at_or_before(0).time),
      inputs_(inputs), whose_(std::move(whose))
{
    build_at(began_);
    show_at(began_);
}

SessionMirror::~SessionMirror()
{
    ui_port_.detach();
}

void SessionMirror::show_at(zun::Millis time)
{
    time = std::max(time, began_);
    if (time < player_->position() || moments_.at_or_before(time).time > player_->position())
        build_at(time);
    port_.set_quiet(QuietPort::Quiet::Everything);
    player_->play_to(time);
    forms_->refresh(); // the model's last requests are kept, not shown one by one
    port_.set_quiet(QuietPort::Quiet::Boxes);
    forms_->show_windows_as_model();
    port_.show_kept_pointers();
    show_start_screen_as_model();
}

// Before the trainee opens the main window, the station shows its start screen alone: the marker
// and the hand, which point into the main window, are not there.
void SessionMirror::show_start_screen_as_model() const
{
    const bool at_start = !forms_->sim().main_window_visible;
    forms_->start().setVisible(at_start);
    if (at_start) {
        forms_->target().hide();
        forms_->hand().hide();
    }
}

// New windows over the latest moment kept at or before `time`, where the old ones stood.
void SessionMirror::build_at(zun::Millis time)
{
    player_.reset();
    keeper_.reset();
    port_.set_quiet(QuietPort::Quiet::Everything);
    RestoredMoment from = restored(moments_, port_, time);
    from.forms->door_lock().set_locked(true);
    if (forms_) {
        const std::vector<QWidget *> old_windows = forms_->windows();
        const std::vector<QWidget *> new_windows = from.forms->windows();
        for (std::size_t i = 0; i < old_windows.size(); ++i)
            if (old_windows[i]->isVisible())
                new_windows[i]->setGeometry(old_windows[i]->geometry());
    }
    view_clock_driver_.drive(from.forms->view_clock());
    forms_ = std::move(from.forms);
    ui_port_.attach(*forms_);
    mark_titles();
    keeper_ = std::make_unique<MomentKeeper>(moments_, *forms_, port_);
    player_ = std::make_unique<zun::SessionPlayer>(forms_->dispatcher(), inputs_, from.played,
                                                   keeper_.get());
}

void SessionMirror::mark_titles() const
{
    for (QWidget *window : forms_->windows())
        window->setWindowTitle(
            QStringLiteral("%1 — наблюдение: %2").arg(window->windowTitle(), whose_));
}
