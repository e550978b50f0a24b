#include "rtf_writer.h"

#include "document/document_style.h"
#include "files/text_encoding.h"
#include "layout/table_layout.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <charconv>

namespace tipolab {
namespace {

// The upper half of code page 1252, character to byte, for the characters
// from U+00A0 to U+2122 (the highest the code page holds); 0 where it has none.
constexpr char16_t kCp1252Last = 0x2122;

const std::array<uchar, kCp1252Last + 1>& cp1252Bytes()
{
    static const auto table = [] {
        std::array<uchar, kCp1252Last + 1> t{};
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const QString c = QString::fromStdString(decodeCp1252(byte));
            // The bytes the code page leaves unassigned decode to control characters.
            if (c.size() == 1 && c[0].unicode() >= 0xA0 && c[0].unicode() <= kCp1252Last)
                t[c[0].unicode()] = uchar(b);
        }
        return t;
    }();
    return table;
}

// Colour table entries (1-based, entry 0 is the automatic colour).
enum Colour { kTextColour = 1, kHeadingTextColour, kHeadingFillColour, kGridColour };

// The file as it grows: words, numbers and text appended in place.
class RtfOut {
public:
    RtfOut& operator<<(const char* word)
    {
        m_bytes.append(word);
        return *this;
    }
    RtfOut& operator<<(char c)
    {
        m_bytes.append(c);
        return *this;
    }
    RtfOut& operator<<(const QByteArray& bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    RtfOut& operator<<(int n)
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        m_bytes.append(digits, end - digits);
        return *this;
    }
    // `text` as RTF characters; see rtfText().
    void text(QStringView text);

    void reserve(qsizetype size) { m_bytes.reserve(size); }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

void RtfOut::text(QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    const std::array<uchar, kCp1252Last + 1>& cp1252 = cp1252Bytes();
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == u'\\' || c == u'{' || c == u'}') m_bytes.append('\\');
            m_bytes.append(char(c));
        } else if (c == u'\t') {
            m_bytes.append("\\tab ");
        } else if (c == u'\n') {
            m_bytes.append("\\line ");
        } else if (c < 0x80) {
            continue; // no meaning inside a run of text
        } else if (const uchar b = c <= kCp1252Last ? cp1252[c] : 0) {
            const char escaped[] = {'\\', '\'', hex[b >> 4], hex[b & 0xF]};
            m_bytes.append(escaped, 4);
        } else {
            // Each UTF-16 unit on its own, surrogates included, as a signed number.
            *this << "\\u" << int(static_cast<qint16>(c)) << '?';
        }
    }
}

void colourEntry(RtfOut& out, const QColor& c)
{
    out << "\\red" << c.red() << "\\green" << c.green() << "\\blue" << c.blue() << ';';
}

// Exact line spacing.
void lineSpacing(RtfOut& out, int points)
{
    out << "\\sl-" << style::lineHeight(points) << "\\slmult0";
}

