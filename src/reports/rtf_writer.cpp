#include "rtf_writer.h"

#include "document_style.h"
#include "state/text_encoding.h"
#include "table_layout.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace tipolab {
namespace {

// The upper half of code page 1252: character to byte.
const QHash<char16_t, uchar>& cp1252Bytes()
{
    static const QHash<char16_t, uchar> table = [] {
        QHash<char16_t, uchar> t;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const QString c = QString::fromStdString(decodeCp1252(byte));
            // The bytes the code page leaves unassigned decode to control characters.
            if (c.size() == 1 && c[0].unicode() >= 0xA0) t.insert(c[0].unicode(), uchar(b));
        }
        return t;
    }();
    return table;
}

// Colour table entries (1-based, entry 0 is the automatic colour).
enum Colour { kTextColour = 1, kHeadingTextColour, kHeadingFillColour, kGridColour };

QByteArray colourEntry(const QColor& c)
{
    return QByteArray("\\red") + QByteArray::number(c.red()) + "\\green" +
           QByteArray::number(c.green()) + "\\blue" + QByteArray::number(c.blue()) + ';';
}

// Exact line spacing.
QByteArray lineSpacing(int points)
{
    return "\\sl-" + QByteArray::number(style::lineHeight(points)) + "\\slmult0";
}

QByteArray alignmentWord(Alignment a)
{
    switch (a) {
    case Alignment::Right:
        return "\\qr";
    case Alignment::Justify:
        return "\\qj";
    case Alignment::Center:
        return "\\qc";
    case Alignment::Left:
        break;
    }
    return "\\ql";
}

class RtfBuilder {
public:
    explicit RtfBuilder(const ReportDocument& document) : m_document(document) {}

