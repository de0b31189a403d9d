// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the main window: every control reachable in Qt's
// accessibility tree with a role and a name, labels that can be pressed, and the
// count spoken when it changes.
#include "CDlgTabKomoku2.h"
#include "CMyEdit.h"
#include "CatalogueData.h"
#include "CategoryPage.h"
#include "CheckGroup.h"
#include "ChoiceColumn.h"
#include "ClickableLabel.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DocumentOpener.h"
#include "DraftEdit.h"
#include "FieldSelector.h"
#include "FieldTable.h"
#include "MenuButton.h"
#include "MultiLineButton.h"
#include "SamplePage.h"
#include "SlotDraftControls.h"
#include "WindowFixture.h"
#include "WritingDesk.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QAccessibleInterface*> Walk(QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> all{root};
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i))
            all << Walk(child);
    }
    return all;
}

QAccessibleInterface* Find(QAccessibleInterface* root, QObject* object)
{
    for (QAccessibleInterface* node : Walk(root)) {
        if (node->object() == object)
            return node;
    }
    return nullptr;
}

void Press(QAccessibleInterface* node)
{
    QVERIFY(node);
    QAccessibleActionInterface* actions = node->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

QList<QObject*>& NameChanges()
{
    static QList<QObject*> changes;
    return changes;
}

void RecordUpdate(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged)
        NameChanges() << event->object();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyVisibleControlIsNamed_data();
    void everyVisibleControlIsNamed();
    void checkBoxesSpeakTheirCaptionAndTick();
    void tickingThroughTheActionDoesWhatAClickDoes_data();
    void tickingThroughTheActionDoesWhatAClickDoes();
    void controlsHaveTheirRoleAndName_data();
    void controlsHaveTheirRoleAndName();
    void pressingALabelOpensItsMenu_data();
    void pressingALabelOpensItsMenu();
    void pressingADirectFacultySelects_data();
    void pressingADirectFacultySelects();
    void countChangesAreAnnounced();
    void pdfButtonsFollowTheSlots();
    void guideLinkOpensTheGuide();
    void searchFieldAndTabDescriptions();
    void deskWorksThroughTheScreenReader();

private:
    QAccessibleInterface* Root() const { return QAccessible::queryAccessibleInterface(m_window); }
    CategoryPage* Page() const { return qobject_cast<CategoryPage*>(m_window->Page(0)); }
    FieldSelector* Selector() const { return Page()->findChild<FieldSelector*>(); }
    // A faculty's choice as a screen reader reaches it: through the column's group.
    QAccessibleInterface* Choice(int faculty) const
    {
        QAccessibleInterface* column = Find(Root(), Selector()->Column());
        return column ? column->child(faculty) : nullptr;
    }
    QPoint ArrowOnScreen(int faculty) const
    {
        return Selector()->Column()->mapToGlobal(Selector()->Column()->ArrowRect(faculty).center());
    }
    QAccessibleInterface* ChoiceAt(QPoint global) const
    {
        return Find(Root(), Selector()->Column())->childAt(global.x(), global.y());
    }

    QTemporaryDir m_documents;
    WindowFixture m_fixture;
    Ctavoru_2Dlg* m_window = nullptr;
};

void TestAccessibility::initTestCase()
{
    QVERIFY(m_documents.isValid());
    QFile guide(m_documents.filePath(QStringLiteral("riyou.pdf")));
    QVERIFY(guide.open(QIODevice::WriteOnly));
    QAccessible::installUpdateHandler(RecordUpdate);
    QAccessible::setActive(true);
}

void TestAccessibility::init()
{
    NameChanges().clear();
    QVERIFY(m_fixture.Open(m_documents.path()));
    m_window = m_fixture.window.get();
}

void TestAccessibility::cleanup()
{
    m_fixture.window.reset();
}

void TestAccessibility::everyVisibleControlIsNamed_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("least");
    // Exit, guide, four tabs, the shared slots, buttons, pager, caption, count and its
    // heading, and each page's own: 16 faculty choices on tabs 0 and 2, 30 boxes and the
    // clear button on tab 1, 15 faculty choices on tab 3.
    QTest::newRow("tab 0") << 0 << 50;
    QTest::newRow("tab 1") << 1 << 46;
    QTest::newRow("tab 2") << 2 << 50;
    QTest::newRow("tab 3") << 3 << 49;
}

