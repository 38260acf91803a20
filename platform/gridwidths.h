#pragma once

#include <vector>

namespace platform {

// The proportional width rule shared by the item grids: the unit is the whole part of
// ((grid width - 30) / sum of the weights of the visible columns), and each visible column is
// its weight times the unit wide. `weights` are the visible columns' weights, in order.
// Returns one width per weight, or nothing at all when there is no visible column, no
// weight, or a grid too narrow for a unit of one pixel. A column of weight 0 gets -1: it keeps
// the width it has instead of shrinking to nothing.
std::vector<int> ProportionalWidths(int gridWidth, const std::vector<int> &weights);

} // namespace platform
