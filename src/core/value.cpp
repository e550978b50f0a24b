#include "value.h"

#include <cctype>
#include <charconv>
#include <cmath>
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
