// Thousands of random presses, releases, moves, drags and keys aimed at every visible window,
// control and picture; the boxes the program shows are answered through the UI port. The
// program must stay responsive and the model keep its promises; the inputs that passed the door,
// written as script lines with their times and replayed by the headless runner, give the same
// state.
#include "app/Unit_start.h"
#include "app/error_reporter.h"
#include "app/forms.h"
#include "app/start_controls.h"
#include "app/trainer_session.h"
#include "console/caption_label.h"
#include "runner/sim_runner.h"
#include "sessions/input_lines.h"
#include "sessions/session_recorder.h"
#include "sim/state_hash.h"
#include "sim/ui_port.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/main_commands.h"
#include "ui/scene_view.h"
#include "ui/wrapped_button.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace {

// The kind of thing an event went to, for the counts.
std::string kind_of(QWidget *target, QPoint at)
{
    if (auto *view = qobject_cast<PanelView *>(target)) {
        const zun::Picture *picture = view->panel().picture_at(at.x(), at.y());
        if (!picture)
            return "panel surface";
        const std::string &name = picture->name();
        if (name.find("_Polosa_Body") != std::string::npos ||
            name.find("_Line_") != std::string::npos)
            return "strip picture";
        if (name.rfind("Image_Pult", 0) == 0 || name.rfind("Image_Post", 0) == 0)
            return "post picture";
        if (name.size() > 5 && std::isdigit(static_cast<unsigned char>(name[5])))
            return "mechanism picture";
        return "other picture";
    }
    if (qobject_cast<CaptionLabel *>(target))
        return std::string("console ") + target->parentWidget()->metaObject()->className();
    return target->metaObject()->className();
}

// Writes every input that passes the door as a script line, with its virtual time.
class LineRecorder final : public zun::InputObserver {
public:
    void input_applied(zun::Millis time, const zun::Input &input, const zun::Answer &) override
    {
        lines.emplace_back(time, zun::script::line_of(input));
    }

    std::vector<std::pair<zun::Millis, std::string>> lines;
};

// Replays recorded lines in the headless runner, each at its time, up to `end`.
std::uint64_t replayed_hash(const std::vector<std::pair<zun::Millis, std::string>> &lines,
                            zun::Millis end)
{
    std::ostringstream out;
    SimRunner runner(out);
    for (const auto &[time, line] : lines) {
        runner.run_line("advance " + std::to_string(time - runner.sim().scheduler.now()));
        runner.run_line(line);
    }
    runner.run_line("advance " + std::to_string(end - runner.sim().scheduler.now()));
    return zun::state_hash(runner.sim());
}

// A folder of its own for the session files of a test.
struct SessionFolder {
    SessionFolder() { std::filesystem::remove_all(path); }
    ~SessionFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 (std::string("zun_random_") +
                                  testing::UnitTest::GetInstance()->current_test_info()->name());
};

std::tm zun_start_time()
{
    std::tm time{};
    time.tm_year = 126;
    time.tm_mday = 1;
    return time;
}

// A click on a mechanism's picture, a typed beginning in the find box, or the pass button.
template <typename Pick> void bring_pages_forward(Forms &forms, Pick &pick)
{
    TForm_Main_ZUN &window = forms.main();
    switch (pick(3)) {
    case 0: {
        std::vector<const zun::Picture *> mechanisms;
        for (const zun::Picture *picture : window.Panel_Image_Scene->panel().pictures())
            if (picture->visible() && forms.sim().is_mech_picture(*picture))
                mechanisms.push_back(picture);
        const zun::Picture *picture = mechanisms[pick(mechanisms.size())];
        QTest::mouseClick(
            window.Panel_Image_Scene, Qt::LeftButton, {},
            QPoint(picture->left() + picture->width() / 2, picture->top() + picture->height() / 2));
        break;
    }
    case 1: {
        QLineEdit *edit = window.commands->ComboBox_Find_Mech->lineEdit();
        edit->clear();
        QTest::keyClick(edit, static_cast<char>('1' + pick(9)));
        break;
    }
    default:
        window.commands->Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu->click();
        break;
    }
}

