#include "app/RunSeedSettings.h"

#include <QSettings>

namespace wexa::app {

namespace {

const QString kSection = QStringLiteral("Run Seeds");

// A path holds the separators of settings keys: the key is its UTF-8 bytes
// in hexadecimal, the same for the same path on every system.
QString KeyOf(const QString& projectPath) {
    return kSection + QLatin1Char('/') + QString::fromLatin1(projectPath.toUtf8().toHex());
}

} // namespace

std::optional<std::uint32_t> StoredRunSeed(QSettings& settings, const QString& projectPath) {
    bool read = false;
    const qulonglong value = settings.value(KeyOf(projectPath)).toULongLong(&read);
    if (!read || value > 0xFFFFFFFFULL) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

void StoreRunSeed(QSettings& settings, const QString& projectPath,
                  std::optional<std::uint32_t> seed) {
    if (seed) {
        settings.setValue(KeyOf(projectPath), QString::number(*seed));
    } else {
        settings.remove(KeyOf(projectPath));
    }
}

} // namespace wexa::app