    QByteArray build()
    {
        collectFonts();
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040\\uc1\n";
        m_out += "{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            m_out += "{\\f" + QByteArray::number(i) + "\\fswiss\\fcharset0 " + rtfText(m_fonts[i]) +
                     ";}";
        m_out += "}\n{\\colortbl;" + colourEntry(style::kText) + colourEntry(style::kHeadingText) +
                 colourEntry(style::kHeadingFill) + colourEntry(style::kGrid) + "}\n";
        // The normal style in the document's font, so that a paragraph the word
        // processor adds at the end (after a table or a page break) is in it too.
        m_out += "{\\stylesheet{\\s0" + charFormat(CharFormat()) + "\\snext0 Normal;}}\n";
        if (!m_document.title.isEmpty())
            m_out += "{\\info{\\title " + rtfText(m_document.title) + "}}\n";
        m_out += "\\paperw" + QByteArray::number(style::kPageWidth) + "\\paperh" +
                 QByteArray::number(style::kPageHeight);
        for (const char* side : {"\\margl", "\\margr", "\\margt", "\\margb"})
            m_out += side + QByteArray::number(style::kMargin);
        m_out += "\\viewkind1\n";
        for (const Block& block : m_document.blocks) {
            if (const auto* p = std::get_if<Paragraph>(&block))
                writeParagraph(*p);
            else if (const auto* t = std::get_if<Table>(&block))
                writeTable(*t);
            else
                writePicture(std::get<Picture>(block));
        }
        m_out += "}\n";
        return m_out;
    }

private:
    void collectFonts()
    {
        auto add = [this](const CharFormat& f) {
            if (!m_fonts.contains(f.font)) m_fonts << f.font;
        };
        add(CharFormat());
        for (const Block& block : m_document.blocks) {
            if (const auto* p = std::get_if<Paragraph>(&block)) {
                add(p->mark);
                for (const TextRun& run : p->runs)
                    add(run.format);
            } else if (const auto* t = std::get_if<Table>(&block)) {
                add(t->format);
            }
        }
    }

    QByteArray charFormat(const CharFormat& f) const
    {
        return "\\f" + QByteArray::number(m_fonts.indexOf(f.font)) + "\\fs" +
               QByteArray::number(f.size * 2);
    }

    void writeParagraph(const Paragraph& p)
    {
        m_out += "\\pard\\plain" + alignmentWord(p.alignment) + "\\sb0\\sa0" +
                 lineSpacing(p.largestSize());
        for (const TextRun& run : p.runs) {
            if (run.pageBreak) {
                m_out += "\\page";
                continue;
            }
            m_out += charFormat(run.format) + ' ' + rtfText(run.text);
        }
        m_out += charFormat(p.mark) + "\\par\n";
    }

    // A PNG picture in a paragraph of its own, at its size in twips; the
    // paragraph's height follows the picture.
    void writePicture(const Picture& p)
    {
        m_out += "\\pard\\plain" + alignmentWord(p.alignment) + "\\sb0\\sa0{\\pict\\pngblip\\picw" +
                 QByteArray::number(p.pixels.width()) + "\\pich" +
                 QByteArray::number(p.pixels.height()) + "\\picwgoal" +
                 QByteArray::number(p.size.width()) + "\\pichgoal" +
                 QByteArray::number(p.size.height()) + '\n';
        const QByteArray hex = p.png.toHex();
        constexpr qsizetype kLine = 128;
        m_out.reserve(m_out.size() + hex.size() + hex.size() / kLine + 64);
        for (qsizetype i = 0; i < hex.size(); i += kLine) {
            m_out += QByteArrayView(hex).sliced(i, std::min(kLine, hex.size() - i));
            m_out += '\n';
        }
        m_out += "}\\par\n";
    }

    static QByteArray cellBorders(bool heading)
    {
        QByteArray out;
        if (heading) out += "\\clcbpat" + QByteArray::number(kHeadingFillColour);
        for (const char* side : {"t", "l", "b", "r"})
            out += QByteArray("\\clbrdr") + side + "\\brdrs\\brdrw" +
                   QByteArray::number(style::kBorderWidth) + "\\brdrcf" +
                   QByteArray::number(kGridColour);
        return out;
    }

    void writeTable(const Table& t)
    {
        const std::vector<int> widths = columnWidths(t);
        for (int r = 1; r <= t.rows; ++r) {
            const bool heading = t.formatted && r == 1;
            m_out += "\\trowd\\trgaph" + QByteArray::number(style::kCellPaddingX) + "\\trleft" +
                     QByteArray::number(style::kTableIndent);
            for (const char* side : {"l", "r"})
                m_out += QByteArray("\\trpadd") + side + QByteArray::number(style::kCellPaddingX) +
                         "\\trpaddf" + side + '3';
            for (const char* side : {"t", "b"})
                m_out += QByteArray("\\trpadd") + side + QByteArray::number(style::kCellPaddingY) +
                         "\\trpaddf" + side + '3';
            if (heading) m_out += "\\trhdr";
            m_out += '\n';
            int right = style::kTableIndent;
            for (int c = 1; c <= t.columns; ++c) {
                right += widths[c - 1];
                m_out += cellBorders(heading) + "\\cellx" + QByteArray::number(right) + '\n';
            }
            for (int c = 1; c <= t.columns; ++c) {
                const TableCell& cell = t.cell(r, c);
                m_out += "\\pard\\intbl\\plain" + alignmentWord(cell.alignment) + "\\sb0\\sa0" +
                         lineSpacing(t.format.size) + charFormat(t.format);
                if (heading) m_out += "\\b\\cf" + QByteArray::number(kHeadingTextColour);
                m_out += ' ';
                const QStringList lines = cell.text.split(kParagraphEnd);
                for (int i = 0; i < lines.size(); ++i) {
                    if (i > 0) m_out += "\\par ";
                    m_out += rtfText(lines[i]);
                }
                m_out += "\\cell\n";
            }
            m_out += "\\row\n";
        }
    }

    const ReportDocument& m_document;
    QStringList m_fonts;
    QByteArray m_out;
};

} // namespace

QByteArray rtfText(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    const QHash<char16_t, uchar>& cp1252 = cp1252Bytes();
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == u'\n') {
            out += "\\line ";
        } else if (c < 0x20 || c == 0x7F) {
            continue; // no meaning inside a run of text
        } else if (c < 0x80) {
            out += char(c);
        } else if (const auto it = cp1252.constFind(c); it != cp1252.constEnd()) {
            static const char hex[] = "0123456789abcdef";
            out += "\\'";
            out += hex[*it >> 4];
            out += hex[*it & 0xF];
        } else {
            // Each UTF-16 unit on its own, surrogates included, as a signed number.
            out += "\\u" + QByteArray::number(static_cast<qint16>(c)) + '?';
        }
    }
    return out;
}

QByteArray toRtf(const ReportDocument& document)
{
    return RtfBuilder(document).build();
}

} // namespace tipolab
