#include "cls_resize.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tipolab {

namespace {

// Dynamic properties a designed control carries: its place in the order controls were
// designed in, and its exact position in twips (pixels alone lose up to 7 twips).
constexpr char kDesignOrderProperty[] = "tipolabDesignOrder";
constexpr char kTwipsProperty[] = "tipolabTwips";
constexpr char kTagProperty[] = "Tag";

void markDesigned(QWidget* control)
{
    static qulonglong nextOrder = 0;
    if (!control->property(kDesignOrderProperty).isValid())
        control->setProperty(kDesignOrderProperty, nextOrder++);
}

bool isDesigned(const QWidget* control)
{
    return control->property(kDesignOrderProperty).isValid();
}

qulonglong designOrder(const QWidget* control)
{
    return control->property(kDesignOrderProperty).toULongLong();
}

// Rounds the edges rather than the sizes, so that controls designed edge to edge
// stay edge to edge at every scale.
QRect pixelRect(const QRectF& twips)
{
    const int left = twipsToPixels(twips.x());
    const int top = twipsToPixels(twips.y());
    const int right = twipsToPixels(twips.x() + twips.width());
    const int bottom = twipsToPixels(twips.y() + twips.height());
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// The control's position in twips: the exact twips it was last given, unless it has
// been moved or resized since by other means.
QRectF controlTwips(const QWidget* control)
{
    const QVariant stored = control->property(kTwipsProperty);
    if (stored.isValid()) {
        const QRectF twips = stored.toRectF();
        if (pixelRect(twips) == control->geometry()) return twips;
    }
    const QRect pixels = control->geometry();
    return QRectF(pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel,
                  pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
}

void setControlTwips(QWidget* control, const QRectF& twips)
{
    control->setProperty(kTwipsProperty, twips);
    control->setGeometry(pixelRect(twips));
}

// A control belongs to the form's window unless a window (a dialog, say) lies between.
bool inWindowOf(const QWidget* control, const QWidget* form)
{
    for (const QWidget* w = control; w && w != form; w = w->parentWidget()) {
        if (w->isWindow()) return false;
    }
    return true;
}

bool isFormControl(const QWidget* control, const QWidget* form)
{
    return isDesigned(control) && inWindowOf(control, form);
}

std::vector<QWidget*> designedControls(const QWidget* form)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (isFormControl(w, form)) controls.push_back(w);
    }
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return designOrder(a) < designOrder(b);
    });
    return controls;
}

bool hasDesignedControls(const QWidget* form)
{
    const QList<QWidget*> children = form->findChildren<QWidget*>();
    return std::any_of(children.begin(), children.end(),
                       [form](const QWidget* w) { return isFormControl(w, form); });
}

// Which coordinates a control's tag lets the scaler change.
struct Directive {
    bool left = true;
    bool top = true;
    bool width = true;
    bool height = true;
};

Directive directiveOf(const QWidget* control)
{
    const QString tag = control->property(kTagProperty).toString().toUpper();
    if (!tag.startsWith(u'@')) return {};
    return {tag.contains(u'L'), tag.contains(u'T'), tag.contains(u'W'), tag.contains(u'H')};
}

qint32 roundToTwips(double value)
{
    return static_cast<qint32>(std::lround(value));
}

// Freezes a window's painting for one pass; it repaints once when unfrozen.
class PaintingFrozen {
public:
    explicit PaintingFrozen(QWidget* window)
        : m_window(window), m_wasEnabled(window->updatesEnabled())
    {
        window->setUpdatesEnabled(false);
    }
    ~PaintingFrozen()
    {
        if (m_window && m_wasEnabled) m_window->setUpdatesEnabled(true);
    }
    PaintingFrozen(const PaintingFrozen&) = delete;
    PaintingFrozen& operator=(const PaintingFrozen&) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_wasEnabled;
};

} // namespace

int twipsToPixels(double twips)
{
    return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5));
}

void placeTwips(QWidget* control, int left, int top, int width, int height)
{
    if (!control) return;
    if (auto* line = qobject_cast<LineControl*>(control)) {
        line->setPoints(left, top, left + width, top + height);
        return;
    }
    markDesigned(control);
    setControlTwips(control, QRectF(left, top, width, height));
}

void moveWindowTwips(QWidget* window, double left, double top)
{
    if (!window) return;
    window->move(twipsToPixels(left), twipsToPixels(top));
}

void resizeWindowTwips(QWidget* window, double width, double height)
{
    if (!window) return;
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(std::max(0, twipsToPixels(width) - frame.width()),
                   std::max(0, twipsToPixels(height) - frame.height()));
}

void sizeWindowToScreen(clsResize& scaler, QWidget* window, int width, int height)
{
    resizeWindowTwips(window, width, height);
    scaler.setSourceForm(window);
    scaler.SizeFormToScreen(75);
    resizeWindowTwips(window, width, height);
}

// --- LineControl

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    markDesigned(this);
    fitGeometry();
}

void LineControl::setPoints(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    fitGeometry();
}

void LineControl::setColor(const QColor& color)
{
    m_color = color;
    update();
}

QColor LineControl::color() const
{
    return m_color.isValid() ? m_color : palette().color(QPalette::WindowText);
}

void LineControl::setLineWidth(int pixels)
{
    m_lineWidth = std::max(1, pixels);
    fitGeometry();
}

