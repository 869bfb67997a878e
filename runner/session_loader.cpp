#include "session_loader.h"

#include "runner/sim_runner.h"
#include "sessions/session_file.h"

#include <sstream>

LoadedSession load_session(const std::filesystem::path &path, SimRunner::Progress progress)
{
    LoadedSession loaded;
    const zun::SessionFileText file = zun::read_session_file(path);
    if (!file.error.empty()) {
        loaded.error = file.error;
        return loaded;
    }
    std::istringstream script(file.text);
    std::ostringstream out;
    std::ostringstream messages;
    SimRunner runner(out);
    runner.set_progress(std::move(progress));
    zun::TimelineRecorder recorder(loaded.inputs);
    runner.dispatcher().add_observer(recorder);
    const zun::SessionScript session = zun::read_session(script);
    loaded.header = session.header;
    const SimRunner::ExitStatus status = runner.replay(session, false, messages);
    runner.dispatcher().remove_observer(recorder);
    loaded.length = runner.sim().scheduler.now();
    std::string text = messages.str();
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    (status == SimRunner::Completed ? loaded.warning : loaded.error) = text;
    loaded.cancelled = status == SimRunner::Cancelled;
    if (status != SimRunner::Completed)
        loaded.inputs.clear();
    return loaded;
}
