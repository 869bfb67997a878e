#include "instructor_pin.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSettings>

#include <array>

namespace {

const QString salt_key = QStringLiteral("instructor/pin_salt");
const QString hash_key = QStringLiteral("instructor/pin_sha256");
constexpr int salt_words = 4; // 128 bits

QByteArray salted_hash(const QByteArray &salt, const QString &pin)
{
    return QCryptographicHash::hash(salt + pin.toUtf8(), QCryptographicHash::Sha256).toHex();
}

} // namespace

bool InstructorPin::is_set() const
{
    return settings_.contains(hash_key);
}

QString InstructorPin::change(const QString &old_pin, const QString &pin)
{
    if (keeper_ == Keeper::System)
        return QStringLiteral("PIN задан администратором компьютера; его меняет команда "
                              "«sudo zun-trainer-admin set-pin».");
    if (!matches(old_pin))
        return QStringLiteral("Неверный старый PIN: PIN не изменён.");
    if (pin.isEmpty()) {
        settings_.remove(salt_key);
        settings_.remove(hash_key);
        settings_.sync();
        return {};
    }
    std::array<quint32, salt_words> words{};
    QRandomGenerator::system()->fillRange(words.data(), salt_words);
    const QByteArray salt =
        QByteArray(reinterpret_cast<const char *>(words.data()), sizeof(words)).toHex();
    settings_.setValue(salt_key, salt);
    settings_.setValue(hash_key, salted_hash(salt, pin));
    settings_.sync();
    return {};
}

bool InstructorPin::matches(const QString &pin) const
{
    if (!is_set())
        return true;
    const QByteArray salt = settings_.value(salt_key).toByteArray();
    return salted_hash(salt, pin) == settings_.value(hash_key).toByteArray();
}
