// The types window: ticks, judgements, the mean, the guidance line, the check,
// the help on the next step and the clear, driven through its own controls.
#include "core/model.h"
#include "test_program.h"
#include "test_windows.h"

#include <QTest>

using namespace tipolab;

namespace {

const QString kStart = QStringLiteral(
    "Aprire un file archiviato o iniziare l'immissione dati spuntando la tipologia da valutare.");
const QString kChooseStep =
    QStringLiteral("Scegliere il giudizio di stima cliccando su uno dei tasti della scala.");
const QString kTickAnother = QStringLiteral("Spuntare un'altra tipologia.");
const QString kGoOn = QStringLiteral(
    "Correggere, archiviare i dati o andare oltre nell'elaborazione cliccando sul tasto Dati.");
const QString kCheckTitle = QStringLiteral("Tipolab: controllo dati immessi nella finestra attiva");
const QString kHelpTitle = QStringLiteral("Tipolab: aiuto in linea");
const QString kMissingTicks = QStringLiteral("- spuntare ognuna delle tipologie;");
const QString kMissingJudgements = QStringLiteral("- assegnare un giudizio ad ogni tipologia;");
// Types 1..5 judged, type 6 ticked first and never judged.
const QString kSixthUnjudged = QStringLiteral("t6 t1 j1 t2 j1 t3 j1 t4 j1 t5 j1");

bool scaleEnabled(QWidget* w)
{
    bool any = false;
    for (int n = 1; n <= kStepCount; ++n)
        any = any || control<QPushButton>(w, QStringLiteral("giud_%1").arg(n))->isEnabled();
    return any;
}

} // namespace

void TestTipi::judgementShowsWordStepCoefficientAndMean_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("mean");
    QTest::newRow("3, abbastanza") << 3 << 4 << "abbastanza"
                                   << "0,70"
                                   << "0,700";
    QTest::newRow("1, massimo") << 1 << 1 << "massimo"
                                << "1,00"
                                << "1,000";
    QTest::newRow("2, quasi massimo") << 2 << 2 << "quasi massimo"
                                      << "0,90"
                                      << "0,900";
    QTest::newRow("5, minimo") << 5 << 10 << "minimo"
                               << "0,10"
                               << "0,100";
    QTest::newRow("6, nullo") << 6 << 11 << "nullo"
                              << "0,00"
                              << "0,000";
}

void TestTipi::judgementShowsWordStepCoefficientAndMean()
{
    QFETCH(int, type);
    QFETCH(int, step);
    QFETCH(QString, word);
    QFETCH(QString, coefficient);
    QFETCH(QString, mean);
    TestProgram program;
    tipi* w = program.types();

    play(w, QStringLiteral("t%1 j%2").arg(type).arg(step));

    QCOMPARE(caption(w, QStringLiteral("giudiz_%1").arg(type)), word);
    QCOMPARE(caption(w, QStringLiteral("valor_%1").arg(type)), QString::number(step));
    QCOMPARE(caption(w, QStringLiteral("coeff_%1").arg(type)), coefficient);
    QCOMPARE(caption(w, QStringLiteral("media")), mean);
    const Judgement& stored = program.module.data().type(type);
    QCOMPARE(stored.tick, Value::number(1));
    QCOMPARE(stored.word, Value::text(word.toStdString()));
    QCOMPARE(stored.step, Value::text(std::to_string(step)));
    QCOMPARE(static_cast<float>(stored.coefficient.toNumber()), stepCoefficient(step));
    QVERIFY(!scaleEnabled(w));
    QCOMPARE(w->currentType(), 0);
    QCOMPARE(caption(w, QStringLiteral("passo")), kTickAnother);
}

void TestTipi::meanOfTheCoefficients_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("mean");
    QTest::newRow("nothing entered") << ""
                                     << "";
    QTest::newRow("a tick alone leaves it empty") << "t1"
                                                  << "";
    QTest::newRow("tick and untick") << "t1 t1"
                                     << "0";
    QTest::newRow("two judged") << "t1 j4 t2 j2"
                                << "0,800";
    QTest::newRow("an untick drops its type") << "t1 j4 t2 j2 t2"
                                              << "0,700";
    QTest::newRow("a new judgement replaces the old") << "t1 j1 t1 t1 j5"
                                                      << "0,600";
    QTest::newRow("unjudged type counts 0 over six") << kSixthUnjudged << "0,833";
    QTest::newRow("rounded to three decimals") << "t1 j2 t2 j2 t3 j3"
                                               << "0,867";
}

