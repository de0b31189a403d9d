// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckGroup.h"

const QList<CheckGroup::Box>& CheckGroup::Boxes()
{
    static const QList<Box> boxes = {
        {1003,
         QStringLiteral("特に優れた科目・関心のある科目"),
         HumanitiesAcademics,
         {14, 41, 123, 10}},
        {1004, QStringLiteral("思考・判断"), HumanitiesAcademics, {14, 56, 52, 10}},
        {1005, QStringLiteral("技能・表現"), HumanitiesAcademics, {14, 70, 52, 10}},
        {1006, QStringLiteral("知識・理解"), HumanitiesAcademics, {14, 84, 52, 10}},
        {1007, QStringLiteral("成績"), HumanitiesAcademics, {80, 56, 32, 10}},
        {1008, QStringLiteral("資格"), HumanitiesAcademics, {80, 70, 35, 10}},
        {1009, QStringLiteral("努力"), HumanitiesAcademics, {80, 84, 49, 10}},
        {1010,
         QStringLiteral("特に優れた科目・関心のある科目"),
         ScienceAcademics,
         {14, 119, 123, 10}},
        {1011, QStringLiteral("思考・判断"), ScienceAcademics, {14, 134, 52, 10}},
        {1012, QStringLiteral("技能・表現"), ScienceAcademics, {14, 148, 55, 10}},
        {1014, QStringLiteral("知識・理解"), ScienceAcademics, {14, 162, 52, 10}},
        {1015, QStringLiteral("成績"), ScienceAcademics, {80, 134, 32, 10}},
        {1016, QStringLiteral("資格"), ScienceAcademics, {80, 148, 33, 10}},
        {1017, QStringLiteral("努力"), ScienceAcademics, {80, 162, 41, 10}},
        {1018, QStringLiteral("明朗快活"), Character, {14, 214, 48, 10}},
        {1019, QStringLiteral("誠実・正義感"), Character, {14, 228, 54, 10}},
        {1020, QStringLiteral("協調性"), Character, {14, 242, 51, 10}},
        {1021, QStringLiteral("責任感"), Character, {14, 256, 38, 10}},
        {1022, QStringLiteral("公正さ・判断力"), Character, {14, 270, 58, 10}},
        {1023, QStringLiteral("意思・信念"), Character, {14, 284, 52, 10}},
        {1024, QStringLiteral("自律・努力"), Character, {80, 214, 47, 10}},
        {1025, QStringLiteral("学問的資質"), Character, {80, 228, 56, 10}},
        {1026, QStringLiteral("生活態度・健康"), Character, {80, 242, 58, 10}},
        {1027, QStringLiteral("趣味・特技"), Character, {80, 256, 48, 10}},
        {1028, QStringLiteral("将来像"), Character, {80, 270, 37, 10}},
        {1029, QStringLiteral("積極性・リーダーシップ"), Character, {80, 284, 72, 10}},
        {1030, QStringLiteral("校外活動"), Activities, {14, 336, 44, 10}},
        {1031, QStringLiteral("クラブ活動"), Activities, {14, 350, 48, 10}},
        {1032, QStringLiteral("委員会活動・各種係"), Activities, {14, 364, 74, 10}},
        {1042, QStringLiteral("校内活動"), Activities, {14, 378, 48, 10}},
    };
    return boxes;
}

int CheckGroup::PositionOf(int id)
{
    const QList<Box>& boxes = Boxes();
    for (qsizetype p = 0; p < boxes.size(); ++p) {
        if (boxes.at(p).id == id)
            return int(p);
    }
    return -1;
}

QList<int> CheckGroup::Positions(Group group)
{
    QList<int> positions;
    const QList<Box>& boxes = Boxes();
    for (qsizetype p = 0; p < boxes.size(); ++p) {
        if (boxes.at(p).group == group)
            positions << int(p);
    }
    return positions;
}

QList<CheckGroup::Heading> CheckGroup::Headings(Group group)
{
    const QString common = QStringLiteral("文系・理系共通");
    switch (group) {
    case HumanitiesAcademics:
        return {{1047, QStringLiteral("【項目別推薦文】学業"), true, {2, 5}},
                {1048, QStringLiteral("文系"), false, {3, 22}}};
    case ScienceAcademics:
        return {{1049, QStringLiteral("理系"), false, {3, 100}}};
    case Character:
        return {{1050, QStringLiteral("【項目別推薦文】人物"), true, {3, 178}},
                {1051, common, false, {3, 195}}};
    case Activities:
        return {{1052, QStringLiteral("【項目別推薦文】課外活動"), true, {3, 300}},
                {1053, common, false, {3, 317}}};
    }
    return {};
}
