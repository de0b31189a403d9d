// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The question before closing on an unsaved draft, answered as a user would.
#include "ExitQuestion.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using Choice = ExitQuestion::Choice;
Q_DECLARE_METATYPE(Choice)

class TestExitQuestion : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void TestExitQuestion::answers_data()
{
    QTest::addColumn<QString>("button"); // empty: Escape
    QTest::addColumn<Choice>("choice");
    QTest::newRow("save") << QStringLiteral("保存…") << Choice::Save;
    QTest::newRow("discard") << QStringLiteral("保存せずに終了") << Choice::Discard;
    QTest::newRow("cancel") << QStringLiteral("キャンセル") << Choice::Cancel;
    QTest::newRow("Escape cancels") << QString() << Choice::Cancel;
}

void TestExitQuestion::answers()
{
    QFETCH(QString, button);
    QFETCH(Choice, choice);
    QStringList offered;
    QTimer::singleShot(0, this, [&offered, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* b : box->buttons())
            offered << b->text();
        if (button.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == button)
                b->click();
        }
    });
    QWidget parent;
    QCOMPARE(ExitQuestion::Ask(&parent), choice);
    offered.sort();
    QStringList expected{QStringLiteral("保存…"), QStringLiteral("保存せずに終了"),
                         QStringLiteral("キャンセル")};
    expected.sort();
    QCOMPARE(offered, expected);
}

QTEST_MAIN(TestExitQuestion)
#include "tst_exitquestion.moc"
