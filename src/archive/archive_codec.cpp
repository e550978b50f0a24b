#include "archive_codec.h"

#include "core/model.h"
#include "files/text_encoding.h"

#include <algorithm>
#include <cmath>

namespace tipolab {
namespace {

// ---- writing -------------------------------------------------------------

void appendValue(std::string& line, const Value& v)
{
    if (v.isNumber()) {
        line += formatArchiveNumber(v.toNumber());
    } else if (v.isText()) {
        line += '"';
        for (char ch : v.toText())
            line += ch == '"' ? '\'' : ch;
        line += '"';
    }
    // never set: nothing at all
}

void appendLine(std::string& out, std::initializer_list<const Value*> values)
{
    bool first = true;
    for (const Value* v : values) {
        if (!first) out += ',';
        first = false;
        appendValue(out, *v);
    }
    out += "\r\n";
}

// ---- reading -------------------------------------------------------------

enum class TokenKind { Empty, Quoted, Bare };

struct Token {
    TokenKind kind = TokenKind::Empty;
    std::string_view text; // quoted: between the quotes; bare: trimmed (in the text read)
    int line = 0;
    int position = 0;

    // The value as it appears in the file, for messages.
    std::string shown() const
    {
        return kind == TokenKind::Quoted ? '"' + std::string(text) + '"' : std::string(text);
    }
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Splits the text into values: a comma or a line end ends a value, blanks
// before a value are skipped, a value that begins with a double quote runs to
// the next double quote (whatever follows it up to the delimiter is skipped).
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : m_s(text) {}

    // False when the file has no further value.
    bool next(Token& tok)
    {
        if (m_p >= m_s.size() && !m_afterComma) return false;
        while (m_p < m_s.size() && isBlank(m_s[m_p]))
            ++m_p;
        tok = Token{};
        tok.line = m_line;
        tok.position = ++m_valueInLine;
        if (m_p < m_s.size() && m_s[m_p] == '"') {
            const std::size_t close = m_s.find('"', m_p + 1);
            const std::size_t end = close == std::string_view::npos ? m_s.size() : close;
            tok.kind = TokenKind::Quoted;
            tok.text = m_s.substr(m_p + 1, end - m_p - 1);
            for (char c : tok.text)
                if (c == '\n') ++m_line, m_valueInLine = 0;
            m_p = close == std::string_view::npos ? end : end + 1;
            while (m_p < m_s.size() && !isDelimiter(m_s[m_p]))
                ++m_p;
        } else {
            const std::size_t start = m_p;
            while (m_p < m_s.size() && !isDelimiter(m_s[m_p]))
                ++m_p;
            std::string_view raw = m_s.substr(start, m_p - start);
            while (!raw.empty() && isBlank(raw.back()))
                raw.remove_suffix(1);
            tok.kind = raw.empty() ? TokenKind::Empty : TokenKind::Bare;
            tok.text = raw;
        }
        consumeDelimiter();
        return true;
    }

    int line() const { return m_line; }
    int valueInLine() const { return m_valueInLine; }

private:
    static bool isDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void consumeDelimiter()
    {
        m_afterComma = false;
        if (m_p >= m_s.size()) return;
        if (m_s[m_p] == ',') {
            ++m_p;
            m_afterComma = true;
            return;
        }
        if (m_s[m_p] == '\r' && m_p + 1 < m_s.size() && m_s[m_p + 1] == '\n') ++m_p;
        ++m_p;
        ++m_line;
        m_valueInLine = 0;
    }

