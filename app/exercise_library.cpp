#include "exercise_library.h"

#include "app/history_service.h"
#include "sim/snapshot.h"

#include <QDir>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

const QString exercises_folder = QStringLiteral("exercises");
constexpr std::string_view exercise_extension = ".zex";
constexpr std::string_view snapshot_extension = ".snapshot";

std::optional<std::string> file_text(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> files_in(const std::filesystem::path &folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file(error) && entry.path().extension() == exercise_extension)
            files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

// A name the instructor types is one file's name: no folder, nothing hidden.
bool usable_name(const std::string &name)
{
    return !name.empty() && name.find('/') == std::string::npos && name.front() != '.' &&
           name.size() <= 100;
}

} // namespace

using Kind = HistoryDatabase::LibraryKind;

ExerciseLibrary::ExerciseLibrary(QStringList places, std::filesystem::path own_folder,
                                 HistoryService *shared)
    : places_(std::move(places)), own_folder_(std::move(own_folder)), shared_(shared)
{
}

std::vector<ExerciseLibrary::Entry> ExerciseLibrary::exercise_files() const
{
    std::vector<std::filesystem::path> folders{own_folder_ / "exercises"};
    for (const QString &place : places_)
        folders.push_back(QDir(place).filePath(exercises_folder).toStdString());
    std::vector<Entry> entries;
    std::vector<std::filesystem::path> read_folders; // a place may be named twice
    for (const std::filesystem::path &folder : folders) {
        if (std::ranges::find(read_folders, folder) != read_folders.end())
            continue;
        read_folders.push_back(folder);
        for (const std::filesystem::path &file : files_in(folder)) {
            const std::optional<std::string> text = file_text(file);
            entries.push_back({file, text ? zun::read_exercise(*text)
                                          : zun::ReadExercise{std::nullopt, "cannot be read"}});
        }
    }
    return entries;
}

void ExerciseLibrary::fetch_exercises(QObject *receiver, Exercises reply) const
{
    if (!shared_) {
        reply(exercise_files());
        return;
    }
    shared_->fetch_library(
        Kind::Exercise, receiver,
        [this, reply](const std::vector<HistoryDatabase::LibraryItem> &items, const QString &) {
            std::vector<Entry> entries;
            for (const HistoryDatabase::LibraryItem &item : items)
                entries.push_back(
                    {item.name.toStdString(), zun::read_exercise(item.text.toStdString())});
            for (Entry &file : exercise_files()) {
                const bool shadowed =
                    file.read.exercise && std::ranges::any_of(entries, [&file](const Entry &kept) {
                        return kept.read.exercise &&
                               kept.read.exercise->name == file.read.exercise->name;
                    });
                if (!shadowed)
                    entries.push_back(std::move(file));
            }
            reply(std::move(entries));
        });
}

void ExerciseLibrary::fetch_snapshots(QObject *receiver, Snapshots reply) const
{
    const auto from_files = [this](std::string_view name) { return snapshot_file(name); };
    if (!shared_) {
        reply(from_files);
        return;
    }
    shared_->fetch_library(
        Kind::Snapshot, receiver,
        [reply, from_files](const std::vector<HistoryDatabase::LibraryItem> &items,
                            const QString &) {
            reply([items, from_files](std::string_view name) -> std::optional<std::string> {
                const QString wanted =
                    QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
                for (const HistoryDatabase::LibraryItem &item : items)
                    if (item.name == wanted)
                        return item.text.toStdString();
                return from_files(name);
            });
        });
}

void ExerciseLibrary::keep_snapshot(const std::string &name, const zun::LineModel &line,
                                    QObject *receiver, Refusal reply) const
{
    if (!usable_name(name)) {
        reply("Имя снимка не может быть пустым, начинаться с точки или содержать «/».");
        return;
    }
    const std::string text = zun::write_snapshot(line);
    if (!shared_) {
        reply(keep_snapshot_file(name, text));
        return;
    }
    shared_->keep_in_library(
        Kind::Snapshot, QString::fromStdString(name), QString::fromStdString(text), receiver,
        [this, name, text, reply](bool kept, const QString &problem) {
            if (!problem.isEmpty())
                reply(keep_snapshot_file(name, text)); // the centre's library is away
            else
                reply(kept ? std::string()
                           : "Снимок «" + name + "» уже есть: выберите другое имя.");
        });
}

void ExerciseLibrary::share(const zun::Exercise &exercise) const
{
    if (shared_)
        shared_->keep_in_library(Kind::Exercise, QString::fromStdString(exercise.name),
                                 QString::fromStdString(zun::exercise_text(exercise)), nullptr,
                                 [](bool, const QString &) {});
}

std::optional<std::string> ExerciseLibrary::snapshot_file(std::string_view name) const
{
    if (!usable_name(std::string(name)))
        return std::nullopt;
    return file_text(own_folder_ / "snapshots" /
                     (std::string(name) + std::string(snapshot_extension)));
}

std::string ExerciseLibrary::keep_snapshot_file(const std::string &name,
                                                const std::string &text) const
{
    const std::filesystem::path folder = own_folder_ / "snapshots";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path path = folder / (name + std::string(snapshot_extension));
    if (std::filesystem::exists(path, error))
        return "Снимок «" + name + "» уже есть: выберите другое имя.";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        return "Снимок не сохранён: не удалось записать " + path.string() + ".";
    return {};
}
