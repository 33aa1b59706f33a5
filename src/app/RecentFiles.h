#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace wexa::app {

// The recent-file list of the File menu: four paths, the newest first, kept
// in the settings store as "Recent File List" / "File1" .. "File4".
class RecentFiles {
public:
    static constexpr int kMaxEntries = 4;

    explicit RecentFiles(QSettings& settings);

    [[nodiscard]] const QStringList& Paths() const { return paths_; }
    // Puts `path` first (moving it if it is listed), drops the oldest beyond
    // four, and stores the list at once, so a crash keeps it.
    void Add(const QString& path);
    // Takes `path` off the list and stores the list.
    void Remove(const QString& path);

private:
    void Load();
    void Store();

    QSettings& settings_;
    QStringList paths_;
};

// The text of a menu entry: the path shortened to at most `maxLength`
// characters by leaving out leading folders ("…/folder/name.wxa"); a name
// that is too long alone keeps its beginning.
[[nodiscard]] QString ShortenedPath(const QString& path, int maxLength = 30);

} // namespace wexa::app
