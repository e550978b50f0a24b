// The help contents and the help pages driven as a person would: the hover
// and press effects of the topics, the windows they open, the pages and their
// documents, the full guide, the help routes of the working windows and the
// exit.
#include "help/help_texts.h"
#include "help/sommario.h"
#include "help_program.h"
#include "help_tests.h"
#include "scaling/cls_resize.h"
#include "windows/working_window.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

using namespace tipolab;

namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QString boldLabels(QWidget* contents)
{
    QStringList bold;
    for (int i = 1; i <= kHelpTopicCount; ++i) {
        auto* label = control<QLabel>(contents, QStringLiteral("lbl_%1").arg(i));
        if (label->font().bold()) bold << label->objectName();
    }
    return bold.join(u' ');
}

bool framed(QWidget* contents, int topic)
{
    return control<QLabel>(contents, QStringLiteral("lbl_%1").arg(topic))->frameShape() !=
           QFrame::NoFrame;
}

// The paragraphs of a document outside its tables, and its page breaks.
QStringList paragraphTexts(const ReportDocument& document)
{
    QStringList texts;
    for (const Paragraph* p : document.paragraphs())
        texts << p->text();
    return texts;
}

int pageBreaks(const ReportDocument& document)
{
    int count = 0;
    for (const Paragraph* p : document.paragraphs()) {
        for (const TextRun& run : p->runs)
            count += run.pageBreak ? 1 : 0;
    }
    return count;
}

} // namespace

void TestHelpWindows::hoverMakesOneTopicBold_data()
{
    QTest::addColumn<QStringList>("path"); // where the pointer goes, in turn
    QTest::addColumn<QString>("bold");

    QTest::newRow("onto a topic") << QStringList{"lbl_2"} << "lbl_2";
    QTest::newRow("from one topic to the next") << QStringList{"lbl_2", "lbl_3"} << "lbl_3";
    QTest::newRow("across the groups") << QStringList{"lbl_1", "lbl_9", "lbl_6"} << "lbl_6";
    QTest::newRow("on to the background") << QStringList{"lbl_5", "form"} << "";
    QTest::newRow("background, then a topic") << QStringList{"form", "lbl_8"} << "lbl_8";
}

void TestHelpWindows::hoverMakesOneTopicBold()
{
    QFETCH(QStringList, path);
    QFETCH(QString, bold);
    HelpProgram program;
    QWidget* contents = program.show(WindowId::HelpContents);

    for (const QString& place : path) {
        if (place == u"form") {
            // Below the last topic, above the buttons: the window's background.
            const QWidget* last = control<QLabel>(contents, QStringLiteral("lbl_9"));
            QTest::mouseMove(contents,
                             QPoint(contents->width() / 2, last->geometry().bottom() + 8));
        } else {
            QTest::mouseMove(control<QWidget>(contents, place));
        }
    }
    QCOMPARE(boldLabels(contents), bold);
}

void TestHelpWindows::pressOpensTheTopicAndFramesTheLabel_data()
{
    QTest::addColumn<QStringList>("actions"); // "click lbl_4", "press lbl_4", "click puls_4"
    QTest::addColumn<bool>("framed");

    QTest::newRow("click on the label") << QStringList{"click lbl_4"} << true;
    QTest::newRow("click on the arrow") << QStringList{"click puls_4"} << false;
    QTest::newRow("arrow after the label keeps the frame")
        << QStringList{"click lbl_4", "click puls_4"} << true;
    QTest::newRow("pressing a framed label clears its frame")
        << QStringList{"click lbl_4", "press lbl_4"} << false;
    QTest::newRow("and releasing frames it again")
        << QStringList{"click lbl_4", "press lbl_4", "release lbl_4"} << true;
}

void TestHelpWindows::pressOpensTheTopicAndFramesTheLabel()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, framed);
    HelpProgram program;
    QWidget* contents = program.show(WindowId::HelpContents);

    for (const QString& action : actions) {
        const QStringList parts = action.split(u' ');
        QWidget* target = control<QWidget>(contents, parts[1]);
        if (parts[0] == u"click") QTest::mouseClick(target, Qt::LeftButton);
        if (parts[0] == u"press") QTest::mousePress(target, Qt::LeftButton);
        if (parts[0] == u"release") QTest::mouseRelease(target, Qt::LeftButton);
        // Every click and press opens the topic at once.
        if (parts[0] != u"release") {
            QWidget* page = program.module.existingWindow(WindowId::GuideTypes);
            QVERIFY(page && page->isVisible());
            page->close();
            collectGarbage();
        }
    }
    QCOMPARE(::framed(contents, 4), framed);
    for (int other : {1, 3, 5, 9})
        QVERIFY(!::framed(contents, other));
}