void TestAccessibility::everyVisibleControlIsNamed()
{
    QFETCH(int, tab);
    QFETCH(int, least);
    m_window->TabBar()->setCurrentIndex(tab);
    int named = 0;
    for (QAccessibleInterface* node : Walk(Root())) {
        if (node->state().invisible)
            continue;
        const QAccessible::Role role = node->role();
        const bool control = role == QAccessible::PushButton || role == QAccessible::Button ||
                             role == QAccessible::ButtonMenu || role == QAccessible::Link ||
                             role == QAccessible::EditableText || role == QAccessible::ScrollBar ||
                             role == QAccessible::CheckBox || role == QAccessible::PageTab ||
                             role == QAccessible::StaticText || role == QAccessible::Graphic;
        if (!control)
            continue;
        const QString what =
            QStringLiteral("%1 (role %2)")
                .arg(node->object() ? node->object()->metaObject()->className() : "?")
                .arg(int(role));
        QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(what + " has no name"));
        ++named;
    }
    QVERIFY2(named >= least, qPrintable(QString::number(named)));
}

void TestAccessibility::checkBoxesSpeakTheirCaptionAndTick()
{
    m_window->TabBar()->setCurrentIndex(1);
    auto* page = qobject_cast<CDlgTabKomoku2*>(m_window->Page(1));
    QVERIFY(page);
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        QAccessibleInterface* node = Find(Root(), page->Box(p));
        QVERIFY(node);
        QCOMPARE(node->role(), QAccessible::CheckBox);
        QCOMPARE(node->text(QAccessible::Name), CheckGroup::BoxAt(p).caption);
        QVERIFY(!node->state().checked);
    }
}

void TestAccessibility::tickingThroughTheActionDoesWhatAClickDoes_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("one humanities box narrows its group") << QList<int>{1003};
    QTest::newRow("two humanities boxes") << QList<int>{1003, 1007};
    QTest::newRow("a character box locks the others") << QList<int>{1018};
    QTest::newRow("ticked and unticked again") << QList<int>{1003, 1003};
    QTest::newRow("emptying a group starts over") << QList<int>{1030, 1031, 1030, 1031};
}

void TestAccessibility::tickingThroughTheActionDoesWhatAClickDoes()
{
    QFETCH(QList<int>, ids);
    m_window->TabBar()->setCurrentIndex(1);
    auto* page = qobject_cast<CDlgTabKomoku2*>(m_window->Page(1));
    QVERIFY(page);
    CDlgTabKomoku2 clicked;
    for (int id : ids) {
        const int p = CheckGroup::PositionOf(id);
        QAccessibleInterface* node = Find(Root(), page->Box(p));
        QVERIFY(node && node->actionInterface());
        node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        clicked.Box(p)->click();
    }
    QCOMPARE(page->CountLabel()->text(), clicked.CountLabel()->text());
    QCOMPARE(page->TopSlot()->SampleText(), clicked.TopSlot()->SampleText());
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        QCOMPARE(page->Box(p)->isChecked(), clicked.Box(p)->isChecked());
        QCOMPARE(page->Box(p)->isEnabled(), clicked.Box(p)->isEnabled());
    }
}

void TestAccessibility::controlsHaveTheirRoleAndName_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("disabled");
    QTest::newRow("exit") << "exit" << int(QAccessible::PushButton) << "終了" << false;
    QTest::newRow("search") << "search" << int(QAccessible::EditableText) << "文例を検索" << false;
    QTest::newRow("guide") << "guide" << int(QAccessible::Link) << "このソフトの使い方" << false;
    QTest::newRow("top slot") << "topSlot" << int(QAccessible::EditableText) << "上の文例" << false;
    QTest::newRow("bottom slot") << "bottomSlot" << int(QAccessible::EditableText) << "下の文例"
                                 << false;
    QTest::newRow("top button") << "topPdfButton" << int(QAccessible::PushButton)
                                << "左記文例をPDFで表示（上）" << true;
    QTest::newRow("bottom button")
        << "bottomPdfButton" << int(QAccessible::PushButton) << "左記文例をPDFで表示（下）" << true;
    QTest::newRow("pager") << "pager" << int(QAccessible::ScrollBar) << "文例の送り" << false;
    QTest::newRow("caption") << "caption" << int(QAccessible::StaticText) << "選択中の分類"
                             << false;
    QTest::newRow("count") << "count" << int(QAccessible::StaticText) << "該当件数 0 件" << false;
    QTest::newRow("draft") << "draft" << int(QAccessible::EditableText) << "下書き" << false;
    QTest::newRow("draft count") << "draftCount" << int(QAccessible::StaticText)
                                 << "下書きの字数 0 字" << false;
}

