#include "grid/gridsort.h"

#include "foundation/base/turkishtext.h"
#include "grid/cellvalue.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace tarvel {

namespace {

struct Key {
    enum Class : quint8 { Number, Date, Text, Empty };
    Class kind = Empty;
    double value = 0; // the number, the date's day, the text's rank
};

// Texts are ranked once per distinct text: lists repeat their names a lot,
// and comparing two ranks costs nothing beside collating two texts.
std::vector<Key> keysOf(const std::vector<QString> &texts)
{
    std::vector<Key> keys(texts.size());
    QHash<QString, int> distinct;
    std::vector<QString> names;
    std::vector<int> nameOf(texts.size(), -1);
    for (size_t i = 0; i < texts.size(); ++i) {
        const QString &t = texts[i];
        if (t.trimmed().isEmpty())
            continue;
        if (const auto number = cellNumber(t)) {
            keys[i] = {Key::Number, *number};
        } else if (const auto date = cellDate(t)) {
            keys[i] = {Key::Date, double(date->toJulianDay())};
        } else {
            auto it = distinct.constFind(t);
            if (it == distinct.cend()) {
                it = distinct.insert(t, int(names.size()));
                names.push_back(t);
            }
            keys[i].kind = Key::Text;
            nameOf[i] = it.value();
        }
    }
    const std::vector<int> ordered = TurkishCollator().order(names);
    std::vector<int> rank(names.size());
    for (size_t r = 0; r < ordered.size(); ++r)
        rank[size_t(ordered[r])] = int(r);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (nameOf[i] >= 0)
            keys[i].value = rank[size_t(nameOf[i])];
    }
    return keys;
}

std::vector<int> sortKeys(const std::vector<Key> &keys, Qt::SortOrder order)
{
    std::vector<int> positions(keys.size());
    std::iota(positions.begin(), positions.end(), 0);
    const bool descending = order == Qt::DescendingOrder;
    std::stable_sort(positions.begin(), positions.end(), [&keys, descending](int a, int b) {
        const Key &x = keys[size_t(a)];
        const Key &y = keys[size_t(b)];
        // Empty cells stay at the end whichever way the column sorts.
        if ((x.kind == Key::Empty) != (y.kind == Key::Empty))
            return y.kind == Key::Empty;
        if (x.kind != y.kind)
            return descending ? x.kind > y.kind : x.kind < y.kind;
        return descending ? x.value > y.value : x.value < y.value;
    });
    return positions;
}

} // namespace

std::vector<int> sortedPositions(const std::vector<QString> &texts, Qt::SortOrder order)
{
    return sortKeys(keysOf(texts), order);
}

std::vector<int> sortedPositions(const std::vector<double> &values, Qt::SortOrder order)
{
    std::vector<Key> keys;
    keys.reserve(values.size());
    for (double v : values)
        keys.push_back({Key::Number, v});
    return sortKeys(keys, order);
}

} // namespace tarvel