void TestHelpWindows::topicsOpenTheirWindows_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("window");

    const char* const windows[] = {
        "manuale",        "guidafunzionamento", "guidaarchivio", "guidatipi", "guidadati",
        "guidarisultati", "guidafrontespizio",  "frmTip",        "listino"};
    for (int i = 1; i <= kHelpTopicCount; ++i)
        QTest::addRow("topic %d", i) << i << QString::fromLatin1(windows[i - 1]);
    QTest::newRow("any other topic") << 12 << "manuale";
}

void TestHelpWindows::topicsOpenTheirWindows()
{
    QFETCH(int, topic);
    QFETCH(QString, window);
    HelpProgram program;
    auto* contents = qobject_cast<sommario*>(program.show(WindowId::HelpContents));
    QVERIFY(contents);

    if (topic <= kHelpTopicCount)
        clickButton(contents, QStringLiteral("puls_%1").arg(topic));
    else
        contents->puls_Click(topic);

    QCOMPARE(visibleWindows(), QStringList({window, "sommario"}));
}

void TestHelpWindows::closedContentsKeepTheirFrames()
{
    HelpProgram program;
    QWidget* contents = program.show(WindowId::HelpContents);
    QTest::mouseClick(control<QLabel>(contents, "lbl_3"), Qt::LeftButton);

    clickButton(contents, "cmdChiudi");
    collectGarbage();
    QVERIFY(!contents->isVisible());
    QCOMPARE(program.show(WindowId::HelpContents), contents);
    QVERIFY(framed(contents, 3));
}

void TestHelpWindows::pages_data()
{
    QTest::addColumn<int>("page"); // HelpPageId
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width"); // twips
    QTest::addColumn<int>("left");  // twips; -1 where the window keeps its centred left edge
    QTest::addColumn<bool>("tooltips");

    QTest::newRow("manual") << 0 << "manuale" << 9600 << -1 << true;
    const char* const names[] = {"guidafunzionamento", "guidaarchivio",  "guidatipi",
                                 "guidadati",          "guidarisultati", "guidafrontespizio"};
    for (int i = 1; i < kHelpPageCount; ++i)
        QTest::newRow(names[i - 1]) << i << names[i - 1] << 5640 << 5467 << false;
    QTest::newRow("guidaprofilo") << kHelpPageCount << "guidaprofilo" << 9600 << -1 << false;
}

void TestHelpWindows::pages()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, left);
    QFETCH(bool, tooltips);
    HelpProgram program;
    const auto id = static_cast<WindowId>(static_cast<int>(WindowId::Manual) + page);

    QWidget* w = program.show(id);
    QCOMPARE(w->objectName(), name);
    QCOMPARE(w->windowTitle(), QStringLiteral("Guida in linea"));
    const HelpPage& texts = helpPage(static_cast<HelpPageId>(page));
    QCOMPARE(control<QLabel>(w, "Label1")->text(), text(texts.title));
    QCOMPARE(control<QLabel>(w, "Label2")->text(), text(texts.text));

    // The designed size in twips: until it is first shown a window cannot know
    // its frame, so the size goes to its client area.
    QCOMPARE(w->width(), twipsToPixels(width));
    QCOMPARE(w->height(), twipsToPixels(6825));
    // Without a left edge of its own a page stays where the scaler centred
    // 75 % of the screen: an eighth of the screen from its left.
    const int expectedLeft = left >= 0 ? twipsToPixels(left) : w->screen()->geometry().width() / 8;
    QVERIFY2(qAbs(w->frameGeometry().x() - expectedLeft) <= 1,
             qPrintable(QString::number(w->frameGeometry().x())));
    // Every control lies inside the window and the buttons do not overlap.
    QRect last;
    for (const char* button : {"cmdStampa", "cmdSommario", "cmdChiudi"}) {
        auto* b = control<QPushButton>(w, button);
        QVERIFY(w->rect().contains(b->geometry()));
        QVERIFY(!b->geometry().intersects(last));
        last = b->geometry();
        QCOMPARE(!b->toolTip().isEmpty(), tooltips);
    }
}

