#include "Unit_posts.h"

#include "console/frame_factory.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "ui/window_setup.h"

#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
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

TConsolePage::TConsolePage(std::string_view name, int tag, QWidget *parent)
    : QWidget(parent), name_(name), tag_(tag)
{
    setObjectName(text_of(name));
    setMouseTracking(true);
}

void TConsolePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous() && on_shown)
        on_shown(*this);
}

void TConsolePage::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (on_bare_move)
        on_bare_move(*this);
}

TPanel_Posts::TPanel_Posts(zun::TSimulator &sim, QWidget *parent) : QWidget(parent)
{
    setObjectName(text_of(zun::console::posts_panel));
    const zun::Rect place = zun::console::posts_panel_place;
    resize(place.width, place.height);
    build_pages();
    build_decorations();
    build_controls(sim);
    for (const zun::console::PageControl &control : zun::console::page_controls())
        page_controls_.at(std::string(control.name))
            ->setCurrentWidget(pages_.at(std::string(control.active_page)));
}

void TPanel_Posts::build_pages()
{
    for (const zun::console::PageControl &control : zun::console::page_controls()) {
        auto *tabs = new QTabWidget;
        tabs->setObjectName(text_of(control.name));
        page_controls_.emplace(control.name, tabs);
        if (control.parent == zun::console::posts_panel)
            fill_with(this, tabs);
        else
            fill_with(pages_.at(std::string(control.parent)), tabs);
        for (const zun::console::Page &page : zun::console::pages()) {
            if (page.page_control != control.name)
                continue;
            auto *sheet = new TConsolePage(page.name, page.tag, tabs);
            sheet->on_shown = [this](TConsolePage &shown) {
                if (on_page_shown)
                    on_page_shown(shown);
            };
            sheet->on_bare_move = [this](TConsolePage &moved) {
                if (on_bare_page_move)
                    on_bare_page_move(moved);
            };
            tabs->addTab(sheet, text_of(page.tab_caption));
            pages_.emplace(page.name, sheet);
        }
    }
}

void TPanel_Posts::build_decorations()
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

void TPanel_Posts::build_controls(zun::TSimulator &sim)
{
    for (const zun::console::Control &control : zun::console::controls()) {
        TConsolePage *on_page = page(control.page);
        QWidget *widget = create_console_frame(control, sim, on_page);
        widget->setObjectName(text_of(control.frame));
        frames_.push_back({&control, widget, qobject_cast<TKeyFrame *>(widget), on_page});
    }
}

const TPanel_Posts::Frame &TPanel_Posts::frame(std::string_view name) const
{
    for (const Frame &each : frames_)
        if (each.control->frame == name)
            return each;
    throw std::out_of_range("no console control " + std::string(name));
}

TConsolePage *TPanel_Posts::page(std::string_view name) const
{
    const auto found = pages_.find(name);
    if (found == pages_.end())
        throw std::out_of_range("no console page " + std::string(name));
    return found->second;
}

QTabWidget *TPanel_Posts::page_control(std::string_view name) const
{
    return page_controls_.at(std::string(name));
}

void TPanel_Posts::bring_forward(TConsolePage &page)
{
    // The page first, unseen while its post's page is behind; then showing the post's page
    // shows it before itself: only pages that come into view report, inner first.
    auto *tabs = qobject_cast<QTabWidget *>(page.parentWidget()->parentWidget());
    tabs->setCurrentWidget(&page);
    if (auto *outer_page = qobject_cast<TConsolePage *>(tabs->parentWidget()))
        bring_forward(*outer_page);
}
