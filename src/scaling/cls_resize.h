// Screen scaling: sizes a window to a share of the screen, centres it, and keeps its
// designed controls in proportion to its client area whenever that changes size.
//
// Windows place their controls at absolute positions given in twips (placeTwips,
// LineControl). The scaler records that designed layout once and from then on
// derives every position and size from the record, so resizing never drifts.
#pragma once

#include <QColor>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

namespace tipolab {

inline constexpr int kTwipsPerPixel = 15; // 15 twips are one logical pixel

// Twips to logical pixels, rounded to the nearest pixel (halves round up).
int twipsToPixels(double twips);

// Places a designed control at its position in twips (converted to pixels) and marks
// it as a designed control of its window, so the window's scaler records and scales it.
// The position is relative to the control's parent. For a LineControl this sets the
// line from (left, top) to (left + width, top + height).
void placeTwips(QWidget* control, int left, int top, int width, int height);

// The outer geometry of a window in twips, its position and size on the screen:
// the frame is included wherever the platform reports it (once the window is shown).
void moveWindowTwips(QWidget* window, double left, double top);
void resizeWindowTwips(QWidget* window, double width, double height);

// A line control, drawn between two points given in twips relative to its parent.
// It is a designed control from construction on; the scaler treats it as a line
// (X1, Y1, X2, Y2). It lets mouse events through to whatever lies beneath it.
class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);

    void setPoints(double x1, double y1, double x2, double y2);
    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }

    // The line's colour; by default the palette's window text colour.
    void setColor(const QColor& color);
    QColor color() const;
    // The pen width in pixels, 1 by default.
    void setLineWidth(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitGeometry();

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    QColor m_color;
    int m_lineWidth = 1;
};

// The scaler a window owns. The window binds it (setSourceForm), calls
// SizeFormToScreen(75) once its controls are placed, and ResizeControls from its
// resize handler.
//
// A control's dynamic property "Tag" (a QString) may restrict what is scaled: "@"
// followed by any of the letters L, T, W, H (any case, order or separators) scales
// only those coordinates; "@" alone scales nothing; an empty tag or one that does
// not begin with "@" scales all four.
class clsResize {
public:
    clsResize();  // Class_Initialize
    ~clsResize(); // Class_Terminate
    clsResize(const clsResize&) = delete;
    clsResize& operator=(const clsResize&) = delete;

    QWidget* SourceForm() const;
    // Binds the scaler to a window; records nothing. Binding another window than the
    // current one forgets the old record, so the next call records afresh.
    void setSourceForm(QWidget* form);

    // Records the current layout as the reference for all later scaling.
    void ReInitialise();
    // Records the layout if not yet done, sizes the window to `percent` of the screen,
    // centres it, and scales the controls.
    void SizeFormToScreen(quint8 percent);
    // Scales every recorded control to the window's current client size. The first
    // call before any recording only records.
    void ResizeControls();

    // Where the screen size (in logical pixels) comes from; by default the form's screen.
    // Tests inject one.
    void setScreenSizeProvider(std::function<QSize()> provider);

private:
    struct ControlLayout {
        QPointer<QWidget> control;
        qint32 left = 0;   // X1 for a line
        qint32 top = 0;    // Y1
        qint32 width = 0;  // X2
        qint32 height = 0; // Y2
    };

    void registraLayout();
    QSize clientSize() const; // in pixels
    QSize screenSize() const; // in pixels

    QPointer<QWidget> m_form;
    qint32 m_referenceWidth = 0;  // twips
    qint32 m_referenceHeight = 0; // twips
    std::vector<ControlLayout> m_layout;
    bool m_firstTime = true;
    std::function<QSize()> m_screenSize;
};

// The load of every scaled window: the scaler, bound to `window`, records the
// layout at the designed size (`width` x `height` twips), sizes the window to
// 75 % of the screen and centres it; then the window takes its designed size.
void sizeWindowToScreen(clsResize& scaler, QWidget* window, int width, int height);

} // namespace tipolab
