// The installed tree as the desktop, the software centre, `man` and a trainee's launcher read it.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A path of the installed system, found under the scratch root it was installed to.
QString installed(const QString &path)
{
    return QStringLiteral(ZUN_INSTALL_ROOT) + path;
}

const QString desktop_file =
    QStringLiteral(ZUN_INSTALL_DATADIR "/applications/" ZUN_APP_ID ".desktop");
const QString instructor_desktop_file =
    QStringLiteral(ZUN_INSTALL_DATADIR "/applications/" ZUN_INSTRUCTOR_APP_ID ".desktop");

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

Finished run(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    Finished result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The keys of a launcher's [Desktop Entry] group, the trainer's unless named.
QMap<QString, QString> desktop_entry(const QString &launcher = desktop_file)
{
    QFile file(installed(launcher));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << launcher.toStdString();
    QMap<QString, QString> keys;
    bool in_entry = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            in_entry = line == QLatin1String("[Desktop Entry]");
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (in_entry && equals > 0)
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

QString gunzipped(const QString &file)
{
    const Finished unpacked = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), file});
    EXPECT_EQ(unpacked.status, 0) << file.toStdString() << ": " << unpacked.err.toStdString();
    return unpacked.out;
}

TEST(InstalledTreeTest, TheLaunchersValidate)
{
    for (const QString &launcher : {desktop_file, instructor_desktop_file}) {
        const Finished check = run(QStringLiteral("desktop-file-validate"), {installed(launcher)});
        EXPECT_EQ(check.status, 0) << launcher.toStdString();
        EXPECT_EQ(check.out + check.err, QString()) << "hints and warnings are faults too";
    }
}

TEST(InstalledTreeTest, TheInstructorsLauncherStartsTheInstalledInstructorsStation)
{
    const QMap<QString, QString> entry = desktop_entry(instructor_desktop_file);
    const QString command = entry.value(QStringLiteral("Exec"));
    EXPECT_EQ(command, QStringLiteral("zun_instructor"));
    EXPECT_TRUE(
        QFileInfo(installed(QStringLiteral(ZUN_INSTALL_BINDIR "/") + command)).isExecutable());
    EXPECT_EQ(entry.value(QStringLiteral("StartupWMClass")), command);
    EXPECT_EQ(entry.value(QStringLiteral("Name[ru]")), QStringLiteral("Станция инструктора"));
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), QStringLiteral(ZUN_APP_ID));
}

TEST(InstalledTreeTest, TheLauncherStartsTheInstalledProgramInTheDataFolder)
{
    const QMap<QString, QString> entry = desktop_entry();
    const QString command = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    const QString program =
        QDir::isAbsolutePath(command) ? command : QStringLiteral(ZUN_INSTALL_BINDIR "/") + command;
    EXPECT_EQ(QFileInfo(program).fileName(), QStringLiteral(ZUN_PROGRAM_NAME));
    EXPECT_TRUE(QFileInfo(installed(program)).isExecutable()) << program.toStdString();
    // Qt names an X11 window's class after the program's file, which is how a task bar finds
    // the launcher of a window.
    EXPECT_EQ(entry.value(QStringLiteral("StartupWMClass")), QFileInfo(program).fileName());
    // The program opens "help" and "video" relative to its working folder.
    EXPECT_EQ(entry.value(QStringLiteral("Path")), QStringLiteral(ZUN_DATA_DIR));
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral(ZUN_DATA_DIR))).isDir());
}

TEST(InstalledTreeTest, TheDataFolderHoldsTheManualAndTheVideosTheBuildMade)
{
    int folders_made = 0;
    for (const QString &folder : {QStringLiteral("help"), QStringLiteral("video")}) {
        const QDir made(QStringLiteral(ZUN_PROGRAM_DIR "/") + folder);
        if (!made.exists())
            continue;
        ++folders_made;
        const QDir put(installed(QStringLiteral(ZUN_DATA_DIR "/") + folder));
        QDirIterator files(made.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QFileInfo file(files.next());
            const QString relative = made.relativeFilePath(file.filePath());
            EXPECT_EQ(QFileInfo(put.filePath(relative)).size(), file.size())
                << folder.toStdString() << '/' << relative.toStdString();
        }
    }
    if (folders_made == 0)
        GTEST_SKIP() << "this build made neither the manual nor the videos";
}

