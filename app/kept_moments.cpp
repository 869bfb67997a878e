#include "kept_moments.h"

#include "sim/snapshot.h"

#include <stdexcept>
#include <utility>

SeekCache::Moment fresh_base(zun::UiPort &port)
{
    zun::Dispatcher fresh(port);
    return {
        fresh.now(), 0, zun::write_snapshot(fresh.model()), {zun::Assessment(fresh).kept(), {}}};
}

// The assessment sees the start state come in as a change of the stage, as a replay does.
SeekCache::Moment start_base(zun::UiPort &port, const std::string &start)
{
    zun::Dispatcher line(port);
    const zun::Assessment assessment(line);
    zun::ReadSnapshot read = zun::read_snapshot(start);
    if (!read.simulator)
        throw std::logic_error("a session's start state is refused: " + read.error);
    line.replace(std::move(read.simulator));
    return {line.now(), 0, start, {assessment.kept(), {}}};
}

void SeekCache::keep(const Forms &forms, const QuietPort &port, std::size_t played)
{
    history_.extend(forms.assessment());
    moments_.keep({forms.sim().scheduler.now(),
                   played,
                   zun::write_snapshot(forms.sim()),
                   {forms.assessment().kept(), port.last_pointers()}});
}

void SeekCache::drop_after(zun::Millis time)
{
    moments_.drop_after(time);
    history_.cut(moments_.at_or_before(time).records.assessment);
}

RestoredMoment restored(SeekCache &cache, QuietPort &port, zun::Millis time)
{
    for (;;) {
        const SeekCache::Moment &moment = cache.at_or_before(time);
        zun::ReadSnapshot read = zun::read_snapshot(moment.model);
        if (read.simulator) {
            auto forms = std::make_unique<Forms>(port, std::move(read.simulator));
            forms->assessment().restore(moment.records.assessment, cache.history());
            port.restore_pointers(moment.records.pointers);
            return {std::move(forms), moment.played};
        }
        if (!cache.forget(moment.time))
            throw std::logic_error("the session's first moment was refused: " + read.error);
    }
}

void MomentKeeper::passing(zun::Millis time, std::size_t played)
{
    if (cache_.wants(time))
        cache_.keep(forms_, port_, played);
}
