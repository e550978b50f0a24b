// The results window: the table, the sentence and the prevailing type after a
// computation, its highlight, the window before any computation, how long the
// results last, and the check it forwards to the data window.
#include "core/type_descriptions.h"
#include "test_program.h"
#include "test_windows.h"
#include "state/qt_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace tipolab;

namespace {

using Weighted = std::array<std::optional<double>, kTypeCount>;
using Steps = std::array<int, kTypeCount>;

// The general judgement of every type at `steps` (1..11), as the types window
// stores it, and the weighted coefficients as the data window keeps them.
void enter(AssessmentData& data, const Steps& steps, const Weighted& weighted)
{
    for (int t = 1; t <= kTypeCount; ++t) {
        const int step = steps[t - 1];
        Judgement& j = data.type(t);
        j.tick = Value::number(1);
        j.word = Value::text(std::string(stepWord(step)));
        j.step = Value::text(std::to_string(step));
        j.coefficient = Value::number(stepCoefficient(step));
    }
    data.weighted = weighted;
}

const Steps kExampleSteps = {2, 5, 8, 3, 6, 11};
const Weighted kExampleWeighted = {0.720, 0.455, 0.300, 0.720, 0.600, 0.100};

// The rows of the table, each as "TYPE sintass anass sintrel anrel".
QStringList table(risultati* w)
{
    QStringList rows;
    for (int r = 1; r <= kTypeCount; ++r) {
        rows << QStringList{w->tipolLabel(r)->text(), w->sintassLabel(r)->text(),
                            w->anassLabel(r)->text(), w->sintrelLabel(r)->text(),
                            w->anrelLabel(r)->text()}
                    .join(u' ');
    }
    return rows;
}

QPlainTextEdit* description(QWidget* w, int t)
{
    return control<QPlainTextEdit>(w, QStringLiteral("Text1_%1").arg(t));
}

// Only the prevailing type's icon shows and only its description is bold in
// dark blue; the others are plain, in the window-text colour. 0: none prevails.
void verifyHighlight(QWidget* w, int prevailing)
{
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (int t = 1; t <= kTypeCount; ++t) {
        const bool prevails = t == prevailing;
        QPlainTextEdit* text = description(w, t);
        QCOMPARE(control<QWidget>(w, QStringLiteral("Image1_%1").arg(t))->isVisibleTo(w), prevails);
        QCOMPARE(text->font().bold(), prevails);
        QCOMPARE(text->palette().color(QPalette::Text), prevails ? QColor(0, 0, 192) : windowText);
    }
}

risultati* resultsWindow(TestProgram& program)
{
    return program.module.windowAs<risultati>(WindowId::Risultati);
}

} // namespace

void TestRisultati::calcolo_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Weighted>("weighted");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("prevailing");

    QTest::newRow("worked example, tie broken by type order")
        << kExampleSteps << kExampleWeighted
        << QStringList{"REALISTA 90,00 72,00 29,03 24,87",
                       "SOCIALE 80,00 72,00 25,81 24,87",
                       "INTRAPRENDENTE 50,00 60,00 16,13 20,73",
                       "INVESTIGATIVO 60,00 45,50 19,35 15,72",
                       "ARTISTICO 30,00 30,00 9,68 10,36",
                       "CONVENZIONALE 0,00 10,00 0,00 3,45"}
        << 1;
    QTest::newRow("tie between later types")
        << Steps{4, 4, 4, 4, 4, 4} << Weighted{0.1, 0.85, 0.2, 0.85, 0.3, 0.0}
        << QStringList{"INVESTIGATIVO 70,00 85,00 16,67 36,96",
                       "SOCIALE 70,00 85,00 16,67 36,96",
                       "INTRAPRENDENTE 70,00 30,00 16,67 13,04",
                       "ARTISTICO 70,00 20,00 16,67 8,70",
                       "REALISTA 70,00 10,00 16,67 4,35",
                       "CONVENZIONALE 70,00 0,00 16,67 0,00"}
        << 2;
    QTest::newRow("every total 0: relative values 0,00")
        << Steps{11, 11, 11, 11, 11, 11} << Weighted{0.0, 0.0, 0.0, 0.0, 0.0, 0.0}
        << QStringList{"REALISTA 0,00 0,00 0,00 0,00",       "INVESTIGATIVO 0,00 0,00 0,00 0,00",
                       "ARTISTICO 0,00 0,00 0,00 0,00",      "SOCIALE 0,00 0,00 0,00 0,00",
                       "INTRAPRENDENTE 0,00 0,00 0,00 0,00", "CONVENZIONALE 0,00 0,00 0,00 0,00"}
        << 1;
}