TEST(InstalledTreeTest, TheIconIsInTheThemeAtEverySizeAndTheSvgDrawsTheSamePicture)
{
    const QString icon = desktop_entry().value(QStringLiteral("Icon"));
    ASSERT_EQ(icon, QStringLiteral(ZUN_APP_ID));
    const QString theme = installed(QStringLiteral(ZUN_INSTALL_DATADIR "/icons/hicolor/"));
    QImage largest;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        const QImage image(theme + QStringLiteral("%1x%1/apps/%2.png").arg(side).arg(icon));
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the tile's corners are see-through";
        EXPECT_EQ(qAlpha(image.pixel(side / 2, side / 2)), 255);
        largest = image;
    }
    QSvgRenderer svg(theme + QStringLiteral("scalable/apps/%1.svg").arg(icon));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));
    QImage drawn(largest.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    // Anti-aliasing differs a little between the two renderers; shapes and colours must not.
    const QImage png = largest.convertToFormat(QImage::Format_ARGB32);
    long long difference = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb a = png.pixel(x, y);
            const QRgb b = drawn.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
        }
    const double per_channel = double(difference) / (png.width() * png.height() * 4);
    EXPECT_LT(per_channel, 3.0);
}

TEST(InstalledTreeTest, TheMetainfoValidatesWithItsLauncherAndIcon)
{
    const Finished check = run(QStringLiteral("appstreamcli"),
                               {QStringLiteral("validate-tree"), QStringLiteral("--no-net"),
                                installed(QStringLiteral(ZUN_INSTALL_PREFIX))});
    EXPECT_EQ(check.status, 0) << check.out.toStdString() << check.err.toStdString();
    QFile metainfo(
        installed(QStringLiteral(ZUN_INSTALL_DATADIR "/metainfo/" ZUN_APP_ID ".metainfo.xml")));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(metainfo.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<release version=\"" ZUN_VERSION "\"")))
        << "the newest release is the version installed";
}

TEST(InstalledTreeTest, TheManualPagesRenderWithoutWarnings)
{
    for (const QString &page :
         {QStringLiteral("man1/zun_trainer.1.gz"), QStringLiteral("man1/zun_instructor.1.gz"),
          QStringLiteral("man1/zun-sim.1.gz"), QStringLiteral("man8/zun-trainer-admin.8.gz")}) {
        SCOPED_TRACE(page.toStdString());
        const QString file = installed(QStringLiteral(ZUN_INSTALL_MANDIR "/") + page);
        ASSERT_TRUE(QFileInfo::exists(file));
        QProcess man;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("MANROFFSEQ"), QString());
        man.setProcessEnvironment(environment);
        man.start(QStringLiteral("man"),
                  {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
                   QStringLiteral("-l"), QStringLiteral("-Tutf8"), QStringLiteral("-Z"), file});
        ASSERT_TRUE(man.waitForFinished(60000));
        EXPECT_EQ(man.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(man.readAllStandardError()), QString());
    }
}

// The runner's page lists its commands as the tagged paragraphs of COMMANDS, each tag the
// command's words in bold and its arguments in italics.
QStringList commands_on_runner_page()
{
    const QString page =
        gunzipped(installed(QStringLiteral(ZUN_INSTALL_MANDIR "/man1/zun-sim.1.gz")));
    const QString section =
        page.section(QStringLiteral(".SH COMMANDS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    static const QRegularExpression tag(QStringLiteral(R"(^\.TP\n\.(?:B (.+)|BI "([^"]+)\s*".*)$)"),
                                        QRegularExpression::MultilineOption);
    QStringList commands;
    for (auto match = tag.globalMatch(section); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        commands << (found.captured(1) + found.captured(2)).trimmed();
    }
    return commands;
}

