// The splash, about and support windows, driven as a person would, and the
// tune player's behaviour where it cannot play.
#include "help/about_window.h"
#include "help/splash_window.h"
#include "help/support_window.h"
#include "help/tune_player.h"
#include "test_paths.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tipolab;

namespace {

// Records the multimedia commands the splash gives.
class RecordingTune : public TunePlayer {
public:
    QStringList commands;
    QString openedPath;

    bool open(const QString& midiPath) override
    {
        commands << QStringLiteral("open");
        openedPath = midiPath;
        return true;
    }
    void play() override { commands << QStringLiteral("play"); }
    void pause() override { commands << QStringLiteral("pause"); }
    void close() override { commands << QStringLiteral("close"); }
};

ProgramIdentity otherIdentity()
{
    ProgramIdentity identity;
    identity.name = "Prova";
    identity.description = "programma di prova";
    identity.version = "4.10.00";
    identity.initialDate = "01/09/2003";
    identity.buildCode = "150324";
    return identity;
}

QString labelText(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void aboutWindowTexts_data();
    void aboutWindowTexts();
    void supportWindowShowsInstallationData();
    void okHidesAndKeepsTheWindow_data();
    void okHidesAndKeepsTheWindow();

    void splashLoadPlaysTheTuneAndFillsLabels();
    void splashClickPausesAndAnnounces_data();
    void splashClickPausesAndAnnounces();
    void splashKeyClosesTheTune_data();
    void splashKeyClosesTheTune();
    void splashAfterExit();
    void splashWithoutTune();

    void tuneIsSilentWithoutAPlayableFile_data();
    void tuneIsSilentWithoutAPlayableFile();
    void tunePauseAndResumeThroughFluidSynth();
};

void TestHelp::aboutWindowTexts_data()
{
    QTest::addColumn<bool>("shipped");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("edition");

    QTest::newRow("shipped identity")
        << true << QStringLiteral("Informazioni su Tipolab") << QStringLiteral("Tipolab")
        << QStringLiteral("edizione professionale - versione 3.04.05  1985- 2011");
    QTest::newRow("other identity")
        << false << QStringLiteral("Informazioni su Prova") << QStringLiteral("Prova")
        << QStringLiteral("edizione professionale - versione 4.10.00  2003- 2024");
}

void TestHelp::aboutWindowTexts()
{
    QFETCH(bool, shipped);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QFETCH(QString, edition);

    const ProgramIdentity identity = shipped ? ProgramIdentity() : otherIdentity();
    informa about(identity);
    QCOMPARE(about.windowTitle(), caption);
    QCOMPARE(labelText(about, "Label1"), name);
    QCOMPARE(labelText(about, "Label2"), QString::fromStdString(identity.description));
    QCOMPARE(labelText(about, "Label6"), edition);
    QCOMPARE(labelText(about, "Label5"), QStringLiteral("per sistemi Windows a 32 bit "));
}

void TestHelp::supportWindowShowsInstallationData()
{
    InstallationData data;
    data.supplierName = QStringLiteral("Servizi Rossi & C.");
    data.supplierAddress = QStringLiteral("Via dei Mille, 12 - 40121 Bologna");
    data.supplierWebSite = QStringLiteral("www.rossi-servizi.it");
    data.supplierEmail = QStringLiteral("aiuto@rossi-servizi.it");
    data.supplierPhone = QStringLiteral("051 123456");

    supportoclienti support(data);
    QCOMPARE(support.windowTitle(), QStringLiteral("Servizi di supporto ai clienti"));

    QStringList shown;
    for (const QLabel* label : support.findChildren<QLabel*>())
        shown << label->text();
    // Each datum stands in a label of its own, exactly as configured ("&"
    // included: it is plain text, not a mnemonic or markup).
    for (const QString& datum : {data.supplierName, data.supplierAddress, data.supplierWebSite,
                                 data.supplierEmail, data.supplierPhone})
        QVERIFY2(shown.contains(datum), qPrintable(datum));
    const QString all = shown.join(QLatin1Char('\n'));
    for (const char* hour : {"9.30", "13.00", "15.00", "18.00"})
        QVERIFY2(all.contains(QLatin1String(hour)), hour);
}

void TestHelp::okHidesAndKeepsTheWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("about") << QStringLiteral("informa") << QStringLiteral("cmdOK");
    QTest::newRow("support") << QStringLiteral("supportoclienti") << QStringLiteral("Command1");
}

void TestHelp::okHidesAndKeepsTheWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, button);

    std::unique_ptr<QWidget> shown;
    if (window == QLatin1String("informa"))
        shown = std::make_unique<informa>(ProgramIdentity());
    else
        shown = std::make_unique<supportoclienti>(InstallationData::load(QString()));
    QCOMPARE(shown->objectName(), window);
    auto* ok = shown->findChild<QPushButton*>(button);
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    for (int round = 0; round < 2; ++round) {
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!shown->isVisible());
    }
}

void TestHelp::splashLoadPlaysTheTuneAndFillsLabels()
{
    RecordingTune tune;
    frmSplash splash(ProgramIdentity(), &tune);

    QCOMPARE(tune.commands, QStringList({"open", "play"}));
    QCOMPARE(tune.openedPath,
             QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Internet.mid")));
    QCOMPARE(labelText(splash, "label_3"), QStringLiteral("Tipolab"));
    QCOMPARE(labelText(splash, "label_4"),
             QStringLiteral("programma per la valutazione della personalit\u00e0"));
    QCOMPARE(labelText(splash, "label_5"),
             QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 3.04.05"));
    QCOMPARE(labelText(splash, "label_2"), QString());
    QVERIFY(!labelText(splash, "label_1").isEmpty());
}

void TestHelp::splashClickPausesAndAnnounces_data()
{
    QTest::addColumn<QString>("target"); // empty: the window itself
    QTest::newRow("window") << QString();
    for (int i = 1; i <= 5; ++i)
        QTest::addRow("label(%d)", i) << QStringLiteral("label_%1").arg(i);
    QTest::newRow("picture") << QStringLiteral("Image1");
}

void TestHelp::splashClickPausesAndAnnounces()
{
    QFETCH(QString, target);

    RecordingTune tune;
    frmSplash splash(ProgramIdentity(), &tune);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    tune.commands.clear();
    QSignalSpy clicked(&splash, &frmSplash::clicked);
    QSignalSpy keyPressed(&splash, &frmSplash::keyPressed);

    if (target.isEmpty()) {
        // A corner of the window, clear of every control.
        QVERIFY(!splash.childAt(4, 4));
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(4, 4));
    } else {
        auto* control = splash.findChild<QWidget*>(target);
        QVERIFY(control);
        QVERIFY(!control->size().isEmpty()); // label(2) keeps its place while empty
        QTest::mouseClick(control, Qt::LeftButton);
    }
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(keyPressed.count(), 0);
    QCOMPARE(tune.commands, QStringList({"pause"}));

    // A right click is not a click.
    QTest::mouseClick(&splash, Qt::RightButton, {}, QPoint(4, 4));
    QCOMPARE(clicked.count(), 1);
}

void TestHelp::splashKeyClosesTheTune_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("announced");
    QTest::newRow("letter") << int(Qt::Key_A) << 1;
    QTest::newRow("space") << int(Qt::Key_Space) << 1;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << 1;
    QTest::newRow("F1") << int(Qt::Key_F1) << 1;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << 0;
}

void TestHelp::splashKeyClosesTheTune()
{
    QFETCH(int, key);
    QFETCH(int, announced);

    RecordingTune tune;
    frmSplash splash(ProgramIdentity(), &tune);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    tune.commands.clear();
    QSignalSpy clicked(&splash, &frmSplash::clicked);
    QSignalSpy keyPressed(&splash, &frmSplash::keyPressed);

    QTest::keyClick(&splash, Qt::Key(key));
    QCOMPARE(keyPressed.count(), announced);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(tune.commands, announced ? QStringList({"close"}) : QStringList());
}

void TestHelp::splashAfterExit()
{
    RecordingTune tune;
    frmSplash splash(ProgramIdentity(), &tune);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(splash.label(3), Qt::LeftButton);
    splash.hide(); // the working windows took over, then the exit

    splash.showAfterExit();
    QVERIFY(splash.isVisible());
    QCOMPARE(labelText(splash, "label_2"), QStringLiteral("         elaborazione eseguita con"));
    QCOMPARE(tune.commands, QStringList({"open", "play", "pause", "play"}));
    // The splash behaves as at start.
    QSignalSpy keyPressed(&splash, &frmSplash::keyPressed);
    QTest::keyClick(&splash, Qt::Key_X);
    QCOMPARE(keyPressed.count(), 1);
    QCOMPARE(tune.commands.last(), QStringLiteral("close"));
}

