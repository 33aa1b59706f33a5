#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QSettings;

namespace wexa::app {

// The fixed seed of a project's runs, kept per project file in the settings
// store (section "Run Seeds", one entry per file), never in the file itself.
// No entry: each run takes its seed from the clock.
[[nodiscard]] std::optional<std::uint32_t> StoredRunSeed(QSettings& settings,
                                                         const QString& projectPath);
void StoreRunSeed(QSettings& settings, const QString& projectPath,
                  std::optional<std::uint32_t> seed);

} // namespace wexa::app