// An installed manual page as `man` shows it, unwrapped as far as a line can be.
QString rendered_page(const QString &page)
{
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("250"));
    man.setProcessEnvironment(environment);
    man.start(QStringLiteral("man"),
              {QStringLiteral("-l"), installed(QStringLiteral(ZUN_INSTALL_MANDIR "/man1/") + page)});
    EXPECT_TRUE(man.waitForFinished(60000));
    EXPECT_EQ(man.exitCode(), 0);
    return QString::fromUtf8(man.readAllStandardOutput());
}

// The part of a rendered page under a section's heading, up to the next heading.
QString section_of(const QString &page, const QString &heading)
{
    return page.section(QLatin1Char('\n') + heading + QLatin1Char('\n'), 1)
        .section(QRegularExpression(QStringLiteral("\n[A-Z][A-Z ]+\n")), 0, 0);
}

QString readme()
{
    QFile file(QStringLiteral(ZUN_README));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << ZUN_README;
    return QString::fromUtf8(file.readAll());
}

TEST(InstalledTreeTest, EveryCommandOnTheRunnersManualPageIsOneTheInstalledRunnerKnows)
{
    const QStringList commands = commands_on_runner_page();
    ASSERT_TRUE(commands.contains(QStringLiteral("advance")) &&
                commands.contains(QStringLiteral("show picture")))
        << "the page's tags read as: " << commands.join(QLatin1Char(',')).toStdString();
    const QString runner = installed(QStringLiteral(ZUN_INSTALL_BINDIR "/zun-sim"));
    for (const QString &command : commands) {
        // Given without its arguments, a known command complains of them, not of itself.
        const Finished line = run(runner, {}, (command + QLatin1Char('\n')).toUtf8());
        EXPECT_NE(line.status, -1) << command.toStdString();
        EXPECT_FALSE(line.err.contains(QStringLiteral("unknown command")))
            << command.toStdString() << ": " << line.err.toStdString();
    }
    EXPECT_EQ(run(runner, {}, "show time\n").out, QStringLiteral("time=0\n"));
}


// The runner's usage names each way to call it; the page's synopsis shows each the same way,
// and describes no option the runner does not take.
TEST(InstalledTreeTest, TheRunnersPageShowsEveryWayToCallIt)
{
    const Finished usage =
        run(installed(QStringLiteral(ZUN_INSTALL_BINDIR "/zun-sim")), {QStringLiteral("--no")});
    EXPECT_EQ(usage.status, 2);
    ASSERT_TRUE(usage.err.startsWith(QStringLiteral("usage: "))) << usage.err.toStdString();
    const QStringList forms = usage.err.mid(7).trimmed().split(QStringLiteral(" | "));
    ASSERT_GE(forms.size(), 5) << usage.err.toStdString();

    const QString page = rendered_page(QStringLiteral("zun-sim.1.gz"));
    QStringList synopsis;
    for (const QString &line : section_of(page, QStringLiteral("SYNOPSIS")).split('\n'))
        synopsis << line.simplified();
    static const QRegularExpression option(QStringLiteral(R"(--[a-z][a-z-]*)"));
    QStringList options;
    for (const QString &form : forms) {
        // "zun-sim --report-html HTML_FILE SESSION_FILE" reads "... html-file session-file".
        const QString shown = form.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
        EXPECT_TRUE(synopsis.contains(shown)) << shown.toStdString() << " is not in:\n"
                                              << synopsis.join('\n').toStdString();
        for (auto match = option.globalMatch(form); match.hasNext();)
            options << match.next().captured();
    }
    const QString described = section_of(page, QStringLiteral("OPTIONS"));
    for (const QString &known : options)
        EXPECT_TRUE(described.contains(QStringLiteral("\n       ") + known + QLatin1Char(' ')))
            << known.toStdString() << " is not described";
    for (auto match = option.globalMatch(section_of(page, QStringLiteral("SYNOPSIS")) + described);
         match.hasNext();) {
        const QString shown = match.next().captured();
        EXPECT_TRUE(options.contains(shown)) << shown.toStdString() << " is no option of the runner";
    }
}

