#pragma once

#include <QString>
#include <Qt>
#include <vector>

namespace tarvel {

// The order a caption click sorts a column's cells in: numbers as numbers
// ("1.234,50", "-3", "%12,30"), dates (dd.MM.yyyy) as dates, other texts in
// Turkish alphabetical order; numbers before dates before texts, and empty
// cells last in either direction. Equal cells keep their order.
// Returns the positions of texts in that order.
std::vector<int> sortedPositions(const std::vector<QString> &texts, Qt::SortOrder order);

// The positions of values in that order; equal values keep their order.
std::vector<int> sortedPositions(const std::vector<double> &values, Qt::SortOrder order);

} // namespace tarvel
