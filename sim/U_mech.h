#pragma once

#include "sim/deep.h"
#include "sim/inputs.h"
#include "sim/kind_move.h"
#include "sim/picture_store.h"
#include "sim/scheduler.h"

#include <array>
#include <cstdint>

namespace zun {

class TMech;

// What a mechanism needs of the window that owns it.
class MechHost {
public:
    // Makes `number` the current mechanism (Cur_Mech) for the panels, the marker and the hand.
    virtual void set_cur_mech(std::int32_t number) = 0;
    // Makes a container of pictures visible and brings it into view.
    virtual void show_container(Panel &container) = 0;
    // A malfunction of `mech` has shown itself in the line's behaviour: a drive that does not
    // switch on has stopped while running, or a mechanism runs on past an end whose switch is
    // lost.
    virtual void fault_shown(const TMech &mech, FaultKind kind) = 0;

protected:
    ~MechHost() = default;
};

// One drive of the line, wired like a motor starter with two contactors: pulses and permissions
// set self-holding latches, the drive timer steps the mechanism while exactly one latch holds,
// and reaching a limit switch drops the latch. Fields are public: the mechanism table configures
// them, the interlocks and the strip line read and write them.
class TMech {
public:
    TMech(Scheduler &scheduler, MechHost &host);
    TMech(const TMech &) = delete;
    TMech &operator=(const TMech &) = delete;

    Timer Timer_Drive;                    // one tick = one step; 100 ms unless configured
    std::array<Deep<Picture>, 4> Image_Pos{}; // the picture of each phase; [0] carries the number
    KindMove Kind_Move = KindMove::Rotation;
    bool bi_KV_FWD = false;    // at the forward end
    bool bi_KV_RWS = false;    // at the reverse (initial) end
    bool b_Enable_Drive = true;
    bool b_Permit = true;
    bool b_KM_FWD = false;    // forward latch
    bool b_KM_RWS = false;    // reverse latch
    bool b_No_Stop = true;    // cleared for one evaluation to stop
    bool b_Pulse_FWD = false; // set for one evaluation only
    bool b_Pulse_RWS = false;
    bool b_Permit_FWD = true;
    bool b_Permit_RWS = true;
    bool b_Auto_Return = false; // returns by itself from the forward end
    bool b_Stop_At_KV = true;
    bool b_Normal_Speed = false; // false while fast
    std::int16_t Pos_X = 0;      // pictures' left edge in their container
    std::int16_t Step_X = 0;
    std::int16_t Pos_Y = 0; // pictures' bottom edge above the container's bottom
    std::int16_t Step_Y = 0;
    std::int16_t Pos_Z = 0;
    std::int16_t Step_Z = 0;
    std::int16_t X_Max = 1280;
    std::int16_t X_Min = 0;
    std::int16_t Y_Max = 210;
    std::int16_t Y_Min = 0;
    std::int16_t Z_Max = 0;
    std::int16_t Z_Min = 0;
    std::int16_t Phase = 0; // which of the four pictures is shown
    std::int32_t Saved_Interval = 0;
    // Malfunctions the instructor gives: the drive does not switch on, the permission is
    // withdrawn, an end switch never reports.
    bool fault_drive = false;
    bool fault_permit = false;
    bool fault_kv_fwd = false;
    bool fault_kv_rws = false;
    std::array<Deep<TMech>, 4> Co_Mech{};     // driven by this mechanism's latches
    std::array<Deep<TMech>, 4> Follow_Mech{}; // copy the phase, carried by the travel

    void f_Show();
    void f_Step_FWD();
    void f_Step_RWS();
    void f_Evaluate();
    void f_Stop();
    // Why a pulse in that direction would not latch now; Refusal::None if it would.
    Refusal refusal_of(MechCommand command) const;
    void f_Start_FWD_Pulse();
    void f_Start_RWS_Pulse();
    void f_Start_FWD_Pulse_Fast();
    void f_Start_RWS_Pulse_Fast();
    void f_Set_Fast();
    void f_Save_Interval();
    void f_Restore_Speed();
    void Timer_DriveTimer();
    // Sets or clears one malfunction; an end switch that stops reporting lets go at once, one
    // that is mended reads the position again.
    void set_fault(FaultKind kind, bool on);
    bool has_fault(FaultKind kind) const;
    bool has_fault() const { return fault_drive || fault_permit || fault_kv_fwd || fault_kv_rws; }

private:
    // Signs of a travel step: +1 for a forward step, -1 for a reverse one.
    enum class Direction : int { Reverse = -1, Forward = 1 };

    // The terms of the latch equations that do not depend on the requested direction, read once
    // for the latches and again for why a pulse would be refused.
    struct LatchTerms {
        bool drive_switches_on; // no drive fault
        bool permitted;         // the general permission, not withdrawn by a fault
        bool clear_forward;     // not held at the forward end
        bool clear_reverse;     // not held at the reverse end
        bool auto_return;       // at the forward end of a mechanism that returns by itself
    };
    LatchTerms latch_terms() const;
    // The forward latch, with or without a forward pulse pending; b_No_Stop is the stop's term.
    bool forward_latch(const LatchTerms &terms, bool pulse) const;

    void travel_towards(Direction direction);
    void carry_followers(Direction direction);
    void update_limit_switches();
    // The limit switches as the position sets them, whatever a malfunction hides.
    struct LimitSwitches {
        bool forward;
        bool reverse;
    };
    LimitSwitches switches_by_position() const;
    // Tells the host when a malfunction shows: called before a tick's step, with the latches
    // before and after that tick's evaluation.
    void tell_faults_shown(bool was_running);
    void send_pulse(bool TMech::*pulse);
    // The flag that holds a malfunction of `kind`.
    static constexpr bool TMech::*fault_flag(FaultKind kind)
    {
        switch (kind) {
        case FaultKind::Drive:
            return &TMech::fault_drive;
        case FaultKind::Permit:
            return &TMech::fault_permit;
        case FaultKind::ForwardEnd:
            return &TMech::fault_kv_fwd;
        case FaultKind::ReverseEnd:
            return &TMech::fault_kv_rws;
        }
        return &TMech::fault_drive;
    }

    MechHost &host_;
};

} // namespace zun
