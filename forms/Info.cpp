#include "forms/Info.h"

#include "forms/CatalogRing.h"
#include "app/DesignFonts.h"

TfrmProductInfo *frmProductInfo = nullptr;
std::uint8_t CatalogPage = 0;

namespace {

const char *const Caption[] = {
    QT_TRANSLATE_NOOP("TfrmProductInfo", "Halvorn Software Catalog - Brovell"),
    QT_TRANSLATE_NOOP("TfrmProductInfo", "Halvorn Software Catalog - Quintarra"),
    QT_TRANSLATE_NOOP("TfrmProductInfo", "Halvorn Software"),
};

QWidget *NewPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

// A picture shrunk to fit its smaller frame, rather than cut off.
Image *FittedImage(QWidget *parent, const char *name, const QRect &geometry, const QString &resource,
                   const QString &spokenName)
{
    auto *image = new Image(parent, name, geometry, QString(), spokenName);
    image->setFittedPicture(resource);
    return image;
}

Label *StyledLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &caption, const QFont &font)
{
    auto *label = new Label(parent, name, geometry, caption);
    label->setFont(font);
    return label;
}

} // namespace

TfrmProductInfo::TfrmProductInfo()
    : RosterWindow("frmProductInfo", tr(Caption[0]), Frame::Dialog, QSize(423, 390))
{
    setFont(DesignFont(SystemFace, 13));

    Panel1 = new Label(this, "Panel1", QRect(0, 370, 423, 20), tr("Go To Next Page"), Label::Fixed);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFont(DesignFont(SystemFace, 13, true));
    SpeedButton3 = MakeSpeedButton(Panel1, "SpeedButton3", QRect(320, 0, 25, 18), QString(),
                                   QStringLiteral(":/arrow_left.png"));
    SpeedButton3->setAccessibleName(tr("Previous page"));
    SpeedButton4 = MakeSpeedButton(Panel1, "SpeedButton4", QRect(344, 0, 25, 18), QString(),
                                   QStringLiteral(":/arrow_right.png"));

    SpeedButton4->setAccessibleName(tr("Next page"));
    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setGeometry(0, 4, 425, 357);
    Notebook1->addWidget(BuildBrovellPage());
    Notebook1->addWidget(BuildQuintarraPage());
    Notebook1->addWidget(BuildContactPage());

    connect(SpeedButton3, &QToolButton::clicked, this, &TfrmProductInfo::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TfrmProductInfo::SpeedButton4Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmProductInfo::SpeedButton1Click);
}

QWidget *TfrmProductInfo::BuildBrovellPage()
{
    QWidget *page = NewPage("p1");
    MakeBevel(page, "Bevel3", QRect(6, 4, 409, 353), BevelStyle::Lowered);
    QPlainTextEdit *blurb = MakeMemo(page, "Memo1", QRect(24, 24, 369, 57),
                                     ResourceText(QStringLiteral(":/texts/brovell_blurb.txt")), MemoLook::Flat);
    blurb->setFont(DesignFont(TimesFace, 13));
    blurb->setAccessibleName(tr("About Brovell"));
    MakeBevel(page, "Bevel2", QRect(24, 80, 361, 81), BevelStyle::Frame);
    new Image(page, "Image1", QRect(46, 88, 65, 65), QStringLiteral(":/brovell_logo.png"),
              tr("Brovell logo"));
    StyledLabel(page, "Label18", QRect(136, 96, 168, 22), QStringLiteral("Brovell"), DesignFont(TimesFace, 19, true, true));
    StyledLabel(page, "Label20", QRect(158, 123, 127, 15), ResourceText(QStringLiteral(":/texts/brovell_notice.txt")),
                DesignFont(TimesFace, 13))
        ->setAutoFillBackground(false);
    const QStringList topics = ResourceText(QStringLiteral(":/texts/brovell_topics.txt")).split(QLatin1Char('\n'));
    StyledLabel(page, "Label16", QRect(26, 176, 138, 19), topics.value(0), DesignFont(TimesFace, 16, true));
    static constexpr const char *Bullets[] = {"Image3", "Image5", "Image6", "Image7", "Image9"};
    static constexpr const char *Topics[] = {"Label11", "Label12", "Label13", "Label14", "Label15"};
    for (int topic = 0; topic < 5; ++topic) {
        FittedImage(page, Bullets[topic], QRect(32, 208 + 24 * topic, topic == 0 ? 33 : 25, 25),
                    QStringLiteral(":/bullet.png"), tr("Bullet"));
        (new Label(page, Topics[topic], QRect(68, 216 + 24 * topic, 100, 16), topics.value(topic + 1)))
            ->setAutoFillBackground(false);
    }
    FittedImage(page, "Image8", QRect(184, 168, 209, 169), QStringLiteral(":/brovell_screen.png"),
                tr("Brovell on screen"));
    return page;
}

