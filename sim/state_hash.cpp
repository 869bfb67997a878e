#include "state_hash.h"

#include "sim/line_model.h"

#include <string_view>
#include <type_traits>

namespace zun {

namespace {

// Collects the fields, each named by its place and index.
class Fields {
public:
    template <typename Value> void add(std::string_view name, const Value &value)
    {
        if constexpr (std::is_same_v<Value, std::string>)
            fields_.push_back({prefix_ + std::string(name), value});
        else if constexpr (std::is_enum_v<Value>)
            add(name, static_cast<long long>(value));
        else
            fields_.push_back({prefix_ + std::string(name), std::to_string(value)});
    }
    template <typename Array> void add_all(std::string_view name, const Array &values)
    {
        for (std::size_t index = 0; index < values.size(); ++index)
            add(std::string(name) + "[" + std::to_string(index) + "]", values[index]);
    }
    void add_timer(std::string_view name, const Timer &timer)
    {
        add(std::string(name) + ".enabled", timer.enabled());
        add(std::string(name) + ".interval", timer.interval());
        add(std::string(name) + ".due", timer.due());
    }
    // Names the fields added from now on as parts of `part`.
    void within(std::string part) { prefix_ = part.empty() ? part : part + "."; }

    std::vector<StateField> take() { return std::move(fields_); }

private:
    std::vector<StateField> fields_;
    std::string prefix_;
};

void add_mechanism(Fields &fields, const TMech &mech)
{
    fields.add_timer("Timer_Drive", mech.Timer_Drive);
    fields.add("Kind_Move", mech.Kind_Move);
    fields.add("bi_KV_FWD", mech.bi_KV_FWD);
    fields.add("bi_KV_RWS", mech.bi_KV_RWS);
    fields.add("b_Enable_Drive", mech.b_Enable_Drive);
    fields.add("b_Permit", mech.b_Permit);
    fields.add("b_KM_FWD", mech.b_KM_FWD);
    fields.add("b_KM_RWS", mech.b_KM_RWS);
    fields.add("b_No_Stop", mech.b_No_Stop);
    fields.add("b_Pulse_FWD", mech.b_Pulse_FWD);
    fields.add("b_Pulse_RWS", mech.b_Pulse_RWS);
    fields.add("b_Permit_FWD", mech.b_Permit_FWD);
    fields.add("b_Permit_RWS", mech.b_Permit_RWS);
    fields.add("b_Auto_Return", mech.b_Auto_Return);
    fields.add("b_Stop_At_KV", mech.b_Stop_At_KV);
    fields.add("b_Normal_Speed", mech.b_Normal_Speed);
    fields.add("Pos_X", mech.Pos_X);
    fields.add("Step_X", mech.Step_X);
    fields.add("Pos_Y", mech.Pos_Y);
    fields.add("Step_Y", mech.Step_Y);
    fields.add("Pos_Z", mech.Pos_Z);
    fields.add("Step_Z", mech.Step_Z);
    fields.add("X_Max", mech.X_Max);
    fields.add("X_Min", mech.X_Min);
    fields.add("Y_Max", mech.Y_Max);
    fields.add("Y_Min", mech.Y_Min);
    fields.add("Z_Max", mech.Z_Max);
    fields.add("Z_Min", mech.Z_Min);
    fields.add("Phase", mech.Phase);
    fields.add("Saved_Interval", mech.Saved_Interval);
    // Named only while set, so that a line without malfunctions hashes as before they existed.
    if (mech.has_fault()) {
        fields.add("fault_drive", mech.fault_drive);
        fields.add("fault_permit", mech.fault_permit);
        fields.add("fault_kv_fwd", mech.fault_kv_fwd);
        fields.add("fault_kv_rws", mech.fault_kv_rws);
    }
}

void add_line(Fields &fields, const TFrame_LineMetal &line)
{
    fields.add_timer("Timer_MovLine", line.Timer_MovLine);
    fields.add_timer("Timer_Visu_i_Stadiya", line.Timer_Visu_i_Stadiya);
    fields.add_timer("Timer_Stop_All_Mech", line.Timer_Stop_All_Mech);
    fields.add_timer("Timer_Pause_Between_Steps", line.Timer_Pause_Between_Steps);
    fields.add("X_Motalki", line.X_Motalki);
    fields.add_all("Seg_Start", line.Seg_Start);
    fields.add_all("Seg_Len", line.Seg_Len);
    fields.add("Seg_Slots", line.Seg_Slots);
    fields.add("Zone_Width", line.Zone_Width);
    fields.add("X_Razmativatela", line.X_Razmativatela);
    fields.add("Razmer_Rulona_Motalki", line.Razmer_Rulona_Motalki);
    fields.add("Razmer_Rulona_Razmativatela", line.Razmer_Rulona_Razmativatela);
    fields.add("Stadiya_Raboti", static_cast<int>(static_cast<std::int8_t>(line.Stadiya_Raboti)));
    fields.add("Gde_Rulon_Motalki", line.Gde_Rulon_Motalki);
    fields.add("Gde_Rulon_Razmativatela", line.Gde_Rulon_Razmativatela);
    fields.add_all("Zone_Head", line.Zone_Head);
    fields.add("b_Stage_Done", line.b_Stage_Done);
    fields.add("b_Check_Stage", line.b_Check_Stage);
    fields.add_all("Edge_Memo", line.Edge_Memo);
    fields.add_all("Turn_Start_Phase", line.Turn_Start_Phase);
    fields.add_all("Turn_Cur_Phase", line.Turn_Cur_Phase);
    fields.add("Seg_Count", line.Seg_Count);
    fields.add("Percent_Motalki", line.Percent_Motalki);
    fields.add("Percent_Razmativatela", line.Percent_Razmativatela);
    fields.add("Dlina_Polosy", line.Dlina_Polosy);
}

void add_pictures(Fields &fields, const PictureStore &pictures)
{
    for (const Panel &panel : pictures.panels()) {
        fields.within("panel " + panel.name());
        fields.add("left", panel.left());
        fields.add("top", panel.top());
        fields.add("visible", panel.visible());
    }
    for (const Picture &picture : pictures.pictures()) {
        fields.within("picture " + picture.name());
        fields.add("panel", picture.panel().name());
        fields.add("left", picture.left());
        fields.add("top", picture.top());
        fields.add("width", picture.width());
        fields.add("height", picture.height());
        fields.add("visible", picture.visible());
        fields.add("tag", picture.tag());
        fields.add("hint", picture.hint());
        fields.add("caption", picture.caption());
    }
}

void add_consoles(Fields &fields, const LineModel &sim)
{
    const auto controls = console::controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const ControlState &state = sim.Controls[row];
        fields.within(std::string(controls[row].frame));
        fields.add("Angle", state.Angle);
        fields.add("b_Left_90", state.b_Left_90);
        fields.add("b_Left_45", state.b_Left_45);
        fields.add("b_Angle_0", state.b_Angle_0);
        fields.add("b_Right_45", state.b_Right_45);
        fields.add("b_Right_90", state.b_Right_90);
        fields.add("Knob_Pos", state.Knob_Pos);
        fields.add("b_Pressed", state.b_Pressed);
    }
    fields.within("");
    fields.add_all("front_page", sim.front_page);
}

void add_main_window(Fields &fields, const LineModel &sim)
{
    fields.add("now", sim.scheduler.now());
    fields.add("next_due", sim.scheduler.next_due());
    fields.add("Cur_Mech", sim.Cur_Mech);
    fields.add("b_Hover_Selects", sim.b_Hover_Selects);
    fields.add("beep_pressed", sim.beep_pressed);
    // Named only in an examination, as the malfunctions are; the training aids follow it.
    if (sim.lesson_is_exam())
        fields.add("Lesson", sim.Lesson);
    fields.add("working_mode", sim.working_mode);
    fields.add("pass_button_enabled", sim.pass_button_enabled);
    fields.add("pass_button_caption", sim.pass_button_caption);
    fields.add_timer("Timer_Blocking", sim.Timer_Blocking);
    fields.add_timer("Timer_Scene_Left", sim.Timer_Scene_Left);
    fields.add_timer("Timer_Scene_Right", sim.Timer_Scene_Right);
    fields.add_timer("Steps_Timer1", sim.Steps_Timer1);
    fields.add("Scene_Left_Limit", sim.Scene_Left_Limit);
    fields.add("Drag_Start_X", sim.Drag_Start_X);
    fields.add("b_Dragging", sim.b_Dragging);
    fields.add("panel1_caption", sim.panel1_caption);
    fields.add("CheckBox_bi_KV_RWS", sim.CheckBox_bi_KV_RWS);
    fields.add("CheckBox_b_KM_RWS", sim.CheckBox_b_KM_RWS);
    fields.add("CheckBox_b_KM_FWD", sim.CheckBox_b_KM_FWD);
    fields.add("CheckBox_bi_KV_FWD", sim.CheckBox_bi_KV_FWD);
    fields.add("Edit_CheckBox_stadiya_raboti", sim.Edit_CheckBox_stadiya_raboti);
    fields.add("ListBox_Steps_ItemIndex", sim.ListBox_Steps_ItemIndex);
    fields.add("steps_polls", sim.steps_polls);
    fields.add("Label_Current_Step", sim.Label_Current_Step);
    fields.add("main_window_visible", sim.main_window_visible);
    fields.add("steps_window_visible", sim.steps_window_visible);
    fields.add("main_window_width", sim.main_window_width);
    fields.add("main_window_scroll_x", sim.main_window_scroll_x);
    fields.add("main_window_scroll_y", sim.main_window_scroll_y);
}

// FNV-1a over the values' bytes, each ended by a zero.
std::uint64_t fnv(const std::vector<StateField> &fields)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const StateField &field : fields) {
        for (const char byte : field.value) {
            hash ^= static_cast<unsigned char>(byte);
            hash *= 1099511628211ULL;
        }
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

std::vector<StateField> state_fields(const LineModel &sim)
{
    Fields fields;
    add_main_window(fields, sim);
    for (std::size_t number = 0; number < sim.Mech_Array.size(); ++number) {
        fields.within("mech[" + std::to_string(number) + "]");
        add_mechanism(fields, *sim.Mech_Array[number]);
    }
    fields.within("line");
    add_line(fields, sim.Frame_LineMetal);
    add_pictures(fields, sim.pictures);
    add_consoles(fields, sim);
    return fields.take();
}

std::uint64_t state_hash(const LineModel &sim)
{
    return fnv(state_fields(sim));
}

} // namespace zun