void TestTipi::meanOfTheCoefficients()
{
    QFETCH(QString, script);
    QFETCH(QString, mean);
    TestProgram program;
    tipi* w = program.types();
    play(w, script);
    QCOMPARE(caption(w, QStringLiteral("media")), mean);
}

void TestTipi::guidanceLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("guidance");
    QTest::newRow("at start") << "" << kStart;
    QTest::newRow("a type ticked") << "t1" << kChooseStep;
    QTest::newRow("a type judged") << "t1 j5" << kTickAnother;
    QTest::newRow("a second tick before judging") << "t1 t2" << kChooseStep;
    QTest::newRow("the only tick withdrawn") << "t1 t1" << kStart;
    QTest::newRow("one of two ticks withdrawn") << "t1 j5 t2 t2" << kTickAnother;
    QTest::newRow("sixth awaiting its judgement")
        << "t1 j1 t2 j2 t3 j3 t4 j4 t5 j5 t6" << kChooseStep;
    QTest::newRow("all six judged") << kAllJudged << kGoOn;
    QTest::newRow("after a clear") << "t1 j5 c" << kStart;
}

void TestTipi::guidanceLine()
{
    QFETCH(QString, script);
    QFETCH(QString, guidance);
    TestProgram program;
    tipi* w = program.types();
    play(w, script);
    QCOMPARE(caption(w, QStringLiteral("passo")), guidance);
}

void TestTipi::untickWithdrawsTheJudgement()
{
    TestProgram program;
    tipi* w = program.types();
    play(w, QStringLiteral("t2 j3 t3 j4 t3"));

    for (const char* row : {"giudiz_3", "valor_3", "coeff_3"})
        QVERIFY(caption(w, QLatin1String(row)).isEmpty());
    const Judgement& stored = program.module.data().type(3);
    QCOMPARE(stored.tick, Value::number(0));
    QCOMPARE(stored.coefficient, Value::number(0));
    // Withdrawn whole, so a save does not keep it beside an unticked box.
    QVERIFY(stored.word.isEmpty());
    QVERIFY(stored.step.isEmpty());
    QCOMPARE(caption(w, QStringLiteral("giudiz_2")), QStringLiteral("molto"));
    QCOMPARE(caption(w, QStringLiteral("media")), QStringLiteral("0,800"));
    QVERIFY(!scaleEnabled(w));
}

void TestTipi::tickFromCodeRunsTheTickProcedure()
{
    TestProgram program;
    tipi* w = program.types();
    auto* box = control<QCheckBox>(w, QStringLiteral("cecc_4"));

    box->setChecked(true);
    QCOMPARE(program.module.data().type(4).tick, Value::number(1));
    QCOMPARE(w->currentType(), 4);
    QCOMPARE(w->tickCount(), 1);
    QVERIFY(scaleEnabled(w));
    QCOMPARE(caption(w, QStringLiteral("passo")), kChooseStep);

    box->setChecked(false);
    QCOMPARE(program.module.data().type(4).tick, Value::number(0));
    QCOMPARE(w->tickCount(), 0);
    QVERIFY(!scaleEnabled(w));
}

void TestTipi::check_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("flagBefore");
    QTest::addColumn<QString>("message"); // empty: none shown
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("flagAfter");
    const int critical = QMessageBox::Critical;
    QTest::newRow("complete") << QString(kAllJudged) << 0
                              << "I dati sono stati immessi correttamente."
                              << int(QMessageBox::Information) << 0;
    QTest::newRow("complete, silent") << QString(kAllJudged) << 1 << "" << 0 << 0;
    QTest::newRow("nothing entered")
        << "" << 0 << kMissingTicks + "\n" + kMissingJudgements << critical << 0;
    QTest::newRow("five of six judged")
        << "t1 j1 t2 j1 t3 j1 t4 j1 t5 j1" << 0 << kMissingTicks + "\n" + kMissingJudgements
        << critical << 0;
    QTest::newRow("six ticked, one unjudged, silent")
        << kSixthUnjudged << 1 << "\n" + kMissingJudgements << critical << 1;
}

