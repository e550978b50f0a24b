// A whole assessment typed from the keyboard alone, as a counsellor types a
// paper form with the person waiting: every key goes to the control that has
// the focus, and the keys are counted.
#include "core/scoring.h"
#include "state/archive_file.h"
#include "test_dati.h"
#include "windows/frontespizio.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace tipolab;

namespace {

// Keys sent to whatever has the focus, counted; a chord counts as one key.
struct Keyboard {
    int count = 0;
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) qFatal("no control has the focus");
        QTest::keyClick(focus, key, modifiers);
        ++count;
    }
    void type(const QString& text)
    {
        for (QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
            ++count;
        }
    }
    // Tab until the control `name` has the focus; false after twenty.
    bool tabTo(const QString& name)
    {
        for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != name; ++i)
            press(Qt::Key_Tab);
        return QApplication::focusWidget()->objectName() == name;
    }
    // The step key of judgement step n: 1..9, 0 for 10, N for 11.
    void step(int n) { press(n == 10 ? Qt::Key_0 : n == 11 ? Qt::Key_N : Qt::Key(Qt::Key_0 + n)); }
};

// The step typed for characteristic c of type t, every one of the eleven in use.
int stepFor(int t, int c)
{
    return (t * 5 + c * 7) % kStepCount + 1;
}

QString focusName()
{
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

} // namespace

void TestKeyboard::wholeAssessmentFromTheKeyboard()
{
    QTemporaryDir folder;
    DataProgram program;
    tipi* types = program.types();
    types->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(types));
    Keyboard keys;
    QCOMPARE(focusName(), QStringLiteral("cecc_1"));

    // The six general judgements: a key each, the focus going on by itself.
    for (int t = 1; t <= kTypeCount; ++t)
        keys.step(t + 1);
    QCOMPARE(focusName(), QStringLiteral("avanti"));
    keys.press(Qt::Key_Return); // "&Dati"
    dati* data = program.data();
    QVERIFY(QTest::qWaitForWindowActive(data));
    QCOMPARE(focusName(), QStringLiteral("cecc_1"));

    // Twelve characteristics a type, a key each; in the first type two
    // weights typed (9 to 10 and 9 to 8), Page Down to the next type.
    for (int t = 1; t <= kTypeCount; ++t) {
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            keys.step(stepFor(t, c));
            if (t == 1 && c == 1) {
                keys.press(Qt::Key_Tab, Qt::ShiftModifier); // back to row 1's weight
                keys.type(QStringLiteral("10"));
                keys.press(Qt::Key_Tab); // row 2's box
                keys.press(Qt::Key_Tab); // its weight
                keys.type(QStringLiteral("8"));
                keys.press(Qt::Key_Tab, Qt::ShiftModifier);
            }
        }
        if (t < kTypeCount) keys.press(Qt::Key_PageDown);
    }
    QCOMPARE(focusName(), QStringLiteral("successive"));
    keys.press(Qt::Key_Tab);
    keys.press(Qt::Key_Return); // "&Risultati": checked and computed
    QVERIFY2(program.dialogs.messages.isEmpty(),
             qPrintable(program.dialogs.messages.value(0).text));
    auto* results = program.module.existingWindow(WindowId::Risultati);
    QVERIFY(results && QTest::qWaitForWindowActive(results));
    QVERIFY(keys.tabTo(QStringLiteral("front")));
    keys.press(Qt::Key_Return); // "F&rontespizio"
    auto* title = qobject_cast<frontespizio*>(program.module.existingWindow(WindowId::Frontespizio));
    QVERIFY(title && QTest::qWaitForWindowActive(title));
    keys.press(Qt::Key_Tab); // from the project to the person's name
    keys.type(QStringLiteral("Anna Neri"));
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-Anna Neri"));
    program.dialogs.fileAnswers << file;
    keys.press(Qt::Key_S, Qt::ControlModifier); // Salva
    QVERIFY2(program.dialogs.messages.isEmpty(),
             qPrintable(program.dialogs.messages.value(0).text));

    // What was typed is what was saved.
    const ArchiveLoad load = loadArchiveFile(file);
    QVERIFY(load.record);
    QCOMPARE(QString::fromStdString(load.record->title[kPersonaField]), QStringLiteral("Anna Neri"));
    for (int t = 1; t <= kTypeCount; ++t) {
        QCOMPARE(QString::fromStdString(load.record->types[t - 1].step.toText()),
                 QString::number(t + 1));
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            const CharacteristicEntry& e = load.record->characteristics[t - 1][c - 1];
            QCOMPARE(QString::fromStdString(e.step.toText()), QString::number(stepFor(t, c)));
            const int weight = t == 1 && c <= 2 ? (c == 1 ? 10 : 8) : defaultWeight(c);
            QCOMPARE(QString::fromStdString(e.weight.toText()), QString::number(weight));
        }
    }
    qInfo("A whole assessment from the keyboard: %d keys.", keys.count);
    QVERIFY(keys.count < 200);
}
