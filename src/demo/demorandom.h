#pragma once

#include <QVector>
#include <cstdint>

namespace tarvel::demo {

// splitmix64: our own generator, so the demo company comes out the same on every
// machine and library version (std:: distributions are not specified bit for
// bit). Only integer operations and exact floating-point steps are used.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // [0, 1) with 53 random bits.
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

    // [low, high], both included.
    int between(int low, int high) { return low + int(next() % std::uint64_t(high - low + 1)); }

    bool chance(double probability) { return unit() < probability; }

    template <typename T> const T &pick(const QVector<T> &values)
    {
        return values.at(between(0, int(values.size()) - 1));
    }

    // A count around mean: several a day on average, never the same every day.
    int count(double mean)
    {
        const double value = mean * (0.5 + unit()) + unit();
        return int(value);
    }

    // An independent stream for one part of the company, so that a change in
    // one part leaves the others as they were.
    DemoRandom fork(std::uint64_t salt) { return DemoRandom(next() ^ (salt * 0xD1B54A32D192ED03ull)); }

private:
    std::uint64_t m_state;
};

// Picks indices with integer weights (popular items, busy customers).
class WeightedPicker {
public:
    void add(int index, int weight)
    {
        m_total += weight;
        m_indices.push_back(index);
        m_bounds.push_back(m_total);
    }
    bool isEmpty() const { return m_total == 0; }
    int pick(DemoRandom &random) const
    {
        const std::int64_t target = std::int64_t(random.next() % std::uint64_t(m_total));
        int low = 0;
        int high = int(m_bounds.size()) - 1;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (m_bounds.at(middle) > target)
                high = middle;
            else
                low = middle + 1;
        }
        return m_indices.at(low);
    }

private:
    QVector<int> m_indices;
    QVector<std::int64_t> m_bounds;
    std::int64_t m_total = 0;
};

} // namespace tarvel::demo