// The widget covers the line's bounding box with room for the pen on every side.
void LineControl::fitGeometry()
{
    const QPoint p1(twipsToPixels(m_x1), twipsToPixels(m_y1));
    const QPoint p2(twipsToPixels(m_x2), twipsToPixels(m_y2));
    setGeometry(
        QRect(p1, p2).normalized().adjusted(-m_lineWidth, -m_lineWidth, m_lineWidth, m_lineWidth));
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    const QPoint p1(twipsToPixels(m_x1), twipsToPixels(m_y1));
    const QPoint p2(twipsToPixels(m_x2), twipsToPixels(m_y2));
    QPainter painter(this);
    painter.setPen(QPen(color(), m_lineWidth));
    painter.drawLine(p1 - pos(), p2 - pos());
}

// --- clsResize

clsResize::clsResize() = default;

clsResize::~clsResize()
{
    m_layout.clear();
    m_form = nullptr;
}

QWidget* clsResize::SourceForm() const
{
    return m_form;
}

void clsResize::setSourceForm(QWidget* form)
{
    if (form == m_form) return;
    m_form = form;
    m_layout.clear();
    m_referenceWidth = 0;
    m_referenceHeight = 0;
    m_firstTime = true;
}

void clsResize::setScreenSizeProvider(std::function<QSize()> provider)
{
    m_screenSize = std::move(provider);
}

void clsResize::ReInitialise()
{
    if (m_form) registraLayout();
}

void clsResize::registraLayout()
{
    const QSize client = clientSize();
    m_referenceWidth = client.width() * kTwipsPerPixel;
    m_referenceHeight = client.height() * kTwipsPerPixel;

    m_layout.clear();
    for (QWidget* control : designedControls(m_form)) {
        ControlLayout record;
        record.control = control;
        if (const auto* line = qobject_cast<const LineControl*>(control)) {
            record.left = roundToTwips(line->x1());
            record.top = roundToTwips(line->y1());
            record.width = roundToTwips(line->x2());
            record.height = roundToTwips(line->y2());
        } else {
            const QRectF twips = controlTwips(control);
            record.left = roundToTwips(twips.x());
            record.top = roundToTwips(twips.y());
            record.width = roundToTwips(twips.width());
            record.height = roundToTwips(twips.height());
        }
        m_layout.push_back(record);
    }
    m_firstTime = false;
}

// The client area: a main window's central widget, any other window's whole area.
QSize clsResize::clientSize() const
{
    if (auto* main = qobject_cast<QMainWindow*>(m_form.data()); main && main->centralWidget()) {
        // A shown main window keeps its central widget laid out; a hidden one lays it
        // out only when asked.
        if (QLayout* layout = main->layout(); layout && !main->isVisible()) {
            layout->invalidate();
            layout->activate();
        }
        return main->centralWidget()->size();
    }
    return m_form->size();
}

QSize clsResize::screenSize() const
{
    if (m_screenSize) return m_screenSize();
    QScreen* screen = m_form ? m_form->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

void clsResize::SizeFormToScreen(quint8 percent)
{
    if (!m_form) return;
    if (m_firstTime) registraLayout();

    const QSize screen = screenSize();
    if (!screen.isEmpty()) {
        // Twips throughout, as the window's own units; the new size is floored.
        const qint64 screenWidth = qint64(screen.width()) * kTwipsPerPixel;
        const qint64 screenHeight = qint64(screen.height()) * kTwipsPerPixel;
        const qint64 newHeight = percent * screenHeight / 100;
        const qint64 newWidth = percent * screenWidth / 100;

        // Centred on the form's own screen, which need not be the first one.
        QPoint origin;
        if (!m_screenSize) {
            if (QScreen* s = m_form->screen()) origin = s->geometry().topLeft();
        }
        QWidget* window = m_form->window();
        moveWindowTwips(window, origin.x() * kTwipsPerPixel + (screenWidth - newWidth) * 0.5,
                        origin.y() * kTwipsPerPixel + (screenHeight - newHeight) * 0.5);
        resizeWindowTwips(window, double(newWidth), double(newHeight));
    }
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!m_form || !hasDesignedControls(m_form)) return;
    if (m_form->window()->isMinimized()) return;
    if (m_firstTime) {
        registraLayout();
        return;
    }
    // A layout recorded from an empty client area gives no ratio to scale by.
    if (m_referenceWidth <= 0 || m_referenceHeight <= 0) return;

    const QSize client = clientSize();
    const double vertical = double(client.height()) * kTwipsPerPixel / m_referenceHeight;
    const double horizontal = double(client.width()) * kTwipsPerPixel / m_referenceWidth;

    const PaintingFrozen frozen(m_form);
    for (const ControlLayout& record : m_layout) {
        QWidget* control = record.control;
        if (!control) continue; // removed since the recording
        const Directive scale = directiveOf(control);
        if (!(scale.left || scale.top || scale.width || scale.height)) continue;

        if (auto* line = qobject_cast<LineControl*>(control)) {
            line->setPoints(scale.left ? record.left * horizontal : line->x1(),
                            scale.top ? record.top * vertical : line->y1(),
                            scale.width ? record.width * horizontal : line->x2(),
                            scale.height ? record.height * vertical : line->y2());
        } else {
            const QRectF now = controlTwips(control);
            setControlTwips(control,
                            QRectF(scale.left ? record.left * horizontal : now.x(),
                                   scale.top ? record.top * vertical : now.y(),
                                   scale.width ? record.width * horizontal : now.width(),
                                   scale.height ? record.height * vertical : now.height()));
        }
    }
}

} // namespace tipolab
