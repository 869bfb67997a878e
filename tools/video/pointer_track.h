#pragma once

#include <QPointF>
#include <QtGlobal>

// Where the drawn mouse pointer is at a moment of virtual time: it rests, or glides to the
// control the next input is for, slowly at the start and at the end as a hand moves a mouse.
class PointerTrack {
public:
    explicit PointerTrack(QPointF start) : from_(start), goal_(start) {}

    // From `start_ms` to `end_ms` the pointer moves from wherever it is at `start_ms` to `goal`.
    void glide(qint64 start_ms, qint64 end_ms, QPointF goal);
    QPointF at(qint64 ms) const;

private:
    QPointF from_;
    QPointF goal_;
    qint64 start_ms_ = 0;
    qint64 end_ms_ = 0;
};
