#include "scaling/cls_resize.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <memory>

using namespace tipolab;

namespace {

// A window with a client area of 640 x 455 pixels (9600 x 6825 twips) holding a frame
// with a label inside, a button and a line from (0, 100) to (1000, 100) twips.
struct DesignedForm {
    explicit DesignedForm(bool mainWindow = false)
    {
        auto* main = mainWindow ? new QMainWindow : nullptr;
        window.reset(main ? main : new QWidget);
        if (main) main->menuBar()->addMenu(QStringLiteral("&File"));
        if (main) main->setCentralWidget(new QWidget);
        client = main ? main->centralWidget() : window.get();
        auto* frame = new QWidget(client);
        placeTwips(frame, 600, 600, 6000, 3000);
        placeTwips(inner = new QLabel(frame), 300, 300, 1500, 450);     // 20, 20, 100, 30 px
        placeTwips(button = new QLabel(client), 7200, 5400, 1800, 900); // 480, 360, 120, 60 px
        line = new LineControl(client);
        line->setPoints(0, 100, 1000, 100);
        setClientSize(QSize(640, 455));
        scaler.setSourceForm(window.get());
    }

    // A hidden main window lays out its central widget again only when the scaler asks.
    void setClientSize(QSize size)
    {
        if (QLayout* layout = window->layout()) {
            layout->invalidate();
            layout->activate();
        }
        window->resize(size + (window->size() - client->size()));
    }
    void rescale(QSize size)
    {
        setClientSize(size);
        scaler.ResizeControls();
    }
    // x1, y1, x2, y2
    QRectF linePoints() const { return QRectF(line->x1(), line->y1(), line->x2(), line->y2()); }

