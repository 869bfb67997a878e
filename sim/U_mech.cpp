#include "U_mech.h"

namespace zun {

namespace {

constexpr Millis default_drive_interval = 100;
constexpr Millis fast_drive_interval = 1;

// One travel step of one coordinate by a signed amount, taken only while the coordinate is short
// of the bound it moves towards. The test comes before the addition, so a step may overshoot.
void travel(std::int16_t &coordinate, int amount, std::int16_t max, std::int16_t min)
{
    if ((amount > 0 && coordinate < max) || (amount < 0 && coordinate > min))
        coordinate = static_cast<std::int16_t>(coordinate + amount);
}

void shift(std::int16_t &value, int amount)
{
    value = static_cast<std::int16_t>(value + amount);
}

template <typename Links, typename Each> void for_each_linked(Links &links, Each each)
{
    for (auto &mech : links)
        if (mech)
            each(*mech);
}

} // namespace

TMech::TMech(Scheduler &scheduler, MechHost &host)
    : Timer_Drive(scheduler, default_drive_interval, [this] { Timer_DriveTimer(); }), host_(host)
{
}

void TMech::f_Show()
{
    for (std::size_t k = 0; k < Image_Pos.size(); ++k) {
        Picture *picture = Image_Pos[k];
        if (!picture)
            continue;
        picture->set_visible(static_cast<std::int16_t>(k) == Phase);
        picture->set_left(Pos_X);
        picture->set_top(picture->panel().height() - Pos_Y - picture->height());
    }
}

void TMech::f_Step_FWD()
{
    switch (Kind_Move) {
    case KindMove::Rotation:
        Phase = Phase >= 3 ? 0 : static_cast<std::int16_t>(Phase + 1);
        break;
    case KindMove::Phases:
        if (Phase < 3)
            ++Phase;
        break;
    case KindMove::Travel:
        travel_towards(Direction::Forward);
        break;
    }
}

void TMech::f_Step_RWS()
{
    switch (Kind_Move) {
    case KindMove::Rotation:
        Phase = Phase <= 0 ? 3 : static_cast<std::int16_t>(Phase - 1);
        break;
    case KindMove::Phases:
        if (Phase > 0)
            --Phase;
        break;
    case KindMove::Travel:
        travel_towards(Direction::Reverse);
        break;
    }
}

void TMech::travel_towards(Direction direction)
{
    const int sign = static_cast<int>(direction);
    travel(Pos_X, sign * Step_X, X_Max, X_Min);
    travel(Pos_Y, sign * Step_Y, Y_Max, Y_Min);
    travel(Pos_Z, sign * Step_Z, Z_Max, Z_Min);
    carry_followers(direction);
}

// Followers keep their distance and their own travel range: they are shifted by the full step
// on every call, also when this mechanism stands at a bound.
void TMech::carry_followers(Direction direction)
{
    const int sign = static_cast<int>(direction);
    const int dx = sign * Step_X;
    const int dy = sign * Step_Y;
    const int dz = sign * Step_Z;
    for_each_linked(Follow_Mech, [&](TMech &follower) {
        for (std::int16_t *x : {&follower.Pos_X, &follower.X_Max, &follower.X_Min})
            shift(*x, dx);
        for (std::int16_t *y : {&follower.Pos_Y, &follower.Y_Max, &follower.Y_Min})
            shift(*y, dy);
        for (std::int16_t *z : {&follower.Pos_Z, &follower.Z_Max, &follower.Z_Min})
            shift(*z, dz);
        follower.f_Show();
    });
}

TMech::LatchTerms TMech::latch_terms() const
{
    return {!fault_drive, b_Permit && !fault_permit, !b_Stop_At_KV || !bi_KV_FWD,
            !b_Stop_At_KV || !bi_KV_RWS, b_Auto_Return && bi_KV_FWD};
}

// A drive that does not switch on holds neither latch.
bool TMech::forward_latch(const LatchTerms &terms, bool pulse) const
{
    return terms.drive_switches_on && terms.permitted && b_No_Stop && !b_KM_RWS &&
           b_Permit_FWD && (b_KM_FWD || pulse) && terms.clear_forward;
}

void TMech::f_Evaluate()
{
    const LatchTerms terms = latch_terms();
    const bool forward = forward_latch(terms, b_Pulse_FWD);
    // The auto-return term has no stop or permission factor: at the forward end it always wins.
    const bool reverse = (terms.drive_switches_on && terms.permitted && b_No_Stop && !forward &&
                          b_Permit_RWS && (b_KM_RWS || b_Pulse_RWS) && terms.clear_reverse) ||
                         (terms.drive_switches_on && terms.auto_return && !forward);
    b_KM_FWD = forward;
    b_KM_RWS = reverse;
    Timer_Drive.set_enabled((b_KM_FWD != b_KM_RWS) && b_Enable_Drive);
    update_limit_switches();
}

// The switches describe the position after the step just made; the next evaluation reads them,
// which is why a mechanism runs one more tick after reaching its end.
void TMech::update_limit_switches()
{
    if (Kind_Move != KindMove::Rotation) { // a rotating mechanism has no limit switches
        const LimitSwitches by_position = switches_by_position();
        bi_KV_FWD = by_position.forward;
        bi_KV_RWS = by_position.reverse;
    }
    bi_KV_FWD = bi_KV_FWD && !fault_kv_fwd;
    bi_KV_RWS = bi_KV_RWS && !fault_kv_rws;
}

TMech::LimitSwitches TMech::switches_by_position() const
{
    switch (Kind_Move) {
    case KindMove::Phases:
        return {Phase == 3, Phase == 0};
    case KindMove::Travel:
        return {(Step_X > 0 && Pos_X >= X_Max) || (Step_X < 0 && Pos_X <= X_Min) ||
                    (Step_Y > 0 && Pos_Y >= Y_Max) || (Step_Y < 0 && Pos_Y <= Y_Min),
                (Step_X < 0 && Pos_X >= X_Max) || (Step_X > 0 && Pos_X <= X_Min) ||
                    (Step_Y < 0 && Pos_Y >= Y_Max) || (Step_Y > 0 && Pos_Y <= Y_Min)};
    case KindMove::Rotation:
        break;
    }
    return {false, false};
}

// A drive that does not switch on shows when it stops a running mechanism; a lost end switch
// when the mechanism, standing at that end, runs on instead of stopping.
void TMech::tell_faults_shown(bool was_running)
{
    const bool running = b_KM_FWD || b_KM_RWS;
    if (was_running && !running && fault_drive)
        host_.fault_shown(*this, FaultKind::Drive);
    // Only a lost end switch needs the position read again; most ticks have none.
    if (Kind_Move == KindMove::Rotation || !running || !(fault_kv_fwd || fault_kv_rws))
        return;
    const LimitSwitches by_position = switches_by_position();
    if (b_KM_FWD && by_position.forward && fault_kv_fwd)
        host_.fault_shown(*this, FaultKind::ForwardEnd);
    if (b_KM_RWS && by_position.reverse && fault_kv_rws)
        host_.fault_shown(*this, FaultKind::ReverseEnd);
}

bool TMech::has_fault(FaultKind kind) const
{
    return this->*fault_flag(kind);
}

// Setting a malfunction that is already set, or clearing one that is not, changes nothing.
void TMech::set_fault(FaultKind kind, bool on)
{
    bool &flag = this->*fault_flag(kind);
    if (flag == on)
        return;
    flag = on;
    if (kind == FaultKind::ForwardEnd || kind == FaultKind::ReverseEnd)
        update_limit_switches();
}

void TMech::f_Stop()
{
    b_No_Stop = false;
    f_Evaluate();
    b_No_Stop = true;
}

// The first term of the latch equations that keeps a pulse from latching, read in the
// equations' order; a drive that does not switch on refuses before anything else is read.
Refusal TMech::refusal_of(MechCommand command) const
{
    const LatchTerms terms = latch_terms();
    if (command != MechCommand::Stop && !terms.drive_switches_on)
        return Refusal::DriveFault;
    switch (command) {
    case MechCommand::Stop:
        return Refusal::None;
    case MechCommand::Forward:
        if (!terms.permitted)
            return Refusal::NotPermitted;
        if (b_KM_RWS)
            return Refusal::RunningOpposite;
        if (!b_Permit_FWD)
            return Refusal::Interlocked;
        return terms.clear_forward ? Refusal::None : Refusal::AtEnd;
    case MechCommand::Reverse:
        if (forward_latch(terms, false))
            return Refusal::RunningOpposite;
        if (terms.auto_return)
            return Refusal::None;
        if (!terms.permitted)
            return Refusal::NotPermitted;
        if (!b_Permit_RWS)
            return Refusal::Interlocked;
        return terms.clear_reverse ? Refusal::None : Refusal::AtEnd;
    }
    return Refusal::None;
}

void TMech::send_pulse(bool TMech::*pulse)
{
    if (Picture *first = Image_Pos[0]) {
        host_.set_cur_mech(first->tag());
        if (b_Normal_Speed)
            host_.show_container(first->panel());
    }
    this->*pulse = true;
    f_Evaluate();
    this->*pulse = false;
}

void TMech::f_Start_FWD_Pulse()
{
    send_pulse(&TMech::b_Pulse_FWD);
}

void TMech::f_Start_RWS_Pulse()
{
    send_pulse(&TMech::b_Pulse_RWS);
}

void TMech::f_Start_FWD_Pulse_Fast()
{
    f_Set_Fast();
    f_Start_FWD_Pulse();
}

void TMech::f_Start_RWS_Pulse_Fast()
{
    f_Set_Fast();
    f_Start_RWS_Pulse();
}

void TMech::f_Set_Fast()
{
    b_Normal_Speed = false;
    Timer_Drive.set_interval(fast_drive_interval);
    const auto make_fast = [](TMech &linked) {
        linked.Timer_Drive.set_interval(fast_drive_interval);
    };
    for_each_linked(Follow_Mech, make_fast);
    for_each_linked(Co_Mech, make_fast);
}

void TMech::f_Save_Interval()
{
    Saved_Interval = static_cast<std::int32_t>(Timer_Drive.interval());
}

void TMech::f_Restore_Speed()
{
    b_Normal_Speed = true;
    Timer_Drive.set_interval(Saved_Interval);
}

void TMech::Timer_DriveTimer()
{
    const bool was_running = b_KM_FWD || b_KM_RWS;
    f_Evaluate();
    tell_faults_shown(was_running);
    if (b_KM_FWD && !b_KM_RWS)
        f_Step_FWD();
    if (b_KM_RWS && !b_KM_FWD)
        f_Step_RWS();
    f_Show();
    for_each_linked(Follow_Mech, [this](TMech &follower) {
        follower.Phase = Phase;
        follower.f_Show();
    });
    // A co-mechanism steps by this mechanism's latches, not by its own.
    for_each_linked(Co_Mech, [this](TMech &co) {
        co.f_Evaluate();
        if (b_KM_FWD)
            co.f_Step_FWD();
        if (b_KM_RWS)
            co.f_Step_RWS();
        co.f_Show();
    });
}

} // namespace zun
