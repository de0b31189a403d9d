// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two-slot window over a match list: the top slot shows match `position`, the
// bottom slot match `position + 1`. Plain logic; the page mirrors it onto a scroll bar.
class ResultPager
{
public:
    // Scroll requests, in the order of the classic scroll-bar codes.
    enum ScrollCode
    {
        LineUp = 0,
        LineDown = 1,
        PageUp = 2,
        PageDown = 3,
        ThumbPosition = 4,
        ThumbTrack = 5,
        Top = 6,
        Bottom = 7,
        EndScroll = 8,
    };

    // A fresh selection of `count` matches: back to the first two, paging only when
    // there is more than one window.
    void Reset(int count);
    // Nothing selected: no matches, nothing to page.
    void Clear();

    // Applies one scroll request and returns the new position. Home and End move a
    // single step, as the arrows do: the pager never jumps to either end.
    int Scroll(int code, int thumbPosition = 0);
    // One wheel message moves one match, whatever its delta; towards the user
    // (negative) moves down. Returns false when paging is off and nothing moved.
    bool Wheel(int delta);

    int count() const { return m_count; }
    int position() const { return m_position; }
    int maximum() const { return m_count > 2 ? m_count - 2 : 0; }
    bool isEnabled() const { return m_enabled; }

    // Match shown in each slot, or -1 for an empty slot.
    int topMatch() const { return m_position < m_count ? m_position : -1; }
    int bottomMatch() const { return m_position + 1 < m_count ? m_position + 1 : -1; }

private:
    int m_count = 0;
    int m_position = 0;
    // Before the first selection the bar is live over an empty range.
    bool m_enabled = true;
};
