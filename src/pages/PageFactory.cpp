// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFactory.h"

#include "CDlgTabGakubu.h"
#include "CDlgTabJibun.h"
#include "CDlgTabJiko.h"
#include "CDlgTabKomoku1.h"
#include "CDlgTabKomoku2.h"

SamplePage* PageFactory::Create(const QString& folder, QWidget* parent)
{
    if (folder == CDlgTabKomoku1::Folder)
        return new CDlgTabKomoku1(parent);
    if (folder == CDlgTabKomoku2::Folder)
        return new CDlgTabKomoku2(parent);
    if (folder == CDlgTabGakubu::Folder)
        return new CDlgTabGakubu(parent);
    if (folder == CDlgTabJiko::Folder)
        return new CDlgTabJiko(parent);
    if (folder == CDlgTabJibun::Folder)
        return new CDlgTabJibun(parent);
    return nullptr;
}
