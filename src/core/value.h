// One stored item of an assessment as the archive file holds it: never set,
// a number or a text. The windows and the file read and write items this way.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tipolab {

class Value {
public:
    Value() = default; // never set
    static Value number(double n) { return Value(Payload(n)); }
    static Value text(std::string s) { return Value(Payload(std::move(s))); }

    bool isNeverSet() const { return std::holds_alternative<std::monostate>(m_payload); }
    bool isNumber() const { return std::holds_alternative<double>(m_payload); }
    bool isText() const { return std::holds_alternative<std::string>(m_payload); }
    // Never set, or a text that is empty.
    bool isEmpty() const
    {
        return isNeverSet() || (isText() && std::get<std::string>(m_payload).empty());
    }

    // The value as a number: a text counts as the number it spells (in invariant
    // form), anything else as 0.
    double toNumber() const;
    // The value as a text: a number gives its plain decimal text, never set gives "".
    std::string toText() const;

    bool operator==(const Value&) const = default;

private:
    using Payload = std::variant<std::monostate, double, std::string>;
    explicit Value(Payload p) : m_payload(std::move(p)) {}
    Payload m_payload;
};

// Parses an invariant-form number (point as decimal separator, optional sign,
// optional leading zero, optional exponent). Returns false for anything else.
bool parseInvariantNumber(std::string_view s, double& out);

// The shortest invariant text of a number as the archive writes it: whole
// numbers plain ("1", "12"), others with the shortest digits that read back to
// the same single-precision value and no leading zero (".9", "-.5").
std::string formatArchiveNumber(double n);

} // namespace tipolab