void TestRisultati::calcolo()
{
    QFETCH(Steps, steps);
    QFETCH(Weighted, weighted);
    QFETCH(QStringList, rows);
    QFETCH(int, prevailing);
    TestProgram program;
    enter(program.module.data(), steps, weighted);
    risultati* w = resultsWindow(program);

    w->calcolo();

    QCOMPARE(table(w), rows);
    QCOMPARE(caption(w, QStringLiteral("risultat")), toQString(typeName(prevailing)));
    QCOMPARE(program.module.data().prevailingType, prevailing);
    verifyHighlight(w, prevailing);
}

void TestRisultati::sentenceNamesThePerson_data()
{
    QTest::addColumn<bool>("titlePageOpen");
    QTest::addColumn<QString>("persona");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("name as typed")
        << true << "Maria Bianchi"
        << "Dall'esame è risultato che, per la maggior percentuale, Maria Bianchi è di tipo:";
    QTest::newRow("empty name") << true << ""
                                << "Dall'esame è risultato che, per la maggior percentuale,  è "
                                   "di tipo:";
    QTest::newRow("title page never opened")
        << false << ""
        << "Dall'esame è risultato che, per la maggior percentuale,  è di tipo:";
}

void TestRisultati::sentenceNamesThePerson()
{
    QFETCH(bool, titlePageOpen);
    QFETCH(QString, persona);
    QFETCH(QString, sentence);
    TestProgram program;
    if (titlePageOpen) {
        auto* titlePage = qobject_cast<frontespizio*>(program.working(4));
        QTest::keyClicks(control<QLineEdit>(titlePage, QStringLiteral("persona")), persona);
    }
    enter(program.module.data(), kExampleSteps, kExampleWeighted);
    risultati* w = resultsWindow(program);

    w->calcolo();

    QCOMPARE(caption(w, QStringLiteral("Label14")), sentence);
}

void TestRisultati::beforeAnyComputation()
{
    TestProgram program;
    QWidget* w = program.working(3);

    for (int r = 1; r <= kTypeCount; ++r) {
        QCOMPARE(caption(w, QStringLiteral("num_%1").arg(r)), QString::number(r));
        for (const char* cell : {"tipol", "sintass", "anass", "sintrel", "anrel"})
            QVERIFY(caption(w, QStringLiteral("%1_%2").arg(QLatin1String(cell)).arg(r)).isEmpty());
        QCOMPARE(description(w, r)->toPlainText(), toQString(typeDescription(r)));
        QVERIFY(description(w, r)->isReadOnly());
    }
    QVERIFY(caption(w, QStringLiteral("Label14")).isEmpty());
    QVERIFY(caption(w, QStringLiteral("risultat")).isEmpty());
    verifyHighlight(w, 0);
    QCOMPARE(program.module.data().prevailingType, 0);
}

void TestRisultati::resultsLastUntilTheNextComputation()
{
    TestProgram program;
    enter(program.module.data(), kExampleSteps, {0.1, 0.2, 0.3, 0.4, 0.5, 0.9});
    risultati* w = resultsWindow(program);
    w->calcolo();
    const QStringList first = table(w);

    // Showing the window again keeps the results of the last computation.
    enter(program.module.data(), kExampleSteps, kExampleWeighted);
    program.working(1);
    program.working(3);
    QCOMPARE(table(w), first);
    verifyHighlight(w, 6);

    // The next computation moves the highlight.
    w->calcolo();
    QCOMPARE(table(w).first(), QStringLiteral("REALISTA 90,00 72,00 29,03 24,87"));
    verifyHighlight(w, 1);
}

void TestRisultati::checkIsTheDataWindowCheck()
{
    TestProgram program;
    program.working(3)->Toolbar1_ButtonClick(18);
    const QList<MessageCall> fromResults = program.dialogs.messages;
    program.dialogs.clear();
    program.module.windowAs<dati>(WindowId::Dati)->controlla_Click();

    QCOMPARE(fromResults.size(), 1);
    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(fromResults.first().text, program.dialogs.messages.first().text);
    QCOMPARE(fromResults.first().title, program.dialogs.messages.first().title);
}
