#pragma once

#include <QWidget>

namespace zun {
class StageRecord;
}

// The session's course: the stage against time as a stepped line, the trainee's operations as
// marks on it, passes, refusals and operations out of sequence each in a colour of its own.
class TimelinePlot : public QWidget {
public:
    static const QColor operation_colour;
    static const QColor pass_colour;
    static const QColor refused_colour;
    static const QColor out_of_sequence_colour;

    explicit TimelinePlot(QWidget *parent = nullptr);

    // The record is read when painting; it must outlive the plot or be replaced first.
    void show_record(const zun::StageRecord *record, qint64 now_ms);

    QSize sizeHint() const override { return {640, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const zun::StageRecord *record_ = nullptr;
    qint64 now_ms_ = 0;
};