void TestHelp::splashWithoutTune()
{
    frmSplash splash(ProgramIdentity(), nullptr);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QSignalSpy clicked(&splash, &frmSplash::clicked);
    QSignalSpy keyPressed(&splash, &frmSplash::keyPressed);
    QTest::mouseClick(splash.findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
    splash.showAfterExit();
    QTest::keyClick(&splash, Qt::Key_Q);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(keyPressed.count(), 1);
}

void TestHelp::tuneIsSilentWithoutAPlayableFile_data()
{
    QTest::addColumn<QString>("name"); // in a scratch folder; empty: no name at all
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray header = QByteArray::fromHex("4d546864000000060001000201e0");
    const QByteArray track = QByteArray::fromHex("4d54726b0000000400ff2f00");
    QTest::newRow("no name") << QString() << QByteArray();
    QTest::newRow("missing file") << QStringLiteral("Internet.mid") << QByteArray();
    QTest::newRow("a folder") << QStringLiteral("cartella.mid") << QByteArray();
    QTest::newRow("empty file") << QStringLiteral("vuoto.mid") << QByteArray("");
    QTest::newRow("text") << QStringLiteral("testo.mid") << QByteArray("non sono musica\n");
    QTest::newRow("header only") << QStringLiteral("testata.mid") << header;
    QTest::newRow("second track missing") << QStringLiteral("mezzo.mid") << header + track;
    QTest::newRow("track cut short")
        << QStringLiteral("tronco.mid") << header + track + track.left(9);
}

void TestHelp::tuneIsSilentWithoutAPlayableFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QString path;
    if (!name.isEmpty()) {
        path = scratch.filePath(name);
        if (name.startsWith(QLatin1String("cartella")))
            QVERIFY(QDir(scratch.path()).mkdir(name));
        else if (!bytes.isNull())
            test::writeFile(path, bytes);
    }

    // The file driver stands in for a sound card, so that only the file
    // itself can make the player refuse.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.path()));
    auto restore = qScopeGuard([&previous] { QDir::setCurrent(previous); });
    TunePlayer tune({QStringLiteral("file")});
    QVERIFY(!tune.open(path));
    QVERIFY(!tune.isOpen());
    tune.play();
    QVERIFY(!tune.isPlaying());
    tune.pause();
    tune.play();
    tune.close();
    tune.close();
    QVERIFY(!tune.isOpen());
    QVERIFY(!tune.isPlaying());
}

// Through the real synthesiser, rendering into a file instead of a sound card.
void TestHelp::tunePauseAndResumeThroughFluidSynth()
{
    if (!TunePlayer::isAvailable()) QSKIP("built without FluidSynth");
    if (QDir(QStringLiteral("/usr/share/sounds/sf2")).entryList({"*.sf2"}).isEmpty())
        QSKIP("no General MIDI soundfont installed");

    QTemporaryDir scratch; // the file driver writes there
    QVERIFY(scratch.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.path()));
    auto restore = qScopeGuard([&previous] { QDir::setCurrent(previous); });

    TunePlayer tune({QStringLiteral("no-such-driver"), QStringLiteral("file")});
    QVERIFY(tune.open(QStringLiteral(TIPOLAB_SOURCE_DIR "/resources/Internet.mid")));
    QVERIFY(tune.isOpen());
    QVERIFY(!tune.isPlaying());
    tune.play();
    QVERIFY(tune.isPlaying());
    tune.pause();
    QVERIFY(!tune.isPlaying());
    QVERIFY(tune.isOpen());
    tune.play();
    QVERIFY(tune.isPlaying());
    // Opening again starts afresh.
    QVERIFY(tune.open(QStringLiteral(TIPOLAB_SOURCE_DIR "/resources/Internet.mid")));
    QVERIFY(!tune.isPlaying());
    tune.play();
    tune.close();
    QVERIFY(!tune.isOpen());
    QVERIFY(!tune.isPlaying());
    tune.play(); // harmless once closed
    QVERIFY(!tune.isPlaying());
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
