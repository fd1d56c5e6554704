#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

// File > Open Recent: the last banks opened or saved, newest first, kept in
// the user's settings.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    explicit RecentFiles(QMenu *menu);

    void add(const QString &path);
    QStringList paths() const;

signals:
    void openRequested(const QString &path);

private:
    void store(const QStringList &paths);
    void rebuild();

    QMenu *menu_;
};
