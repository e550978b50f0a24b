#include "splash_window.h"

#include "state/program_paths.h"
#include "tune_player.h"

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace tipolab {

namespace {

const QSize windowSize(720, 420);
const QSize pictureSize(176, 176);

const QColor backgroundTop(0x0d, 0x2b, 0x52);
const QColor backgroundBottom(0x16, 0x6a, 0x88);
const QColor textBright(0xff, 0xff, 0xff);
const QColor textSoft(0xd6, 0xe6, 0xf3);
const QColor accent(0xf3, 0xc6, 0x5f);

void paintText(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QFont scaledFont(const QFont& base, qreal pointSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = base;
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

} // namespace

frmSplash::frmSplash(const ProgramIdentity& identity, TunePlayer* tune, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), identity_(identity), MMControl1(tune)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString::fromStdString(identity_.name));
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    Form_Load();
    // Never narrower than the texts need, whatever the fonts.
    setFixedSize(windowSize.expandedTo(minimumSizeHint()));

    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

QLabel* frmSplash::label(int index) const
{
    return index >= 1 && index < int(label_.size()) ? label_[index] : nullptr;
}

void frmSplash::buildControls()
{
    for (int i = 1; i < int(label_.size()); ++i) {
        label_[i] = new QLabel(this);
        label_[i]->setObjectName(QStringLiteral("label_%1").arg(i));
        label_[i]->installEventFilter(this);
    }
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(pictureSize);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->installEventFilter(this);
    // The picture itself is drawn once the window is on its way to the screen
    // (showEvent): its place is kept.

    const QFont base = font();
    // label(1): how to go on.
    label_[1]->setText(QStringLiteral("Fai clic per iniziare \u2022 premi un tasto per uscire"));
    label_[1]->setFont(scaledFont(base, 9.5));
    label_[1]->setAlignment(Qt::AlignCenter);
    paintText(label_[1], textSoft);
    // label(2): empty until the exit; its place is kept so nothing moves then.
    label_[2]->setFont(scaledFont(base, 11));
    label_[2]->setFixedHeight(QFontMetrics(label_[2]->font()).height() + 4);
    paintText(label_[2], textSoft);
    // label(3): the program name.
    label_[3]->setFont(scaledFont(base, 40, QFont::Bold));
    paintText(label_[3], textBright);
    // label(4): the description.
    label_[4]->setFont(scaledFont(base, 12.5));
    label_[4]->setWordWrap(true);
    paintText(label_[4], textSoft);
    // label(5): edition and version.
    QFont edition = scaledFont(base, 9.5, QFont::DemiBold);
    edition.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    label_[5]->setFont(edition);
    paintText(label_[5], accent);

    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    text->addStretch(1);
    text->addWidget(label_[2]);
    text->addWidget(label_[3]);
    text->addWidget(label_[4]);
    text->addSpacing(16);
    text->addWidget(label_[5]);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(30);
    top->addWidget(Image1, 0, Qt::AlignVCenter);
    top->addLayout(text, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(40, 36, 40, 22);
    root->addLayout(top, 1);
    root->addSpacing(18);
    root->addWidget(label_[1]);
}

void frmSplash::Form_Load()
{
    if (MMControl1) {
        MMControl1->open(ProgramPaths::current().dataFile(QStringLiteral("Internet.mid")));
        MMControl1->play();
    }
    label_[3]->setText(QString::fromStdString(identity_.name));
    label_[4]->setText(QString::fromStdString(identity_.description));
    label_[5]->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") +
                       QString::fromStdString(identity_.version));
}

void frmSplash::showAfterExit()
{
    if (MMControl1) MMControl1->play();
    label_[2]->setText(QStringLiteral("         elaborazione eseguita con"));
    show();
    raise();
    activateWindow();
}

void frmSplash::Form_Click()
{
    pauseAndAnnounce();
}

void frmSplash::label_click(int index)
{
    Q_UNUSED(index); // every label does the same
    pauseAndAnnounce();
}

void frmSplash::image1_click()
{
    pauseAndAnnounce();
}

void frmSplash::pauseAndAnnounce()
{
    if (MMControl1) MMControl1->pause();
    emit clicked();
}

void frmSplash::Form_KeyPress(int key)
{
    Q_UNUSED(key); // any key ends
    if (MMControl1) MMControl1->close();
    emit keyPressed();
}

void frmSplash::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || isModifierOnly(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress(event->key());
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
    // A press is taken so that its release comes back to the same control;
    // the click is the release over it.
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (!widget->rect().contains(mouse->position().toPoint())) return true;
    if (widget == Image1) {
        image1_click();
        return true;
    }
    for (int i = 1; i < int(label_.size()); ++i) {
        if (widget == label_[i]) {
            label_click(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::loadPicture()
{
    const QString picture = QStringLiteral(":/icons/splash.svg");
    if (QFile::exists(picture)) Image1->setPixmap(QIcon(picture).pixmap(pictureSize - QSize(8, 8)));
}

void frmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Drawing the picture from its SVG would hold the window back; from the
    // event loop it still comes with the first painting, or right after it.
    if (!pictureLoaded_) {
        pictureLoaded_ = true;
        QMetaObject::invokeMethod(this, &frmSplash::loadPicture, Qt::QueuedConnection);
    }
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void frmSplash::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(QPointF(0, 0), QPointF(width() * 0.4, height()));
    sky.setColorAt(0, backgroundTop);
    sky.setColorAt(1, backgroundBottom);
    painter.fillRect(rect(), sky);

    // A soft light behind the picture.
    const QPointF centre = QRectF(Image1->geometry()).center();
    QRadialGradient glow(centre, pictureSize.width() * 0.75);
    glow.setColorAt(0, QColor(255, 255, 255, 46));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, pictureSize.width() * 0.75, pictureSize.height() * 0.75);

    // The frame, and a hairline above the invitation at the bottom.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(QColor(255, 255, 255, 80), 1.2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(10.5, 10.5, -10.5, -10.5), 10, 10);
    const qreal rule = label_[1]->geometry().top() - 10.5;
    painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
    painter.drawLine(QPointF(48, rule), QPointF(width() - 48, rule));
}

} // namespace tipolab
