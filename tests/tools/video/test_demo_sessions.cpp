// The demonstrations the videos are made of: each a real session file that the model's own
// parser reads, of a video's length, and doing what its captions say it shows.
#include "app/forms.h"
#include "runner/sim_runner.h"
#include "sessions/input_lines.h"
#include "sim/state_hash.h"
#include "sim/ui_port.h"
#include "tools/video/caption_check.h"
#include "tools/video/demo_player.h"
#include "tools/video/demo_script.h"
#include "tools/video/video_ui_port.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct Demo {
    const char *name;
    int stage_at_end_at_least;
};

class DemoSessionTest : public testing::TestWithParam<Demo> {
protected:
    std::string path() const
    {
        return std::string(ZUN_VIDEO_SESSIONS_DIR "/") + GetParam().name + ".zs";
    }
};

TEST_P(DemoSessionTest, LastsOneToThreeMinutesOfInputsTheModelReads)
{
    std::ifstream in(path());
    ASSERT_TRUE(in) << path();
    const zun::video::DemoScript script = zun::video::read_demo(in);
    EXPECT_GE(script.length_ms, 60000);
    EXPECT_LE(script.length_ms, 180000);
    const zun::Simulator simulator;
    const zun::LineModel &sim = simulator.state();
    for (const zun::video::DemoStep &step : script.steps) {
        if (const auto *line = std::get_if<zun::video::InputLine>(&step)) {
            EXPECT_TRUE(zun::script::parse_input(zun::script::split(line->text), sim.pictures))
                << "line " << line->number << ": " << line->text;
        }
    }
}

TEST_P(DemoSessionTest, ReplayedHeadlessItGetsAsFarAsItShows)
{
    std::ifstream in(path());
    std::ostringstream out;
    SimRunner runner(out);
    int number = 0;
    for (std::string line; std::getline(in, line);)
        ASSERT_NO_THROW(runner.run_line(line)) << "line " << ++number << ": " << line;
    EXPECT_GE(runner.sim().Frame_LineMetal.Stadiya_Raboti, GetParam().stage_at_end_at_least);
}

// Every frame of the video shows what its caption names.
TEST_P(DemoSessionTest, EveryCaptionNamesWhatItsFrameShows)
{
    std::ifstream in(path());
    const zun::video::DemoScript script = zun::video::read_demo(in);
    VideoUiPort ui;
    Forms forms(ui);
    ui.attach(forms);
    QStringList failed;
    DemoPlayer(forms, ui, [&failed](const video::Scene &scene) {
        for (const QString &problem : video::caption_problems(scene))
            if (failed.size() < 5)
                failed << QString::number(scene.time_ms) + QStringLiteral(" ms: ") + problem;
    }).play(script, script.length_ms);
    EXPECT_TRUE(failed.isEmpty()) << failed.join(QLatin1Char('\n')).toStdString();
    ui.detach();
}

// Into the windows, frame by frame, the session leaves the model as the headless runner does.
TEST(DemoPlayerTest, ReplaysIntoTheWindowsAsTheHeadlessRunnerDoes)
{
    constexpr zun::Millis played = 16000;
    const std::string path = ZUN_VIDEO_SESSIONS_DIR "/video_key_work.zs";
    std::ifstream in(path);
    const zun::video::DemoScript script = zun::video::read_demo(in);
    VideoUiPort ui;
    Forms forms(ui);
    ui.attach(forms);
    int frames = 0;
    DemoPlayer(forms, ui, [&frames](const video::Scene &scene) {
        EXPECT_EQ(scene.time_ms, frames * DemoPlayer::frame_ms);
        if (frames % 100 == 0) {
            EXPECT_EQ(video::compose_frame(scene).size(), video::frame_size);
        }
        ++frames;
    }).play(script, played);
    EXPECT_EQ(frames, played / DemoPlayer::frame_ms + 1);
    EXPECT_EQ(forms.sim().scheduler.now(), played);
    EXPECT_EQ(forms.view_clock().now(), played) << "the windows' animations keep the same pace";

    std::ostringstream out;
    SimRunner runner(out);
    for (const zun::video::DemoStep &step : script.steps) {
        const zun::Millis left = played - runner.sim().scheduler.now();
        if (const auto *advance = std::get_if<zun::video::Advance>(&step)) {
            runner.run_line("advance " + std::to_string(std::min(advance->ms, left)));
            if (advance->ms >= left)
                break;
        } else if (const auto *line = std::get_if<zun::video::InputLine>(&step)) {
            runner.run_line(line->text);
        }
    }
    EXPECT_GE(runner.sim().Frame_LineMetal.Stadiya_Raboti, 3) << "the demonstration got going";
    EXPECT_EQ(zun::state_hash(forms.sim()), zun::state_hash(runner.sim()));
    ui.detach();
}

INSTANTIATE_TEST_SUITE_P(Videos, DemoSessionTest,
                         testing::Values(Demo{"video_navigation", 1}, Demo{"video_key_work", 11},
                                         Demo{"video_one_button_by_step", 17},
                                         Demo{"video_jump_to_any_step", 27},
                                         Demo{"video_full_auto", 30}),
                         [](const testing::TestParamInfo<Demo> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
