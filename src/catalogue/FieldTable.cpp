#include "FieldTable.h"

// Commands and indices are tied by this table, not by arithmetic: the two faculties
// without a menu take indices 33 and 42 and leave no gap in the command ids.
const QList<FieldTable::Faculty>& FieldTable::faculties()
{
    static const QList<Faculty> table = {
        {1001,
         1025,
         QStringLiteral("文学部"),
         QRect(23, 32, 30, 10),
         QRect(12, 31, 9, 9),
         145,
         {0, 1, 2}},
        {1002,
         1028,
         QStringLiteral("外国語学部"),
         QRect(23, 48, 45, 10),
         QRect(12, 47, 9, 9),
         146,
         {3, 4}},
        {1003,
         1029,
         QStringLiteral("人文・教養・人間科学部"),
         QRect(23, 64, 74, 10),
         QRect(12, 63, 9, 9),
         147,
         {5, 6, 7, 8}},
        {1004,
         1030,
         QStringLiteral("教育・教員養成系学部"),
         QRect(23, 80, 74, 10),
         QRect(12, 79, 9, 9),
         148,
         {9, 10}},
        {1005,
         1031,
         QStringLiteral("法学部"),
         QRect(23, 96, 29, 10),
         QRect(12, 95, 9, 9),
         149,
         {11, 12}},
        {1006,
         1032,
         QStringLiteral("経済・経営・商学部"),
         QRect(23, 112, 61, 10),
         QRect(12, 111, 9, 9),
         150,
         {13, 14}},
        {1007,
         1033,
         QStringLiteral("社会・社会福祉学部"),
         QRect(23, 128, 70, 10),
         QRect(12, 127, 9, 9),
         151,
         {15, 16}},
        {1008,
         1034,
         QStringLiteral("国際関係学部"),
         QRect(23, 144, 50, 10),
         QRect(12, 143, 9, 9),
         152,
         {17, 18}},
        {1009,
         1035,
         QStringLiteral("理学部"),
         QRect(23, 160, 29, 10),
         QRect(12, 159, 9, 9),
         153,
         {19, 20, 21, 22}},
        {1010,
         1036,
         QStringLiteral("工学部"),
         QRect(23, 176, 29, 10),
         QRect(12, 175, 9, 9),
         154,
         {23, 24, 25, 26, 27, 28, 29, 30}},
        {1011,
         1037,
         QStringLiteral("農・獣医畜産・水産学部"),
         QRect(23, 193, 74, 10),
         QRect(12, 192, 9, 9),
         155,
         {31, 32}},
        {1012,
         1038,
         QStringLiteral("医学・歯学部"),
         QRect(23, 209, 43, 10),
         QRect(12, 208, 9, 9),
         0,
         {33}},
        {1013,
         1039,
         QStringLiteral("看護・医療・栄養・薬学部"),
         QRect(23, 225, 77, 10),
         QRect(12, 224, 9, 9),
         156,
         {34, 35, 36}},
        {1014,
         1040,
         QStringLiteral("家政・生活学部"),
         QRect(23, 241, 49, 10),
         QRect(12, 240, 9, 9),
         157,
         {37, 38, 39, 40, 41}},
        {1015,
         1041,
         QStringLiteral("体育学・芸術学部"),
         QRect(23, 257, 57, 10),
         QRect(12, 256, 9, 9),
         0,
         {42}},
        {1016,
         1042,
         QStringLiteral("文系・理系共通"),
         QRect(23, 272, 57, 10),
         QRect(12, 272, 9, 9),
         158,
         {43, 44, 45}},
    };
    return table;
}

