#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QTabWidget;
class TKeyFrame;

namespace zun {
class TSimulator;
namespace console {
struct Control;
}
} // namespace zun

// A console or post page: it reports being shown, and pointer moves over its bare background.
class TConsolePage final : public QWidget {
    Q_OBJECT

public:
    TConsolePage(std::string_view name, int tag, QWidget *parent);

    const std::string &name() const { return name_; }
    int tag() const { return tag_; }

    std::function<void(TConsolePage &)> on_shown;
    std::function<void(TConsolePage &)> on_bare_move;

protected:
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::string name_;
    int tag_;
};

// The posts and their consoles: tabbed pages in tabbed pages, every control built from the
// console layout in its order.
class TPanel_Posts final : public QWidget {
    Q_OBJECT

public:
    struct Frame {
        const zun::console::Control *control;
        QWidget *widget;
        TKeyFrame *key; // null for the controls that are not keys
        TConsolePage *page;
    };

    TPanel_Posts(zun::TSimulator &sim, QWidget *parent);

    // The frames in the order of their creation.
    const std::vector<Frame> &frames() const { return frames_; }
    const Frame &frame(std::string_view name) const;
    TConsolePage *page(std::string_view name) const;
    QTabWidget *page_control(std::string_view name) const;

    // Makes the page current in its page control, and its page control's own page current in
    // turn, so that the page comes forward; each page newly shown reports it, inner page first.
    void bring_forward(TConsolePage &page);

    std::function<void(TConsolePage &)> on_page_shown;
    std::function<void(TConsolePage &)> on_bare_page_move;

private:
    void build_pages();
    void build_decorations();
    void build_controls(zun::TSimulator &sim);

    std::map<std::string, QTabWidget *, std::less<>> page_controls_;
    std::map<std::string, TConsolePage *, std::less<>> pages_;
    std::vector<Frame> frames_;
};
