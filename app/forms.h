#pragma once

#include "app/history_keeper.h"
#include "console/view_clock.h"
#include "sim/door.h"
#include "training/assessment.h"
#include "training/score.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QString;
class QWidget;
class TForm_Start;
class TForm_Main_ZUN;
class TForm_Steps;
class TForm_Test;
class TForm_Blocking;
class TForm_Status_Mech_Array;
class TForm_Target;
class TForm_Hand;
class TVideoMenu;
class ReportWindow;
class HistoryWindow;
class HistoryService;
class QSettings;

namespace zun {
class UiPort;
}

// The owner of the program: it builds the model, then the nine windows, handing each what it
// needs, and shows the start screen. Whatever the windows do to the model goes through the door;
// after each input, and after each advance of the clock (refresh), the windows follow the model.
class Forms final : private zun::InputObserver {
public:
    // Over a model built fresh, or over one brought to its moment elsewhere (a snapshot read
    // back): the windows are built over the model they show.
    explicit Forms(zun::UiPort &ui_port,
                   std::unique_ptr<zun::Simulator> model = std::make_unique<zun::Simulator>());
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;
    ~Forms();

    // The model, to read, and the one way to change it.
    const zun::LineModel &sim() const { return dispatcher_.model(); }
    zun::Dispatcher &dispatcher() { return dispatcher_; }
    TForm_Start &start() const { return *start_; }
    TForm_Main_ZUN &main() const { return *main_; }
    TForm_Steps &steps() const { return *steps_; }
    TForm_Test &test() const { return *test_; }
    TForm_Blocking &blocking() const { return *blocking_; }
    TForm_Status_Mech_Array &status() const { return *status_; }
    TForm_Target &target() const { return *target_; }
    TForm_Hand &hand() const { return *hand_; }
    TVideoMenu &video_menu() const { return *video_menu_; }
    // The clock of the windows' own animations, which whoever shows them runs.
    ViewClock &view_clock() { return view_clock_; }

    // The nine windows: the start screen, the main window, then the others.
    std::vector<QWidget *> windows() const;

    // How the trainee does in this session, kept from the first input on.
    const zun::Assessment &assessment() const { return *assessment_; }
    zun::Assessment &assessment() { return *assessment_; }
    // Worked out from an automatic run when first asked for.
    const zun::ReferenceTimes &reference_times() const;
    // Who the session being recorded is of and when it began, for the live report's title.
    void set_report_heading(zun::ReportHeading heading);
    // The session's report (Ctrl+R in the main window), following the session while shown.
    ReportWindow &report() const { return *report_; }
    void show_report();
    // "журнал" (Ctrl+J in the main window): the trainees' history.
    HistoryWindow &journal() const { return *journal_; }
    void show_journal();

    // Opens the trainees' history that the settings name and stores the session files of
    // `sessions_folder` it lacks. A database that cannot be opened is said once, in a box; the
    // training goes on and the files are stored when it is back.
    void open_history(const QSettings &settings, const std::filesystem::path &sessions_folder);
    // Uses the history and the reference times the program keeps across rebuilt windows, so that
    // a rebuild (going back, a seek) neither reopens the database nor reruns the reference.
    void use_history(HistoryService &history, const zun::ReferenceTimes &reference);
    // The box that says the history is away and the training goes on.
    static std::string history_unavailable_text(const QString &reason);
    // The box that lists the session files a storing run refused, and why.
    static std::string refused_sessions_text(const StoringRun &run);
    // The file this session is being recorded to, which the history leaves alone until it has
    // ended; then its summary is stored at once.
    void session_file_started(const std::filesystem::path &file);
    void session_file_ended();
    // Stores the session files the history lacks, but for the one being recorded.
    void store_sessions();
    // The history in use, or null before one is given.
    HistoryService *history() const { return history_; }

    // Brings the windows up to the model (after a replay has brought it to its moment).
    void refresh();

    // While locked, the windows' inputs do not reach the model (a replay plays in them).
    zun::DoorLock &door_lock() { return door_lock_; }
    // Shows, hides, sizes and scrolls the main and the steps window as the model holds them,
    // after the model was brought to a state without them (a replay, going back).
    void show_windows_as_model();
    // While the line is frozen the main window says so and the trainee's gestures are ignored.
    void set_frozen(bool frozen);
    // Called when an examination begins, after the windows of this set the trainee must not
    // keep open (the live report) have closed: for the windows the owner keeps.
    void set_exam_began(std::function<void()> exam_began) { exam_began_ = std::move(exam_began); }

private:
    void follow_model();
    void follow_report();
    void input_applied(zun::Millis time, const zun::Input &input,
                       const zun::Answer &answer) override;
    void dispatched() override;
    void close_what_an_exam_forbids();
    void connect_history();
    void show_stored(const HistoryService &history);

    zun::UiPort &ui_port_;
    zun::Dispatcher dispatcher_; // made first, gone last: the windows hold the model
    zun::DoorLock door_lock_;
    zun::DoorGate gate_;  // the trainee's windows reach the model through it
    ViewClock view_clock_; // made before the windows, gone after them
    std::unique_ptr<zun::Assessment> assessment_;
    mutable std::optional<zun::ReferenceTimes> reference_; // worked out when first needed
    std::unique_ptr<TForm_Steps> steps_;
    std::unique_ptr<TForm_Test> test_;
    std::unique_ptr<TForm_Blocking> blocking_;
    std::unique_ptr<TForm_Status_Mech_Array> status_;
    std::unique_ptr<TForm_Target> target_;
    std::unique_ptr<TForm_Hand> hand_;
    std::unique_ptr<TVideoMenu> video_menu_;
    std::unique_ptr<TForm_Main_ZUN> main_;
    std::unique_ptr<TForm_Start> start_;
    std::unique_ptr<ReportWindow> report_;
    std::uint64_t report_version_ = 0; // of the assessment the report shows
    zun::Millis report_time_ = 0;      // the time the report's plot shows
    zun::ReportHeading report_heading_;
    std::unique_ptr<HistoryService> own_history_; // opened by open_history
    std::function<void()> exam_began_;
    HistoryService *history_ = nullptr;           // the one in use, own or given
    std::filesystem::path session_file_; // being recorded; empty when none is
    std::unique_ptr<HistoryWindow> journal_;
};
