#pragma once

#include "sim/U_mech.h"
#include "sim/console_layout.h"
#include "sim/picture_store.h"
#include "sim/scheduler.h"
#include "sim/ui_port.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>

namespace zun {

// The whole simulated state of the trainer, driven by one virtual clock: the model half of the
// main window and of the steps window. The windows hold it and only paint and forward input.
class TSimulator final : public TMech_Host {
public:
    static constexpr int Mech_Count = 200;
    static constexpr int No_Working_Mode = -1;

    explicit TSimulator(UiPort &ui_port);
    TSimulator(const TSimulator &) = delete;
    TSimulator &operator=(const TSimulator &) = delete;

    // Declared first: every timer of the program lives on it and must go before it.
    Scheduler scheduler;
    UiPort &ui;

    // Every panel and component of the main window's picture panels.
    PictureStore pictures;
    // The find box's items: item n names mechanism n.
    std::array<std::string, console::mech_name_count> Find_Mech_List;

    std::array<TMech *, Mech_Count> Mech_Array{}; // slot j is mechanism j
    std::int32_t Cur_Mech = 0;

    // The steps window's selector: no mode at start, then 0 (trainee passes stages), 1 (a step
    // click sets that step's state) or 2 (automatic run).
    int Working_Mode = No_Working_Mode;
    // Both "pass the stage" buttons, the steps window's and the main window's, look alike.
    bool Pass_Button_Enabled = true;
    std::string Pass_Button_Caption;

    // The name of mechanism n as the find list gives it; empty beyond the list.
    const std::string &f_Mech_Name(int number) const;
    void f_Fill_Find_Mech_List();

    // Selects a working mode as the selector does; a mode that is already selected changes
    // nothing. Returns whether the mode changed.
    bool f_Select_Working_Mode(int mode);

    void f_Set_Cur_Mech(std::int32_t number) override;
    void f_Show_Container(Panel &container) override;

private:
    void RadioGroup1Click();

    std::deque<TMech> mechanisms_; // Mech0 .. Mech199, in creation order
};

} // namespace zun