    std::unique_ptr<QWidget> window;
    QWidget* client = nullptr;
    QLabel* inner = nullptr;
    QLabel* button = nullptr;
    LineControl* line = nullptr;
    clsResize scaler;
};

} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    void scaling_data()
    {
        QTest::addColumn<bool>("mainWindow");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QRect>("inner");

        // 9600 x 6825 twips down to 4800 x 6825: Left and Width halve, Top and Height stay.
        const QSize half(320, 455);
        QTest::newRow("half width")
            << false << "" << half << QRect(240, 360, 60, 60) << QRect(10, 20, 50, 30);
        QTest::newRow("main window")
            << true << "" << half << QRect(240, 360, 60, 60) << QRect(10, 20, 50, 30);
        // The menu bar is no part of the client area.
        QTest::newRow("main window, double height")
            << true << "" << QSize(640, 910) << QRect(480, 720, 120, 120) << QRect(20, 40, 100, 60);
        // The tags restrict the button only; the client gets half width and double height.
        const QSize other(320, 910);
        const QRect all(240, 720, 60, 120), sizeOnly(480, 360, 60, 120);
        const QRect inner(10, 40, 50, 60);
        QTest::newRow("@W,H") << false << "@W,H" << other << sizeOnly << inner;
        QTest::newRow("@w,h") << false << "@w,h" << other << sizeOnly << inner;
        QTest::newRow("@h; L") << false << "@h; L" << other << QRect(240, 360, 120, 120) << inner;
        QTest::newRow("@") << false << "@" << other << QRect(480, 360, 120, 60) << inner;
        QTest::newRow("W,H") << false << "W,H" << other << all << inner;
        QTest::newRow("' @W'") << false << " @W" << other << all << inner;
    }

    void scaling()
    {
        QFETCH(bool, mainWindow);
        QFETCH(QString, tag);
        QFETCH(QSize, client);
        DesignedForm form(mainWindow);
        form.button->setProperty("Tag", tag);
        // A dialog owned by the window is a window of its own, not scaled with this one.
        auto* dialogLabel = new QLabel(new QDialog(form.window.get()));
        placeTwips(dialogLabel, 150, 150, 1500, 450);

        form.scaler.ResizeControls(); // the first call records
        form.rescale(client);

        QTEST(form.button->geometry(), "button");
        QTEST(form.inner->geometry(), "inner");
        QCOMPARE(dialogLabel->geometry(), QRect(10, 10, 100, 30));
        QVERIFY(form.window->updatesEnabled());
    }

    void lines()
    {
        DesignedForm form;
        form.line->setColor(Qt::black);
        auto* sizeOnly = new LineControl(form.client);
        sizeOnly->setPoints(300, 300, 600, 900);
        sizeOnly->setProperty("Tag", QStringLiteral("@W"));
        form.scaler.ReInitialise();
        form.rescale(QSize(960, 455)); // widened by half

        QCOMPARE(form.linePoints(), QRectF(0, 100, 1500, 100));
        QCOMPARE(sizeOnly->x2(), 900.0);
        QCOMPARE(sizeOnly->y2(), 900.0);
        // Drawn where its points now are: 0 to 100 px at y 7.
        const QImage image = form.window->grab().toImage();
        QCOMPARE(image.pixelColor(95, 7), QColor(Qt::black));
        QVERIFY(image.pixelColor(95, 12) != QColor(Qt::black));
    }

    void sizeFormToScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRectF>("window"); // twips
        QTest::addColumn<QRect>("button");  // designed in a 640 x 480 client area

        QTest::newRow("1024 x 768")
            << QSize(1024, 768) << QRectF(1920, 1440, 11520, 8640) << QRect(576, 432, 144, 72);
        // 20490 twips wide: the width floors to 15367, the left edge falls on half a twip.
        QTest::newRow("1366 x 768")
            << QSize(1366, 768) << QRectF(2561.5, 1440, 15367, 8640) << QRect(768, 432, 192, 72);
    }

    void sizeFormToScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QRectF, window);
        DesignedForm form;
        form.setClientSize(QSize(640, 480));
        form.scaler.setScreenSizeProvider([screen] { return screen; });
        form.scaler.SizeFormToScreen(75);

        QCOMPARE(form.window->frameGeometry(),
                 QRect(twipsToPixels(window.x()), twipsToPixels(window.y()),
                       twipsToPixels(window.width()), twipsToPixels(window.height())));
        QTEST(form.button->geometry(), "button");
    }

    void noDriftAfterManyResizes()
    {
        DesignedForm form;
        auto* odd = new QLabel(form.client); // edges between pixels
        placeTwips(odd, 1000, 1010, 1000, 1005);
        const QRect designed = odd->geometry();
        form.scaler.ResizeControls();
        for (int i = 1; i <= 60; ++i)
            form.rescale(QSize(97 + i * 37 % 900, 61 + i * 53 % 700));
        form.rescale(QSize(640, 455));
        QCOMPARE(odd->geometry(), designed);
        QCOMPARE(form.linePoints(), QRectF(0, 100, 1000, 100));

        // Recording again finds the designed twips, not their pixels: 2000, 2020, 2000, 2010.
        form.scaler.ReInitialise();
        form.rescale(QSize(1280, 910));
        QCOMPARE(odd->geometry(), QRect(133, 135, 134, 134));
    }

    void minimiseAndRestore()
    {
        DesignedForm form;
        form.scaler.ResizeControls();
        form.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.window.get()));
        form.rescale(QSize(320, 300));
        const QRect before = form.button->geometry();

        // Some platforms shrink a minimised window's client area to nothing.
        form.window->setWindowState(Qt::WindowMinimized);
        form.rescale(QSize(0, 0));
        QCOMPARE(form.button->geometry(), before);
        form.window->setWindowState(Qt::WindowNoState);
        form.rescale(QSize(320, 300));
        QCOMPARE(form.button->geometry(), before);
    }

    void survivesDestroyedControlsAndForm()
    {
        DesignedForm form;
        form.scaler.ReInitialise();
        delete form.inner;
        form.rescale(QSize(320, 455));
        QCOMPARE(form.button->geometry(), QRect(240, 360, 60, 60));

        form.window.reset();
        QCOMPARE(form.scaler.SourceForm(), nullptr);
        form.scaler.ResizeControls();
        form.scaler.SizeFormToScreen(75);
        form.scaler.ReInitialise();
    }
};

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
