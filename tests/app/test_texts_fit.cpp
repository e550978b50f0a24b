// Every text of every window fits the control that shows it: no label,
// button or tick box of the program cuts its text, with a sample assessment
// on display, at the desktop scaling the test runs under (CTest runs it at
// 1, 1.5 and 2).
#include "app/window_registry.h"
#include "core/model.h"
#include "recording_opener.h"
#include "shell/modulo_tipolab.h"
#include "test_paths.h"
#include "windows/registro.h"
#include "windows/scripted_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

using namespace tipolab;

namespace {

QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

// The width and height the lines of `text` take in `font`, in logical pixels.
QSizeF linesSize(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(u'\n');
    qreal width = 0;
    for (const QString& line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    return {width, metrics.lineSpacing() * (lines.size() - 1) + metrics.height()};
}

QString where(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1/%2 (%3x%4): %5")
        .arg(w->window()->objectName(), w->objectName())
        .arg(w->width())
        .arg(w->height())
        .arg(text);
}

bool richText(const QLabel* label)
{
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

void checkLabel(const QLabel* label, QStringList& clipped)
{
    if (label->text().isEmpty() || richText(label)) return;
    // With a buddy, "&" marks the mnemonic and is not shown.
    const QString text = label->buddy() ? withoutMnemonics(label->text()) : label->text();
    const int inset = 2 * qMax(label->margin(), 0) + qMax(label->indent(), 0);
    const QRect room = label->contentsRect().adjusted(0, 0, -inset, -2 * label->margin());
    bool fits;
    if (label->wordWrap()) {
        fits = label->heightForWidth(label->width()) <= label->height() + 1;
        // A word longer than the line is cut whatever the height.
        const QFontMetricsF metrics(label->font());
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
            fits = fits && metrics.horizontalAdvance(word) <= room.width() + 0.5;
    } else {
        const QSizeF need = linesSize(text, label->font());
        fits = need.width() <= room.width() + 0.5 && need.height() <= room.height() + 1;
    }
    if (!fits) clipped << where(label, text);
}

void checkButton(const QAbstractButton* button, QStringList& clipped)
{
    // Blanks after the last word show nothing.
    QString text = withoutMnemonics(button->text());
    while (text.endsWith(u' '))
        text.chop(1);
    if (text.isEmpty()) return;
    int need;
    int room = button->width();
    if (qobject_cast<const QPushButton*>(button)) {
        // The text inside the contents, the frame and any padding of a style
        // sheet outside them, with the margin Qt's own size hint gives it
        // (at least 3 pixels a side, where a style sheet leaves none).
        const QStyle* style = button->style();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int margin = qMax(style->pixelMetric(QStyle::PM_ButtonMargin, &option, button), 6);
        need = qCeil(linesSize(text, button->font()).width()) + margin +
               (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    } else if (qobject_cast<const QCheckBox*>(button) ||
               qobject_cast<const QRadioButton*>(button)) {
        need = button->sizeHint().width();
    } else {
        return;
    }
    if (need > room) clipped << where(button, text);
}

QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window)) checkLabel(label, clipped);
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window)) checkButton(button, clipped);
    }
    for (const QGroupBox* box : window->findChildren<QGroupBox*>()) {
        const qreal need = linesSize(box->title(), box->font()).width() + 16;
        if (box->isVisibleTo(window) && need > box->width()) clipped << where(box, box->title());
    }
    return clipped;
}

} // namespace

class TestTextsFit : public QObject {
    Q_OBJECT
private slots:
    void everyTextOfEveryWindow();
};

void TestTextsFit::everyTextOfEveryWindow()
{
    ScriptedDialogs dialogs;
    ModuloTipolab module(dialogs, InstallationData{});
    RecordingDesk documents{dialogs};
    registerWindows(module, nullptr, documents.desk);

    // The sample assessment on display, its results computed.
    module.start();
    module.mostratipi();
    dialogs.fileAnswers << QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");
    QWidget* data = module.showWindow(WindowId::Dati);
    data->findChild<QAction*>(QStringLiteral("apri"))->trigger();
    data->findChild<QPushButton*>(QStringLiteral("avanti"))->click();
    QVERIFY(dialogs.messages.isEmpty());
    auto* reg = module.windowAs<registro>(WindowId::Registro);
    reg->leggi(QStringLiteral(TIPOLAB_TEST_DATA_DIR));
    QTRY_VERIFY(!reg->loading());

    QStringList clipped;
    for (int id = 0; id < kWindowIdCount; ++id) {
        QWidget* w = module.showWindow(static_cast<WindowId>(id));
        if (!w) continue;
        QVERIFY(QTest::qWaitForWindowExposed(w));
        clipped << clippedTexts(w);
    }
    // The data window shows each type's own names.
    for (int t = 2; t <= kTypeCount; ++t) {
        data->findChild<QPushButton*>(QStringLiteral("successive"))->click();
        clipped << clippedTexts(data);
    }
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(TestTextsFit)
#include "test_texts_fit.moc"
