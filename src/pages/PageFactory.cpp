// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFactory.h"

#include "CDlgTabGakubu.h"
#include "CDlgTabJibun.h"
#include "CDlgTabJiko.h"
#include "CDlgTabKomoku1.h"
#include "CDlgTabKomoku2.h"
#include "PageIdentity.h"

SamplePage* PageFactory::Create(const QString& folder, QWidget* parent,
                                std::optional<QList<SampleRecord>> catalogue)
{
    const QList<PageIdentity::Page>& pages = PageIdentity::All();
    for (int tab = 0; tab < pages.size(); ++tab) {
        if (pages.at(tab).folder != folder)
            continue;
        switch (PageIdentity::Tab(tab)) {
        case PageIdentity::Koumoku1:
            return new CDlgTabKomoku1(parent, std::move(catalogue));
        case PageIdentity::Koumoku2:
            return new CDlgTabKomoku2(parent, std::move(catalogue));
        case PageIdentity::Gakubu:
            return new CDlgTabGakubu(parent, std::move(catalogue));
        case PageIdentity::Jiko:
            return new CDlgTabJiko(parent, std::move(catalogue));
        case PageIdentity::Jibun:
            return new CDlgTabJibun(parent);
        }
    }
    return nullptr;
}
