#include "forms/Error1.h"

#include "forms/Title2.h"
#include "app/DesignFonts.h"

#include <QTimer>

Tfrmerror *frmerror = nullptr;

Tfrmerror::Tfrmerror()
    : RosterWindow("frmerror", tr("Program Error"), Frame::Dialog, QSize(298, 213))
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFont(DesignFont(SystemFace, 13));

    // A raised inner bevel inside a lowered outer one.
    Panel1 = MakeBevel(this, "Panel1", QRect(8, 8, 281, 153), BevelStyle::Lowered);
    MakeBevel(Panel1, "Panel1Inner", QRect(1, 1, 279, 151), BevelStyle::Raised);
    ProductName = new Label(Panel1, "ProductName", QRect(20, 24, 241, 16),
                            tr("The File 'QUARL3.TQZ' is not found!"));
    ProductName->setFont(DesignFont(SansSerifFace, 13, true));
    Label1 = new Label(Panel1, "Label1", QRect(19, 72, 249, 16), tr("It needs to be in the same directory as"));
    Label2 = new Label(Panel1, "Label2", QRect(60, 88, 141, 16), tr("the KORVWIN.EXE file."));
    OKButton = MakeButton(this, "OKButton", QRect(111, 178, 77, 27), tr("OK"), QStringLiteral(":/tick.png"));
    OKButton->setFont(DesignFont(SansSerifFace, 11, true));
    OKButton->setFocus();

    connect(OKButton, &QPushButton::clicked, this, &Tfrmerror::OKButtonClick);
}

void Tfrmerror::FormShow()
{
    // At start-up the setup window is shown after this one, and some
    // desktops hand it the keyboard as it maps; taking the activation back
    // once the event loop runs keeps Enter on the OK button.
    QTimer::singleShot(0, this, [this] {
        raise();
        activateWindow();
    });
}

void Tfrmerror::OKButtonClick()
{
    Form1->close();
}
