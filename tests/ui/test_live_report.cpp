#include "app/forms.h"
#include "sim/console_layout.h"
#include "sim/input_lines.h"
#include "sim/state_hash.h"
#include "sim/ui_port.h"
#include "tools/session_report.h"
#include "training/report.h"
#include "training/session_writer.h"
#include "ui/Unit_main.h"
#include "ui/report_window.h"

#include <gtest/gtest.h>

#include <QShortcut>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>

namespace {

// Writes every input of the door and every stage change to a session file, as the recorder does.
class SessionFileRecorder final : private zun::InputObserver {
public:
    SessionFileRecorder(zun::TSimulator &sim, const std::filesystem::path &folder)
        : sim_(sim), writer_(folder, std::tm{}, {"zun-trainer 0.1", "", "Пётр", ""})
    {
        sim_.add_observer(*this);
    }
    ~SessionFileRecorder() { sim_.remove_observer(*this); }
    SessionFileRecorder(const SessionFileRecorder &) = delete;
    SessionFileRecorder &operator=(const SessionFileRecorder &) = delete;

    std::filesystem::path end()
    {
        writer_.end(sim_.scheduler.now(), zun::hash_text(zun::state_hash(sim_)));
        return writer_.path();
    }

private:
    void input_applied(zun::Millis time, const zun::Input &input, const zun::Answer &) override
    {
        writer_.input(time, zun::script::line_of(input));
    }
    void stage_changed(zun::Millis time, int, int after) override { writer_.stage(time, after); }

    zun::TSimulator &sim_;
    zun::SessionWriter writer_;
};

std::string report_of_file(const std::filesystem::path &path, const zun::ReferenceTimes &reference)
{
    std::ifstream file(path);
    AssessedReplay replay;
    std::ostringstream errors;
    EXPECT_EQ(replay.replay(zun::read_session(file), errors), SimRunner::Completed)
        << errors.str();
    return zun::report_lines({replay.record(), replay.score(reference)});
}

QShortcut *shortcut_of(QWidget &window, const QKeySequence &keys)
{
    for (QShortcut *shortcut : window.findChildren<QShortcut *>())
        if (shortcut->key() == keys)
            return shortcut;
    return nullptr;
}

TEST(LiveReport, FollowsTheSessionAndEqualsTheReportOfItsFile)
{
    const QTemporaryDir folder;
    zun::RecordingUiPort ui_port;
    Forms forms(ui_port);
    zun::TSimulator &sim = forms.sim();
    SessionFileRecorder recorder(sim, folder.path().toStdString());
    const zun::Door door(sim);
    const auto advance = [&](zun::Millis duration) {
        sim.scheduler.advance_by(duration);
        forms.refresh();
    };
    forms.main().show();
    QShortcut *report_key = shortcut_of(forms.main(), QKeySequence("Ctrl+R"));
    ASSERT_NE(report_key, nullptr);
    emit report_key->activated();
    ASSERT_TRUE(forms.report().isVisible());
    EXPECT_EQ(forms.report().table().rowCount(), 0) << "no step begun yet";

    advance(100);
    door.apply(zun::input::Command{72, zun::MechCommand::Reverse}); // the interlock refuses it
    advance(1900);
    door.apply(zun::input::NewCoil{});
    advance(2000);
    EXPECT_EQ(forms.report().table().rowCount(), 2) << "stage 1 done, stage 2 open";
    door.apply(zun::input::Command{10, zun::MechCommand::Forward});
    advance(2000);
    door.apply(zun::input::FindPick{5});
    const int key = zun::console::find_control("Frame_45_Key_Fix_1");
    door.apply(zun::input::ControlPress{key, zun::MouseButton::Left});
    door.apply(zun::input::ControlRelease{key, zun::MouseButton::Left});
    advance(1000);
    door.apply(zun::input::Command{5, zun::MechCommand::Reverse});
    advance(3000);
    door.apply(zun::input::Pass{});
    advance(8000);

    const std::string live = forms.report().text().toStdString();
    EXPECT_EQ(report_of_file(recorder.end(), forms.reference_times()), live);
    EXPECT_NE(live.find("by=pass"), std::string::npos) << live;
    EXPECT_NE(live.find("reason=interlocked"), std::string::npos) << live;
}

} // namespace
