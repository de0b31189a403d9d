#include "CategoryCaptions.h"

#include "FieldTable.h"

#include <QList>

namespace {

struct Page
{
    QString folder;
    QString title;
    QColor colour;
};

const QList<Page>& Pages()
{
    static const QList<Page> pages = {
        {QStringLiteral("koumoku1"), QStringLiteral("【項目別推薦文】推薦・志望理由"),
         QColor(255, 0, 102)},
        {QStringLiteral("koumoku2"), QStringLiteral("【項目別推薦文】学業／人物／課外活動"),
         QColor(51, 153, 255)},
        {QStringLiteral("gakubu"), QStringLiteral("【学部別推薦文】"), QColor(143, 213, 0)},
        {QStringLiteral("jiko"), QStringLiteral("【自己推薦文】"), QColor(255, 153, 0)},
    };
    return pages;
}

// The check boxes of the academics/character/activities page in mask order, under the
// headings their groups stand beneath.
struct CheckGroup
{
    QString heading;
    QStringList captions;
};

const QList<CheckGroup>& CheckGroups()
{
    static const QStringList academics = {
        QStringLiteral("特に優れた科目・関心のある科目"),
        QStringLiteral("思考・判断"),
        QStringLiteral("技能・表現"),
        QStringLiteral("知識・理解"),
        QStringLiteral("成績"),
        QStringLiteral("資格"),
        QStringLiteral("努力"),
    };
    static const QList<CheckGroup> groups = {
        {QStringLiteral("学業（文系）"), academics},
        {QStringLiteral("学業（理系）"), academics},
        {QStringLiteral("人物（文系・理系共通）"),
         {QStringLiteral("明朗快活"), QStringLiteral("誠実・正義感"), QStringLiteral("協調性"),
          QStringLiteral("責任感"), QStringLiteral("公正さ・判断力"), QStringLiteral("意思・信念"),
          QStringLiteral("自律・努力"), QStringLiteral("学問的資質"),
          QStringLiteral("生活態度・健康"), QStringLiteral("趣味・特技"), QStringLiteral("将来像"),
          QStringLiteral("積極性・リーダーシップ")}},
        {QStringLiteral("課外活動（文系・理系共通）"),
         {QStringLiteral("校外活動"), QStringLiteral("クラブ活動"),
          QStringLiteral("委員会活動・各種係"), QStringLiteral("校内活動")}},
    };
    return groups;
}

const QStringList& SelfRecommendationFaculties()
{
    static const QStringList faculties = {
        QStringLiteral("文学部"),
        QStringLiteral("外国語学部"),
        QStringLiteral("人文・教養・人間科学部"),
        QStringLiteral("教育・教員養成系学部"),
        QStringLiteral("法学部"),
        QStringLiteral("経済・経営・商学部"),
        QStringLiteral("社会・社会福祉学部"),
        QStringLiteral("国際関係学部"),
        QStringLiteral("理学部"),
        QStringLiteral("工学部"),
        QStringLiteral("農・獣医畜産・水産学部"),
        QStringLiteral("医学・歯学部"),
        QStringLiteral("看護・医療・栄養・薬学部"),
        QStringLiteral("家政・生活学部"),
        QStringLiteral("芸術学部"),
    };
    return faculties;
}

bool Filed(const QString& mask, int position)
{
    return position < mask.size() && mask.at(position) == u'1';
}

} // namespace

QString CategoryCaptions::PageTitle(const QString& folder)
{
    for (const Page& page : Pages()) {
        if (page.folder == folder)
            return page.title;
    }
    return {};
}

QColor CategoryCaptions::TabColour(const QString& folder)
{
    for (const Page& page : Pages()) {
        if (page.folder == folder)
            return page.colour;
    }
    return QColor(51, 51, 51);
}

QList<CategoryCaptions::Category> CategoryCaptions::Categories(const QString& folder,
                                                               const QString& mask)
{
    QList<Category> lines;
    if (folder == QStringLiteral("koumoku1") || folder == QStringLiteral("gakubu")) {
        for (int i = 0; i < FieldTable::FieldCount; ++i) {
            if (Filed(mask, i))
                lines << Category{FieldTable::Caption(i)};
        }
    } else if (folder == QStringLiteral("koumoku2")) {
        int position = 0;
        for (const CheckGroup& group : CheckGroups()) {
            QStringList ticked;
            for (const QString& caption : group.captions) {
                if (Filed(mask, position++))
                    ticked << caption;
            }
            if (!ticked.isEmpty())
                lines << Category{group.heading, ticked.join(u'、')};
        }
    } else if (folder == QStringLiteral("jiko")) {
        const QStringList& faculties = SelfRecommendationFaculties();
        for (int i = 0; i < faculties.size(); ++i) {
            if (Filed(mask, i))
                lines << Category{faculties.at(i)};
        }
    }
    return lines;
}
