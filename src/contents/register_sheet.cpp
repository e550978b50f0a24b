#include "register_sheet.h"

#include "core/model.h"
#include "profile_sheet.h"
#include "profile_texts.h"
#include "report_tables.h"
#include "document/document_fonts.h"
#include "document/document_style.h"
#include "state/qt_text.h"

#include <QPainter>

namespace tipolab {
namespace {

constexpr QSize kBarsTwips(8504, 3402); // 15 by 6 centimetres


// The prevailing types of the complete rows, a bar each, with its count.
Picture prevailingBars(const std::array<int, kTypeCount>& counts)
{
    constexpr int dotsPerInch = 200;
    QImage image(picturePixels(kBarsTwips, dotsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = documentFont(CharFormat{QString::fromLatin1(kDocumentFont), 9});
    font.setPixelSize(dotsPerInch * 9 / 72);
    p.setFont(font);
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const double line = p.fontMetrics().height();
    const double width = image.width(), height = image.height();
    const double slot = width / kTypeCount, bar = slot * 0.6;
    const double base = height - 1.5 * line, top = 1.5 * line;
    for (int t = 0; t < kTypeCount; ++t) {
        const double x = t * slot + (slot - bar) / 2;
        const double h = (base - top) * counts[t] / most;
        p.fillRect(QRectF(x, base - h, bar, h), QColor(0, 0, 192));
        p.setPen(Qt::black);
        // The type's name, smaller, so that INTRAPRENDENTE fits its slot.
        QFont small = font;
        small.setPixelSize(dotsPerInch * 7 / 72);
        p.setFont(small);
        p.drawText(QRectF(t * slot, base + line * 0.2, slot, line), Qt::AlignCenter,
                   toQString(typeName(t + 1)));
        p.setFont(font);
        p.drawText(QRectF(t * slot, base - h - line * 1.2, slot, line), Qt::AlignCenter,
                   QString::number(counts[t]));
    }
    p.drawLine(QPointF(0, base), QPointF(width, base));
    p.end();
    Picture picture = imagePicture(image, kBarsTwips);
    picture.alignment = Alignment::Center;
    return picture;
}

} // namespace

std::optional<TypeHundredths> meanAnalyticProfile(const std::vector<RegisterRow>& rows)
{
    std::array<long long, kTypeCount> sum{};
    long long n = 0;
    for (const RegisterRow& row : rows) {
        if (row.state != RegisterState::Complete) continue;
        ++n;
        for (int t = 0; t < kTypeCount; ++t)
            sum[t] += row.analytic[t];
    }
    if (n == 0) return std::nullopt;
    TypeHundredths mean{};
    for (int t = 0; t < kTypeCount; ++t)
        mean[t] = static_cast<int>((sum[t] * 2 + n) / (2 * n)); // half up
    return mean;
}

void composeRegisterSheet(ReportWriter& w, const SheetHeading& heading, const RegisterSnapshot& s)
{
    const QString end(kParagraphEnd);
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Registro: ") + s.folderName;
    w.setParagraphSize(16);
    w.setParagraphText(QStringLiteral("Registro delle valutazioni: ") + s.folderName + end);

    std::array<int, 3> states{};
    std::array<int, kTypeCount> prevailing{};
    for (const RegisterRow& row : s.rows) {
        ++states[static_cast<std::size_t>(row.state)];
        if (row.state == RegisterState::Complete) ++prevailing[row.prevailing - 1];
    }
    w.setParagraphSize(12);
    w.setParagraphText(QStringLiteral("Valutazioni: %1 complete, %2 incomplete, %3 danneggiate.")
                           .arg(states[0])
                           .arg(states[1])
                           .arg(states[2]) +
                       end + end + QStringLiteral("Tipi prevalenti delle valutazioni complete"));
    w.appendPicture(prevailingBars(prevailing));
    if (const std::optional<TypeHundredths> mean = meanAnalyticProfile(s.rows)) {
        w.setParagraphSize(12);
        w.setParagraphText(end + QStringLiteral("Profilo analitico medio delle valutazioni "
                                                "complete: ") +
                           QString::fromStdString(threeLetterCode(*mean)));
        appendSheetChart(w, HexagonChart({analyticChartProfile(*mean, QStringLiteral("media"))},
                                         s.locale));
    }
    w.setParagraphSize(12);
    w.setParagraphText(end + QStringLiteral("Le valutazioni complete"));
    QList<QStringList> rows;
    for (const RegisterRow& row : s.rows) {
        if (row.state != RegisterState::Complete) continue;
        rows << QStringList{row.persona, shownDate(row), typeText(row.prevailing),
                            QString::fromStdString(row.syntheticCode),
                            QString::fromStdString(row.analyticCode), warningKeysText(row)};
    }
    writeTextTable(w,
                   {QStringLiteral("persona"), QStringLiteral("data"),
                    QStringLiteral("tipo prevalente"), QStringLiteral("codice sintetico"),
                    QStringLiteral("codice analitico"), QStringLiteral("avvisi")},
                   rows);
}

} // namespace tipolab
