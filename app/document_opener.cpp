#include "document_opener.h"

#include "app/documents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <utility>

DocumentOpener::DocumentOpener(QStringList places, Launch launch, Tell tell,
                               std::function<bool()> chm_viewer)
    : places_(std::move(places)), launch_(std::move(launch)), tell_(std::move(tell)),
      chm_viewer_(std::move(chm_viewer))
{
}

void DocumentOpener::open(const QString &folder, const QString &file) const
{
    if (folder == QStringLiteral("help")) {
        const HelpChoice help = choose_help(places_, file, chm_viewer_);
        if (help.kind == HelpChoice::Kind::Message)
            tell_(help.text);
        else
            launch(help.text, help_unopened_text(help.text));
        return;
    }
    const QString found = find_document(places_, folder, file);
    if (found.isEmpty())
        tell_(missing_video_text(places_, file));
    else
        launch(found, video_unopened_text(found));
}

void DocumentOpener::launch(const QString &path, const QString &unopened_text) const
{
    launch_(path, [tell = tell_, unopened_text](bool opened) {
        if (!opened)
            tell(unopened_text);
    });
}

namespace {

// Where no desktop is running, xdg-open runs the viewer itself and fails when the viewer does: a
// failure after this long is a viewer that ran and ended badly, not a file nothing opens.
constexpr qint64 viewer_ran_ms = 3000;

} // namespace

void open_with_desktop(const QString &file, std::function<void(bool opened)> done)
{
    QElapsedTimer running;
    running.start();
    auto *opener = new QProcess(QCoreApplication::instance());
    // Where no desktop is running, xdg-open runs the viewer itself: a viewer that writes much
    // must not fill a pipe nobody reads, and a helper that asks on the terminal gets no answer.
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, done, running](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         // A viewer still open when the program ends is no failure to tell.
                         if (!QCoreApplication::closingDown())
                             done((status == QProcess::NormalExit && code == 0) ||
                                  running.hasExpired(viewer_ran_ms));
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, done](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash is told by `finished`
                         opener->deleteLater();
                         done(false);
                     });
    opener->start(QStringLiteral("xdg-open"), {file});
}