// Random use of the windows, `events` of them; the virtual clock advances by chance too.
void use_randomly(Forms &forms, int events, unsigned seed, std::map<std::string, int> &reached)
{
    const zun::LineModel &sim = forms.sim();
    zun::Dispatcher &dispatcher = forms.dispatcher();
    std::mt19937 random(seed);
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    // Aimed targets: a picture of the scene or of an open close-up, a console control on the
    // page in front, a tab, or any visible widget of a visible window.
    const auto aim = [&](QWidget *&target, QPoint &at) {
        switch (pick(4)) {
        case 0: {
            std::vector<PanelView *> views{forms.main().Panel_Image_Scene};
            for (PanelView *close_up : forms.main().close_ups)
                if (close_up->isVisible())
                    views.push_back(close_up);
            PanelView *view = views[pick(views.size())];
            std::vector<const zun::Picture *> seen;
            for (const zun::Picture *picture : view->panel().pictures())
                if (picture->visible())
                    seen.push_back(picture);
            const zun::Picture *picture = seen[pick(seen.size())];
            target = view;
            at = QPoint(picture->left() + picture->width() / 2,
                        picture->top() + picture->height() / 2);
            return;
        }
        case 1: {
            std::vector<CaptionLabel *> labels;
            for (CaptionLabel *label : forms.main().findChildren<CaptionLabel *>())
                if (label->isVisible())
                    labels.push_back(label);
            target = labels[pick(labels.size())];
            break;
        }
        case 2: {
            const auto bars = forms.main().findChildren<QTabBar *>();
            std::vector<QTabBar *> shown;
            for (QTabBar *bar : bars)
                if (bar->isVisible())
                    shown.push_back(bar);
            QTabBar *bar = shown[pick(shown.size())];
            target = bar;
            at = bar->tabRect(static_cast<int>(pick(static_cast<std::size_t>(bar->count()))))
                     .center();
            return;
        }
        default: {
            std::vector<QWidget *> widgets;
            for (QWidget *window : forms.windows())
                if (window->isVisible() && window != &forms.start())
                    for (QWidget *child : window->findChildren<QWidget *>())
                        if (child->isVisible())
                            widgets.push_back(child);
            target = widgets[pick(widgets.size())];
            break;
        }
        }
        at =
            QPoint(static_cast<int>(pick(static_cast<std::size_t>(std::max(1, target->width())))),
                   static_cast<int>(pick(static_cast<std::size_t>(std::max(1, target->height())))));
    };
    for (int event = 0; event < events; ++event) {
        if (event == events / 2) { // the automation lays the strip through the line
            dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
            dispatcher.apply(zun::input::StepClick{30});
        }
        if (event % 50 == 25) // inputs that bring pages forward: a picture, a find pick, a pass
            bring_pages_forward(forms, pick);
        QWidget *target = nullptr;
        QPoint at;
        aim(target, at);
        const QPointF global = target->mapToGlobal(QPointF(at));
        const Qt::MouseButton button = pick(4) ? Qt::LeftButton : Qt::RightButton;
        QPointer<QWidget> alive(target);
        switch (pick(5)) {
        case 0: {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            break;
        }
        case 1: {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &release);
            break;
        }
        case 2: {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), global, Qt::NoButton,
                             pick(3) ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            break;
        }
        case 3: {
            QKeyEvent key(QEvent::KeyPress, pick(2) ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
            QApplication::sendEvent(target, &key);
            break;
        }
        default:
            dispatcher.advance_by(static_cast<zun::Millis>(pick(500)));
            forms.refresh();
            break;
        }
        if (alive)
            ++reached[kind_of(target, at)];
        QApplication::processEvents();
        ASSERT_GE(sim.Cur_Mech, 0);
        ASSERT_LT(sim.Cur_Mech, zun::LineModel::mech_count);
        for (const zun::TMech *mech : sim.Mech_Array)
            ASSERT_FALSE(mech->b_KM_FWD && mech->b_KM_RWS);
    }
}

TEST(RandomWindowsTest, TheProgramSurvivesRandomUseOfItsWindows)
{
    zun::RecordingUiPort ui_port;
    Forms forms(ui_port);
    const zun::LineModel &sim = forms.sim();
    zun::Dispatcher &dispatcher = forms.dispatcher();
    LineRecorder recorder;
    dispatcher.add_observer(recorder);
    const SessionFolder folder;
    zun::SessionRecorder session(dispatcher, folder.path, zun_start_time(),
                                 {"zun-trainer test", "", "", ""});
    forms.main().show();
    forms.steps().show();
    std::map<std::string, int> reached;
    use_randomly(forms, 6000, 7, reached);
    ASSERT_FALSE(HasFatalFailure());
    std::cout << "[ reached  ]";
    for (const auto &[kind, count] : reached)
        std::cout << " " << kind << "=" << count;
    std::cout << "\n";
    for (const char *kind :
         {"mechanism picture", "strip picture", "post picture", "console TFrame_45_Key_Fix_",
          "console TFrame_Button", "console TFrame_Krutilka", "QTabBar", "StepsList"})
        EXPECT_GT(reached[kind], 0) << kind;
    // Still responsive: the clock runs and a pass is carried out.
    dispatcher.advance_by(1000);
    EXPECT_LE(sim.Frame_LineMetal.Stadiya_Raboti, 49);

    dispatcher.remove_observer(recorder);
    std::map<std::string, int> kinds;
    for (const auto &[time, line] : recorder.lines)
        ++kinds[line.substr(0, line.find(' '))];
    std::cout << "[ recorded ] " << recorder.lines.size() << " inputs over " << sim.scheduler.now()
              << " ms:";
    for (const auto &[kind, count] : kinds)
        std::cout << " " << kind << "=" << count;
    std::cout << "\n";
    for (const char *kind : {"key", "tab", "click", "find", "pass", "hover", "step"})
        EXPECT_GT(kinds[kind], 0) << kind;
    EXPECT_EQ(replayed_hash(recorder.lines, sim.scheduler.now()), zun::state_hash(sim));

    // The session file the program writes replays headless to the same state.
    session.end();
    std::ifstream file(session.path());
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    EXPECT_EQ(runner.replay(zun::read_session(file), true, errors), SimRunner::Completed)
        << errors.str();
}

} // namespace

