#include "editor/window/RecoveryOffers.h"

#include "editor/document/BankFileReader.h"
#include "editor/document/RecoveryFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A function, so that the text is translated once a translator is installed.
QString Title()
{
    return RecoveryOffers::tr("Recover Unsaved Changes");
}

QString BankName(const RecoverySnapshot &snapshot)
{
    return snapshot.bankPath.isEmpty() ? RecoveryOffers::tr("an untitled bank")
                                       : RecoveryOffers::tr("“%1”").arg(QFileInfo(snapshot.bankPath).fileName());
}

QString When(const QDateTime &written)
{
    return QLocale().toString(written.toLocalTime(), RecoveryOffers::tr("d MMMM yyyy 'at' HH:mm"));
}

QMessageBox *Box(QWidget *window, QMessageBox::Icon icon, const char *name, const QString &text)
{
    auto *box = new QMessageBox(icon, Title(), text, QMessageBox::NoButton, window);
    box->setObjectName(QString::fromLatin1(name));
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

} // namespace

RecoveryOffers::RecoveryOffers(QWidget *window, Recover recover)
    : QObject(window), window_(window), recover_(std::move(recover))
{
}

RecoveryOffers::~RecoveryOffers() = default;

void RecoveryOffers::offerAll()
{
    RecoveryFolder::DropStaleLocks();
    RecoveryFolder::SettleLeftovers();
    queue(RecoveryFolder::Files(), {});
}

void RecoveryOffers::offerFor(const QString &bankPath)
{
    if (RecoveryFolder::HeldElsewhere(bankPath)) {
        const QString text = tr("“%1” is open in another question editor, with unsaved changes.")
                                 .arg(QFileInfo(bankPath).fileName());
        QMessageBox *box = Box(window_, QMessageBox::Information, "heldElsewhereBox", text);
        box->setWindowTitle(tr("Bank Open Elsewhere"));
        box->setInformativeText(tr("Whichever editor saves it last replaces what the other saved. "
                                   "Save or close it there first, then open it here again."));
        box->setStandardButtons(QMessageBox::Ok);
        box->open();
        emit messageShown(text);
    }
    queue(RecoveryFolder::FilesFor(bankPath), bankPath);
}

void RecoveryOffers::queue(const QStringList &files, const QString &bankPath)
{
    for (const QString &file : files) {
        // A file held by a running editor, or already waiting here, is not offered.
        std::shared_ptr<RecoveryClaim> claim = RecoveryClaim::Take(file);
        if (!claim)
            continue;
        const BankFileRead bytes = ReadRecoveryBytes(file);
        Offer offer{std::move(claim), {}, bytes.error, bytes.tooLarge};
        QString damage;
        if (!bytes.error.isEmpty()) {
        } else if (std::optional<RecoverySnapshot> read = RecoveryFile::Read(bytes.bytes, &damage)) {
            offer.snapshot = std::move(*read);
            // Another bank whose name and path hash alike waits for its own.
            if (!bankPath.isEmpty() && offer.snapshot.bankPath != bankPath)
                continue;
        } else {
            offer.error = tr("The recovery file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(file), damage);
        }
        waiting_.push_back(std::move(offer));
    }
    showNext();
}

void RecoveryOffers::showNext()
{
    if (showing_ || waiting_.empty())
        return;
    showing_ = true;
    Offer offer = std::move(waiting_.front());
    waiting_.pop_front();
    if (offer.error.isEmpty())
        showOffer(std::move(offer));
    else
        showDamaged(std::move(offer));
}

void RecoveryOffers::showOffer(Offer offer)
{
    const RecoverySnapshot &kept = offer.snapshot;
    const QString text = tr("Unsaved changes to %1 were kept on %2, when the editor stopped without "
                            "saving them.")
                             .arg(BankName(kept), When(kept.written));
    QMessageBox *box = Box(window_, QMessageBox::Question, "recoveryBox", text);
    box->setInformativeText(
        (kept.bankPath.isEmpty() ? tr("Recover opens them as a new bank")
                                 : tr("Recover opens them as unsaved changes to %1")
                                       .arg(QDir::toNativeSeparators(kept.bankPath)))
        + tr("; save them to keep them. Discard deletes them. Not Now keeps them for later."));
    QPushButton *recover = box->addButton(tr("&Recover"), QMessageBox::AcceptRole);
    QPushButton *discard = box->addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    box->addButton(tr("&Not Now"), QMessageBox::RejectRole);
    box->setDefaultButton(recover);
    connect(box, &QMessageBox::finished, this, [this, box, recover, discard, offer = std::move(offer)]() mutable {
        // Taken out of the box, which goes later: its claim must go now.
        Offer taken = std::move(offer);
        if (box->clickedButton() == recover) {
            recover_({std::move(taken.snapshot), std::move(taken.claim)});
            // The others stay on disk; they are no longer held here.
            waiting_.clear();
            done();
        } else if (box->clickedButton() == discard) {
            confirmDiscard(std::move(taken));
        } else {
            done();
        }
    });
    box->open();
    emit messageShown(text);
}

void RecoveryOffers::showDamaged(Offer offer)
{
    const QString file = offer.claim->file();
    const QString text = offer.error;
    QMessageBox *box = Box(window_, QMessageBox::Warning, "recoveryDamagedBox", text);
    // Too large to look into, it may yet be someone's work: it is kept.
    const QString aside = RecoveryFolder::SetAsideName(file);
    box->setInformativeText(offer.tooLarge ? tr("Move Aside renames it %1, which the editor does not read at start. "
                                                "Not Now leaves it where it is.")
                                                 .arg(QDir::toNativeSeparators(aside))
                                           : tr("Not Now leaves it where it is."));
    QPushButton *act = offer.tooLarge ? box->addButton(tr("&Move Aside"), QMessageBox::ActionRole)
                                      : box->addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    box->setDefaultButton(box->addButton(tr("&Not Now"), QMessageBox::RejectRole));
    connect(box, &QMessageBox::finished, this, [this, box, act, aside, offer = std::move(offer)]() mutable {
        Offer taken = std::move(offer);
        if (box->clickedButton() == act && taken.tooLarge)
            QFile::rename(taken.claim->file(), aside);
        if (box->clickedButton() == act && !taken.tooLarge)
            confirmDiscard(std::move(taken));
        else
            done();
    });
    box->open();
    emit messageShown(text);
}

void RecoveryOffers::confirmDiscard(Offer offer)
{
    const QString text =
        offer.error.isEmpty()
            ? tr("Delete the unsaved changes to %1 kept on %2?").arg(BankName(offer.snapshot), When(offer.snapshot.written))
            : tr("Delete the recovery file %1?").arg(QDir::toNativeSeparators(offer.claim->file()));
    QMessageBox *box = Box(window_, QMessageBox::Warning, "recoveryDiscardBox", text);
    box->setInformativeText(tr("They cannot be recovered afterwards."));
    QPushButton *remove = box->addButton(tr("&Delete"), QMessageBox::DestructiveRole);
    box->setDefaultButton(box->addButton(QMessageBox::Cancel));
    connect(box, &QMessageBox::finished, this, [this, box, remove, offer = std::move(offer)]() mutable {
        Offer taken = std::move(offer);
        if (box->clickedButton() == remove) {
            QFile::remove(taken.claim->file());
            taken.claim.reset();
            done();
            return;
        }
        // Back to the question it came from.
        waiting_.push_front(std::move(taken));
        showing_ = false;
        showNext();
    });
    box->open();
    emit messageShown(text);
}

void RecoveryOffers::done()
{
    showing_ = false;
    showNext();
}
