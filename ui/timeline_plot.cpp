#include "timeline_plot.h"

#include "sim/stage_tables.h"
#include "training/stage_record.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int left_margin = 34;
constexpr int margin = 12;

} // namespace

const QColor TimelinePlot::operation_colour{0, 90, 170};
const QColor TimelinePlot::pass_colour{230, 150, 0};
const QColor TimelinePlot::refused_colour{200, 0, 0};
const QColor TimelinePlot::out_of_sequence_colour{150, 0, 170};

TimelinePlot::TimelinePlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(320, 140);
}

void TimelinePlot::show_record(const zun::StageRecord *record, qint64 now_ms)
{
    record_ = record;
    now_ms_ = now_ms;
    update();
}

void TimelinePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(left_margin, margin, -margin, -margin - 12);
    const qreal last_stage = zun::stages::last_stage;
    const qint64 end = std::max<qint64>(now_ms_, 1000);
    const auto x_of = [&](qint64 time) { return area.left() + area.width() * qreal(time) / qreal(end); };
    const auto y_of = [&](int stage) { return area.bottom() - area.height() * stage / last_stage; };

    painter.setPen(QColor(210, 210, 210));
    for (const int stage : {0, 12, 24, 36, 48}) {
        painter.drawLine(QPointF(area.left(), y_of(stage)), QPointF(area.right(), y_of(stage)));
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, y_of(stage) - 8, left_margin - 4, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(stage));
        painter.setPen(QColor(210, 210, 210));
    }
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 16), Qt::AlignRight,
                     QStringLiteral("%1 с").arg(end / 1000));
    if (!record_)
        return;

    QPainterPath course;
    for (const zun::StageEntry &entry : record_->entries()) {
        const QPointF start(x_of(entry.began), y_of(entry.stage));
        if (course.isEmpty())
            course.moveTo(start);
        else
            course.lineTo(start);
        course.lineTo(x_of(entry.ended.value_or(now_ms_)), y_of(entry.stage));
    }
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawPath(course);

    const auto mark = [&](qint64 time, int stage, const QColor &colour, qreal radius) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(x_of(time), y_of(stage)), radius, radius);
    };
    for (const zun::TimelineMark &done : record_->marks())
        mark(done.time, done.stage,
             done.what == zun::TimelineMark::What::Pass ? pass_colour : operation_colour, 3);
    for (const zun::StageRemark &remark : record_->remarks())
        mark(remark.time, remark.stage,
             remark.what == zun::StageRemark::What::Refused ? refused_colour
                                                             : out_of_sequence_colour,
             4.5);
}