void TestAccessibility::controlsHaveTheirRoleAndName()
{
    QFETCH(QString, object);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(bool, disabled);
    QObject* target = m_window->findChild<QObject*>(object);
    if (!target)
        target = Page()->findChild<QObject*>(object);
    QVERIFY(target);
    QAccessibleInterface* node = Find(Root(), target);
    QVERIFY2(node, "not reachable from the window");
    QCOMPARE(int(node->role()), role);
    QCOMPARE(node->text(QAccessible::Name), name);
    QCOMPARE(bool(node->state().disabled), disabled);
    QVERIFY(!node->state().invisible);
}

void TestAccessibility::pressingALabelOpensItsMenu_data()
{
    QTest::addColumn<int>("faculty");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<int>("item");
    QTest::newRow("文学部 label, 文学分野") << 0 << false << 0;
    QTest::newRow("文学部 arrow, 心理学分野") << 0 << true << 2;
    QTest::newRow("工学部 label, 情報工学分野") << 9 << false << 2;
}

void TestAccessibility::pressingALabelOpensItsMenu()
{
    QFETCH(int, faculty);
    QFETCH(bool, arrow);
    QFETCH(int, item);
    QAccessibleInterface* node = Choice(faculty);
    QVERIFY(node);
    // The arrow is part of the same control, for a screen reader's pointer too.
    if (arrow)
        QCOMPARE(ChoiceAt(ArrowOnScreen(faculty)), node);
    const FieldTable::Faculty& f = FieldTable::faculties().at(faculty);
    QCOMPARE(node->text(QAccessible::Name), f.name);
    QCOMPARE(node->role(), QAccessible::ButtonMenu);
    QVERIFY(node->state().hasPopup);
    Press(node);
    QMenu* menu = Selector()->OpenMenu();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(menu->pos(), Selector()->PopupAnchor(faculty));

    // The menu's own items are pressed the same way.
    QAccessibleInterface* menuNode = QAccessible::queryAccessibleInterface(menu);
    QVERIFY(menuNode);
    QList<QAccessibleInterface*> items;
    for (int i = 0; i < menuNode->childCount(); ++i) {
        QAccessibleInterface* child = menuNode->child(i);
        if (child && child->role() != QAccessible::Separator)
            items << child;
    }
    QCOMPARE(items.size(), f.fields.size());
    const int field = f.fields.at(item);
    QCOMPARE(items.at(item)->text(QAccessible::Name), FieldTable::fields().at(field).name);
    Press(items.at(item));
    QCOMPARE(Page()->CaptionLabel()->text(), FieldTable::Caption(field));
    QCOMPARE(Find(Root(), Page()->CaptionLabel())->text(QAccessible::Name),
             QStringLiteral("選択中の分類\u3000") + FieldTable::Caption(field));
}

void TestAccessibility::pressingADirectFacultySelects_data()
{
    QTest::addColumn<int>("faculty");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<QString>("caption");
    QTest::newRow("医学・歯学部 label") << 11 << false << "医学・歯学部　＞　医学・歯学分野";
    QTest::newRow("医学・歯学部 arrow") << 11 << true << "医学・歯学部　＞　医学・歯学分野";
    QTest::newRow("体育学・芸術学部 label")
        << 14 << false << "体育学・芸術学部　＞　体育学・芸術学分野";
}

// The count the first tab shows for `field`, from its catalogue.
static int FirstTabCount(int field)
{
    int count = 0;
    for (const SampleRecord& r : CatalogueData::ForFolder(QStringLiteral("koumoku1")).records)
        count += r.mask.at(field) == u'1' ? 1 : 0;
    return count;
}