const QList<FieldTable::Field>& FieldTable::fields()
{
    static const QList<Field> table = {
        {0, 32815, 0, QStringLiteral("文学分野")},
        {1, 32816, 0, QStringLiteral("史学・地理学・哲学分野")},
        {2, 32817, 0, QStringLiteral("心理学分野")},
        {3, 32818, 1, QStringLiteral("英語学分野")},
        {4, 32819, 1, QStringLiteral("その他の外国語学分野")},
        {5, 32820, 2, QStringLiteral("文化学分野")},
        {6, 32821, 2, QStringLiteral("教養学分野")},
        {7, 32822, 2, QStringLiteral("総合科学分野")},
        {8, 32823, 2, QStringLiteral("人間科学分野")},
        {9, 32824, 3, QStringLiteral("教員養成系分野")},
        {10, 32825, 3, QStringLiteral("教育学分野")},
        {11, 32826, 4, QStringLiteral("法学分野")},
        {12, 32827, 4, QStringLiteral("政治学分野")},
        {13, 32828, 5, QStringLiteral("経済学分野")},
        {14, 32829, 5, QStringLiteral("経営・商学分野")},
        {15, 32830, 6, QStringLiteral("社会学分野")},
        {16, 32831, 6, QStringLiteral("福祉学分野")},
        {17, 32832, 7, QStringLiteral("国際関係学分野")},
        {18, 32833, 7, QStringLiteral("国際文化学分野")},
        {19, 32834, 8, QStringLiteral("数学・情報科学分野")},
        {20, 32835, 8, QStringLiteral("物理学・化学分野")},
        {21, 32836, 8, QStringLiteral("生物学分野")},
        {22, 32837, 8, QStringLiteral("地学・環境科学分野")},
        {23, 32838, 9, QStringLiteral("機械工学分野")},
        {24, 32839, 9, QStringLiteral("電気・電子工学分野")},
        {25, 32840, 9, QStringLiteral("情報工学分野")},
        {26, 32841, 9, QStringLiteral("土木・建築工学分野")},
        {27, 32842, 9, QStringLiteral("化学工学分野")},
        {28, 32843, 9, QStringLiteral("生物工学分野")},
        {29, 32844, 9, QStringLiteral("物理工学分野")},
        {30, 32845, 9, QStringLiteral("資源・環境工学分野")},
        {31, 32846, 10, QStringLiteral("農学・水産学分野")},
        {32, 32847, 10, QStringLiteral("獣医学・畜産学分野")},
        {33, 0, 11, QStringLiteral("医学・歯学分野")},
        {34, 32848, 12, QStringLiteral("看護学分野")},
        {35, 32849, 12, QStringLiteral("医療技術分野")},
        {36, 32850, 12, QStringLiteral("薬学分野")},
        {37, 32851, 13, QStringLiteral("食物学分野")},
        {38, 32852, 13, QStringLiteral("被服学分野")},
        {39, 32853, 13, QStringLiteral("住居学分野")},
        {40, 32854, 13, QStringLiteral("児童学分野")},
        {41, 32855, 13, QStringLiteral("生活科学分野")},
        {42, 0, 14, QStringLiteral("体育学・芸術学分野")},
        {43, 32856, 15, QStringLiteral("文系全般")},
        {44, 32857, 15, QStringLiteral("理系全般")},
        {45, 32858, 15, QStringLiteral("文系・理系全般")},
    };
    return table;
}

QString FieldTable::Caption(int fieldIndex)
{
    if (fieldIndex < 0 || fieldIndex >= fields().size())
        return {};
    const Field& field = fields().at(fieldIndex);
    return faculties().at(field.faculty).name + QStringLiteral("\u3000\uFF1E\u3000") + field.name;
}

int FieldTable::FieldForCommand(int commandId)
{
    for (const Field& field : fields()) {
        if (field.commandId != 0 && field.commandId == commandId)
            return field.index;
    }
    return -1;
}

int FieldTable::FacultyForControl(int controlId)
{
    for (qsizetype i = 0; i < faculties().size(); ++i) {
        const Faculty& faculty = faculties().at(i);
        if (faculty.labelId == controlId || faculty.arrowId == controlId)
            return int(i);
    }
    return -1;
}
