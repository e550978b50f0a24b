// The data window driven through its own controls: ticks, judgements, weight
// arrows and the indicators, the display of each type, the guidance line, the
// check, the help, the clear and the way on to the results.
#include "test_dati.h"

#include "core/check.h"

#include <QAccessible>
#include <QAction>
#include <QSignalSpy>
#include <QTest>

using namespace tipolab;

namespace {

const QString kStart = QStringLiteral("Aprire un file archiviato o iniziare l'immissione dati "
                                      "spuntando la caratteristica da valutare.");
const QString kChooseStep =
    QStringLiteral("Scegliere il giudizio di stima cliccando su uno dei tasti della scala.");
const QString kTickAnother = QStringLiteral("Spuntare un'altra caratteristica.");
const QString kGoOn = QStringLiteral("Correggere, archiviare i dati o andare oltre "
                                     "nell'elaborazione cliccando sul tasto Risultati.");
const QString kTicks = QString::fromUtf8(kCheckTicks.data(), kCheckTicks.size());
const QString kJudgements = QString::fromUtf8(kCheckJudgements.data(), kCheckJudgements.size());
const QString kWeights = QString::fromUtf8(kCheckWeights.data(), kCheckWeights.size());
const QString kGeneral = QString::fromUtf8(kCheckGeneral.data(), kCheckGeneral.size());

bool scaleEnabled(QWidget* w)
{
    return control<QPushButton>(w, QStringLiteral("giud_1"))->isEnabled();
}

QString row(QWidget* w, const char* name, int c)
{
    return caption(w, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(c));
}

bool ticked(QWidget* w, int c)
{
    return control<QCheckBox>(w, QStringLiteral("cecc_%1").arg(c))->isChecked();
}

QStringList rowShows(QWidget* w, int c)
{
    return {row(w, "giudiz", c), row(w, "valor", c), row(w, "coeff", c), row(w, "perc", c)};
}

} // namespace

void TestDati::judgementsAndIndicators_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("rowShows"); // word, step, coefficient, weight
    QTest::addColumn<QStringList>("shows");    // valoremedio, media, complessivo, resto, pond
    auto shows = [](const char* mean, const char* coefficient, const char* overall,
                    const char* rest, const char* weighted) {
        return QStringList{QLatin1String(mean), QLatin1String(coefficient),
                           QStringLiteral("Giudizio complessivo: ") + QString::fromUtf8(overall),
                           QLatin1String(rest), QLatin1String(weighted)};
    };
    const QStringList unjudged{"", "", "", "9"};
    QTest::newRow("a step before any tick does nothing")
        << "j1" << 1 << unjudged << QStringList{"", "", "Giudizio complessivo..: ", "0", ""};
    QTest::newRow("row 3, abbastanza")
        << "t3 j4" << 3 << QStringList{"abbastanza", "4", "0,70", "9"}
        << shows("4,0", "0,700", "abbastanza", "0", "0,063");
    QTest::newRow("mean step between two words")
        << "t1 j3 t2 j4" << 2 << QStringList{"abbastanza", "4", "0,70", "9"}
        << shows("3,5", "0,750", "molto-abbastanza", "0", "0,135");
    QTest::newRow("half up to one and three decimals")
        << "t1 j10 t2 j11 t3 j11 t4 j11 t5 j11 t6 j11 t7 j11 t8 j11" << 1
        << QStringList{"minimo", "10", "0,10", "9"}
        << shows("10,9", "0,013", "minimo-nullo", "0", "0,009");
    QTest::newRow("an untick drops its row")
        << "t1 j3 t2 j4 t2" << 2 << unjudged << shows("3,0", "0,800", "molto", "0", "0,072");
    QTest::newRow("tick and untick only")
        << "t1 t1" << 1 << unjudged
        << QStringList{"0", "0", shows("", "", "", "", "")[2], "0", "0"};
    QTest::newRow("a tick alone recomputes nothing")
        << "t1 j1 t2" << 2 << unjudged << shows("1,0", "1,000", "massimo", "0", "0,090");
    QTest::newRow("a raised weight") << "t1 j1 u1" << 1 << QStringList{"massimo", "1", "1,00", "10"}
                                     << shows("1,0", "1,000", "massimo", "-1", "0,100");
    QTest::newRow("weight down to 0 and no further")
        << QStringLiteral("t1 j1 ") + QStringLiteral("d1 ").repeated(11) << 1
        << QStringList{"massimo", "1", "1,00", "0"}
        << shows("1,0", "1,000", "massimo", "9", "0,000");
    QTest::newRow("weight up to 100 and no further")
        << QStringLiteral("t1 j1 ") + QStringLiteral("u1 ").repeated(93) << 1
        << QStringList{"massimo", "1", "1,00", "100"}
        << shows("1,0", "1,000", "massimo", "-91", "1,000");
}

