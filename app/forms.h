#pragma once

#include "sim/Unit_simulator.h"
#include "sim/door.h"

#include <memory>
#include <vector>

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

namespace zun {
class UiPort;
}

// The owner of the program: it builds the model, then the nine windows, handing each what it
// needs, and shows the start screen. Whatever the windows do to the model goes through the door;
// after each input, and after each advance of the clock (refresh), the windows follow the model.
class Forms final : private zun::InputObserver {
public:
    explicit Forms(zun::UiPort &ui_port);
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;
    ~Forms();

    zun::TSimulator &sim() { return sim_; }
    TForm_Start &start() const { return *start_; }
    TForm_Main_ZUN &main() const { return *main_; }
    TForm_Steps &steps() const { return *steps_; }
    TForm_Test &test() const { return *test_; }
    TForm_Blocking &blocking() const { return *blocking_; }
    TForm_Status_Mech_Array &status() const { return *status_; }
    TForm_Target &target() const { return *target_; }
    TForm_Hand &hand() const { return *hand_; }
    TVideoMenu &video_menu() const { return *video_menu_; }

    // The nine windows: the start screen, the main window, then the others.
    std::vector<QWidget *> windows() const;

    // Brings the windows up to the model and hands them what the model asked of them.
    void refresh();

    // While locked, the windows' inputs do not reach the model (a replay plays in them).
    zun::DoorLock &door_lock() { return door_lock_; }
    // Shows, hides, sizes and scrolls the main and the steps window as the model holds them,
    // after the model was brought to a state without them (a replay, going back).
    void show_windows_as_model();
    // While the line is frozen the main window says so and the trainee's gestures are ignored.
    void set_frozen(bool frozen);

private:
    void follow_model();
    void input_applied(zun::Millis time, const zun::Input &input,
                       const zun::Answer &answer) override;

    zun::TSimulator sim_; // made first, gone last: the windows hold it
    zun::DoorLock door_lock_;
    zun::DoorGate gate_;  // the trainee's windows reach the model through it
    std::unique_ptr<TForm_Steps> steps_;
    std::unique_ptr<TForm_Test> test_;
    std::unique_ptr<TForm_Blocking> blocking_;
    std::unique_ptr<TForm_Status_Mech_Array> status_;
    std::unique_ptr<TForm_Target> target_;
    std::unique_ptr<TForm_Hand> hand_;
    std::unique_ptr<TVideoMenu> video_menu_;
    std::unique_ptr<TForm_Main_ZUN> main_;
    std::unique_ptr<TForm_Start> start_;
};
