#include "kitthemewatcher.h"

#include "kittheme.h"
#include "language.h"
#include "paths.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {
bool sameLook(const ThemeSettings& a, const ThemeSettings& b) {
    ThemeSettings fontsOnly = b;
    fontsOnly.colorId = a.colorId;
    return accentColor(a.colorId) == accentColor(b.colorId) && a == fontsOnly;
}
} // namespace

KitThemeWatcher::KitThemeWatcher(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_path(mainConfigPath()) {
    // The folder too: a Config.ini that is missing now may be written later.
    const QString folder = QFileInfo(m_path).path();
    if (QFileInfo(folder).isDir()) m_watcher->addPath(folder);
    watchFile();
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &KitThemeWatcher::reload);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // Every save in the folder touches it; only a Config.ini that has
        // just appeared matters here, the file's own watch sees the rest.
        if (!m_watcher->files().contains(m_path) && QFileInfo::exists(m_path)) reload();
    });
}

void KitThemeWatcher::watchFile() {
    // Saves replace the file by renaming a new one over it, which leaves the
    // watch on the old, unlinked file: always watch the name afresh.
    m_watcher->removePath(m_path);
    if (QFileInfo::exists(m_path)) m_watcher->addPath(m_path);
}

void KitThemeWatcher::reload() {
    watchFile();
    const ThemeSettings before = themeSettings();
    reloadThemeSettings();
    if (!sameLook(before, themeSettings())) emit themeChanged();
}