void TestDati::judgementsAndIndicators()
{
    QFETCH(QString, script);
    QFETCH(int, row);
    QFETCH(QStringList, rowShows);
    QFETCH(QStringList, shows);
    DataProgram program;
    dati* w = program.data();

    play(w, script);

    QCOMPARE(::rowShows(w, row), rowShows);
    QStringList indicators;
    for (const char* name : {"valoremedio", "media", "complessivo", "resto", "pond"})
        indicators << caption(w, QLatin1String(name));
    QCOMPARE(indicators, shows);
    // The assessment holds what the row shows.
    const CharacteristicEntry& stored = program.module.data().characteristic(1, row);
    QCOMPARE(QString::fromStdString(stored.word.toText()), rowShows[0]);
    QCOMPARE(QString::fromStdString(stored.step.toText()), rowShows[1]);
    QCOMPARE(QString::fromStdString(stored.weight.toText()), rowShows[3]);
}

void TestDati::eachTypeKeepsItsEntries()
{
    DataProgram program;
    dati* w = program.data();
    // REALISTA: row 1 "quasi massimo" weighing 10, row 2 judged then withdrawn;
    // INVESTIGATIVO: row 3 "leggermente" weighing 8.
    play(w, QStringLiteral("t1 j2 u1 t2 j4 t2 n t3 j5 d3"));
    QSignalSpy arrowClicks(control<WeightArrows>(w, QStringLiteral("scrolla_1")),
                           &WeightArrows::changed);
    QStringList names;
    for (int i = 0; i < kTypeCount - 1; ++i) {
        play(w, QStringLiteral("n"));
        names << caption(w, QStringLiteral("appunti"));
        QCOMPARE(row(w, "caratt", 6), QString::fromUtf8(characteristicName(w->currentType(), 6)));
    }
    QCOMPARE(names,
             (QStringList{"ARTISTICO", "SOCIALE", "INTRAPRENDENTE", "CONVENZIONALE", "REALISTA"}));
    QCOMPARE(arrowClicks.count(), 0); // a display sets the arrows, it does not click them

    QVERIFY(ticked(w, 1) && !ticked(w, 2) && !ticked(w, 3));
    QCOMPARE(rowShows(w, 1), (QStringList{"quasi massimo", "2", "0,90", "10"}));
    QCOMPARE(rowShows(w, 2), (QStringList{"", "", "0,00", "9"}));
    QVERIFY(!scaleEnabled(w)); // a display leaves no row awaiting a judgement
    play(w, QStringLiteral("u1 n"));
    QVERIFY(!ticked(w, 1));
    QCOMPARE(rowShows(w, 3), (QStringList{"leggermente", "5", "0,60", "8"}));
    play(w, QStringLiteral("n n n n n"));
    QCOMPARE(row(w, "perc", 1), QStringLiteral("11")); // on from the weight shown
}