void TestHelpWindows::pageButtons()
{
    HelpProgram program;
    QWidget* page = program.show(WindowId::GuideArchive);
    const HelpPage& texts = helpPage(HelpPageId::Archive);

    // Each print is a new document of its own, holding the page.
    clickButton(page, "cmdStampa");
    clickButton(page, "cmdStampa");
    const RecordingOpener& opener = *program.opener;
    QCOMPARE(opener.paths.size(), 2);
    QVERIFY(opener.paths[0] != opener.paths[1]);
    for (int i = 0; i < opener.paths.size(); ++i) {
        QVERIFY(QFileInfo::exists(opener.paths[i]));
        const QStringList paragraphs = paragraphTexts(opener.documents[i]);
        QVERIFY(paragraphs.contains(QStringLiteral("Guida: ") + text(texts.title)));
        QVERIFY(paragraphs.contains(text(texts.text)));
        QCOMPARE(pageBreaks(opener.documents[i]), 0);
    }
    QCOMPARE(program.module.helpPageTitle(), text(texts.title));
    QVERIFY(program.dialogs.messages.isEmpty());
    // Nothing is left beside the program.
    QCOMPARE(QDir(program.root.path()).entryList(QDir::Files), QStringList());

    clickButton(page, "cmdSommario");
    QCOMPARE(visibleWindows(), QStringList({"guidaarchivio", "sommario"}));

    clickButton(page, "cmdChiudi");
    collectGarbage();
    QVERIFY(!program.module.existingWindow(WindowId::GuideArchive));
    QVERIFY(program.show(WindowId::GuideArchive) != nullptr); // made anew
}

void TestHelpWindows::fullGuide_data()
{
    QTest::addColumn<QString>("where"); // "beside", "documents" or "nowhere"
    QTest::addColumn<int>("icon");      // of the message, 0 for none

    QTest::newRow("beside the program's folder") << "beside" << 0;
    QTest::newRow("folder not writable: the documents folder")
        << "documents" << int(QMessageBox::Information);
    QTest::newRow("nowhere to write") << "nowhere" << int(QMessageBox::Critical);
}

void TestHelpWindows::fullGuide()
{
    QFETCH(QString, where);
    QFETCH(int, icon);
    HelpProgram program([where](DocumentPlaces& places, const QString& root) {
        // A folder that cannot be made: one inside an ordinary file.
        QFile blocker(QDir(root).filePath("file"));
        if (!blocker.open(QIODevice::WriteOnly)) qFatal("no blocker file");
        if (where != u"beside") places.programDir = QDir(root).filePath("file/Tipolab");
        if (where == u"nowhere") places.documentsDir = QDir(root).filePath("file/Documenti");
    });
    QWidget* contents = program.show(WindowId::HelpContents);

    clickButton(contents, "cmdStampa");

    if (where == u"nowhere") {
        QCOMPARE(program.opener->paths.size(), 0);
    } else {
        QCOMPARE(program.opener->paths.size(), 1);
        const QString& guidePath = program.opener->paths.first();
        const ReportDocument& guideDocument = program.opener->documents.first();
        // The folder above the program's, named after the program's folder.
        const QString folder =
            where == u"beside" ? program.root.path() : program.places.documentsDir;
        QCOMPARE(guidePath, QDir(folder).filePath("TipolabTipolab-guida.doc"));
        QVERIFY(QFileInfo::exists(guidePath));

        QStringList titles;
        for (QString p : paragraphTexts(guideDocument)) {
            p.remove(kPageBreak); // a page starts with the break that ends the one before
            if (p.startsWith(u"Guida: ")) titles << p.mid(7);
        }
        QStringList expected;
        for (int i = 0; i < kHelpPageCount; ++i)
            expected << text(helpPage(static_cast<HelpPageId>(i)).title);
        QCOMPARE(titles, expected);
        QCOMPARE(pageBreaks(guideDocument), 6);
    }
    if (icon == 0) {
        QVERIFY(program.dialogs.messages.isEmpty());
    } else {
        QCOMPARE(program.dialogs.messages.size(), 1);
        const MessageCall& message = program.dialogs.messages.first();
        QCOMPARE(int(message.icon), icon);
        QCOMPARE(message.title, QStringLiteral("Tipolab"));
        if (where == u"documents")
            QVERIFY(message.text.contains(QDir::toNativeSeparators(program.places.documentsDir)));
    }
    QVERIFY(contents->isVisible());
}