QWidget *TfrmProductInfo::BuildQuintarraPage()
{
    QWidget *page = NewPage("p2");
    MakeBevel(page, "Bevel1", QRect(8, 8, 409, 57), BevelStyle::Frame);
    new Image(page, "Image2", QRect(40, 16, 33, 33), QStringLiteral(":/quintarra_icon.png"),
              tr("Quintarra icon"));
    StyledLabel(page, "Label1", QRect(144, 24, 101, 24), QStringLiteral("Quintarra"), DesignFont(TimesFace, 21, true, true));
    QPlainTextEdit *description = MakeMemo(page, "Memo2", QRect(8, 80, 409, 273),
                                           ResourceText(QStringLiteral(":/texts/quintarra.txt")), MemoLook::Sunken);
    description->setFont(DesignFont(SansSerifFace, 13));
    description->setAccessibleName(tr("About Quintarra"));
    return page;
}

QWidget *TfrmProductInfo::BuildContactPage()
{
    QWidget *page = NewPage("p3");
    StyledLabel(page, "Label2", QRect(104, 24, 166, 22), ResourceText(QStringLiteral(":/texts/contact_heading.txt")),
                DesignFont(TimesFace, 19, true));
    new Label(page, "Label4", QRect(72, 64, 233, 16), QStringLiteral("http://www.halvorn.example/"));
    QPlainTextEdit *invitation = MakeMemo(page, "Memo4", QRect(24, 112, 369, 57),
                                          ResourceText(QStringLiteral(":/texts/contact_invitation.txt")), MemoLook::Flat);
    invitation->setFont(DesignFont(SystemFace, 13, true));
    invitation->setAccessibleName(tr("Write to us"));
    FittedImage(page, "Image4", QRect(56, 187, 32, 23), QStringLiteral(":/contact_small.png"), tr("Letter"));
    QPlainTextEdit *address = MakeMemo(page, "Memo3", QRect(88, 192, 153, 57),
                                       ResourceText(QStringLiteral(":/texts/contact_address.txt")), MemoLook::Flat);
    address->setFont(DesignFont(SystemFace, 16, true));
    address->setAccessibleName(tr("Postal address"));
    new Image(page, "Image10", QRect(256, 192, 73, 65), QStringLiteral(":/contact_picture.png"),
              tr("A computer sending love"));
    new Label(page, "Label3", QRect(56, 272, 246, 16), tr("E-mail: korvane@halvorn.example"));
    SpeedButton1 = MakeSpeedButton(page, "SpeedButton1", QRect(152, 312, 89, 25), tr("&Ok"));
    return page;
}

void TfrmProductInfo::FormCreate()
{
    CatalogPage = 1;
}

void TfrmProductInfo::SpeedButton3Click()
{
    ArriveAt(PreviousCatalogPage(CatalogPage));
}

void TfrmProductInfo::SpeedButton4Click()
{
    ArriveAt(NextCatalogPage(CatalogPage));
}

void TfrmProductInfo::ArriveAt(std::uint8_t page)
{
    const QString name = QStringLiteral("p%1").arg(page);
    Notebook1->setCurrentWidget(Notebook1->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly));
    Panel1->setCaption(tr("Page %1 of 3").arg(page));
    setWindowTitle(tr(Caption[page - 1]));
    CatalogPage = page;
}

void TfrmProductInfo::SpeedButton1Click()
{
    close();
}
