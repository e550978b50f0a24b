#include "value.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace tipolab {

double Value::toNumber() const
{
    if (const double* d = std::get_if<double>(&m_payload)) return *d;
    if (const std::string* s = std::get_if<std::string>(&m_payload)) {
        double n = 0;
        if (parseInvariantNumber(*s, n)) return n;
    }
    return 0;
}

std::string Value::toText() const
{
    if (const std::string* s = std::get_if<std::string>(&m_payload)) return *s;
    if (const double* d = std::get_if<double>(&m_payload)) {
        std::string t = formatArchiveNumber(*d);
        if (t.starts_with('.'))
            t.insert(0, "0");
        else if (t.starts_with("-."))
            t.insert(1, "0");
        return t;
    }
    return {};
}

namespace {

// Digits with at most one point and at most 15 digits in all ("12", ".9",
// "0.125"): the whole digits and the power of ten are exact doubles, so their
// quotient is the correctly rounded value, the same that from_chars gives.
bool readShortDecimal(std::string_view s, double& out)
{
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1; // no point yet
    for (const char c : s) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            if (++count > 15) return false;
            digits = digits * 10 + (c - '0');
            if (decimals >= 0) ++decimals;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    out = static_cast<double>(digits) / kPowersOfTen[std::max(decimals, 0)];
    return true;
}

} // namespace

bool parseInvariantNumber(std::string_view s, double& out)
{
    if (s.empty()) return false;
    std::string_view body = s;
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    // from_chars refuses a leading sign other than '-' and a bare ".5" is fine,
    // but it also refuses "inf"/"nan" only in some modes: check the first char.
    if (body.empty() ||
        !(std::isdigit(static_cast<unsigned char>(body.front())) || body.front() == '.'))
        return false;
    double v = 0;
    if (readShortDecimal(body, v)) {
        out = negative ? -v : v;
        return true;
    }
    const char* end = body.data() + body.size();
    auto [ptr, ec] = std::from_chars(body.data(), end, v, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(v)) return false;
    out = negative ? -v : v;
    return true;
}

std::string formatArchiveNumber(double n)
{
    char buf[64];
    std::to_chars_result r;
    if (n == std::floor(n) && std::fabs(n) < 1e15) {
        r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(n));
    } else {
        r = std::to_chars(buf, buf + sizeof buf, static_cast<float>(n), std::chars_format::fixed);
    }
    std::string t(buf, r.ptr);
    if (t.starts_with("0."))
        t.erase(0, 1);
    else if (t.starts_with("-0."))
        t.erase(1, 1);
    if (t == "-0") t = "0";
    return t;
}

} // namespace tipolab
