#include "state_hash.h"

#include "sim/Unit_simulator.h"

#include <type_traits>

namespace zun {

namespace {

// FNV-1a, fed value by value, so that padding never enters the hash.
class Hasher {
public:
    template <typename... Values> void add(const Values &...values) { (add_one(values), ...); }
    std::uint64_t value() const { return hash_; }

private:
    template <typename Value> void add_one(const Value &value)
    {
        static_assert(std::is_integral_v<Value> || std::is_enum_v<Value>);
        auto bits = static_cast<std::uint64_t>(value);
        for (std::size_t byte = 0; byte < sizeof(Value); ++byte, bits >>= 8) {
            hash_ ^= bits & 0xff;
            hash_ *= 1099511628211ULL;
        }
    }

    std::uint64_t hash_ = 14695981039346656037ULL;
};

void add_timer(Hasher &hasher, const Timer &timer)
{
    hasher.add(timer.enabled(), timer.interval());
}

} // namespace

std::uint64_t state_hash(const TSimulator &sim)
{
    Hasher hasher;
    hasher.add(sim.scheduler.now(), sim.scheduler.next_due(), sim.Cur_Mech, sim.b_Hover_Selects,
               sim.b_Beep_Pressed, sim.Working_Mode, sim.Panel_Image_Scene->left());
    for (const TMech *mech : sim.Mech_Array) {
        add_timer(hasher, mech->Timer_Drive);
        hasher.add(mech->Kind_Move, mech->bi_KV_FWD, mech->bi_KV_RWS, mech->b_Permit,
                   mech->b_KM_FWD, mech->b_KM_RWS, mech->b_Permit_FWD, mech->b_Permit_RWS,
                   mech->b_Normal_Speed, mech->Pos_X, mech->Pos_Y, mech->Pos_Z, mech->X_Max,
                   mech->X_Min, mech->Y_Max, mech->Y_Min, mech->Z_Max, mech->Z_Min, mech->Phase,
                   mech->Saved_Interval);
    }
    const TFrame_LineMetal &line = sim.Frame_LineMetal;
    for (int k = 0; k < static_cast<int>(line.Seg_Start.size()); ++k)
        hasher.add(line.Seg_Start[k], line.Seg_Len[k]);
    hasher.add(line.Seg_Count, static_cast<std::int8_t>(line.Stadiya_Raboti),
               line.Gde_Rulon_Motalki, line.Gde_Rulon_Razmativatela, line.Percent_Motalki,
               line.Percent_Razmativatela, line.Razmer_Rulona_Motalki,
               line.Razmer_Rulona_Razmativatela, line.b_Stage_Done, line.b_Check_Stage);
    for (const Timer *timer :
         {&line.Timer_MovLine, &line.Timer_Visu_i_Stadiya, &line.Timer_Stop_All_Mech,
          &line.Timer_Pause_Between_Steps, &sim.Timer_Scene_Left, &sim.Timer_Scene_Right})
        add_timer(hasher, *timer);
    return hasher.value();
}

} // namespace zun
