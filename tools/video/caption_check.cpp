#include "caption_check.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegion>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>

namespace video {

namespace {

// At most this share of a named thing may be hidden by windows above it, or of a control by the
// frame's edges.
constexpr double hidden_share_allowed = 0.4;

// A window stands wholly inside the frame; a control, the marker and the hand mostly.
enum class Edges { Inside, MostlyInside };

struct NamedWindow {
    const char *words; // as a caption says them, in lower case
    const char *object_name;
    Edges edges;
};

constexpr NamedWindow named_windows[] = {
    {"окно шагов", "Form_Steps", Edges::Inside},
    {"окне шагов", "Form_Steps", Edges::Inside},
    {"окна шагов", "Form_Steps", Edges::Inside},
    {"главное окно", "Form_Main_ZUN", Edges::Inside},
    {"главном окне", "Form_Main_ZUN", Edges::Inside},
    {"главного окна", "Form_Main_ZUN", Edges::Inside},
    {"окно состояния", "Form_Status_Mech_Array", Edges::Inside},
    {"перекрестие", "Form_Target", Edges::MostlyInside},
    {"рука ", "Form_Hand", Edges::MostlyInside},
};

QString normalized(QString text)
{
    text.remove(QLatin1Char('&'));
    return text.simplified().toLower();
}

QString shown_text(const QWidget &widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return normalized(button->text());
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return normalized(label->text());
    return {};
}

// A control's text names the same thing when it is the quoted name or starts with it as whole
// words («3 толчёк» for "3 толчёк разматывателя").
bool carries(const QString &text, const QString &name)
{
    return text == name || text.startsWith(name + QLatin1Char(' '));
}

qint64 area(const QRegion &region)
{
    qint64 total = 0;
    for (const QRect &rect : region)
        total += qint64(rect.width()) * rect.height();
    return total;
}

// The part of `widget` on the screen that its parents do not cut off (a scrolled area, a page).
QRect clipped_by_parents(const QWidget &widget)
{
    QRect shown(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    for (const QWidget *parent = widget.parentWidget(); parent; parent = parent->parentWidget())
        shown &= QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    return shown;
}

QString name_of(const QWidget &window)
{
    return window.objectName().isEmpty() ? QString::fromLatin1(window.metaObject()->className())
                                         : window.objectName();
}

QRegion screen_region(const QWidget &window)
{
    const QRegion mask = window.mask();
    return mask.isEmpty() ? QRegion(window.geometry()) : mask.translated(window.pos());
}

class FrameCheck {
public:
    explicit FrameCheck(const Scene &scene) : scene_(scene) {}

    QStringList problems() const
    {
        QStringList found;
        const QString caption = normalized(scene_.overlay.caption);
        if (caption.isEmpty())
            return found;
        static const QRegularExpression quoted(QStringLiteral("«([^»]+)»"));
        // Quoted words are a control's name: «главное окно» is the start screen's button.
        const QString words = QString(caption).replace(quoted, QStringLiteral("«»")) + u' ';
        for (const NamedWindow &named : named_windows)
            if (words.contains(QString::fromUtf8(named.words)))
                check_window(named, found);
        for (const QRegularExpressionMatch &match : quoted.globalMatch(caption))
            check_control(match.captured(1), found);
        return found;
    }

private:
    void check_window(const NamedWindow &named, QStringList &found) const
    {
        const QString words = QString::fromUtf8(named.words).trimmed();
        for (std::size_t level = 0; level < scene_.windows.size(); ++level) {
            const QWidget *window = scene_.windows[level];
            if (window && window->objectName() == QLatin1String(named.object_name)) {
                if (const QString why = hidden_part(*window, level, named.edges); !why.isEmpty())
                    found << QStringLiteral("\"%1\": %2").arg(words, why);
                return;
            }
        }
        found << QStringLiteral("\"%1\": no such window in the frame").arg(words);
    }

    // A name no control carries is not a control's («шаг за шагом» names a way of working);
    // one that several carry needs one of them in sight.
    void check_control(const QString &name, QStringList &found) const
    {
        QString why;
        for (std::size_t level = 0; level < scene_.windows.size(); ++level) {
            const QWidget *window = scene_.windows[level];
            if (!window)
                continue;
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                if (!carries(shown_text(*control), name))
                    continue;
                why = hidden_part(*control, level, Edges::MostlyInside);
                if (why.isEmpty())
                    return;
            }
        }
        if (!why.isEmpty())
            found << QStringLiteral("«%1»: %2").arg(name, why);
    }

    // Why `widget` of the window at `level` is not in sight; empty when it is.
    QString hidden_part(const QWidget &widget, std::size_t level, Edges edges) const
    {
        if (!widget.isVisible())
            return QStringLiteral("not shown");
        const QRect whole_rect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
        const qint64 whole = area(QRegion(whole_rect));
        if (whole == 0)
            return QStringLiteral("has no size");
        const QRegion in_frame = QRegion(clipped_by_parents(widget))
                                     .intersected(QRect(0, 0, frame_size.width(), caption_top));
        const double cut_allowed = edges == Edges::Inside ? 0 : hidden_share_allowed;
        if (area(in_frame) < whole * (1 - cut_allowed))
            return QStringLiteral("outside the frame or under the caption");
        QRegion uncovered = in_frame;
        QStringList above;
        for (std::size_t higher = level + 1; higher < scene_.windows.size(); ++higher) {
            const QWidget *window = scene_.windows[higher];
            if (!window || !window->isVisible())
                continue;
            const QRegion covering = screen_region(*window);
            if (!covering.intersected(uncovered).isEmpty())
                above << name_of(*window);
            uncovered -= covering;
        }
        if (area(uncovered) < whole * (1 - hidden_share_allowed))
            return QStringLiteral("covered by ") + above.join(QStringLiteral(", "));
        return {};
    }

    const Scene &scene_;
};

} // namespace

QStringList caption_problems(const Scene &scene)
{
    return FrameCheck(scene).problems();
}

} // namespace video
