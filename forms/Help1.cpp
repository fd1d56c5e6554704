#include "forms/Help1.h"

#include "app/DesignFonts.h"

#include <QTabBar>

TfrmHelp *frmHelp = nullptr;

namespace {

// A page named by its English caption, whatever the language it shows.
QWidget *AddPage(QTabWidget *book, const char *caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(caption));
    page->setAutoFillBackground(true); // the window's colour, like its labels
    book->addTab(page, TfrmHelp::tr(caption));
    return page;
}

// Die faces 1 to 3 stand down the left of the About page, 4 to 6 down the right.
QRect DieFacePlace(int pips)
{
    return QRect(pips <= 3 ? 20 : 356, 57 + 40 * ((pips - 1) % 3), 37, 32);
}

} // namespace

TfrmHelp::TfrmHelp() : RosterWindow("frmHelp", tr("Korvane Help"), Frame::Dialog, QSize(429, 384))
{
    setFont(DesignFont(SystemFace, 13));

    Tabbedbook = new QTabWidget(this);
    Tabbedbook->setObjectName(QStringLiteral("Tabbedbook"));
    Tabbedbook->setGeometry(0, 0, 429, 384);

    QWidget *license = AddPage(Tabbedbook, QT_TR_NOOP("License"));
    Memo1 = MakeMemo(license, "Memo1", QRect(16, 25, 385, 296), ResourceText(QStringLiteral(":/texts/license.txt")),
                     MemoLook::Sunken);
    Memo1->setFont(DesignFont(SansSerifFace, 11));
    Memo1->setAccessibleName(tr("Licence terms"));

    QWidget *playing = AddPage(Tabbedbook, QT_TR_NOOP("Playing the Game"));
    Image1 = new Image(playing, "Image1", QRect(30, 30, 322, 194), QStringLiteral(":/help_board.png"),
                       tr("The board's corners: L and O above, V and E below"));
    Label4 = new Label(playing, "Label4", QRect(16, 248, 340, 57),
                       tr("Correctly answer a question from each corner square to win.  Each corner "
                                      "represents a different letter.  Spell the word 'Love' to win!"),
                       Label::Fixed);
    Label4->setWordWrap(true);
    Label4->setFont(DesignFont(TimesFace, 16));

    QWidget *instructions = AddPage(Tabbedbook, QT_TR_NOOP("Instructions"));
    Memo3 = MakeMemo(instructions, "Memo3", QRect(16, 24, 385, 321),
                     ResourceText(QStringLiteral(":/texts/manual.txt")), MemoLook::Sunken, true);
    Memo3->setFont(DesignFont(TimesFace, 13));
    Memo3->setAccessibleName(tr("Manual"));
    QPalette silver = Memo3->palette();
    silver.setColor(QPalette::Base, silver.color(QPalette::Window));
    Memo3->setPalette(silver);

    QWidget *about = AddPage(Tabbedbook, QT_TR_NOOP("About"));
    Label1 = new Label(about, "Label1", QRect(61, 21, 298, 28), QStringLiteral("Korvane for Windows v1.4"));
    Label1->setFont(DesignFont(TimesFace, 24, true, true));
    QPalette teal = Label1->palette();
    teal.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x80));
    Label1->setPalette(teal);
    Label2 = new Label(about, "Label2", QRect(112, 53, 171, 15),
                       ResourceText(QStringLiteral(":/texts/about_notice.txt")));
    Label2->setFont(DesignFont(TimesFace, 13));
    for (int pips = 1; pips <= 6; ++pips) {
        const QByteArray name = "dice" + QByteArray::number(pips);
        Image *face = new Image(about, name.constData(), DieFacePlace(pips), QStringLiteral(":/die%1.png").arg(pips));
        face->setAccessibleName(tr("Die face %1").arg(pips));
        Dice[static_cast<std::size_t>(pips - 1)] = face;
    }
    Icon = new Image(about, "Icon", QRect(172, 97, 45, 48), QStringLiteral(":/emblem.png"),
                     tr("Korvane emblem"));
    Memo4 = MakeMemo(about, "Memo4", QRect(64, 152, 281, 81),
                     ResourceText(QStringLiteral(":/texts/about_invitation.txt")), MemoLook::Flat);
    Memo4->setFont(DesignFont(TimesFace, 16));
    Memo4->setAccessibleName(tr("Write to us"));
    Memo2 = MakeMemo(about, "Memo2", QRect(124, 241, 149, 59),
                     ResourceText(QStringLiteral(":/texts/about_address.txt")), MemoLook::Sunken);
    Memo2->setAccessibleName(tr("Postal address"));
    Button1 = MakeButton(about, "Button1", QRect(152, 320, 81, 25), tr("Ok"));
    connect(Button1, &QPushButton::clicked, this, &TfrmHelp::Button1Click);

    Tabbedbook->setCurrentWidget(playing);
    // Last: a hidden tab bar measures its tabs in a new font only when shown,
    // but adding or choosing a tab measures them at once.
    Tabbedbook->tabBar()->setFont(DesignFont(SansSerifFace, 12));
}

void TfrmHelp::ShowPage(const QString &name)
{
    for (int page = 0; page < Tabbedbook->count(); ++page) {
        if (Tabbedbook->widget(page)->objectName() == name)
            Tabbedbook->setCurrentIndex(page);
    }
}

void TfrmHelp::Button1Click()
{
    hide();
}
