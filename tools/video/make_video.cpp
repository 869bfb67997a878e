// Makes a training video from a demonstration session file: the session is replayed into the
// program's own windows, offscreen, and every frame is encoded into an AVI file.
//
//   zun_make_video [--seconds N] SESSION.zs VIDEO.avi
#include "app/application.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "tools/video/demo_player.h"
#include "tools/video/demo_script.h"
#include "tools/video/video_encoder.h"
#include "tools/video/video_ui_port.h"

#include <ctime>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>

namespace {

struct Arguments {
    zun::Millis limit_ms = std::numeric_limits<zun::Millis>::max() / 2;
    std::string session;
    std::string video;
};

std::optional<Arguments> arguments(int argc, char *argv[])
{
    Arguments parsed;
    int next = 1;
    if (argc == 5 && std::string(argv[1]) == "--seconds") {
        try {
            parsed.limit_ms = std::stoll(argv[2]) * 1000;
        } catch (const std::exception &) {
            return std::nullopt;
        }
        next = 3;
    }
    if (argc != next + 2 || parsed.limit_ms <= 0)
        return std::nullopt;
    parsed.session = argv[next];
    parsed.video = argv[next + 1];
    return parsed;
}

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
        std::cerr << "usage: zun_make_video [--seconds N] SESSION.zs VIDEO.avi\n";
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
        const zun::video::Demo_Script script = zun::video::read_demo(in);
        install_application_font();
        const std::clock_t cpu_start = std::clock();
        VideoUiPort ui;
        Forms forms(ui);
        ui.attach(forms);
        VideoEncoder encoder(QString::fromStdString(given->video), video::Frame_Size,
                             DemoPlayer::Frames_Per_Second);
        DemoPlayer(forms, ui, [&encoder](const QImage &frame) {
            encoder.add_frame(frame);
        }).play(script, given->limit_ms);
        encoder.finish();
        ui.detach();
        std::cout << given->video << ": frames=" << encoder.frames()
                  << " seconds=" << encoder.frames() / DemoPlayer::Frames_Per_Second
                  << " cpu_ms=" << (std::clock() - cpu_start) * 1000 / CLOCKS_PER_SEC << '\n';
    } catch (const std::exception &error) {
        std::cerr << given->session << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
