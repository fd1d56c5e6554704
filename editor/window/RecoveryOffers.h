#pragma once

#include "editor/document/RecoveryFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

class QWidget;
class RecoveryClaim;

// Unsaved changes recovered from a recovery file, with the claim that holds
// the file for the editor taking them.
struct RecoveredBank {
    RecoverySnapshot snapshot;
    std::shared_ptr<RecoveryClaim> claim;
};

// Offers the recovery files no running editor holds, one message box at a
// time, each naming its bank and when it was kept: Recover hands it to the
// window, Discard deletes it once confirmed, Not Now leaves it for the next
// start. A file too large to be one is never read, and is only moved aside. After a Recover the rest wait for the next start, so no recovery
// ever replaces unsaved changes.
class RecoveryOffers : public QObject {
    Q_OBJECT

public:
    using Recover = std::function<void(const RecoveredBank &)>;

    RecoveryOffers(QWidget *window, Recover recover);
    ~RecoveryOffers() override;

    // At start: every recovery file, the most recent first.
    void offerAll();
    // Once a bank is opened: the recovery files of that bank, and a word when
    // another running editor holds it with unsaved changes.
    void offerFor(const QString &bankPath);

signals:
    // Every message box opened, with its text.
    void messageShown(const QString &text);

private:
    struct Offer {
        std::shared_ptr<RecoveryClaim> claim;
        RecoverySnapshot snapshot;
        QString error; // that the file cannot be read and why, if it cannot
        bool tooLarge = false; // refused unread: it can only be moved aside
    };

    void queue(const QStringList &files, const QString &bankPath);
    void showNext();
    void showOffer(Offer offer);
    void showDamaged(Offer offer);
    void confirmDiscard(Offer offer);
    void done();

    QWidget *window_;
    Recover recover_;
    std::deque<Offer> waiting_;
    bool showing_ = false;
};
