// Lengths in 1/64 of a device pixel, rounded the way Qt's text layout rounds
// its own: the page count repeats that arithmetic step by step, since a length
// off by 1/64 can move a line to the next page.
#pragma once

#include <QtGlobal>
#include <climits>
#include <cstdint>

namespace tipolab {

class Fixed {
public:
    constexpr Fixed() = default;
    constexpr explicit Fixed(int whole) : m_v(whole * 64) {}

    // Truncates towards zero, as the layout converts a real length.
    static constexpr Fixed fromReal(double r) { return raw(static_cast<int>(r * 64.0)); }
    static constexpr Fixed raw(int v)
    {
        Fixed f;
        f.m_v = v;
        return f;
    }
    // The widest length the layout knows: a line with no width limit.
    static constexpr Fixed max() { return Fixed(INT_MAX / 256); }

    constexpr int value() const { return m_v; }
    constexpr double toReal() const { return double(m_v) / 64.0; }
    constexpr int truncate() const { return m_v >> 6; }
    constexpr Fixed round() const { return raw((m_v + 32) & -64); }
    constexpr Fixed ceil() const { return raw((m_v + 63) & -64); }

    constexpr Fixed operator+(Fixed o) const { return raw(m_v + o.m_v); }
    constexpr Fixed operator-(Fixed o) const { return raw(m_v - o.m_v); }
    constexpr Fixed operator-() const { return raw(-m_v); }
    constexpr Fixed operator*(int i) const { return raw(m_v * i); }
    constexpr Fixed operator/(int i) const { return raw(m_v / i); }
    Fixed& operator+=(Fixed o)
    {
        m_v += o.m_v;
        return *this;
    }
    Fixed& operator-=(Fixed o)
    {
        m_v -= o.m_v;
        return *this;
    }

    // Products and quotients of two lengths round to the nearest 1/64.
    Fixed operator*(Fixed o) const
    {
        const bool negative = (m_v < 0) != (o.m_v < 0);
        const std::int64_t a = m_v < 0 ? -std::int64_t(m_v) : m_v;
        const std::int64_t b = o.m_v < 0 ? -std::int64_t(o.m_v) : o.m_v;
        const int r = static_cast<int>((a * b + 0x20) >> 6);
        return raw(negative ? -r : r);
    }
    Fixed operator/(Fixed o) const
    {
        if (o.m_v == 0) return raw(0x7FFFFFFF);
        const bool negative = (m_v < 0) != (o.m_v < 0);
        const std::int64_t a = m_v < 0 ? -std::int64_t(m_v) : m_v;
        const std::int64_t b = o.m_v < 0 ? -std::int64_t(o.m_v) : o.m_v;
        const int r = static_cast<int>(((a << 6) + (b >> 1)) / b);
        return raw(negative ? -r : r);
    }

    friend constexpr bool operator==(Fixed a, Fixed b) { return a.m_v == b.m_v; }
    friend constexpr auto operator<=>(Fixed a, Fixed b) { return a.m_v <=> b.m_v; }

private:
    int m_v = 0;
};

constexpr Fixed operator*(int i, Fixed f)
{
    return f * i;
}

} // namespace tipolab
