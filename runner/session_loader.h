#pragma once

#include "runner/sim_runner.h"
#include "sessions/session_file.h"
#include "sessions/session_recorder.h"

#include <filesystem>
#include <string>

// A session file read and checked by the headless runner, as `zun-sim FILE` replays it: its inputs
// with their times, its length, and the runner's messages.
struct LoadedSession {
    zun::SessionHeader header;
    zun::InputTimeline inputs;
    zun::Millis length = 0;
    std::string error;      // the runner's message for a file it refuses; empty when it plays
    std::string warning;    // a note that does not refuse it (a last line cut short)
    bool cancelled = false; // the progress watcher gave it up
};

// `progress` is told the virtual time reached while the file replays, and may give it up.
LoadedSession load_session(const std::filesystem::path &path, SimRunner::Progress progress = {});