    std::string_view m_s;
    std::size_t m_p = 0;
    int m_line = 1;
    int m_valueInLine = 0;
    bool m_afterComma = false;
};

// A whole number spelled with digits only (after trimming), in [lo, hi].
bool readWhole(std::string_view text, int lo, int hi, int& out)
{
    double v = 0;
    if (!parseInvariantNumber(text, v) || v != std::floor(v) || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

// The length of UTF-8 text in UTF-16 units.
std::size_t utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80) units += b >= 0xF0 ? 2 : 1;
    }
    return units;
}

std::string_view trimmed(std::string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && isBlank(s[a]))
        ++a;
    while (b > a && isBlank(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_tok(text) {}

    bool failed() const { return m_failed; }
    const ArchiveError& error() const { return m_error; }

    std::string title(int field)
    {
        Token t;
        if (!take(t)) return {};
        // Quoted or bare, a title field is whatever text stands there, as
        // long as the windows can hold it whole.
        const std::size_t units = utf16Length(t.text);
        if (units > std::size_t(kLongestTitleField)) {
            const std::string reason = "il campo \u00ab" + std::string(kTitleFieldNames[field]) +
                                       "\u00bb \u00e8 lungo " + std::to_string(units) +
                                       " caratteri: le finestre ne contengono al massimo " +
                                       std::to_string(kLongestTitleField);
            failAt(t.line, t.position, {}, reason);
            return {};
        }
        return std::string(t.text);
    }

    Value tick()
    {
        Token t;
        if (!take(t) || t.kind == TokenKind::Empty) return {};
        int v = 0;
        if (!readWhole(trimmed(t.text), 0, 1, v)) return fail(t, "la spunta deve valere 0 o 1");
        return Value::number(v);
    }

    Value word()
    {
        Token t;
        if (!take(t) || t.kind == TokenKind::Empty) return {};
        if (t.kind == TokenKind::Quoted && t.text.empty()) return Value::text({});
        if (stepOfWord(t.text) == 0)
            return fail(t,
                        "il giudizio non \u00e8 una voce della scala (da \"massimo\" a \"nullo\")");
        return Value::text(std::string(t.text));
    }

    Value step()
    {
        Token t;
        if (!take(t) || t.kind == TokenKind::Empty) return {};
        if (t.kind == TokenKind::Quoted && t.text.empty()) return Value::text({});
        int v = 0;
        if (!readWhole(trimmed(t.text), 1, kStepCount, v))
            return fail(t, "il valore del giudizio deve essere un numero intero da 1 a 11");
        return Value::text(std::to_string(v));
    }

    Value coefficient()
    {
        Token t;
        if (!take(t) || t.kind == TokenKind::Empty) return {};
        if (t.kind == TokenKind::Quoted && t.text.empty()) return Value::text({});
        double v = 0;
        if (!parseInvariantNumber(trimmed(t.text), v) || v < 0 || v > 1)
            return fail(t, "il coefficiente deve essere un numero da 0 a 1");
        return Value::number(static_cast<float>(v));
    }

    // The line the last value read starts on, and that value as the file has it.
    int lastLine() const { return m_last.line; }
    std::string lastShown() const { return m_last.shown(); }

    void failAt(int line, int position, std::string value, std::string reason)
    {
        m_failed = true;
        m_error.line = line;
        m_error.position = position;
        m_error.value = std::move(value);
        m_error.reason = std::move(reason);
    }

    Value weight()
    {
        Token t;
        if (!take(t) || t.kind == TokenKind::Empty) return {};
        if (t.kind == TokenKind::Quoted && t.text.empty()) return Value::text({});
        int v = 0;
        if (!readWhole(trimmed(t.text), 0, 100, v))
            return fail(t, "il peso deve essere un numero intero da 0 a 100");
        // Kept in the form the file gives: the window's text, or the number a clear leaves.
        return t.kind == TokenKind::Quoted ? Value::text(std::to_string(v)) : Value::number(v);
    }

private:
    bool take(Token& t)
    {
        if (m_failed) return false;
        if (m_tok.next(t)) {
            ++m_count;
            m_last = t;
            return true;
        }
        m_failed = true;
        m_error.line = m_tok.line();
        m_error.position = m_tok.valueInLine() + 1;
        m_error.reason = "il file finisce prima del valore " + std::to_string(m_count + 1) +
                         " di " + std::to_string(kArchiveValueCount) +
                         ": non \u00e8 un archivio completo";
        return false;
    }

    Value fail(const Token& t, const char* reason)
    {
        failAt(t.line, t.position, t.shown(), reason);
        return {};
    }

    Tokenizer m_tok;
    Token m_last;
    int m_count = 0;
    bool m_failed = false;
    ArchiveError m_error;
};

// The step a judgement's word or step number gives, 0 for none.
int stepOf(const Value& v, bool word)
{
    if (v.isEmpty()) return 0;
    return word ? stepOfWord(v.toText()) : static_cast<int>(v.toNumber());
}

// Whether the word, the step and the coefficient of a judgement say the
// same: the word of the step, and the single-precision coefficient of the
// step, or 0 where an untick left it; without a judgement, no coefficient
// or 0.
bool agrees(const Judgement& j)
{
    const int step = stepOf(j.step, false);
    if (stepOf(j.word, true) != step) return false;
    if (j.coefficient.isEmpty()) return step == 0;
    const auto c = static_cast<float>(j.coefficient.toNumber());
    if (std::signbit(c)) return false;
    if (step == 0) return c == 0;
    return c == stepCoefficient(step) || (c == 0 && !j.isTicked());
}

std::string disagreement(const Judgement& j, const std::string& word, const std::string& step,
                         const std::string& coefficient)
{
    const auto shown = [](const std::string& v) { return v.empty() ? std::string("nessuno") : v; };
    std::string s = "il giudizio " + shown(word) + ", il valore del giudizio " + shown(step) +
                    " e il coefficiente " + shown(coefficient) + " non concordano: ";
    const int n = j.step.isEmpty() ? stepOf(j.word, true) : stepOf(j.step, false);
    if (n == 0) return s + "senza giudizio il coefficiente \u00e8 0 o manca";
    return s + "al valore " + std::to_string(n) + " corrispondono il giudizio \"" +
           std::string(stepWord(n)) + "\" e il coefficiente " +
           formatArchiveNumber(stepCoefficient(n));
}

void readJudgement(FieldReader& in, Judgement& j)
{
    j.tick = in.tick();
    const int line = in.lastLine();
    j.word = in.word();
    const std::string word = in.lastShown();
    j.step = in.step();
    const std::string step = in.lastShown();
    j.coefficient = in.coefficient();
    if (in.failed() || agrees(j)) return;
    in.failAt(line, 0, {}, disagreement(j, word, step, in.lastShown()));
}

} // namespace

std::string ArchiveError::describe() const
{
    std::string s = "riga " + std::to_string(line);
    if (position > 0) s += ", valore " + std::to_string(position);
    if (!value.empty()) s += " (\u00ab" + value + "\u00bb)";
    return s + ": " + reason;
}

std::string writeArchive(const ArchiveRecord& record)
{
    std::string out;
    out.reserve(4096);
    std::array<Value, kTitleFieldCount> title;
    for (int i = 0; i < kTitleFieldCount; ++i)
        title[i] = Value::text(record.title[i]);
    appendLine(out, {&title[0], &title[1], &title[2], &title[3], &title[4], &title[5], &title[6]});
    for (const Judgement& j : record.types)
        appendLine(out, {&j.tick, &j.word, &j.step, &j.coefficient});
    for (const CharacteristicRow& row : record.characteristics)
        for (const CharacteristicEntry& e : row)
            appendLine(out, {&e.tick, &e.word, &e.step, &e.coefficient, &e.weight});

    // Code page bytes that would read back as UTF-8 are written as UTF-8.
    std::optional<std::string> legacy = encodeCp1252(out);
    if (legacy && !readsAsUtf8(*legacy)) return std::move(*legacy);
    return std::string(kUtf8Bom) + out;
}

ArchiveReadResult readArchive(std::string_view bytes)
{
    ArchiveReadResult result;
    std::string text;
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        const std::size_t bad = findInvalidUtf8(bytes);
        if (bad != std::string_view::npos) {
            std::string_view before = bytes.substr(0, bad);
            result.error.line =
                1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
            result.error.reason =
                "il file si dichiara in UTF-8 ma contiene caratteri non validi in quella codifica";
            return result;
        }
        text.assign(bytes);
    } else {
        text = decodeUnmarked(bytes);
    }

    FieldReader in(text);
    ArchiveRecord record;
    for (int i = 0; i < kTitleFieldCount; ++i)
        record.title[i] = in.title(i);
    for (Judgement& j : record.types)
        readJudgement(in, j);
    for (CharacteristicRow& row : record.characteristics) {
        for (CharacteristicEntry& e : row) {
            readJudgement(in, e);
            e.weight = in.weight();
        }
    }
    if (in.failed()) {
        result.error = in.error();
        return result;
    }
    result.record = std::move(record);
    return result;
}

ArchiveRecord recordFrom(const AssessmentData& data, const TitleFields& title)
{
    ArchiveRecord r;
    r.title = title;
    r.types = data.types;
    r.characteristics = data.characteristics;
    return r;
}

void applyRecord(const ArchiveRecord& record, AssessmentData& data)
{
    data.types = record.types;
    data.characteristics = record.characteristics;
}

} // namespace tipolab
