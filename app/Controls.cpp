#include "app/Controls.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

namespace {

void Place(QWidget *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
}

// Device pixels per pixel on the densest screen.
qreal ScreenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QString CacheKey(const QString &resource, qreal ratio)
{
    return QStringLiteral("korvane|%1|").arg(ratio) + resource;
}

// A plain screen never reads the @2x drawings.
QImage DecodePicture(const QString &resource, qreal ratio)
{
    if (ratio > 1) {
        QString denseName = resource;
        const qsizetype dot = denseName.lastIndexOf(QLatin1Char('.'));
        denseName.insert(dot < 0 ? denseName.size() : dot, QLatin1String("@2x"));
        QImage dense = ReadPng(denseName);
        if (!dense.isNull()) {
            // Brought to the screen's own ratio, so painting copies pixels
            // one for one instead of stretching them.
            if (!qFuzzyCompare(ratio, 2.0))
                dense = dense.scaled((QSizeF(dense.size()) * (ratio / 2)).toSize(), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
            dense.setDevicePixelRatio(ratio);
            return dense;
        }
    }
    return ReadPng(resource);
}

} // namespace

QImage ReadPng(const QString &resource)
{
    // Named, and with detection off, the format spares loading every image
    // plugin to ask it about the file.
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap Picture(const QString &resource)
{
    const qreal ratio = ScreenRatio();
    const QString key = CacheKey(resource, ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap::fromImage(DecodePicture(resource, ratio));
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

QIcon PictureIcon(const QString &resource)
{
    return QIcon(Picture(resource));
}

QPixmap FittedPicture(const QString &resource, const QSize &frame)
{
    const qreal ratio = ScreenRatio();
    const QString key = CacheKey(resource, ratio) + QStringLiteral("|%1x%2").arg(frame.width()).arg(frame.height());
    QPixmap fitted;
    if (QPixmapCache::find(key, &fitted))
        return fitted;
    // Only the fitted copy is kept: the whole picture is shown nowhere.
    QPixmap whole;
    if (!QPixmapCache::find(CacheKey(resource, ratio), &whole))
        whole = QPixmap::fromImage(DecodePicture(resource, ratio));
    fitted = whole.scaled((QSizeF(frame) * whole.devicePixelRatio()).toSize(), Qt::KeepAspectRatio,
                          Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(whole.devicePixelRatio());
    QPixmapCache::insert(key, fitted);
    return fitted;
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

Label::Label(QWidget *parent, const char *name, const QRect &geometry, const QString &caption, Sizing sizing)
    : ClickableLabel(parent), sizing_(sizing)
{
    Place(this, name, geometry);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setCaption(caption);
}

void Label::setCaption(const QString &caption)
{
    setText(caption);
    fitCaption();
}

void Label::changeEvent(QEvent *event)
{
    ClickableLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitCaption();
}

void Label::showEvent(QShowEvent *event)
{
    fitCaption();
    ClickableLabel::showEvent(event);
}

void Label::fitCaption()
{
    if (sizing_ == AutoSize && isVisible())
        resize(qMax(sizeHint().width(), 1), height());
}

Image::Image(QWidget *parent, const char *name, const QRect &geometry, const QString &resource,
             const QString &spokenName)
    : ClickableLabel(parent)
{
    Place(this, name, geometry);
    setAccessibleName(spokenName);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pending_ = resource;
}

QPixmap Image::picture() const
{
    // Decoding on first use changes nothing a caller can see.
    const_cast<Image *>(this)->decodePending();
    return pixmap();
}

void Image::setPicture(const QPixmap &picture)
{
    pending_.clear();
    setPixmap(picture);
}

void Image::setFittedPicture(const QString &resource)
{
    pending_ = resource;
    fitted_ = true;
}

void Image::showEvent(QShowEvent *event)
{
    decodePending();
    ClickableLabel::showEvent(event);
}

void Image::decodePending()
{
    if (pending_.isEmpty())
        return;
    setPixmap(fitted_ ? FittedPicture(pending_, size()) : Picture(pending_));
    pending_.clear();
}

Shape::Shape(QWidget *parent, const char *name, const QRect &geometry) : QWidget(parent)
{
    Place(this, name, geometry);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

QFrame *MakeBevel(QWidget *parent, const char *name, const QRect &geometry, BevelStyle style)
{
    auto *bevel = new QFrame(parent);
    Place(bevel, name, geometry);
    switch (style) {
    case BevelStyle::Lowered:
        bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case BevelStyle::Raised:
        bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case BevelStyle::Frame:
        bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
        break;
    }
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

Edit::Edit(QWidget *parent, const char *name, const QRect &geometry, const QString &text) : QLineEdit(parent)
{
    Place(this, name, geometry);
    setText(text);
}

void Edit::takeFocus()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void Edit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        selectAll();
        break;
    default:
        break;
    }
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                        const QString &glyph)
{
    auto *button = new QPushButton(caption, parent);
    Place(button, name, geometry);
    button->setAutoDefault(true);
    if (!glyph.isEmpty())
        button->setIcon(PictureIcon(glyph));
    return button;
}

QToolButton *MakeSpeedButton(QWidget *parent, const char *name, const QRect &geometry, const QString &caption,
                             const QString &glyph)
{
    auto *button = new QToolButton(parent);
    Place(button, name, geometry);
    button->setFocusPolicy(Qt::NoFocus);
    button->setText(caption);
    if (!glyph.isEmpty()) {
        button->setIcon(PictureIcon(glyph));
        button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    }
    return button;
}

void FocusControl(QWidget *control)
{
    control->setFocus(Qt::OtherFocusReason);
    QWidget *window = control->window();
    if (window->isVisible())
        window->activateWindow();
}

namespace {

// A text box that takes its text and font when first shown: laying text out
// loads its font, and most boxes are built long before their window is shown.
class Memo : public QPlainTextEdit {
public:
    Memo(QWidget *parent, const QString &text) : QPlainTextEdit(parent), pending_(text) {}

protected:
    void changeEvent(QEvent *event) override
    {
        // Even an empty box lays its one line out again in a new font.
        if (event->type() == QEvent::FontChange && !pending_.isNull())
            QAbstractScrollArea::changeEvent(event);
        else
            QPlainTextEdit::changeEvent(event);
    }

    void showEvent(QShowEvent *event) override
    {
        if (!pending_.isNull()) {
            QEvent fontChange(QEvent::FontChange);
            QPlainTextEdit::changeEvent(&fontChange);
            setPlainText(pending_);
            pending_ = QString();
        }
        QPlainTextEdit::showEvent(event);
    }

private:
    QString pending_;
};

} // namespace

QPlainTextEdit *MakeMemo(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
                         MemoLook look, bool scrollBar)
{
    auto *memo = new Memo(parent, text);
    Place(memo, name, geometry);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (look == MemoLook::Flat) {
        memo->setFrameStyle(QFrame::NoFrame);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        memo->setPalette(palette);
    } else {
        memo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    return memo;
}

QString ResourceText(const QString &path)
{
    // The page in the language of the default locale, where it has one.
    const qsizetype folder = path.lastIndexOf(u'/') + 1;
    const QString translated = path.left(folder) + QLocale().name().section(u'_', 0, 0) + u'/' + path.mid(folder);
    QFile file(QFile::exists(translated) ? translated : path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(path));
    return QString::fromUtf8(file.readAll()).trimmed();
}
