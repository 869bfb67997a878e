#pragma once

#include <QProcess>
#include <QSize>
#include <QString>

class QImage;

// Encodes frames into an AVI file with MPEG-4 video through ffmpeg, which reads them raw from a
// pipe as they come.
class VideoEncoder {
public:
    VideoEncoder(const QString &path, QSize frame_size, int frames_per_second);
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;
    // An encoder not finished stops ffmpeg and leaves no file behind.
    ~VideoEncoder();

    // The frame must have the encoder's size.
    void add_frame(const QImage &frame);
    // Closes the file; throws when ffmpeg reports a failure.
    void finish();

    int frames() const { return frames_; }

private:
    QProcess ffmpeg_;
    QString path_;
    QSize size_;
    int frames_ = 0;
    bool finished_ = false;
};
