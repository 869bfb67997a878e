#include "documents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

const QString help_folder = QStringLiteral("help");
const QString video_folder = QStringLiteral("video");
const QString manual_pages = QStringLiteral("index.html");

QString list_of(const QStringList &places, const QString &folder)
{
    QStringList folders;
    for (const QString &place : places)
        folders << QDir(place).filePath(folder);
    return QDir::toNativeSeparators(folders.join(QStringLiteral(", ")));
}

} // namespace

QStringList document_places()
{
    QStringList places;
    for (const QString &place : {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                 QStringLiteral(ZUN_INSTALL_FULL_DATA_DIR)}) {
        const QString clean = QDir::cleanPath(place);
        if (!places.contains(clean))
            places << clean;
    }
    return places;
}

QString find_document(const QStringList &places, const QString &folder, const QString &file)
{
    for (const QString &place : places) {
        const QFileInfo document(QDir(place).filePath(folder + QLatin1Char('/') + file));
        if (document.isFile())
            return document.absoluteFilePath();
    }
    return {};
}

HelpChoice choose_help(const QStringList &places, const QString &chm_file,
                       const std::function<bool()> &chm_viewer)
{
    const QString compiled = find_document(places, help_folder, chm_file);
    if (!compiled.isEmpty() && chm_viewer())
        return {HelpChoice::Kind::Compiled, compiled};
    const QString pages = find_document(places, help_folder, manual_pages);
    if (!pages.isEmpty())
        return {HelpChoice::Kind::Pages, pages};
    if (!compiled.isEmpty())
        return {HelpChoice::Kind::Message,
                QStringLiteral("Справка — файл %1.\nДля файлов справки (CHM) на этом компьютере "
                               "нет программы просмотра; её даёт, например, пакет xchm или "
                               "kchmviewer.")
                    .arg(QDir::toNativeSeparators(compiled))};
    return {HelpChoice::Kind::Message,
            QStringLiteral("Справка не найдена. Её страницы (%1) и файл %2 ищутся в папках: "
                           "%3.\nПакет zun-trainer-data кладёт справку в последнюю из них; сборка "
                           "программы — в папку help рядом с программой.")
                .arg(manual_pages, chm_file, list_of(places, help_folder))};
}

QString help_unopened_text(const QString &path)
{
    return QStringLiteral("Справка — файл %1.\nНа этом компьютере нет программы, которая его "
                          "открывает. Установите браузер (например, пакет firefox-esr или "
                          "chromium) или программу просмотра справки (пакет xchm).")
        .arg(QDir::toNativeSeparators(path));
}

QString video_unopened_text(const QString &path)
{
    return QStringLiteral("Видеоролик — файл %1.\nНа этом компьютере нет программы, которая его "
                          "показывает. Установите видеопроигрыватель (например, пакет mpv или "
                          "vlc).")
        .arg(QDir::toNativeSeparators(path));
}

QString missing_video_text(const QStringList &places, const QString &file)
{
    return QStringLiteral("Видеоролик %1 не найден. Он ищется в папках: %2.\nПакет "
                          "zun-trainer-data кладёт видеоролики в последнюю из них; сборка "
                          "программы — в папку video рядом с программой.")
        .arg(file, list_of(places, video_folder));
}

bool desktop_opens_chm()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
