#include "state_hash.h"

#include "sim/line_model.h"

#include <charconv>
#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace zun {

namespace {

// Moves a picture onto the panel named, as the model moves its operator between the posts.
void move_picture(PictureStore &pictures, Picture &picture, const std::string &name)
{
    Panel *panel = pictures.find_panel(name);
    if (!panel)
        throw std::invalid_argument("no panel is named '" + name + "'");
    picture.move_to(*panel);
}

// Names a field by its place and index.
class Names {
public:
    // Names the fields visited from now on as parts of `part`.
    void within(std::string part) { prefix_ = part.empty() ? part : part + "."; }
    std::string name(std::string_view field) const { return prefix_ + std::string(field); }

private:
    std::string prefix_;
};

// Collects the fields as text: all of them for a snapshot, or those the hash covers.
class Collector : public Names {
public:
    explicit Collector(bool whole) : whole_(whole) {}

    // Whether the fields named only while set, and those the hash leaves out, are visited.
    bool whole() const { return whole_; }

    template <typename Value> void add(std::string_view name, const Value &value)
    {
        if constexpr (std::is_same_v<Value, std::string>)
            fields_.push_back({this->name(name), value});
        else if constexpr (std::is_enum_v<Value>)
            add(name, static_cast<long long>(value));
        else
            fields_.push_back({this->name(name), std::to_string(value)});
    }
    // A field the model keeps to itself: read by `get`, written by `set`.
    template <typename Object, typename Get, typename Set>
    void add_property(std::string_view name, Object &object, Get get, Set)
    {
        add(name, std::invoke(get, object));
    }
    // A field that follows from the others: saved, so that the hash covers it, never written.
    template <typename Value> void add_derived(std::string_view name, const Value &value)
    {
        add(name, value);
    }
    void add_stage(std::string_view name, const Watched<std::int8_t> &stage)
    {
        add(name, static_cast<int>(static_cast<std::int8_t>(stage)));
    }
    void add_clock(std::string_view name, const Scheduler &scheduler)
    {
        add(name, scheduler.now());
    }
    void add_timer(std::string_view name, const Timer &timer)
    {
        add(std::string(name) + ".enabled", timer.enabled());
        add(std::string(name) + ".interval", timer.interval());
        add(std::string(name) + ".due", timer.due());
    }
    template <typename Array> void add_all(std::string_view name, const Array &values)
    {
        for (std::size_t index = 0; index < values.size(); ++index)
            add(std::string(name) + "[" + std::to_string(index) + "]", values[index]);
    }

    std::vector<StateField> take() { return std::move(fields_); }

private:
    std::vector<StateField> fields_;
    bool whole_;
};

// Parses a whole field as a number of the field's type, or throws.
template <typename Number> Number parse_number(const std::string &name, std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() ||
        !std::in_range<Number>(value))
        throw BadField(name, "bad value '" + std::string(text) + "' for " + name);
    return static_cast<Number>(value);
}

bool parse_flag(const std::string &name, std::string_view text)
{
    if (text != "0" && text != "1")
        throw BadField(name, "bad value '" + std::string(text) + "' for " + name);
    return text == "1";
}

// Writes the fields back from a source, in the order the collector names them.
class Restorer : public Names {
public:
    explicit Restorer(FieldSource &source) : source_(source) {}

    static bool whole() { return true; }

    template <typename Value> void add(std::string_view name, Value &value)
    {
        value = read<Value>(name);
    }
    template <typename Object, typename Get, typename Set>
    void add_property(std::string_view name, Object &object, Get, Set set)
    {
        using Value = std::remove_cvref_t<std::invoke_result_t<Get, Object &>>;
        Value value = read<Value>(name);
        fit(this->name(name), [&] { std::invoke(set, object, std::move(value)); });
    }
    template <typename Value> void add_derived(std::string_view name, const Value &)
    {
        read<Value>(name);
    }
    void add_stage(std::string_view name, Watched<std::int8_t> &stage)
    {
        stage.restore(read<std::int8_t>(name));
    }
    void add_clock(std::string_view name, Scheduler &scheduler)
    {
        const Millis time = read<Millis>(name);
        fit(this->name(name), [&] { scheduler.restore_now(time); });
    }
    void add_timer(std::string_view name, Timer &timer)
    {
        const std::string field(name);
        const bool enabled = read<bool>(field + ".enabled");
        const Millis interval = read<Millis>(field + ".interval");
        const Millis due = read<Millis>(field + ".due");
        fit(this->name(field + ".due"), [&] { timer.restore(enabled, interval, due); });
    }
    template <typename Array> void add_all(std::string_view name, Array &values)
    {
        for (std::size_t index = 0; index < values.size(); ++index)
            add(std::string(name) + "[" + std::to_string(index) + "]", values[index]);
    }

private:
    template <typename Value> Value read(std::string_view name)
    {
        const std::string full = this->name(name);
        const std::string_view text = source_.value(full);
        if constexpr (std::is_same_v<Value, std::string>)
            return std::string(text);
        else if constexpr (std::is_enum_v<Value>)
            return static_cast<Value>(parse_number<std::underlying_type_t<Value>>(full, text));
        else if constexpr (std::is_same_v<Value, bool>)
            return parse_flag(full, text);
        else
            return parse_number<Value>(full, text);
    }
    // Runs a setter that refuses what it cannot hold, as a bad value of the field.
    template <typename Set> static void fit(const std::string &name, Set set)
    {
        try {
            set();
        } catch (const std::invalid_argument &error) {
            throw BadField(name, "bad value for " + name + ": " + error.what());
        }
    }

