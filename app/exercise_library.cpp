#include "exercise_library.h"

#include "app/history_service.h"
#include "sim/snapshot.h"

#include <QDir>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

namespace {

const QString exercises_folder = QStringLiteral("exercises");
constexpr std::string_view exercise_extension = ".zex";
constexpr std::string_view course_extension = ".zcourse";
constexpr std::string_view snapshot_extension = ".snapshot";

std::optional<std::string> file_text(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool write_file(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return static_cast<bool>(file);
}

std::vector<std::filesystem::path> files_in(const std::filesystem::path &folder,
                                            std::string_view extension)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file(error) && entry.path().extension() == extension)
            files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

// A library item's name as a file's: the characters a file name cannot hold are replaced.
std::string file_name_of(const QString &name)
{
    QString safe = name;
    safe.replace(u'/', u'_');
    if (safe.startsWith(u'.'))
        safe.prepend(u'_');
    return safe.toStdString();
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

std::vector<std::filesystem::path> ExerciseLibrary::folders() const
{
    std::vector<std::filesystem::path> folders{own_folder_ / "exercises"};
    for (const QString &place : places_) {
        const std::filesystem::path folder = QDir(place).filePath(exercises_folder).toStdString();
        if (std::ranges::find(folders, folder) == folders.end()) // a place may be named twice
            folders.push_back(folder);
    }
    return folders;
}

std::vector<ExerciseLibrary::Entry> ExerciseLibrary::exercise_files() const
{
    std::vector<Entry> entries;
    for (const std::filesystem::path &folder : folders())
        for (const std::filesystem::path &file : files_in(folder, exercise_extension)) {
            const std::optional<std::string> text = file_text(file);
            entries.push_back({file, text ? zun::read_exercise(*text)
                                          : zun::ReadExercise{std::nullopt, "cannot be read"}});
        }
    return entries;
}

void ExerciseLibrary::fetch_start(const zun::Exercise &exercise, QObject *receiver,
                                  Start reply) const
{
    share(Kind::Exercise, exercise.name, zun::exercise_text(exercise));
    fetch_start_state(exercise.start, receiver, std::move(reply));
}

void ExerciseLibrary::fetch_start_state(const zun::ExerciseStart &start, QObject *receiver,
                                        Start reply) const
{
    fetch_snapshots(receiver, [start, reply](const zun::SnapshotFinder &find) {
        reply(zun::start_state(start, find));
    });
}

void ExerciseLibrary::fetch_named_start(const std::string &name, QObject *receiver,
                                        NamedStart reply) const
{
    fetch_exercises(receiver, [this, name, receiver, reply](std::vector<Entry> entries) {
        const auto entry = std::ranges::find_if(entries, [&name](const Entry &kept) {
            return kept.read.exercise && kept.read.exercise->name == name;
        });
        if (entry == entries.end()) {
            reply(std::nullopt, {nullptr, "Упражнения «" + name + "» нет в библиотеке."});
            return;
        }
        fetch_start(*entry->read.exercise, receiver,
                    [exercise = *entry->read.exercise, reply](zun::StartState start) {
                        reply(exercise, std::move(start));
                    });
    });
}

void ExerciseLibrary::fetch_course(const std::string &wanted, QObject *receiver,
                                   CourseReply reply) const
{
    std::vector<zun::Course> files;
    for (const std::filesystem::path &folder : folders())
        for (const std::filesystem::path &file : files_in(folder, course_extension))
            if (const std::optional<std::string> text = file_text(file))
                if (std::optional<zun::Course> course = zun::read_course(*text).course)
                    files.push_back(std::move(*course));
    const auto choose = [this, wanted, reply](std::vector<zun::Course> courses) {
        std::ranges::sort(courses, {}, &zun::Course::name);
        const auto chosen = wanted.empty() ? courses.begin()
                                           : std::ranges::find(courses, wanted, &zun::Course::name);
        if (chosen == courses.end()) {
            reply(std::nullopt);
            return;
        }
        share(Kind::Course, chosen->name, zun::course_text(*chosen));
        reply(*chosen);
    };
    if (!shared_) {
        choose(std::move(files));
        return;
    }
    shared_->fetch_library(
        Kind::Course, receiver,
        [files = std::move(files), choose](const std::vector<HistoryDatabase::LibraryItem> &items,
                                           const QString &) {
            std::vector<zun::Course> courses;
            for (const HistoryDatabase::LibraryItem &item : items)
                if (std::optional<zun::Course> course =
                        zun::read_course(item.text.toStdString()).course)
                    courses.push_back(std::move(*course));
            for (const zun::Course &file : files)
                if (std::ranges::find(courses, file.name, &zun::Course::name) == courses.end())
                    courses.push_back(file);
            choose(std::move(courses));
        });
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

void ExerciseLibrary::fetch_snapshot_names(QObject *receiver, Names reply) const
{
    std::vector<std::string> files;
    for (const std::filesystem::path &file :
         files_in(own_folder_ / "snapshots", snapshot_extension))
        files.push_back(file.stem().string());
    const auto sorted = [reply](std::vector<std::string> names) {
        std::ranges::sort(names);
        const auto [first, last] = std::ranges::unique(names);
        names.erase(first, last);
        reply(std::move(names));
    };
    if (!shared_) {
        sorted(std::move(files));
        return;
    }
    shared_->fetch_library(
        Kind::Snapshot, receiver,
        [files = std::move(files), sorted](const std::vector<HistoryDatabase::LibraryItem> &items,
                                           const QString &) mutable {
            for (const HistoryDatabase::LibraryItem &item : items)
                files.push_back(item.name.toStdString());
            sorted(std::move(files));
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
        Kind::Snapshot, QString::fromStdString(name), QString::fromStdString(text),
        HistoryDatabase::WhenNamed::Refuse, receiver,
        [this, name, text, reply](bool kept, const QString &problem) {
            if (!problem.isEmpty())
                reply(keep_snapshot_file(name, text)); // the centre's library is away
            else
                reply(kept ? std::string()
                           : "Снимок «" + name + "» уже есть: выберите другое имя.");
        });
}

void ExerciseLibrary::share(Kind kind, const std::string &name, const std::string &text) const
{
    if (shared_)
        shared_->keep_in_library(kind, QString::fromStdString(name), QString::fromStdString(text),
                                 HistoryDatabase::WhenNamed::Refuse, nullptr,
                                 [](bool, const QString &) {});
}

void ExerciseLibrary::save_exercise(const zun::Exercise &exercise, QObject *receiver,
                                    Refusal reply) const
{
    if (!shared_) {
        reply(save_exercise_file(exercise));
        return;
    }
    shared_->keep_in_library(
        Kind::Exercise, QString::fromStdString(exercise.name),
        QString::fromStdString(zun::exercise_text(exercise)), HistoryDatabase::WhenNamed::Replace,
        receiver, [this, exercise, reply](bool, const QString &problem) {
            reply(problem.isEmpty() ? std::string() : save_exercise_file(exercise));
        });
}

std::string ExerciseLibrary::save_exercise_file(const zun::Exercise &exercise) const
{
    const std::filesystem::path folder = own_folder_ / "exercises";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path path =
        folder /
        (file_name_of(QString::fromStdString(exercise.name)) + std::string(exercise_extension));
    if (!write_file(path, zun::exercise_text(exercise)))
        return "Упражнение не сохранено: не удалось записать " + path.string() + ".";
    return {};
}

void ExerciseLibrary::export_to(const std::filesystem::path &folder, QObject *receiver,
                                Exported reply) const
{
    struct Item {
        std::string file;
        std::string text;
    };
    // Every item of the three kinds, the centre's and the files', each written once.
    auto items = std::make_shared<std::vector<Item>>();
    const auto write_all = [folder, items, reply] {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        int written = 0;
        for (const Item &item : *items) {
            if (!write_file(folder / item.file, item.text)) {
                reply(written, "не удалось записать " + (folder / item.file).string());
                return;
            }
            ++written;
        }
        reply(written, {});
    };
    const auto add = [items](const QString &name, std::string_view extension,
                             const std::string &text) {
        const std::string file = file_name_of(name) + std::string(extension);
        if (std::ranges::find(*items, file, &Item::file) == items->end())
            items->push_back({file, text});
    };
    const auto add_files = [this, add] {
        for (const std::filesystem::path &folder : folders())
            for (const std::string_view extension : {exercise_extension, course_extension})
                for (const std::filesystem::path &file : files_in(folder, extension))
                    if (const std::optional<std::string> text = file_text(file))
                        add(QString::fromStdString(file.stem().string()), extension, *text);
        for (const std::filesystem::path &file :
             files_in(own_folder_ / "snapshots", snapshot_extension))
            if (const std::optional<std::string> text = file_text(file))
                add(QString::fromStdString(file.stem().string()), snapshot_extension, *text);
    };
    if (!shared_) {
        add_files();
        write_all();
        return;
    }
    // The centre's three kinds one after the other, then the files it lacks.
    const auto fetch = [this, receiver, add](Kind kind, std::string_view extension,
                                             std::function<void()> then) {
        shared_->fetch_library(
            kind, receiver,
            [add, extension, then](const std::vector<HistoryDatabase::LibraryItem> &kept,
                                   const QString &) {
                for (const HistoryDatabase::LibraryItem &item : kept)
                    add(item.name, extension, item.text.toStdString());
                then();
            });
    };
    fetch(Kind::Exercise, exercise_extension, [fetch, add_files, write_all] {
        fetch(Kind::Course, course_extension, [fetch, add_files, write_all] {
            fetch(Kind::Snapshot, snapshot_extension, [add_files, write_all] {
                add_files();
                write_all();
            });
        });
    });
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
    if (!write_file(path, text))
        return "Снимок не сохранён: не удалось записать " + path.string() + ".";
    return {};
}
