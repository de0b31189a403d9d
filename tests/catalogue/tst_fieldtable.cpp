#include "FieldTable.h"

#include <QSet>
#include <QTest>

class TestFieldTable : public QObject
{
    Q_OBJECT
private slots:
    void captions_data();
    void captions();
    void everyFieldOnceInFacultyOrder();
    void facultyMenus_data();
    void facultyMenus();
};

void TestFieldTable::captions_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0") << 0 << QStringLiteral("文学部　＞　文学分野");
    QTest::newRow("1") << 1 << QStringLiteral("文学部　＞　史学・地理学・哲学分野");
    QTest::newRow("15 uses the label's name")
        << 15 << QStringLiteral("社会・社会福祉学部　＞　社会学分野");
    QTest::newRow("25") << 25 << QStringLiteral("工学部　＞　情報工学分野");
    QTest::newRow("33") << 33 << QStringLiteral("医学・歯学部　＞　医学・歯学分野");
    QTest::newRow("34") << 34 << QStringLiteral("看護・医療・栄養・薬学部　＞　看護学分野");
    QTest::newRow("42") << 42 << QStringLiteral("体育学・芸術学部　＞　体育学・芸術学分野");
    QTest::newRow("43") << 43 << QStringLiteral("文系・理系共通　＞　文系全般");
    QTest::newRow("45") << 45 << QStringLiteral("文系・理系共通　＞　文系・理系全般");
    QTest::newRow("out of range") << 46 << QString();
}

void TestFieldTable::captions()
{
    QFETCH(int, field);
    QFETCH(QString, caption);
    QCOMPARE(FieldTable::Caption(field), caption);
    if (!caption.isEmpty()) {
        // The separator is exactly U+3000 U+FF1E U+3000.
        QCOMPARE(caption.count(QStringLiteral("\u3000\uFF1E\u3000")), 1);
    }
}

void TestFieldTable::everyFieldOnceInFacultyOrder()
{
    QCOMPARE(FieldTable::fields().size(), FieldTable::FieldCount);
    QCOMPARE(FieldTable::faculties().size(), FieldTable::FacultyCount);
    int expected = 0;
    QSet<int> commands;
    for (const FieldTable::Faculty& faculty : FieldTable::faculties()) {
        for (int field : faculty.fields) {
            QCOMPARE(field, expected++);
            const FieldTable::Field& f = FieldTable::fields().at(field);
            QCOMPARE(f.index, field);
            QCOMPARE(FieldTable::faculties().at(f.faculty).labelId, faculty.labelId);
            if (faculty.menuId == 0) {
                QCOMPARE(f.commandId, 0);
            } else {
                QVERIFY(!commands.contains(f.commandId));
                commands.insert(f.commandId);
            }
        }
    }
    QCOMPARE(expected, 46);
    QCOMPARE(commands.size(), 44);
}

void TestFieldTable::facultyMenus_data()
{
    QTest::addColumn<int>("labelId");
    QTest::addColumn<int>("menuId");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("工学部") << 1010 << 154 << QStringList{QStringLiteral("機械工学分野"),
                                                          QStringLiteral("電気・電子工学分野"),
                                                          QStringLiteral("情報工学分野"),
                                                          QStringLiteral("土木・建築工学分野"),
                                                          QStringLiteral("化学工学分野"),
                                                          QStringLiteral("生物工学分野"),
                                                          QStringLiteral("物理工学分野"),
                                                          QStringLiteral("資源・環境工学分野")};
    QTest::newRow("医学・歯学部 selects at once")
        << 1012 << 0 << QStringList{QStringLiteral("医学・歯学分野")};
    QTest::newRow("体育学・芸術学部 selects at once")
        << 1015 << 0 << QStringList{QStringLiteral("体育学・芸術学分野")};
    QTest::newRow("文系・理系共通")
        << 1016 << 158
        << QStringList{QStringLiteral("文系全般"), QStringLiteral("理系全般"),
                       QStringLiteral("文系・理系全般")};
}

void TestFieldTable::facultyMenus()
{
    QFETCH(int, labelId);
    QFETCH(int, menuId);
    QFETCH(QStringList, fields);
    int faculty = 0;
    while (FieldTable::faculties().at(faculty).labelId != labelId)
        ++faculty;
    QCOMPARE(FieldTable::faculties().at(faculty).menuId, menuId);
    QStringList names;
    for (int field : FieldTable::faculties().at(faculty).fields)
        names << FieldTable::fields().at(field).name;
    QCOMPARE(names, fields);
}

QTEST_APPLESS_MAIN(TestFieldTable)
#include "tst_fieldtable.moc"
