// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

// Where the desk and the blue-grey blocks beside it and the slots sit on a page, in
// page pixels. The first block holds the desk's commands, the other two each slot's
// PDF button, 字数 and "下書きへ"; what stands in a block stands in from its sides.
class PageLayout
{
public:
    static constexpr int BlockLeft = 865;
    static constexpr int BlockWidth = 98;
    static constexpr int BlockHeight = 188;
    static constexpr std::array<int, 3> BlockTops{41, 237, 434};
    static constexpr int BlockInset = 5;
    static constexpr int InBlockLeft = BlockLeft + BlockInset;
    static constexpr int InBlockWidth = BlockWidth - 2 * BlockInset;

    static constexpr QRect Block(int block)
    {
        return {BlockLeft, BlockTops.at(block), BlockWidth, BlockHeight};
    }
    // From the slots' left edge to the first block's right edge.
    static constexpr QRect DeskArea{291, BlockTops.front(), BlockLeft + BlockWidth - 291,
                                    BlockHeight};
};
