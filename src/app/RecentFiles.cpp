#include "app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace wexa::app {

namespace {
const QString kSection = QStringLiteral("Recent File List");

QString EntryName(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}
} // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {
    Load();
}

void RecentFiles::Load() {
    settings_.beginGroup(kSection);
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString path = settings_.value(EntryName(i)).toString();
        if (!path.isEmpty()) {
            paths_.append(path);
        }
    }
    settings_.endGroup();
}

void RecentFiles::Store() {
    settings_.beginGroup(kSection);
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < paths_.size()) {
            settings_.setValue(EntryName(i), paths_[i]);
        } else {
            settings_.remove(EntryName(i));
        }
    }
    settings_.endGroup();
    settings_.sync();
}

void RecentFiles::Add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    paths_.removeAll(full);
    paths_.prepend(full);
    while (paths_.size() > kMaxEntries) {
        paths_.removeLast();
    }
    Store();
}

void RecentFiles::Remove(const QString& path) {
    paths_.removeAll(path);
    Store();
}

QString ShortenedPath(const QString& path, int maxLength) {
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= maxLength) {
        return shown;
    }
    const QString ellipsis = QStringLiteral("…");
    const QChar separator = QDir::separator();
    QString tail = QFileInfo(path).fileName();
    if (tail.size() > maxLength) {
        return tail.left(maxLength - 1) + ellipsis;
    }
    // Add folders from the right while the text still fits.
    QStringList folders = QFileInfo(path).path().split(separator, Qt::SkipEmptyParts);
    while (!folders.isEmpty() &&
           ellipsis.size() + 1 + folders.last().size() + 1 + tail.size() <= maxLength) {
        tail = folders.takeLast() + separator + tail;
    }
    return ellipsis + separator + tail;
}

} // namespace wexa::app