namespace {

// The memory the process holds, in kB (VmRSS), once what it freed is given back.
long resident_kb()
{
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return 0;
}

// Not a test but a measurement, run by hand: hours of random use recorded to a session file
// (ZUN_RANDOM_HOURS of them, one unless told), then the file's size, how long seeking in its
// replay and going back take, the windows' refresh included, and the memory the moments kept
// for seeking take.
// ui_tests --gtest_also_run_disabled_tests --gtest_filter='*HourOfRandomUse*'
// With ZUN_SEEK_SESSION=FILE it measures the seeks in that file instead, recording nothing (for
// a profiler).
TEST(RandomWindowsTest, DISABLED_HourOfRandomUseMeasured)
{
    const SessionFolder folder;
    const char *given = std::getenv("ZUN_SEEK_SESSION");
    const char *hours = std::getenv("ZUN_RANDOM_HOURS");
    const zun::Millis length = (hours ? std::stol(hours) : 1) * 3'600'000;
    std::filesystem::path file = given ? given : "";
    if (!given) {
        zun::RecordingUiPort ui_port;
        Forms forms(ui_port);
        const zun::LineModel &sim = forms.sim();
        zun::Dispatcher &dispatcher = forms.dispatcher();
        zun::SessionRecorder session(dispatcher, folder.path, zun_start_time(),
                                     {"zun-trainer test", "", "", ""});
        forms.main().show();
        forms.steps().show();
        std::map<std::string, int> reached;
        for (unsigned seed = 1; sim.scheduler.now() < length; ++seed)
            use_randomly(forms, 2000, seed, reached);
        session.end();
        file = session.path();
        std::cout << "[ hours    ] " << session.inputs().size() << " inputs over "
                  << sim.scheduler.now() << " ms: " << std::filesystem::file_size(file)
                  << " bytes\n";
        // Kept for `zun-sim` and a profiler.
        const std::filesystem::path kept =
            std::filesystem::temp_directory_path() / "zun_hour_of_random_use.zs";
        std::filesystem::copy_file(file, kept, std::filesystem::copy_options::overwrite_existing);
        std::cout << "[ hours    ] kept as " << kept.string() << "\n";
    }
    zun::RecordingUiPort port;
    ErrorReporter errors;
    TrainerSession session(port, errors,
                           {folder.path / "replays", "zun-trainer test", "", [] { return 0.0; }});
    QElapsedTimer timer;
    const auto measured = [&timer](const std::string &what) {
        QApplication::processEvents(); // the windows' paint included
        std::cout << "[ seek     ] " << what << ": " << timer.nsecsElapsed() / 1000000.0 << " ms\n";
        timer.restart();
    };
    timer.start();
    ASSERT_EQ(session.open_replay(file), "");
    measured("open (read and check the file, build the windows)");
    const long resident_before = resident_kb();
    timer.restart();
    session.replay_seek(session.replay_length());
    measured("forwards from the start to the end (the moments kept on the way)");
    std::cout << "[ memory   ] the moments kept: " << resident_kb() - resident_before
              << " kB more resident, " << session.kept_moments().size() << " moments, their "
              << "snapshots' text " << session.kept_moments().model_bytes() / 1024 << " kB\n";
    timer.restart();
    const zun::Millis end = session.replay_length();
    session.replay_seek(end - 60'000);
    measured("back one minute from the end");
    session.replay_seek(end / 2);
    measured("back to the middle");
    std::mt19937 random(3);
    std::uniform_int_distribution<zun::Millis> anywhere(0, end);
    for (int i = 0; i < 8; ++i) {
        const zun::Millis goal = anywhere(random);
        session.replay_seek(goal);
        measured("to " + std::to_string(goal) + " ms");
    }
    session.replay_seek(end);
    timer.restart();
    session.continue_from_here();
    measured("continuing from the end");
    session.go_back(60'000);
    measured("going back 1 minute while recording");
    session.go_back(300'000);
    measured("going back 5 minutes while recording");
    {
        zun::RecordingUiPort fresh_port;
        Forms fresh(fresh_port);
    }
    measured("building the model and the windows alone");
}

} // namespace
