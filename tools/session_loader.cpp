#include "session_loader.h"

#include "tools/sim_runner.h"
#include "training/session_file.h"

#include <fstream>
#include <sstream>

namespace {

class TimelineRecorder final : public zun::InputObserver {
public:
    explicit TimelineRecorder(zun::InputTimeline &inputs) : inputs_(inputs) {}
    void input_applied(zun::Millis time, const zun::Input &input, const zun::Answer &) override
    {
        inputs_.push_back({time, input});
    }

private:
    zun::InputTimeline &inputs_;
};

} // namespace

LoadedSession load_session(const std::filesystem::path &path)
{
    LoadedSession loaded;
    std::ifstream file(path);
    if (!file) {
        loaded.error = "cannot read " + path.string();
        return loaded;
    }
    std::ostringstream out;
    std::ostringstream messages;
    SimRunner runner(out);
    TimelineRecorder recorder(loaded.inputs);
    runner.sim().add_observer(recorder);
    const zun::SessionScript script = zun::read_session(file);
    loaded.header = script.header;
    const SimRunner::ExitStatus status = runner.replay(script, false, messages);
    runner.sim().remove_observer(recorder);
    loaded.length = runner.sim().scheduler.now();
    std::string text = messages.str();
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    (status == SimRunner::Completed ? loaded.warning : loaded.error) = text;
    if (status != SimRunner::Completed)
        loaded.inputs.clear();
    return loaded;
}