const char* alignmentWord(Alignment a)
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
        m_out.reserve(estimatedSize());
        m_out << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040\\uc1\n";
        m_out << "{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            m_out << "{\\f" << i << "\\fswiss\\fcharset0 ";
            m_out.text(m_fonts[i]);
            m_out << ";}";
        }
        m_out << "}\n{\\colortbl;";
        colourEntry(m_out, style::kText);
        colourEntry(m_out, style::kHeadingText);
        colourEntry(m_out, style::kHeadingFill);
        colourEntry(m_out, style::kGrid);
        m_out << "}\n";
        // The normal style in the document's font, so that a paragraph the word
        // processor adds at the end (after a table or a page break) is in it too.
        m_out << "{\\stylesheet{\\s0";
        charFormat(CharFormat());
        m_out << "\\snext0 Normal;}}\n";
        if (!m_document.title.isEmpty()) {
            m_out << "{\\info{\\title ";
            m_out.text(m_document.title);
            m_out << "}}\n";
        }
        m_out << "\\paperw" << style::kPageWidth << "\\paperh" << style::kPageHeight;
        for (const char* side : {"\\margl", "\\margr", "\\margt", "\\margb"})
            m_out << side << style::kMargin;
        m_out << "\\viewkind1\n";
        for (const Block& block : m_document.blocks) {
            if (const auto* p = std::get_if<Paragraph>(&block))
                writeParagraph(*p);
            else if (const auto* t = std::get_if<Table>(&block))
                writeTable(*t);
            else
                writePicture(std::get<Picture>(block));
        }
        m_out << "}\n";
        return m_out.take();
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

    // Room for the text and the control words around it, so that the file
    // grows without copying.
    qsizetype estimatedSize() const
    {
        qsizetype size = 1024;
        for (const Block& block : m_document.blocks) {
            if (const auto* p = std::get_if<Paragraph>(&block)) {
                size += 64;
                for (const TextRun& run : p->runs)
                    size += 16 + run.text.size();
            } else if (const auto* t = std::get_if<Table>(&block)) {
                size += t->rows * (200 + 200 * t->columns);
                for (const TableCell& cell : t->cells)
                    size += cell.text.size();
            } else {
                size += 128 + 2 * std::get<Picture>(block).png.size() * 129 / 128;
            }
        }
        return size;
    }

    int fontNumber(const QString& family)
    {
        // Nearly every run is in the first font.
        if (!m_fonts.isEmpty() && m_fonts.first() == family) return 0;
        return static_cast<int>(m_fonts.indexOf(family));
    }

    void charFormat(const CharFormat& f)
    {
        m_out << "\\f" << fontNumber(f.font) << "\\fs" << f.size * 2;
    }

    void writeParagraph(const Paragraph& p)
    {
        m_out << "\\pard\\plain" << alignmentWord(p.alignment) << "\\sb0\\sa0";
        lineSpacing(m_out, p.largestSize());
        for (const TextRun& run : p.runs) {
            if (run.pageBreak) {
                m_out << "\\page";
                continue;
            }
            charFormat(run.format);
            m_out << ' ';
            m_out.text(run.text);
        }
        charFormat(p.mark);
        m_out << "\\par\n";
    }

    // A PNG picture in a paragraph of its own, at its size in twips; the
    // paragraph's height follows the picture.
    void writePicture(const Picture& p)
    {
        m_out << "\\pard\\plain" << alignmentWord(p.alignment) << "\\sb0\\sa0{\\pict\\pngblip\\picw"
              << p.pixels.width() << "\\pich" << p.pixels.height() << "\\picwgoal" << p.size.width()
              << "\\pichgoal" << p.size.height() << '\n';
        const QByteArray hex = p.png.toHex();
        constexpr qsizetype kLine = 128;
        for (qsizetype i = 0; i < hex.size(); i += kLine) {
            m_out << QByteArray::fromRawData(hex.constData() + i, std::min(kLine, hex.size() - i));
            m_out << '\n';
        }
        m_out << "}\\par\n";
    }

    // The definition of a row: padding, heading, and every cell's borders and
    // right edge. All rows of a table but its heading share it.
    QByteArray rowDefinition(const std::vector<int>& widths, bool heading) const
    {
        RtfOut out;
        out << "\\trowd\\trgaph" << style::kCellPaddingX << "\\trleft" << style::kTableIndent;
        for (const char* side : {"l", "r"})
            out << "\\trpadd" << side << style::kCellPaddingX << "\\trpaddf" << side << '3';
        for (const char* side : {"t", "b"})
            out << "\\trpadd" << side << style::kCellPaddingY << "\\trpaddf" << side << '3';
        if (heading) out << "\\trhdr";
        out << '\n';
        int right = style::kTableIndent;
        for (int width : widths) {
            right += width;
            if (heading) out << "\\clcbpat" << int(kHeadingFillColour);
            for (const char* side : {"t", "l", "b", "r"})
                out << "\\clbrdr" << side << "\\brdrs\\brdrw" << style::kBorderWidth << "\\brdrcf"
                    << int(kGridColour);
            out << "\\cellx" << right << '\n';
        }
        return out.take();
    }

    void writeTable(const Table& t)
    {
        const std::vector<int> widths = columnWidths(t);
        const QByteArray body = rowDefinition(widths, false);
        for (int r = 1; r <= t.rows; ++r) {
            const bool heading = t.formatted && r == 1;
            m_out << (heading ? rowDefinition(widths, true) : body);
            for (int c = 1; c <= t.columns; ++c) {
                const TableCell& cell = t.cell(r, c);
                m_out << "\\pard\\intbl\\plain" << alignmentWord(cell.alignment) << "\\sb0\\sa0";
                lineSpacing(m_out, t.format.size);
                charFormat(t.format);
                if (heading) m_out << "\\b\\cf" << int(kHeadingTextColour);
                m_out << ' ';
                QStringView rest(cell.text);
                for (qsizetype end; (end = rest.indexOf(kParagraphEnd)) >= 0;
                     rest = rest.mid(end + 1)) {
                    m_out.text(rest.left(end));
                    m_out << "\\par ";
                }
                m_out.text(rest);
                m_out << "\\cell\n";
            }
            m_out << "\\row\n";
        }
    }

    const ReportDocument& m_document;
    QStringList m_fonts;
    RtfOut m_out;
};

} // namespace

QByteArray rtfText(const QString& text)
{
    RtfOut out;
    out.reserve(text.size() + 16);
    out.text(text);
    return out.take();
}

QByteArray toRtf(const ReportDocument& document)
{
    return RtfBuilder(document).build();
}

} // namespace tipolab
