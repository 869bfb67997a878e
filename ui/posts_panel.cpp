#include "posts_panel.h"

#include "console/frame_factory.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "ui/window_setup.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of a page itself: pointer moves over it are its own, not the page's.
class PageText final : public QLabel {
public:
    PageText(const QString &text, QWidget *page) : QLabel(text, page) { setMouseTracking(true); }

protected:
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
};

// A heading keeps to one line, small enough not to run into the next.
void fit_heading(QLabel &heading)
{
    QFont font = heading.font();
    font.setPixelSize(10);
    heading.setFont(font);
    fit_label_to_text(heading);
}

void fill_with(QWidget *container, QWidget *content)
{
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

} // namespace

ConsolePage::ConsolePage(int row, QWidget *parent)
    : QWidget(parent), name_(zun::console::pages()[static_cast<std::size_t>(row)].name), row_(row),
      tag_(zun::console::pages()[static_cast<std::size_t>(row)].tag)
{
    setObjectName(QString::fromStdString(name_));
    setMouseTracking(true);
}

void ConsolePage::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (on_bare_move)
        on_bare_move(*this);
}

PostsPanel::PostsPanel(zun::Door door, ViewClock &clock, QWidget *parent)
    : QWidget(parent), door_(door)
{
    setObjectName(text_of(zun::console::posts_panel));
    const zun::Rect place = zun::console::posts_panel_place;
    resize(place.width, place.height);
    syncing_ = true; // filling the page controls changes their current pages
    build_pages();
    build_decorations();
    build_controls(clock);
    sync_pages();
    seen_version_ = door_.model().consoles_version;
}

void PostsPanel::build_pages()
{
    for (const zun::console::PageControl &control : zun::console::page_controls()) {
        auto *tabs = new QTabWidget;
        tabs->setObjectName(text_of(control.name));
        page_controls_.emplace(control.name, tabs);
        if (control.parent == zun::console::posts_panel)
            fill_with(this, tabs);
        else
            fill_with(pages_.at(std::string(control.parent)), tabs);
        const auto pages = zun::console::pages();
        for (std::size_t row = 0; row < pages.size(); ++row) {
            if (pages[row].page_control != control.name)
                continue;
            auto *sheet = new ConsolePage(static_cast<int>(row), tabs);
            sheet->on_bare_move = [this](ConsolePage &moved) {
                door_.apply(zun::input::BarePageMove{moved.row()});
            };
            tabs->addTab(sheet, text_of(pages[row].tab_caption));
            pages_.emplace(pages[row].name, sheet);
        }
        connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] { tab_chosen(*tabs); });
    }
}

void PostsPanel::tab_chosen(QTabWidget &tabs)
{
    if (syncing_)
        return;
    const auto *page = qobject_cast<const ConsolePage *>(tabs.currentWidget());
    if (!page)
        return;
    door_.apply(zun::input::TabChosen{page->row()});
    // A door held shut by the instructor's freeze leaves the model's page in front.
    const int control = zun::console::page_control_of(page->row());
    if (door_.model().front_page[static_cast<std::size_t>(control)] != page->row())
        sync_pages();
}

void PostsPanel::sync()
{
    const zun::LineModel &sim = door_.model();
    if (seen_version_ == sim.consoles_version)
        return;
    seen_version_ = sim.consoles_version;
    sync_pages();
    for (const Frame &frame : frames_)
        frame.widget->sync();
}

// Outer page controls first, as they were made.
void PostsPanel::sync_pages()
{
    const zun::LineModel &sim = door_.model();
    syncing_ = true;
    const auto controls = zun::console::page_controls();
    for (std::size_t control = 0; control < controls.size(); ++control) {
        const int front = sim.front_page[control];
        page_control(controls[control].name)
            ->setCurrentWidget(page(zun::console::pages()[static_cast<std::size_t>(front)].name));
    }
    syncing_ = false;
}

void PostsPanel::build_decorations()
{
    for (const zun::console::PageDecoration &decoration : zun::console::page_decorations()) {
        auto *text = new PageText(text_of(decoration.text), page(decoration.page));
        text->setObjectName(text_of(decoration.name));
        text->setGeometry(decoration.place.left, decoration.place.top, decoration.place.width,
                          decoration.place.height);
        using Kind = zun::console::PageDecoration::Kind;
        if (decoration.kind == Kind::YellowRectangle)
            text->setStyleSheet(QStringLiteral("background: yellow; border: 1px solid black;"));
        else if (decoration.kind == Kind::WrappedText)
            text->setWordWrap(true);
        else
            fit_heading(*text);
    }
}

void PostsPanel::build_controls(ViewClock &clock)
{
    const auto controls = zun::console::controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const zun::console::Control &control = controls[row];
        ConsolePage *on_page = page(control.page);
        ConsoleFrame *widget = create_console_frame(door_, static_cast<int>(row), clock, on_page);
        widget->setObjectName(text_of(control.frame));
        frames_.push_back({&control, widget, qobject_cast<KeyFrame *>(widget), on_page});
    }
}

const PostsPanel::Frame &PostsPanel::frame(std::string_view name) const
{
    for (const Frame &each : frames_)
        if (each.control->frame == name)
            return each;
    throw std::out_of_range("no console control " + std::string(name));
}

ConsolePage *PostsPanel::page(std::string_view name) const
{
    const auto found = pages_.find(name);
    if (found == pages_.end())
        throw std::out_of_range("no console page " + std::string(name));
    return found->second;
}

QTabWidget *PostsPanel::page_control(std::string_view name) const
{
    const auto found = page_controls_.find(name);
    if (found == page_controls_.end())
        throw std::out_of_range("no page control " + std::string(name));
    return found->second;
}
