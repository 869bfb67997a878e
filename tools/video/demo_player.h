#pragma once

#include "tools/video/demo_script.h"
#include "tools/video/frame_composer.h"
#include "tools/video/pointer_track.h"

#include "sim/inputs.h"

#include <QString>

#include <functional>
#include <optional>

class Forms;
class QWidget;
class VideoUiPort;

// Plays a demonstration into the program's own windows on the virtual clock, 25 frames to the
// virtual second, the windows' own animations keeping its pace: each input goes through the
// model's door at its time (a window shown or hidden through the window itself, as the
// trainee's click does it), while the drawn pointer glides to the control the next input is for.
class DemoPlayer {
public:
    static constexpr int frames_per_second = 25;
    static constexpr zun::Millis frame_ms = 1000 / frames_per_second;

    // Takes what each frame shows, to draw it, check it or both.
    using FrameSink = std::function<void(const video::Scene &scene)>;

    DemoPlayer(Forms &forms, VideoUiPort &ui, FrameSink frames);

    // To the demonstration's end, or up to `limit_ms` of it.
    void play(const zun::video::DemoScript &script, zun::Millis limit_ms);

private:
    void advance(zun::Millis ms, const std::optional<zun::Input> &next);
    void move_clocks_to(zun::Millis time);
    void apply(const zun::Input &input);
    void scroll_main_window(const zun::input::MainWindowScroll &scroll);
    void bring_line_into_view(int line);
    void open_find_list(int item);
    void show_pick(const zun::Input &input);
    void place(const zun::video::Place &place);
    void settle();
    void write_frame();
    zun::Input parse(const zun::video::InputLine &line) const;
    std::optional<zun::Input> next_input(const zun::video::DemoScript &script,
                                         std::size_t from) const;
    std::vector<QWidget *> windows_bottom_up() const;
    video::Held held_now() const;

    Forms &forms_;
    VideoUiPort &ui_;
    FrameSink frames_;
    PointerTrack pointer_;
    QString caption_;
    video::Held held_ = video::Held::None;
    video::Held clicked_ = video::Held::None; // a click shows its button briefly
    zun::Millis click_shown_until_ = 0;
    std::optional<zun::Millis> box_shown_since_;
    std::optional<zun::Millis> find_list_opens_at_; // before a pick in the find box
    int find_list_item_ = 0;
    zun::Millis next_frame_ = 0;
    zun::Millis limit_ = 0;
};
