// Seeking and going back from the moments kept of a session reach the state, the record and the
// report a replay from the start reaches.
#include "app/error_reporter.h"
#include "app/kept_moments.h"
#include "app/trainer_session.h"
#include "runner/session_loader.h"
#include "sim/snapshot.h"
#include "sim/state_hash.h"
#include "training/report.h"
#include "training/score.h"
#include "ui/Unit_main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>

namespace {

const std::filesystem::path golden_hour = ZUN_GOLDEN_DIR "/hour_of_random_use.zs";

// What a moment of a session is: the model's state and what its report says.
struct Reached {
    std::uint64_t hash;
    std::string report;
    bool operator==(const Reached &) const = default;
};

Reached reached(const zun::LineModel &model, const zun::Assessment &assessment)
{
    static const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    return {zun::state_hash(model), zun::report_lines(assessment.report(reference))};
}

// The session replayed from the start, headless, through each of `goals` in turn.
std::map<zun::Millis, Reached> replayed_through(const zun::InputTimeline &inputs,
                                                std::vector<zun::Millis> goals)
{
    std::ranges::sort(goals);
    zun::RecordingUiPort port;
    zun::Dispatcher dispatcher(port);
    const zun::Assessment assessment(dispatcher);
    zun::SessionPlayer player(dispatcher, inputs);
    std::map<zun::Millis, Reached> at;
    for (const zun::Millis goal : goals) {
        player.play_to(goal);
        at.emplace(goal, reached(dispatcher.model(), assessment));
    }
    return at;
}

TEST(KeptMoments, SeeksAnywhereReachTheStateAndReportOfAReplayFromTheStart)
{
    const LoadedSession hour = load_session(golden_hour);
    ASSERT_EQ(hour.error, "");
    ASSERT_GT(hour.length, 3 * seek_interval);
    std::vector<zun::Millis> goals = {0,
                                      1,
                                      seek_interval - 1,
                                      seek_interval,
                                      seek_interval + 1,
                                      2 * seek_interval,
                                      hour.length / 2,
                                      hour.length - 60'000,
                                      hour.length};
    for (std::size_t i = 0; i < hour.inputs.size(); i += 997)
        goals.push_back(hour.inputs[i].time); // inputs at the goal itself are applied too
    std::mt19937 random(5);
    std::uniform_int_distribution<zun::Millis> anywhere(0, hour.length);
    for (int i = 0; i < 12; ++i)
        goals.push_back(anywhere(random));
    const std::map<zun::Millis, Reached> expected = replayed_through(hour.inputs, goals);

    zun::RecordingUiPort port;
    ErrorReporter errors;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zun_kept_moments_seeks";
    std::filesystem::remove_all(folder);
    {
        TrainerSession session(port, errors, {folder, "zun-trainer test", "", [] { return 0.0; }});
        ASSERT_EQ(session.open_replay(golden_hour), "");
        // Forwards first, which keeps the moments, then every way.
        std::ranges::shuffle(goals, random);
        for (const zun::Millis goal : goals) {
            session.replay_seek(goal);
            EXPECT_EQ(reached(session.forms().sim(), session.forms().assessment()),
                      expected.at(goal))
                << "at " << goal;
        }
    }
    std::filesystem::remove_all(folder);
}

// The live session runs the hour's inputs, as the clock driver and the windows would give them;
// going back from moments kept while it recorded reaches the state and the report of the new
// file replayed from the start.
TEST(KeptMoments, GoingBackReachesTheStateAndReportOfAReplayFromTheStart)
{
    const LoadedSession hour = load_session(golden_hour);
    ASSERT_EQ(hour.error, "");
    const zun::Millis recorded = 4 * seek_interval + 30'000;
    zun::RecordingUiPort port;
    ErrorReporter errors;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zun_kept_moments_going_back";
    std::filesystem::remove_all(folder);
    {
        TrainerSession session(port, errors, {folder, "zun-trainer test", "", [] { return 0.0; }});
        zun::Dispatcher &dispatcher = session.forms().dispatcher();
        for (const zun::TimedInput &timed : hour.inputs) {
            if (timed.time > recorded)
                break;
            dispatcher.advance_to(timed.time);
            session.catch_up_recording();
            dispatcher.apply(timed.input);
        }
        dispatcher.advance_to(recorded);
        session.catch_up_recording();
        const std::map<zun::Millis, Reached> expected =
            replayed_through(hour.inputs, {recorded - 60'000, recorded - 360'000});
        for (const zun::Millis by : {60'000, 300'000}) {
            const zun::Millis goal = session.forms().sim().scheduler.now() - by;
            session.go_back(by);
            EXPECT_EQ(reached(session.forms().sim(), session.forms().assessment()),
                      expected.at(goal))
                << "back " << by;
        }
    }
    std::filesystem::remove_all(folder);
}

// A moment whose snapshot is gone or refused is replaced by one played from the moment before.
class KeptMomentLost : public testing::TestWithParam<const char *> {};

TEST_P(KeptMomentLost, IsPlayedAgainFromTheOneBefore)
{
    const LoadedSession hour = load_session(golden_hour);
    ASSERT_EQ(hour.error, "");
    const zun::Millis goal = 2 * seek_interval + 60'000;
    const std::map<zun::Millis, Reached> expected = replayed_through(hour.inputs, {goal});

    zun::RecordingUiPort ui_port;
    QuietPort port(ui_port);
    port.set_quiet(QuietPort::Quiet::Everything);
    SeekCache cache(seek_interval, fresh_base(port));
    {
        RestoredMoment first = restored(cache, port, 0);
        MomentKeeper keeper(cache, *first.forms, port);
        zun::SessionPlayer(first.forms->dispatcher(), hour.inputs, 0, &keeper).play_to(goal);
    }
    SeekCache::Moment lost = cache.at_or_before(goal);
    ASSERT_EQ(lost.time, 2 * seek_interval);
    const std::string kept_text = lost.model;
    if (std::string(GetParam()) == "refused") {
        lost.model.replace(lost.model.find("\nnow="), 5, "\nnow=1"); // another clock
        cache.keep(lost);
    } else {
        ASSERT_TRUE(cache.forget(lost.time));
    }

    RestoredMoment from = restored(cache, port, goal);
    EXPECT_EQ(from.forms->sim().scheduler.now(), seek_interval);
    MomentKeeper keeper(cache, *from.forms, port);
    zun::SessionPlayer(from.forms->dispatcher(), hour.inputs, from.played, &keeper).play_to(goal);
    EXPECT_EQ(reached(from.forms->sim(), from.forms->assessment()), expected.at(goal));
    EXPECT_EQ(cache.at_or_before(goal).time, 2 * seek_interval);
    EXPECT_EQ(cache.at_or_before(goal).model, kept_text);
}

INSTANTIATE_TEST_SUITE_P(Moments, KeptMomentLost, testing::Values("missing", "refused"));

} // namespace
