#pragma once

// The entries of the table list, by index: nothing chosen, each single table
// at its own number, then all of them together.
namespace TableChoice {

constexpr int None = 0;
constexpr int FirstTable = 1;
constexpr int LastTable = 9;
constexpr int FullTable = 10;

constexpr bool isSingleTable(int index)
{
    return index >= FirstTable && index <= LastTable;
}

} // namespace TableChoice