// The commands and inputs of README's two tables of the runner, by their leading words
// ("until stage N [within MS]" is "until stage", "key NAME move" is "key").
QStringList commands_in_readme()
{
    const QString text = readme();
    QStringList commands;
    for (const QString &header : {QStringLiteral("| command | effect |"),
                                  QStringLiteral("| input | what it stands for |")}) {
        const QString table = text.section(header + QLatin1Char('\n'), 1).section("\n\n", 0, 0);
        EXPECT_FALSE(table.isEmpty()) << header.toStdString();
        for (const QString &row : table.split(QLatin1Char('\n'))) {
            static const QRegularExpression quoted(QStringLiteral("`([^`]+)`"));
            const QString first_cell = row.section(QLatin1Char('|'), 1, 1);
            for (auto match = quoted.globalMatch(first_cell); match.hasNext();) {
                QStringList words;
                for (const QString &word : match.next().captured(1).split(QLatin1Char(' '))) {
                    if (!QRegularExpression(QStringLiteral("^[a-z]+$")).match(word).hasMatch())
                        break;
                    words << word;
                }
                if (!words.isEmpty() && !commands.contains(words.join(' ')))
                    commands << words.join(' ');
            }
        }
    }
    return commands;
}

TEST(InstalledTreeTest, TheRunnersPageListsEveryCommandAndInputOfTheReadme)
{
    const QStringList readme_commands = commands_in_readme();
    ASSERT_TRUE(readme_commands.contains(QStringLiteral("fault clear")) &&
                readme_commands.contains(QStringLiteral("until stage")))
        << readme_commands.join(QLatin1Char(',')).toStdString();
    const QStringList on_page = commands_on_runner_page();
    for (const QString &command : readme_commands)
        EXPECT_TRUE(on_page.contains(command)) << command.toStdString();
}

// What a user of the trainer looks up: its option, the main window's keys (as README names them)
// and where it keeps the sessions, the history and the history's settings.
TEST(InstalledTreeTest, TheTrainersPageNamesItsOptionKeysAndFiles)
{
    const QString page = rendered_page(QStringLiteral("zun_trainer.1.gz"));
    const QString text = readme();
    QStringList expected{QStringLiteral("--instructor"),
                         QStringLiteral("$XDG_DATA_HOME/zun-trainer/sessions/"),
                         QStringLiteral("~/.local/share/zun-trainer/sessions/"),
                         QStringLiteral("$XDG_DATA_HOME/zun-trainer/history.sqlite"),
                         QStringLiteral("[history]"), QStringLiteral("file="),
                         QStringLiteral("help/"), QStringLiteral("video/"),
                         QStringLiteral(ZUN_DATA_DIR)};
    static const QRegularExpression key(QStringLiteral(R"(Ctrl\+[A-Z0-9])"));
    for (auto match = key.globalMatch(text); match.hasNext();)
        expected << match.next().captured();
    static const QRegularExpression settings_file(QStringLiteral("`([^`]*/zun-trainer\\.conf)`"));
    for (auto match = settings_file.globalMatch(text); match.hasNext();)
        expected << match.next().captured(1);
    const QString ini = text.section(QStringLiteral("```ini\n"), 1).section(QStringLiteral("```"), 0, 0);
    static const QRegularExpression setting(QStringLiteral(R"(^([a-z]+)=)"),
                                            QRegularExpression::MultilineOption);
    for (auto match = setting.globalMatch(ini); match.hasNext();)
        expected << match.next().captured(1) + QLatin1Char('=');
    ASSERT_GE(expected.size(), 9 + 6 + 2 + 5) << expected.join(' ').toStdString();
    for (const QString &word : expected)
        EXPECT_TRUE(page.contains(word)) << word.toStdString();
}
} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