void TestDati::windowMadeAgainShowsTheEntries()
{
    DataProgram program;
    dati* w = program.data();
    play(w, QStringLiteral("t1 j3 u1"));
    delete w; // made again, as after the exit

    dati* again = program.data();
    QVERIFY(ticked(again, 1));
    QCOMPARE(rowShows(again, 1), (QStringList{"molto", "3", "0,80", "10"}));
    QCOMPARE(caption(again, QStringLiteral("resto")), QStringLiteral("-1"));
}

void TestDati::guidanceLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("guidance");
    const QString all = judgeAll(3);
    QString elevenJudged;
    for (int c = 1; c <= 11; ++c)
        elevenJudged += QStringLiteral("t%1 j3 ").arg(c);
    QTest::newRow("at start") << "" << kStart;
    QTest::newRow("a row ticked") << "t1" << kChooseStep;
    QTest::newRow("a second tick before judging") << "t1 t2" << kChooseStep;
    QTest::newRow("the only tick withdrawn") << "t1 t1" << kStart;
    QTest::newRow("all judged") << all << kGoOn;
    QTest::newRow("all judged, 1 % to assign")
        << all + "d1"
        << "Assegnare le percentuali fino ad ottenere il resto 0.";
    QTest::newRow("all judged, 1 % too many") << all + "u1" << kGoOn;
    QTest::newRow("a row missing comes before the weights") << elevenJudged + "d1" << kTickAnother;
    QTest::newRow("another type, never entered") << "t1 j1 n" << kStart;
}

void TestDati::guidanceLine()
{
    QFETCH(QString, script);
    QFETCH(QString, guidance);
    DataProgram program;
    dati* w = program.data();
    play(w, script);
    QCOMPARE(caption(w, QStringLiteral("passo")), guidance);
}

void TestDati::check_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("typesJudged");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("message");    // empty: none shown
    QTest::addColumn<int>("shownAfter");     // the type on display after the check
    QTest::addColumn<QString>("focusAfter"); // what a failed check gives the keyboard to
    const QString all = judgeAll(2);
    const QString allSix = (all + QStringLiteral("n ")).repeated(kTypeCount);
    QString firstUnjudged = QStringLiteral("t1 ");
    for (int c = 2; c <= kCharacteristicCount; ++c)
        firstUnjudged += QStringLiteral("t%1 j2 ").arg(c);
    const QString nl = QStringLiteral("\n");
    QTest::newRow("everything missing")
        << "d1" << false << false << kTicks + nl + kJudgements + nl + kWeights + nl + kGeneral << 1
        << "cecc_1";
    QTest::newRow("nothing entered")
        << "" << false << false << kTicks + nl + kJudgements + nl + nl + kGeneral << 1 << "cecc_1";
    QTest::newRow("only the remainder")
        << all + "u1" << true << false << nl + nl + kWeights + nl << 1 << "scrolla_1";
    QTest::newRow("a ticked row without judgement")
        << firstUnjudged << true << false << nl + kJudgements + nl + nl << 1 << "cecc_1";
    QTest::newRow("complete, from the menu")
        << allSix << true << false << "I dati sono stati immessi correttamente." << 1 << "";
    QTest::newRow("complete, silent") << allSix << true << true << "" << 1 << "";
    QTest::newRow("incomplete, silent")
        << "t1 j2" << true << true << kTicks + nl + kJudgements + nl + nl << 1 << "cecc_2";
    // The type on display complete, another not: that type is displayed and named.
    const QString investigativo = QStringLiteral("Tipo INVESTIGATIVO:\n");
    QTest::newRow("another type half judged, from the menu")
        << all + "n t1 j2 t2 j2 n n n n n" << true << false
        << investigativo + kTicks + nl + kJudgements + nl + nl << 2 << "cecc_3";
    QTest::newRow("the other types empty, silent")
        << all << false << true << investigativo + kTicks + nl + kJudgements + nl + nl + kGeneral
        << 2 << "cecc_1";
    QTest::newRow("a later type's weights, from the menu")
        << (all + "n ").repeated(4) + all + "u3 n " + all + "n" << true << false
        << QStringLiteral("Tipo INTRAPRENDENTE:\n") + nl + nl + kWeights + nl << 5 << "scrolla_1";
}

