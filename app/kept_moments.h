#pragma once

#include "app/forms.h"
#include "app/quiet_port.h"
#include "sessions/session_player.h"
#include "sessions/snapshot_cache.h"

#include <cstddef>
#include <memory>

// What the observers of a session built from its inputs, kept with each snapshot of its model:
// the assessment (the stage record and the lesson log) and the port's last word on the marker
// and the hand. Both come from the model's answers and requests as the inputs play, so they
// cannot be rebuilt from the inputs without the model; they are copied with the snapshot instead,
// which is simpler than replaying the inputs and the answers into them afterwards. The
// instructor's window and the recorder need none: they take theirs when the windows are built.
struct KeptRecords {
    zun::Assessment::Kept assessment;
    QuietPort::Pointers pointers;
};
using SeekCache = zun::SnapshotCache<KeptRecords>;

// How far apart in virtual time the moments of a session are kept.
inline constexpr zun::Millis seek_interval = 300'000;

// The first moment of a session that starts from a model built fresh.
SeekCache::Moment fresh_base(zun::UiPort &port);

// The moment the windows' model stands at, with `played` inputs applied.
SeekCache::Moment moment_of(const Forms &forms, const QuietPort &port, std::size_t played);

// Windows built over the latest moment kept at or before `time` whose snapshot reads back, the
// observers' records and the port's last word put back as they were there. A moment refused is
// forgotten and the one before it taken; a base refused is a programming error and throws.
struct RestoredMoment {
    std::unique_ptr<Forms> forms;
    std::size_t played; // of the session's inputs
};
RestoredMoment restored(SeekCache &cache, QuietPort &port, zun::Millis time);

// Keeps in the cache the moments a player passes in one set of windows.
class MomentKeeper final : public zun::PlayStops {
public:
    MomentKeeper(SeekCache &cache, const Forms &forms, const QuietPort &port)
        : cache_(cache), forms_(forms), port_(port)
    {
    }

    zun::Millis next_stop(zun::Millis time) const override { return cache_.next_stop(time); }
    void passing(zun::Millis time, std::size_t played) override;

private:
    SeekCache &cache_;
    const Forms &forms_;
    const QuietPort &port_;
};