void TestHelpWindows::workingWindowsReachTheHelp_data()
{
    QTest::addColumn<int>("window"); // working window 1..4
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown");

    QTest::newRow("tipi: window-number title") << 1 << "title"
                                               << "guidatipi";
    QTest::newRow("dati: window-number title") << 2 << "title"
                                               << "guidadati";
    QTest::newRow("risultati: window-number title") << 3 << "title"
                                                    << "guidarisultati";
    QTest::newRow("frontespizio: window-number title") << 4 << "title"
                                                       << "guidafrontespizio";
    QTest::newRow("dati: its own window's prompt") << 2 << "prompt"
                                                   << "guidadati";
    QTest::newRow("tipi: toolbar 13") << 1 << "toolbar 13"
                                      << "sommario";
    QTest::newRow("risultati: toolbar 14") << 3 << "toolbar 14"
                                           << "frmTip";
    QTest::newRow("frontespizio: menu guida") << 4 << "menu"
                                              << "sommario";
}

void TestHelpWindows::workingWindowsReachTheHelp()
{
    QFETCH(int, window);
    QFETCH(QString, command);
    QFETCH(QString, shown);
    HelpProgram program;
    auto* w = qobject_cast<WorkingWindow*>(program.module.showWindow(workingWindow(window)));
    QVERIFY(w);

    if (command == u"title") w->finestra_Click();
    if (command == u"prompt") w->fin2_Click(); // answered Yes by default
    if (command.startsWith(u"toolbar")) w->Toolbar1_ButtonClick(command.mid(8).toInt());
    if (command == u"menu") w->guida_Click();

    QStringList expected = {shown, w->objectName()};
    expected.sort();
    QCOMPARE(visibleWindows(), expected);
}

void TestHelpWindows::exitClosesTheHelpWindows()
{
    HelpProgram program;
    program.module.start();
    QWidget* contents = program.show(WindowId::HelpContents);
    for (int topic : {1, 6, 8, 9})
        clickButton(contents, QStringLiteral("puls_%1").arg(topic));
    // The second page took the place of the first.
    QCOMPARE(visibleWindows(),
             QStringList({"frmSplash", "frmTip", "guidarisultati", "listino", "sommario"}));
    program.dialogs.messageAnswers << QMessageBox::Yes;

    clickButton(contents, "Command1");
    collectGarbage();

    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().text, QStringLiteral("Vuoi uscire da Tipolab?"));
    QCOMPARE(visibleWindows(), QStringList({"frmSplash"}));
    for (int id = int(WindowId::HelpContents); id <= int(WindowId::PriceList); ++id)
        QVERIFY2(!program.module.existingWindow(WindowId(id)), qPrintable(QString::number(id)));
}

void TestHelpWindows::pageOpensOnItsOwnerAndReplacesTheLastOne()
{
    HelpProgram program;
    QWidget* owner = program.show(WindowId::Tipi);
    owner->move(40, 30);
    QTRY_COMPARE(QApplication::activeWindow(), owner);
    const QPoint centre = owner->frameGeometry().center();
    // Within a few pixels: the test's platform adds the frame at the first show.
    auto centredOnOwner = [&](const QWidget* w) {
        return (w->frameGeometry().center() - centre).manhattanLength() <= 6;
    };

    QWidget* first = program.show(WindowId::GuideTypes);
    QVERIFY(centredOnOwner(first));
    // Asked from the page on screen, the next page opens where it was, alone.
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QWidget* second = program.show(WindowId::GuideData);
    QVERIFY(centredOnOwner(second));
    QCOMPARE(visibleWindows(), QStringList({"guidadati", "tipi"}));
    // Shown again while on screen, a window stays where the person put it.
    second->move(0, 0);
    program.show(WindowId::GuideData);
    QCOMPARE(second->pos(), QPoint(0, 0));
}
