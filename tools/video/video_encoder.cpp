#include "video_encoder.h"

#include <QFile>
#include <QImage>

#include <stdexcept>

namespace {

std::runtime_error failure(const QString &what, QProcess &ffmpeg)
{
    return std::runtime_error((what + QStringLiteral(": ") +
                               QString::fromLocal8Bit(ffmpeg.readAllStandardError()).trimmed())
                                  .toStdString());
}

} // namespace

VideoEncoder::VideoEncoder(const QString &path, QSize frame_size, int frames_per_second)
    : path_(path), size_(frame_size)
{
    // Frames of QImage::Format_RGB32 lie in memory as blue, green, red, unused.
    ffmpeg_.start(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-y"), QStringLiteral("-loglevel"),
         QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
         QStringLiteral("-pix_fmt"), QStringLiteral("bgr0"), QStringLiteral("-s"),
         QStringLiteral("%1x%2").arg(size_.width()).arg(size_.height()),
         QStringLiteral("-framerate"), QString::number(frames_per_second), QStringLiteral("-i"),
         QStringLiteral("-"),
         // MPEG-4 part 2 under the tag most players of AVI files know; a key frame
         // every ten seconds, since the screen changes little between them.
         QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-vtag"),
         QStringLiteral("xvid"), QStringLiteral("-q:v"), QStringLiteral("4"), QStringLiteral("-g"),
         QStringLiteral("250"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
         // The same frames give the same file on any machine: one thread, whose
         // slices do not depend on the processor count, and neither the encoder's
         // nor the muxer's version written into it.
         QStringLiteral("-threads"), QStringLiteral("1"), QStringLiteral("-flags:v"),
         QStringLiteral("+bitexact"), QStringLiteral("-fflags"), QStringLiteral("+bitexact"),
         QStringLiteral("-f"), QStringLiteral("avi"), path_});
    if (!ffmpeg_.waitForStarted())
        throw std::runtime_error("cannot start ffmpeg: " + ffmpeg_.errorString().toStdString());
}

VideoEncoder::~VideoEncoder()
{
    if (finished_)
        return;
    ffmpeg_.kill();
    ffmpeg_.waitForFinished();
    QFile::remove(path_);
}

void VideoEncoder::add_frame(const QImage &frame)
{
    if (frame.size() != size_ || frame.format() != QImage::Format_RGB32)
        throw std::invalid_argument("a frame of another size or format than the video's");
    const auto bytes = static_cast<qint64>(frame.sizeInBytes());
    if (frame.bytesPerLine() != size_.width() * 4)
        throw std::invalid_argument("a frame with padded lines");
    if (ffmpeg_.write(reinterpret_cast<const char *>(frame.constBits()), bytes) != bytes)
        throw failure(QStringLiteral("ffmpeg took no frame"), ffmpeg_);
    // The pipe would otherwise buffer the whole video in memory.
    while (ffmpeg_.bytesToWrite() > 0)
        if (!ffmpeg_.waitForBytesWritten(30000))
            throw failure(QStringLiteral("ffmpeg stopped taking frames"), ffmpeg_);
    ++frames_;
}

void VideoEncoder::finish()
{
    ffmpeg_.closeWriteChannel();
    if (!ffmpeg_.waitForFinished(600000) || ffmpeg_.exitStatus() != QProcess::NormalExit ||
        ffmpeg_.exitCode() != 0)
        throw failure(QStringLiteral("ffmpeg failed on ") + path_, ffmpeg_);
    finished_ = true;
}
