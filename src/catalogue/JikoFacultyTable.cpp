// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JikoFacultyTable.h"

namespace {

// Labels stand at x 23, ten units high; each arrow sits one unit above its label.
JikoFacultyTable::Faculty Row(int labelId, int arrowId, const char16_t* name, int y, int width)
{
    return {labelId, arrowId, QString::fromUtf16(name), QRect(23, y, width, 10),
            QRect(12, y - 1, 7, 9)};
}

} // namespace

const QList<JikoFacultyTable::Faculty>& JikoFacultyTable::faculties()
{
    // Not the field selector's column: the last faculty is 芸術学部 alone, and there
    // is no 文系・理系共通.
    static const QList<Faculty> table = {
        Row(1001, 1025, u"文学部", 32, 30),
        Row(1002, 1028, u"外国語学部", 48, 45),
        Row(1003, 1029, u"人文・教養・人間科学部", 64, 74),
        Row(1004, 1030, u"教育・教員養成系学部", 80, 74),
        Row(1005, 1031, u"法学部", 96, 29),
        Row(1006, 1032, u"経済・経営・商学部", 112, 61),
        Row(1007, 1033, u"社会・社会福祉学部", 128, 69),
        Row(1008, 1034, u"国際関係学部", 144, 50),
        Row(1009, 1035, u"理学部", 160, 29),
        Row(1010, 1036, u"工学部", 176, 29),
        Row(1011, 1037, u"農・獣医畜産・水産学部", 193, 74),
        Row(1012, 1038, u"医学・歯学部", 209, 43),
        Row(1013, 1039, u"看護・医療・栄養・薬学部", 225, 77),
        Row(1014, 1040, u"家政・生活学部", 241, 49),
        Row(1015, 1041, u"芸術学部", 257, 57),
    };
    return table;
}