void TestAccessibility::pressingADirectFacultySelects()
{
    QFETCH(int, faculty);
    QFETCH(bool, arrow);
    QFETCH(QString, caption);
    QAccessibleInterface* node = Choice(faculty);
    QVERIFY(node);
    if (arrow)
        QCOMPARE(ChoiceAt(ArrowOnScreen(faculty)), node);
    QCOMPARE(node->role(), QAccessible::Button);
    Press(node);
    QVERIFY(!Selector()->OpenMenu());
    QCOMPARE(Page()->CaptionLabel()->text(), caption);
    const int field = FieldTable::faculties().at(faculty).fields.constFirst();
    QCOMPARE(Page()->CountLabel()->text(), QStringLiteral("%1 件").arg(FirstTabCount(field)));
}

void TestAccessibility::countChangesAreAnnounced()
{
    QAccessibleInterface* count = Find(Root(), Page()->CountLabel());
    QAccessibleInterface* caption = Find(Root(), Page()->CaptionLabel());
    QVERIFY(count && caption);
    // A second field listing as many as the first, and a third listing another number.
    const auto announced = [](int field) {
        return QStringLiteral("該当件数 %1 件").arg(FirstTabCount(field));
    };
    int same = -1;
    int other = -1;
    for (int f = 1; f < FieldTable::FieldCount; ++f) {
        if (same < 0 && FirstTabCount(f) == FirstTabCount(0))
            same = f;
        if (other < 0 && FirstTabCount(f) != FirstTabCount(0))
            other = f;
    }
    QVERIFY(same > 0 && other > 0);
    NameChanges().clear();
    Page()->Choose(0);
    QCOMPARE(count->text(QAccessible::Name), announced(0));
    QCOMPARE(caption->text(QAccessible::Name),
             QStringLiteral("選択中の分類　文学部　＞　文学分野"));
    // Qt hands change events on only while a screen-reader bridge is active, which a
    // headless platform does not have; with one, each change is announced once.
    if (QAccessible::isActive()) {
        QCOMPARE(NameChanges().count(Page()->CountLabel()), 1);
        QCOMPARE(NameChanges().count(Page()->CaptionLabel()), 1);
    }

    NameChanges().clear();
    Page()->Choose(same);
    QCOMPARE(count->text(QAccessible::Name), announced(same));
    if (QAccessible::isActive())
        QCOMPARE(NameChanges().count(Page()->CountLabel()), 0);
    Page()->Choose(other);
    QCOMPARE(count->text(QAccessible::Name), announced(other));
    if (QAccessible::isActive())
        QCOMPARE(NameChanges().count(Page()->CountLabel()), 1);
}

void TestAccessibility::pdfButtonsFollowTheSlots()
{
    QAccessibleInterface* top = Find(Root(), Page()->TopButton());
    QAccessibleInterface* bottom = Find(Root(), Page()->BottomButton());
    QVERIFY(top && bottom);
    QVERIFY(top->state().disabled && bottom->state().disabled);
    Page()->Choose(0);
    QVERIFY(!top->state().disabled && !bottom->state().disabled);
    // Every field has samples: a search that finds nothing empties the listing.
    m_window->SearchField()->setText(QStringLiteral("該当なしの語句ＸＹＺ"));
    QVERIFY(top->state().disabled && bottom->state().disabled);
    m_window->SearchField()->clear();
}

void TestAccessibility::guideLinkOpensTheGuide()
{
    QAccessibleInterface* guide = Find(Root(), m_window->GuideLink());
    QVERIFY(guide);
    QVERIFY(guide->state().linked);
    // The About line: the version and both licences.
    const QString about = guide->text(QAccessible::Description);
    for (const QString& part : {QStringLiteral(KIRAVELO_VERSION),
                                QStringLiteral("GPL-3.0-or-later"), QStringLiteral("CC0-1.0")})
        QVERIFY2(about.contains(part), qPrintable(about));
    Press(guide);
    QCOMPARE(m_fixture.opened,
             QList<QUrl>{QUrl::fromLocalFile(m_documents.filePath(QStringLiteral("riyou.pdf")))});
}

