#pragma once

#include "app/forms.h"
#include "app/kept_moments.h"
#include "app/qt_ui_port.h"
#include "app/quiet_port.h"
#include "app/view_clock_driver.h"
#include "sessions/session_player.h"

#include <QString>

#include <memory>
#include <string>

// A session shown in the program's own windows, rebuilt from its inputs and following them as
// more arrive. The windows' own inputs are locked: the session's are the only ones that move the
// line. Any moment of what has arrived can be shown again, back or on, as a replay does; moments
// are kept on the way so that going back replays minutes, not the whole session.
class SessionMirror final {
public:
    // `inputs` may grow, never change what it holds, and outlives the mirror; `start` is the
    // session's start state (a snapshot's text), empty for a fresh line. `whose` is added to the
    // windows' titles, so that the mirrored station is told from the others.
    SessionMirror(const std::string &start, const zun::InputTimeline &inputs, QString whose);
    SessionMirror(const SessionMirror &) = delete;
    SessionMirror &operator=(const SessionMirror &) = delete;
    ~SessionMirror();

    // The windows show the session at `time`: played on from where they stand, or built anew
    // from the latest moment kept before it.
    void show_at(zun::Millis time);
    zun::Millis position() const { return player_->position(); }
    // When the session began: its start state's time.
    zun::Millis began() const { return began_; }

    const Forms &forms() const { return *forms_; }

private:
    void build_at(zun::Millis time);
    void mark_titles() const;
    void show_start_screen_as_model() const;

    QtUiPort ui_port_;
    QuietPort port_{ui_port_};
    ViewClockDriver view_clock_driver_; // runs the windows' animations; outlives them
    SeekCache moments_;
    zun::Millis began_;
    const zun::InputTimeline &inputs_;
    QString whose_;
    std::unique_ptr<Forms> forms_;
    std::unique_ptr<MomentKeeper> keeper_;
    std::unique_ptr<zun::SessionPlayer> player_;
};
