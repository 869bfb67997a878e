#include "exercise_library.h"

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

ExerciseLibrary::ExerciseLibrary(QStringList places, std::filesystem::path own_folder)
    : places_(std::move(places)), own_folder_(std::move(own_folder))
{
}

std::vector<ExerciseLibrary::Entry> ExerciseLibrary::exercises() const
{
    std::vector<std::filesystem::path> folders{own_folder_ / "exercises"};
    for (const QString &place : places_)
        folders.push_back(QDir(place).filePath(exercises_folder).toStdString());
    std::vector<Entry> entries;
    for (std::size_t index = 0; index < folders.size(); ++index) {
        if (std::ranges::find(folders.begin(), folders.begin() + static_cast<std::ptrdiff_t>(index),
                              folders[index]) !=
            folders.begin() + static_cast<std::ptrdiff_t>(index))
            continue; // a place named twice
        for (const std::filesystem::path &file : files_in(folders[index])) {
            const std::optional<std::string> text = file_text(file);
            entries.push_back({file, text ? zun::read_exercise(*text)
                                          : zun::ReadExercise{std::nullopt, "cannot be read"}});
        }
    }
    return entries;
}

zun::SnapshotFinder ExerciseLibrary::snapshots() const
{
    return [folder = own_folder_ / "snapshots"](std::string_view name) {
        const std::string file = std::string(name) + std::string(snapshot_extension);
        return usable_name(std::string(name)) ? file_text(folder / file) : std::nullopt;
    };
}

std::string ExerciseLibrary::keep_snapshot(const std::string &name,
                                           const zun::LineModel &line) const
{
    if (!usable_name(name))
        return "Имя снимка не может быть пустым, начинаться с точки или содержать «/».";
    const std::filesystem::path folder = own_folder_ / "snapshots";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path path = folder / (name + std::string(snapshot_extension));
    if (std::filesystem::exists(path, error))
        return "Снимок «" + name + "» уже есть: выберите другое имя.";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << zun::write_snapshot(line);
    file.close();
    if (!file)
        return "Снимок не сохранён: не удалось записать " + path.string() + ".";
    return {};
}