void TestTipi::check()
{
    QFETCH(QString, script);
    QFETCH(int, flagBefore);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(int, flagAfter);
    TestProgram program;
    tipi* w = program.types();
    play(w, script);
    program.module.data().checkFlag = flagBefore;

    w->Toolbar1_ButtonClick(18);

    if (message.isEmpty()) {
        QVERIFY(program.dialogs.messages.isEmpty());
    } else {
        QCOMPARE(program.dialogs.messages.size(), 1);
        const MessageCall& shown = program.dialogs.messages.first();
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title, kCheckTitle);
        QCOMPARE(int(shown.icon), icon);
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(program.module.data().checkFlag, flagAfter);
}

void TestTipi::helpOnTheNextStep_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("help");
    QTest::newRow("nothing ticked")
        << ""
        << "- Spuntare una tipologia per volta e cliccare sul corrispondente giudizio "
           "prescelto;\n- o aprire un file archiviato per prelevare i dati del test "
           "(Tipolab-dati-...);";
    QTest::newRow("a ticked type left without judgement")
        << "t1 t2 j3"
        << "Spuntare ogni tipologia da valutare e scegliere il giudizio di stima o correggere (se "
           "già appare selezionata occorre deselezionarla e, quindi, spuntarla di nuovo).";
    QTest::newRow("the next unticked row") << "t1 j3"
                                           << "Cliccare sul giudizio prescelto per "
                                              "la tipologia n. 2";
    QTest::newRow("the type awaiting its judgement")
        << "t1 j3 t4"
        << "Cliccare sul giudizio prescelto per il tipo sociale";
    QTest::newRow("the first type awaiting its judgement")
        << "t1"
        << "Cliccare sul giudizio prescelto per il tipo realista";
    QTest::newRow("awaiting while another is open")
        << "t1 t2"
        << "Cliccare sul giudizio prescelto per il tipo investigativo";
    QTest::newRow("all judged") << QString(kAllJudged)
                                << "Correggere le valutazioni, archiviarle o cliccare sul tasto "
                                   "Dati";
}

void TestTipi::helpOnTheNextStep()
{
    QFETCH(QString, script);
    QFETCH(QString, help);
    TestProgram program;
    tipi* w = program.types();
    play(w, script);

    clickButton(w, QStringLiteral("aiuto"));

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& shown = program.dialogs.messages.first();
    QCOMPARE(shown.text, help);
    QCOMPARE(shown.title, kHelpTitle);
    QCOMPARE(shown.icon, QMessageBox::Information);
}

void TestTipi::clear_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("clears");
    QTest::newRow("nothing entered") << "" << false;
    QTest::newRow("ticks only") << "t1 t2" << true;
    QTest::newRow("judgements and a pending tick") << "t1 j2 t2 j3 t3" << true;
}

void TestTipi::clear()
{
    QFETCH(QString, script);
    QFETCH(bool, clears);
    TestProgram program;
    tipi* w = program.types();
    play(w, script);

    w->Toolbar1_ButtonClick(19);

    QVERIFY(program.dialogs.messages.isEmpty());
    for (int t = 1; t <= kTypeCount; ++t) {
        QVERIFY(!control<QCheckBox>(w, QStringLiteral("cecc_%1").arg(t))->isChecked());
        for (const char* row : {"giudiz_%1", "valor_%1", "coeff_%1"})
            QVERIFY(caption(w, QString::fromLatin1(row).arg(t)).isEmpty());
        const Judgement& stored = program.module.data().type(t);
        if (clears) {
            QCOMPARE(stored.tick, Value::number(0));
            QVERIFY(stored.word.isEmpty());
            QVERIFY(stored.step.isEmpty());
        } else {
            QVERIFY(stored.tick.isNeverSet());
        }
    }
    QVERIFY(caption(w, QStringLiteral("media")).isEmpty());
    QCOMPARE(caption(w, QStringLiteral("passo")), kStart);
    QCOMPARE(w->tickCount(), 0);
    QVERIFY(!scaleEnabled(w));
}