void TestDati::check()
{
    QFETCH(QString, script);
    QFETCH(bool, typesJudged);
    QFETCH(bool, silent);
    QFETCH(QString, message);
    QFETCH(int, shownAfter);
    QFETCH(QString, focusAfter);
    DataProgram program;
    if (typesJudged) program.judgeTypes();
    dati* w = program.data();
    play(w, script);
    program.dialogs.clear();

    if (silent)
        QCOMPARE(w->checkSilently(), message.isEmpty());
    else
        control<QAction>(w, QStringLiteral("controlla"))->trigger();

    QCOMPARE(program.dialogs.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        const MessageCall& shown = program.dialogs.messages.first();
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title,
                 QStringLiteral("Tipolab: controllo dati immessi nella finestra attiva"));
        QCOMPARE(shown.icon,
                 message.startsWith(u'I') ? QMessageBox::Information : QMessageBox::Critical);
    }
    // Whatever the outcome, the next check from the menu is not silent.
    QCOMPARE(program.module.data().checkFlag, 0);
    QCOMPARE(w->currentType(), shownAfter);
    QCOMPARE(caption(w, QStringLiteral("appunti")), QString::fromUtf8(typeName(shownAfter)));
    if (!focusAfter.isEmpty()) QCOMPARE(w->focusWidget()->objectName(), focusAfter);
}

void TestDati::helpOnTheNextStep_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("weights not summing to 100")
        << "t1 j1 u1"
        << "Completare l'assegnazione delle percentuali." << int(QMessageBox::Warning);
    QTest::newRow("another type still to judge")
        << judgeAll(4)
        << "Spuntare ogni caratteristica da valutare e scegliere il giudizio di stima o "
           "correggere (se già appare selezionata occorre deselezionarla e, quindi, spuntarla "
           "di nuovo)."
        << int(QMessageBox::Information);
}

void TestDati::helpOnTheNextStep()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QFETCH(int, icon);
    DataProgram program;
    dati* w = program.data();
    play(w, script);
    program.dialogs.clear();

    clickButton(w, QStringLiteral("aiuto"));

    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().text, message);
    QCOMPARE(program.dialogs.messages.first().title, QStringLiteral("Tipolab: aiuto in linea"));
    QCOMPARE(int(program.dialogs.messages.first().icon), icon);
}

void TestDati::clear_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("clears");
    QTest::newRow("nothing entered") << "" << false;
    QTest::newRow("a tick alone") << "t1" << true;
    QTest::newRow("a weight alone") << "u4" << true;
    QTest::newRow("two types entered, on a third") << "t1 j2 t5 j3 n t1 j3 d2 n" << true;
}

void TestDati::clear()
{
    QFETCH(QString, script);
    QFETCH(bool, clears);
    DataProgram program;
    program.judgeTypes();
    dati* w = program.data();
    play(w, script);
    const AssessmentData before = program.module.data();
    const int type = w->currentType();

    play(w, QStringLiteral("c"));

    const AssessmentData& data = program.module.data();
    QVERIFY(data.types == before.types); // the general judgements stay
    if (!clears) {
        QVERIFY(data.characteristics == before.characteristics);
        return;
    }
    for (const char* name : {"media", "pond", "resto", "valoremedio"})
        QVERIFY2(caption(w, QLatin1String(name)).isEmpty(), name);
    QCOMPARE(caption(w, QStringLiteral("complessivo")), QStringLiteral("Giudizio complessivo: "));
    QCOMPARE(w->currentType(), type);
    CharacteristicEntry cleared;
    cleared.tick = Value::number(0);
    cleared.word = cleared.step = cleared.coefficient = Value::text("");
    for (int t = 1; t <= kTypeCount; ++t) {
        QVERIFY(!data.weighted[t - 1].has_value());
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            cleared.weight = Value::number(defaultWeight(c));
            QVERIFY(data.characteristic(t, c) == cleared);
        }
    }
    // Every type now shows unticked rows with the default weights.
    for (int i = 0; i < kTypeCount; ++i) {
        play(w, QStringLiteral("n"));
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            QVERIFY(!ticked(w, c));
            QCOMPARE(rowShows(w, c),
                     (QStringList{"", "", "0,00", QString::number(defaultWeight(c))}));
        }
    }
}

