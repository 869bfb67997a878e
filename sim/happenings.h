#pragma once

#include "sim/inputs.h"
#include "sim/scheduler.h"
#include "sim/ui_port.h"

#include <deque>
#include <vector>

namespace zun {

// The scenario's stage changed (Stadiya_Raboti), at a moment of virtual time.
struct StageChange {
    Millis time;
    int before;
    int after;
};

// A console or post page came into sight in the main window.
struct PageShowing {
    Millis time;
    int page; // row of console::pages()
};

// A malfunction the instructor set has shown itself in the line's behaviour.
struct FaultShowing {
    Millis time;
    int mech;
    FaultKind kind;
};

// What an input or an advance of the clock did besides changing the state, in the order it
// happened, for the dispatcher to tell its observers and hand to the windows.
struct Happenings {
    std::vector<PageShowing> pages_shown;
    std::vector<StageChange> stage_changes;
    std::vector<FaultShowing> faults_shown;
    std::deque<WindowRequest> requests;
};

} // namespace zun
