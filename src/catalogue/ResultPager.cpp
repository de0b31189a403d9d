// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultPager.h"

#include <algorithm>

void ResultPager::Reset(int count)
{
    m_count = std::max(count, 0);
    m_position = 0;
    m_enabled = m_count > 2;
}

void ResultPager::Clear()
{
    m_count = 0;
    m_position = 0;
    m_enabled = false;
}

int ResultPager::Scroll(int code, int thumbPosition)
{
    const int p = m_position;
    int next = p;
    switch (code) {
    case LineUp:
    case Top:
        next = p - 1;
        break;
    case LineDown:
    case Bottom:
        next = p + 1;
        break;
    case PageUp:
        next = p - 2;
        break;
    case PageDown:
        next = p + 2;
        break;
    case ThumbPosition:
    case ThumbTrack:
        next = thumbPosition;
        break;
    default:
        break;
    }
    m_position = std::clamp(next, 0, maximum());
    return m_position;
}

bool ResultPager::Wheel(int delta)
{
    if (!m_enabled)
        return false;
    Scroll(delta < 0 ? LineDown : LineUp);
    return true;
}
