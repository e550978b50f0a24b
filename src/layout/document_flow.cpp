#include "document_flow.h"

#include <algorithm>

namespace tipolab {
namespace {

bool isBlockSeparator(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
           c == QChar(0xFDD1);
}

class FlowMaker {
public:
    std::vector<FlowItem> take() { return std::move(m_items); }

    void add(const Block& block)
    {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            addParagraph(*p);
            return;
        }
        m_items.push_back(FlowItem{FlowItem::Object, {}, FlowObject{&block, m_breakPending}});
        m_breakPending = false;
    }

private:
    // Returns the new block's place in the items.
    std::size_t startBlock(const Paragraph& p)
    {
        FlowBlock b;
        b.mark = p.mark;
        b.alignment = p.alignment;
        b.lineSize = p.largestSize();
        b.breakBefore = m_breakPending;
        m_breakPending = false;
        m_items.push_back(FlowItem{FlowItem::Text, std::move(b), {}});
        return m_items.size() - 1;
    }

    void addParagraph(const Paragraph& p)
    {
        const bool hasText = std::any_of(p.runs.begin(), p.runs.end(), [](const TextRun& r) {
            return !r.pageBreak && !r.text.isEmpty();
        });
        if (!hasText) {
            m_items[startBlock(p)].text.pieces.push_back({QString(kEmptyLine), p.mark});
            if (p.hasPageBreak()) m_breakPending = true;
            return;
        }
        constexpr std::size_t kNone = std::size_t(-1);
        std::size_t open = kNone;
        for (const TextRun& run : p.runs) {
            if (run.pageBreak) {
                open = kNone;
                m_breakPending = true;
                continue;
            }
            if (open == kNone) open = startBlock(p);
            const QStringList parts = splitAtBlockSeparators(run.text);
            for (qsizetype i = 0; i < parts.size(); ++i) {
                if (i > 0) {
                    // The new block takes the format of the one it leaves.
                    FlowBlock next = m_items[open].text;
                    next.pieces.clear();
                    next.mark = run.format;
                    next.continues = true;
                    m_items.push_back(FlowItem{FlowItem::Text, std::move(next), {}});
                    open = m_items.size() - 1;
                }
                if (!parts[i].isEmpty())
                    m_items[open].text.pieces.push_back({parts[i], run.format});
            }
        }
    }

    std::vector<FlowItem> m_items;
    bool m_breakPending = false;
};

} // namespace

std::vector<FlowItem> documentFlow(const ReportDocument& document)
{
    FlowMaker maker;
    for (const Block& block : document.blocks)
        maker.add(block);
    return maker.take();
}

QStringList splitAtBlockSeparators(const QString& text)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBlockSeparator(text[i])) continue;
        out << text.mid(start, i - start);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    out << text.mid(start);
    return out;
}

QStringList cellBlocks(const QString& text)
{
    QStringList out;
    for (const QString& paragraph : text.split(kParagraphEnd))
        out << splitAtBlockSeparators(paragraph);
    return out;
}

Qt::Alignment qtAlignment(Alignment a)
{
    switch (a) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Justify:
        return Qt::AlignJustify;
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace tipolab
