#pragma once

#include "console/console_frame.h"
#include "console/view_clock.h"
#include "sim/door.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QTabWidget;
class KeyFrame;

namespace zun::console {
struct Control;
}

// A console or post page: it reports pointer moves over its bare background.
class ConsolePage final : public QWidget {
    Q_OBJECT

public:
    ConsolePage(int row, QWidget *parent);

    const std::string &name() const { return name_; }
    int row() const { return row_; } // in the console layout's pages
    int tag() const { return tag_; }

    std::function<void(ConsolePage &)> on_bare_move;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::string name_;
    int row_;
    int tag_;
};

// The posts and their consoles: tabbed pages in tabbed pages, every control built from the
// console layout in its order. The model says which page is in front of each page control; a
// tab the trainee picks is an input.
class PostsPanel final : public QWidget {
    Q_OBJECT

public:
    struct Frame {
        const zun::console::Control *control;
        ConsoleFrame *widget;
        KeyFrame *key; // null for the controls that are not keys
        ConsolePage *page;
    };

    // The keys' flashes and the meters run on `clock`.
    PostsPanel(zun::Door door, ViewClock &clock, QWidget *parent);

    // The frames in the order of their creation.
    const std::vector<Frame> &frames() const { return frames_; }
    const Frame &frame(std::string_view name) const;
    ConsolePage *page(std::string_view name) const;
    QTabWidget *page_control(std::string_view name) const;

    // Brings the pages in front and the controls up to the model, when its consoles changed.
    void sync();

private:
    void build_pages();
    void build_decorations();
    void build_controls(ViewClock &clock);
    void sync_pages();
    void tab_chosen(QTabWidget &tabs);

    zun::Door door_;
    std::uint64_t seen_version_ = 0;
    bool syncing_ = false; // the page controls follow the model, not the trainee
    std::map<std::string, QTabWidget *, std::less<>> page_controls_;
    std::map<std::string, ConsolePage *, std::less<>> pages_;
    std::vector<Frame> frames_;
};
