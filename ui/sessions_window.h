#pragma once

#include "sessions/session_file.h"
#include "sim/scheduler.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;

// What the sessions window asks of the program: the recorded sessions, a replay of one in the
// program's windows, and going back in the live session.
class SessionControl {
public:
    virtual std::vector<zun::SessionSummary> sessions() const = 0;
    // Opens a replay at its start, ending the live session; returns why it cannot (nothing is
    // opened then), or nothing.
    virtual std::string open_replay(const std::filesystem::path &file) = 0;
    virtual bool replaying() const = 0;
    virtual zun::Millis replay_length() const = 0;
    virtual zun::Millis replay_position() const = 0;
    // Plays on to `time` as recorded, in sight.
    virtual void replay_play_to(zun::Millis time) = 0;
    // Goes to any moment at once, back or forth.
    virtual void replay_seek(zun::Millis time) = 0;
    // Hands the controls to the trainee at the replay's moment: a live session from there.
    virtual void continue_from_here() = 0;
    // Ends the replay; a fresh session starts as at the program's start.
    virtual void close_replay() = 0;
    // Rebuilds the live session as it was `by` milliseconds ago and goes on from there.
    virtual void go_back(zun::Millis by) = 0;

protected:
    ~SessionControl() = default;
};

// "сеансы": the recorded sessions (date, length, trainee, last step), the replay of one at a
// chosen speed with pause, a time slider and "продолжить отсюда", and going back 1 or 5 minutes
// in the live session.
class SessionsWindow final : public QWidget {
    Q_OBJECT

public:
    // The speeds offered, as factors of real time; ×1 is chosen at first.
    static const std::vector<double> &speeds();

    explicit SessionsWindow(SessionControl &control, QWidget *parent = nullptr);

    QTableWidget *sessions_list;
    QPushButton *play_button;
    QLabel *error_label;
    QPushButton *pause_button;
    QComboBox *speed_box;
    QSlider *time_slider;
    QLabel *time_label;
    QPushButton *continue_button;
    QLabel *state_label;
    QPushButton *back_1_button;
    QPushButton *back_5_button;

    // Fills the list from the sessions folder again.
    void fill_list();
    // Plays a session file, as a pick in the list does; a bad file shows its message.
    void play_file(const std::filesystem::path &file);
    // Plays on by `wall_ms` of real time at the chosen speed; the window's timer calls it.
    void play_for(double wall_ms);
    bool paused() const { return paused_; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void open_selected();
    void set_paused(bool paused);
    void seek_to_slider();
    void tick();
    void follow_control();

    SessionControl &control_;
    std::vector<zun::SessionSummary> listed_;
    QTimer timer_;
    QElapsedTimer wall_;
    double owed_ = 0; // virtual milliseconds due, below one
    bool paused_ = true;
};
