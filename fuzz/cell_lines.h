#pragma once

#include <string_view>
#include <utility>

#include "rowsweep/engine/matrix.h"

// The input grid from a fuzzer's bytes: its eighteen cell texts one per
// line, row by row. Missing lines are empty cells; lines after the
// eighteenth are ignored. As "Solve" reads the grid, a cell that `read`
// does not take counts as 0.
template<class Number, class Read>
rowsweep::BasicMatrix<Number> readCellLines(std::string_view input, Read read)
{
    rowsweep::BasicMatrix<Number> matrix{};
    for (auto& row : matrix)
        for (Number& value : row) {
            const auto end = input.find('\n');
            if (auto cell = read(input.substr(0, end)))
                value = std::move(*cell);
            input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        }
    return matrix;
}