    FieldSource &source_;
};

template <typename Fields, typename Mech> void add_mechanism(Fields &fields, Mech &mech)
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
    if (fields.whole() || mech.has_fault()) {
        fields.add("fault_drive", mech.fault_drive);
        fields.add("fault_permit", mech.fault_permit);
        fields.add("fault_kv_fwd", mech.fault_kv_fwd);
        fields.add("fault_kv_rws", mech.fault_kv_rws);
    }
}

template <typename Fields, typename Line> void add_line(Fields &fields, Line &line)
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
    fields.add_stage("Stadiya_Raboti", line.Stadiya_Raboti);
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

// A picture's panel, by its name.
std::string panel_name(const Picture &picture)
{
    return picture.panel().name();
}

template <typename Fields, typename Store> void add_pictures(Fields &fields, Store &pictures)
{
    // The store's constness carries over to its parts through the lookups by name.
    for (const Panel &each : pictures.panels()) {
        auto &panel = *pictures.find_panel(each.name());
        fields.within("panel " + panel.name());
        fields.add_property("left", panel, &Panel::left, &Panel::set_left);
        fields.add_property("top", panel, &Panel::top, &Panel::set_top);
        fields.add_property("visible", panel, &Panel::visible, &Panel::set_visible);
    }
    for (const Picture &each : pictures.pictures()) {
        auto &picture = *pictures.find_picture(each.name());
        fields.within("picture " + picture.name());
        fields.add_property("panel", picture, panel_name,
                            [&pictures](auto &moved, const std::string &name) {
                                move_picture(pictures, moved, name);
                            });
        fields.add_property("left", picture, &Picture::left, &Picture::set_left);
        fields.add_property("top", picture, &Picture::top, &Picture::set_top);
        fields.add_property("width", picture, &Picture::width, &Picture::set_width);
        fields.add_property("height", picture, &Picture::height, &Picture::set_height);
        fields.add_property("visible", picture, &Picture::visible, &Picture::set_visible);
        fields.add_property("tag", picture, &Picture::tag, &Picture::set_tag);
        fields.add_property("hint", picture, &Picture::hint, &Picture::set_hint);
        fields.add_property("caption", picture, &Picture::caption, &Picture::set_caption);
    }
}

template <typename Fields, typename Model> void add_consoles(Fields &fields, Model &sim)
{
    const auto controls = console::controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        auto &state = sim.Controls[row];
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

template <typename Fields, typename Model> void add_main_window(Fields &fields, Model &sim)
{
    fields.add_clock("now", sim.scheduler);
    fields.add_derived("next_due", sim.scheduler.next_due());
    fields.add("Cur_Mech", sim.Cur_Mech);
    fields.add("b_Hover_Selects", sim.b_Hover_Selects);
    fields.add("beep_pressed", sim.beep_pressed);
    // Named only in an examination, as the malfunctions are; the training aids follow it.
    if (fields.whole() || sim.lesson_is_exam())
        fields.add("Lesson", sim.Lesson);
    if (fields.whole()) {
        fields.add("next_step_pointers", sim.next_step_pointers);
        fields.add("key_tips", sim.key_tips);
    }
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

// Visits every field of the model, in the order of the list.
template <typename Fields, typename Model> void add_model(Fields &fields, Model &sim)
{
    add_main_window(fields, sim);
    for (std::size_t number = 0; number < sim.Mech_Array.size(); ++number) {
        fields.within("mech[" + std::to_string(number) + "]");
        add_mechanism(fields, *sim.Mech_Array[number]);
    }
    fields.within("line");
    add_line(fields, sim.Frame_LineMetal);
    add_pictures(fields, sim.pictures);
    add_consoles(fields, sim);
}

std::vector<StateField> collect(const LineModel &sim, bool whole)
{
    Collector fields(whole);
    add_model(fields, sim);
    return fields.take();
}

} // namespace

std::vector<StateField> state_fields(const LineModel &sim)
{
    return collect(sim, false);
}

std::vector<StateField> snapshot_fields(const LineModel &sim)
{
    return collect(sim, true);
}

void restore_fields(LineModel &sim, FieldSource &source)
{
    Restorer fields(source);
    add_model(fields, sim);
}

std::uint64_t state_hash(const LineModel &sim)
{
    return fnv(state_fields(sim));
}

} // namespace zun
