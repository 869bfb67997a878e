#include "app/forms.h"
#include "runner/session_report.h"
#include "sessions/input_lines.h"
#include "sessions/session_writer.h"
#include "sim/console_layout.h"
#include "sim/state_hash.h"
#include "sim/ui_port.h"
#include "training/report.h"
#include "ui/Unit_main.h"
#include "ui/report_window.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QShortcut>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>

namespace {

// Writes every input of the door and every stage change to a session file, as the recorder does.
class SessionFileRecorder final : private zun::InputObserver {
public:
    SessionFileRecorder(zun::Dispatcher &dispatcher, const std::filesystem::path &folder)
        : dispatcher_(dispatcher), sim_(dispatcher.model()),
          writer_(folder, std::tm{}, {"zun-trainer 0.1", "", "Пётр", ""})
    {
        dispatcher_.add_observer(*this);
    }
    ~SessionFileRecorder() { dispatcher_.remove_observer(*this); }
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

    zun::Dispatcher &dispatcher_;
    const zun::LineModel &sim_;
    zun::SessionWriter writer_;
};

std::string report_of_file(const std::filesystem::path &path, const zun::ReferenceTimes &reference)
{
    std::ifstream file(path);
    AssessedReplay replay;
    std::ostringstream errors;
    EXPECT_EQ(replay.replay(zun::read_session(file), errors), SimRunner::Completed)
        << errors.str();
    return zun::report_lines(replay.report(reference));
}

QShortcut *shortcut_of(QWidget &window, const QKeySequence &keys)
{
    for (QShortcut *shortcut : window.findChildren<QShortcut *>())
        if (shortcut->key() == keys)
            return shortcut;
    return nullptr;
}

// The program with its windows, recording the session to a file, the main window shown.
class LiveReport : public testing::Test {
protected:
    void SetUp() override { forms_.main().show(); }

    void advance(zun::Millis duration)
    {
        dispatcher_.advance_by(duration);
        forms_.refresh();
    }

    void open_report()
    {
        QShortcut *report_key = shortcut_of(forms_.main(), QKeySequence("Ctrl+R"));
        ASSERT_NE(report_key, nullptr);
        emit report_key->activated();
        ASSERT_TRUE(forms_.report().isVisible());
    }

    std::string report_of_the_file()
    {
        return report_of_file(recorder_.end(), forms_.reference_times());
    }

    const QTemporaryDir folder_;
    zun::RecordingUiPort ui_port_;
    Forms forms_{ui_port_};
    const zun::LineModel &sim_ = forms_.sim();
    zun::Dispatcher &dispatcher_ = forms_.dispatcher();
    SessionFileRecorder recorder_{dispatcher_, folder_.path().toStdString()};
    const zun::Door door_{dispatcher_};
};

TEST_F(LiveReport, FollowsTheSessionAndEqualsTheReportOfItsFile)
{
    open_report();
    EXPECT_EQ(forms_.report().table().rowCount(), 0) << "no step begun yet";

    advance(100);
    door_.apply(zun::input::Command{72, zun::MechCommand::Reverse}); // the interlock refuses it
    advance(1900);
    door_.apply(zun::input::NewCoil{});
    advance(2000);
    EXPECT_EQ(forms_.report().table().rowCount(), 2) << "stage 1 done, stage 2 open";
    door_.apply(zun::input::Command{10, zun::MechCommand::Forward});
    advance(2000);
    door_.apply(zun::input::FindPick{5});
    const int key = zun::console::find_control("Frame_45_Key_Fix_1");
    door_.apply(zun::input::ControlPress{key, zun::MouseButton::Left});
    door_.apply(zun::input::ControlRelease{key, zun::MouseButton::Left});
    advance(1000);
    door_.apply(zun::input::Command{5, zun::MechCommand::Reverse});
    advance(3000);
    door_.apply(zun::input::Pass{});
    advance(8000);

    const std::string live = forms_.report().text().toStdString();
    EXPECT_EQ(report_of_the_file(), live);
    EXPECT_NE(live.find("by=pass"), std::string::npos) << live;
    EXPECT_NE(live.find("reason=interlocked"), std::string::npos) << live;
}

// An examination with a malfunction: the report the instructor copies or saves says that it was
// an examination and how the trainee met the malfunction, as `zun-sim --report` of its file does.
TEST_F(LiveReport, AnExamsMalfunctionsEqualTheReportOfItsFile)
{
    open_report(); // before the examination
    advance(3000);
    door_.apply(zun::input::Lesson{zun::LessonKind::Exam});
    EXPECT_FALSE(forms_.report().isVisible()) << "during it the trainee sees no report";
    door_.apply(zun::input::Fault{1, zun::FaultKind::Drive, true});
    door_.apply(zun::input::Command{1, zun::MechCommand::Forward}); // refused: the drive is out
    advance(1000);
    door_.apply(zun::input::Command{1, zun::MechCommand::Stop});
    advance(500);
    door_.apply(zun::input::ClearFaults{});
    advance(1000);

    // What the window shows of the session, as the instructor copies or saves it.
    forms_.report().show_report(forms_.assessment().report(forms_.reference_times()),
                                sim_.scheduler.now(), "текущий сеанс");
    EXPECT_TRUE(forms_.report().summary().contains("Занятие: экзамен. Неисправностей: 1."))
        << forms_.report().summary().toStdString();
    const std::string live = forms_.report().text().toStdString();
    EXPECT_EQ(report_of_the_file(), live);
    EXPECT_NE(live.find("reason=drive_fault"), std::string::npos) << live;
    EXPECT_TRUE(live.ends_with("lesson=exam\nfault=drive mech=1 set=3000 shown=3000 "
                               "reaction=1000 cleared=4500\n"))
        << live;

    QString error;
    const QString html_file = folder_.filePath("report.html");
    ASSERT_TRUE(forms_.report().save(html_file, error)) << error.toStdString();
    QFile html(html_file);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(html.readAll());
    EXPECT_TRUE(page.contains("Занятие: <b>экзамен</b>")) << page.toStdString();
    EXPECT_TRUE(page.contains("<td>привод не включается</td><td>3000</td><td>3000</td>"
                              "<td>4000</td><td>1000</td><td>4500</td>"))
        << page.toStdString();
}

} // namespace