void TestDati::risultatiChecksThenShowsTheResults()
{
    DataProgram program;
    program.judgeTypes();
    dati* w = program.data();
    play(w, judgeAll(3) + QStringLiteral("n n"));
    program.dialogs.clear();

    // ARTISTICO is on display and empty: the check stops the results.
    clickButton(w, QStringLiteral("avanti"));
    QCOMPARE(program.dialogs.messages.size(), 1);
    QVERIFY(!program.visibleWindows().contains(QStringLiteral("risultati")));

    // ARTISTICO complete, INVESTIGATIVO still empty: it comes on display.
    play(w, judgeAll(5));
    clickButton(w, QStringLiteral("avanti"));
    QCOMPARE(program.dialogs.messages.size(), 2);
    QVERIFY(
        program.dialogs.messages.last().text.startsWith(QStringLiteral("Tipo INVESTIGATIVO:\n")));
    QCOMPARE(w->currentType(), 2);
    QVERIFY(!program.visibleWindows().contains(QStringLiteral("risultati")));

    play(w, judgeAll(4) + QStringLiteral("n n ") +
                (judgeAll(6) + QStringLiteral("n ")).repeated(3) + QStringLiteral("n n"));
    QCOMPARE(w->currentType(), 3);
    clickButton(w, QStringLiteral("avanti"));
    QCOMPARE(program.dialogs.messages.size(), 2);
    QVERIFY(program.visibleWindows().contains(QStringLiteral("risultati")));
    QCOMPARE(w->currentType(), 3); // each type displayed once, ending where it was
    QCOMPARE(program.module.data().prevailingType, 1); // 0.800 before every other
}

// A focused weight control takes Up and +, Down and -, in steps of 1, through
// the weight procedure; a screen reader reads the weight as its value.
void TestDati::weightFromTheKeyboard()
{
    DataProgram program;
    dati* w = program.data();
    play(w, judgeAll(3));
    auto* weight = control<WeightArrows>(w, QStringLiteral("scrolla_2"));
    QVERIFY(weight->upArrow()->height() >= 16 && weight->downArrow()->height() >= 16);

    for (Qt::Key key :
         {Qt::Key_Up, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Down, Qt::Key_Minus, Qt::Key_Up})
        QTest::keyClick(weight, key);

    QCOMPARE(row(w, "perc", 2), QStringLiteral("11"));
    QCOMPARE(caption(w, QStringLiteral("resto")), QStringLiteral("-2"));
    QCOMPARE(caption(w, QStringLiteral("pond")), QStringLiteral("0,816"));
    QCOMPARE(QString::fromStdString(program.module.data().characteristic(1, 2).weight.toText()),
             QStringLiteral("11"));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(weight);
    QCOMPARE(read->valueInterface()->currentValue().toInt(), 11);
    QCOMPARE(read->text(QAccessible::Name),
             QStringLiteral("peso di conformista in percentuale, riga 2"));

    // Typed: digits (none past 100), Enter to end a number, Backspace.
    for (Qt::Key key : {Qt::Key_2, Qt::Key_5, Qt::Key_Return, Qt::Key_1, Qt::Key_5, Qt::Key_0,
                        Qt::Key_Backspace, Qt::Key_2})
        QTest::keyClick(weight, key);
    QCOMPARE(row(w, "perc", 2), QStringLiteral("12"));
    QCOMPARE(caption(w, QStringLiteral("resto")), QStringLiteral("-3"));
}
