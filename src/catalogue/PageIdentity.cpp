// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageIdentity.h"

const QList<PageIdentity::Page>& PageIdentity::All()
{
    static const QList<Page> pages = {
        {QStringLiteral("koumoku1"), QStringLiteral("項目別推薦文(推薦・志望理由)　"),
         QStringLiteral("【項目別推薦文】推薦・志望理由"), 0xFF0066, 0xFF0066, Selector::Fields,
         false},
        {QStringLiteral("koumoku2"), QStringLiteral("項目別推薦文(学業／人物／課外活動)　"),
         QString(), 0x3399FF, 0x3399FF, Selector::Qualities, false},
        {QStringLiteral("gakubu"), QStringLiteral("学部別推薦文　"),
         QStringLiteral("【学部別推薦文】"), 0x8FD500, 0x7EBB00, Selector::Fields, true},
        {QStringLiteral("jiko"), QStringLiteral("自己推薦文　"), QStringLiteral("【自己推薦文】"),
         0xFF9900, 0xFF9900, Selector::Faculties, true},
        // No catalogue and no documents of its own: what the user keeps.
        {QStringLiteral("jibun"), QStringLiteral("自分の文例　"), QStringLiteral("【自分の文例】"),
         0x9966CC, 0x9966CC, Selector::Own, false},
    };
    return pages;
}

const PageIdentity::Page& PageIdentity::ForFolder(const QString& folder)
{
    for (const Page& page : All()) {
        if (page.folder == folder)
            return page;
    }
    static const Page none{{}, {}, {}, 0x333333, 0x333333, Selector::None, false};
    return none;
}
