// Makes a training video from a demonstration session file: the session is replayed into the
// program's own windows, offscreen, and every frame is encoded into an AVI file. `--check` also
// checks every frame: what its caption names must be in sight (a list of the frames that fail,
// exit status 1); `--sheet` writes a contact sheet of a frame at each caption. With either, the
// video may be left out.
//
//   zun_make_video [--seconds N] [--check] [--sheet SHEET.png] SESSION.zs [VIDEO.avi]
#include "app/application.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "tools/video/caption_check.h"
#include "tools/video/contact_sheet.h"
#include "tools/video/demo_player.h"
#include "tools/video/demo_script.h"
#include "tools/video/video_encoder.h"
#include "tools/video/video_ui_port.h"

#include <ctime>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

namespace {

struct Arguments {
    zun::Millis limit_ms = std::numeric_limits<zun::Millis>::max() / 2;
    bool check = false;
    std::string sheet;
    std::string session;
    std::string video;
};

std::optional<Arguments> arguments(int argc, char *argv[])
{
    Arguments parsed;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--check") {
            parsed.check = true;
        } else if ((argument == "--seconds" || argument == "--sheet") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (argument == "--sheet") {
                parsed.sheet = value;
                continue;
            }
            try {
                parsed.limit_ms = std::stoll(value) * 1000;
            } catch (const std::exception &) {
                return std::nullopt;
            }
        } else {
            files.push_back(argument);
        }
    }
    const bool video_needed = !parsed.check && parsed.sheet.empty();
    if (files.empty() || files.size() > 2 || (video_needed && files.size() != 2) ||
        parsed.limit_ms <= 0)
        return std::nullopt;
    parsed.session = files[0];
    if (files.size() == 2)
        parsed.video = files[1];
    return parsed;
}

// The frames whose caption names what they do not show, a run of frames with the same problem
// told once with its times.
class CaptionReport {
public:
    void add(const video::Scene &scene)
    {
        const QStringList problems = video::caption_problems(scene);
        const QString text = problems.join(QStringLiteral("; "));
        if (text != open_text_) {
            close(scene.time_ms);
            open_text_ = text;
            open_caption_ = scene.overlay.caption;
            open_since_ = scene.time_ms;
        }
        last_ms_ = scene.time_ms;
    }
    // Writes the report; whether every frame passed.
    bool finish(std::ostream &out)
    {
        close(last_ms_ + 1);
        for (const std::string &line : lines_)
            out << line << '\n';
        return lines_.empty();
    }

private:
    void close(qint64 until_ms)
    {
        if (!open_text_.isEmpty())
            lines_.push_back(std::to_string(open_since_) + "-" + std::to_string(until_ms - 1) +
                             " ms «" + open_caption_.toStdString() +
                             "»: " + open_text_.toStdString());
        open_text_.clear();
    }

    std::vector<std::string> lines_;
    QString open_text_;
    QString open_caption_;
    qint64 open_since_ = 0;
    qint64 last_ms_ = 0;
};

// The offscreen platform says for every raise() and mask that it cannot do them; the frames
// stack the windows and cut the masks themselves.
void quiet_about_offscreen(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Arguments> given = arguments(argc, argv);
    if (!given) {
        std::cerr << "usage: zun_make_video [--seconds N] [--check] [--sheet SHEET.png] SESSION.zs "
                     "[VIDEO.avi]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_about_offscreen);
    ZunApplication application(argc, argv);
    try {
        std::ifstream in(given->session);
        if (!in)
            throw std::runtime_error("cannot read " + given->session);
        const zun::video::DemoScript script = zun::video::read_demo(in);
        install_application_font();
        const std::clock_t cpu_start = std::clock();
        VideoUiPort ui;
        Forms forms(ui);
        ui.attach(forms);
        std::unique_ptr<VideoEncoder> encoder;
        if (!given->video.empty())
            encoder =
                std::make_unique<VideoEncoder>(QString::fromStdString(given->video),
                                               video::frame_size, DemoPlayer::frames_per_second);
        CaptionReport report;
        video::ContactSheet sheet;
        int frames = 0;
        DemoPlayer(forms, ui, [&](const video::Scene &scene) {
            ++frames;
            if (encoder)
                encoder->add_frame(video::compose_frame(scene));
            if (given->check)
                report.add(scene);
            if (!given->sheet.empty())
                sheet.add(scene);
        }).play(script, given->limit_ms);
        if (encoder)
            encoder->finish();
        ui.detach();
        if (!given->sheet.empty() && !sheet.image().save(QString::fromStdString(given->sheet)))
            throw std::runtime_error("cannot write " + given->sheet);
        std::cout << given->session << ": frames=" << frames
                  << " seconds=" << frames / DemoPlayer::frames_per_second
                  << " cpu_ms=" << (std::clock() - cpu_start) * 1000 / CLOCKS_PER_SEC << '\n';
        if (given->check && !report.finish(std::cerr)) {
            std::cerr << given->session << ": captions name what their frames do not show\n";
            return 1;
        }
    } catch (const std::exception &error) {
        std::cerr << given->session << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
