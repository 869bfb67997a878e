#pragma once

#include "app/forms.h"
#include "app/quiet_port.h"
#include "sessions/session_player.h"
#include "sessions/snapshot_cache.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

// What the observers of a session built from its inputs, kept with each snapshot of its model:
// the assessment (the stage record and the lesson log) and the port's last word on the marker
// and the hand. Both come from the model's answers and requests as the inputs play, so they
// cannot be rebuilt from the inputs without the model; they are kept with the snapshot instead,
// which is simpler than replaying the inputs and the answers into them afterwards. The
// assessment's lists only grow, so a moment keeps their lengths and the cache keeps them once.
// The instructor's window and the recorder need none: they take theirs when the windows are
// built.
struct KeptRecords {
    zun::Assessment::Kept assessment;
    QuietPort::Pointers pointers;
};

// The moments kept of the session in the windows, with the assessment's lists as far as they were
// kept, which the moments take theirs from.
class SeekCache {
public:
    using Moment = zun::KeptMoment<KeptRecords>;

    SeekCache(zun::Millis interval, Moment base) : moments_(interval, std::move(base)) {}

    const Moment &at_or_before(zun::Millis time) const { return moments_.at_or_before(time); }
    zun::Millis next_stop(zun::Millis time) const { return moments_.next_stop(time); }
    bool wants(zun::Millis time) const { return moments_.wants(time); }
    // The moment the windows' model stands at, with `played` inputs applied.
    void keep(const Forms &forms, const QuietPort &port, std::size_t played);
    // A moment taken from this cache again (its snapshot's text changed, say): its lists are
    // kept already.
    void keep(Moment moment) { moments_.keep(std::move(moment)); }
    bool forget(zun::Millis time) { return moments_.forget(time); }
    // The session goes another way after `time`: the moments after it go, and the lists beyond
    // the latest moment kept before it.
    void drop_after(zun::Millis time);

    const zun::AssessmentHistory &history() const { return history_; }
    std::size_t size() const { return moments_.size(); }
    std::size_t model_bytes() const { return moments_.model_bytes(); }

private:
    zun::SnapshotCache<KeptRecords> moments_;
    zun::AssessmentHistory history_;
};

// How far apart in virtual time the moments of a session are kept.
inline constexpr zun::Millis seek_interval = 300'000;

// The first moment of a session that starts from a model built fresh, or from the start state
// `start` (a snapshot's text, which must read back).
SeekCache::Moment fresh_base(zun::UiPort &port);
SeekCache::Moment start_base(zun::UiPort &port, const std::string &start);

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
