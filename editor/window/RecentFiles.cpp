#include "editor/window/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

constexpr qsizetype MostKept = 8;
const QString Key = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu *menu) : QObject(menu), menu_(menu) { rebuild(); }

QStringList RecentFiles::paths() const { return QSettings().value(Key).toStringList(); }

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, MostKept));
}

void RecentFiles::store(const QStringList &list)
{
    QSettings().setValue(Key, list);
    rebuild();
}

void RecentFiles::rebuild()
{
    menu_->clear();
    const QStringList list = paths();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString &path = list[i];
        // Numbered 1 to 8, each number its access key.
        QAction *entry = menu_->addAction(tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    menu_->addSeparator();
    QAction *clear = menu_->addAction(tr("&Clear Recent Files"));
    clear->setEnabled(!list.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { store({}); });
    menu_->setEnabled(!list.isEmpty());
    menu_->setToolTipsVisible(true);
}