void TestAccessibility::searchFieldAndTabDescriptions()
{
    QAccessibleInterface* field = Find(Root(), m_window->SearchField());
    QVERIFY(field);
    QList<QAccessibleInterface*> tabs;
    for (QAccessibleInterface* node : Walk(Find(Root(), m_window->TabBar()))) {
        if (node->role() == QAccessible::PageTab)
            tabs << node;
    }
    QCOMPARE(tabs.size(), Ctavoru_2Dlg::PageCount);
    for (QAccessibleInterface* tab : tabs)
        QVERIFY(tab->text(QAccessible::Description).isEmpty());

    // A screen reader writes the field's value; the pages and the tabs follow as they do
    // for typing. Nothing holds this word, so every tab says so.
    field->setText(QAccessible::Value, QStringLiteral("ｘｙｚｚｙ"));
    QCOMPARE(m_window->SearchField()->text(), QStringLiteral("ｘｙｚｚｙ"));
    for (int i = 0; i < Ctavoru_2Dlg::PageCount; ++i) {
        QCOMPARE(tabs.at(i)->text(QAccessible::Description), QStringLiteral("検索に該当 0 件"));
        QCOMPARE(m_window->Page(i)->CountLabel()->text(), QStringLiteral("0 件"));
    }
    QCOMPARE(Find(Root(), Page()->CaptionLabel())->text(QAccessible::Name),
             QStringLiteral("選択中の分類　「ｘｙｚｚｙ」を含む文例"));
    // The first tab's first sample holds its own opening words.
    const QString word =
        CatalogueData::ForFolder(QStringLiteral("koumoku1")).records.first().text.mid(1, 4);
    field->setText(QAccessible::Value, word);
    QCOMPARE(tabs.first()->text(QAccessible::Description),
             QStringLiteral("検索に該当 %1 件").arg(Page()->Matches().count()));
    QVERIFY(Page()->Matches().count() > 0);
    // The clear button, once there, is named, and pressing it empties the field.
    QAccessibleInterface* clear = nullptr;
    for (QAccessibleInterface* node : Walk(field)) {
        if (node != field && !node->state().invisible)
            clear = node;
    }
    QVERIFY(clear);
    QCOMPARE(clear->text(QAccessible::Name), QStringLiteral("検索欄を空にする"));
    Press(clear);
    QVERIFY(m_window->SearchField()->text().isEmpty());
    for (QAccessibleInterface* tab : tabs)
        QVERIFY(tab->text(QAccessible::Description).isEmpty());
}

void TestAccessibility::deskWorksThroughTheScreenReader()
{
    Page()->Choose(0);
    SlotDraftControls* top = Page()->TopDraftControls();
    QAccessibleInterface* count = Find(Root(), top->CountLabel());
    QVERIFY(count);
    QVERIFY(count->text(QAccessible::Name).startsWith(QStringLiteral("上の文例の字数 ")));
    QAccessibleInterface* add = Find(Root(), top->AddButton());
    QVERIFY(add);
    QCOMPARE(add->text(QAccessible::Name), QStringLiteral("下書きに加える（上）"));
    Press(add);
    WritingDesk* desk = m_window->Desk();
    const QString sample =
        Page()->TopSlot()->SampleText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A pressed button clicks a moment later, as a mouse click would be seen to.
    QTRY_COMPARE(desk->Draft()->toPlainText(), sample);
    Press(Find(Root(), desk->CopyButton()));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), sample);
    // 「その他 ▾」 opens its menu, and its 消去 empties the draft.
    QAccessibleInterface* more = Find(Root(), desk->MoreButton());
    QVERIFY(more && more->state().hasPopup);
    QCOMPARE(more->role(), QAccessible::ButtonMenu);
    QCOMPARE(more->text(QAccessible::Name), QStringLiteral("その他の操作"));
    Press(more);
    QTRY_VERIFY(desk->MoreMenu()->isVisible());
    QAccessibleInterface* clear =
        Find(QAccessible::queryAccessibleInterface(desk->MoreMenu()), desk->ClearAction());
    QVERIFY(clear);
    QCOMPARE(clear->text(QAccessible::Name), QStringLiteral("消去"));
    Press(clear);
    QTRY_COMPARE(desk->Draft()->toPlainText(), QString());
    // On Linux a combo box is named by the label it is the buddy of.
    QAccessibleInterface* limit = Find(Root(), desk->LimitChooser());
    QVERIFY(limit);
    const auto labels = limit->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("字数の上限"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
