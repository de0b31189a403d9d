// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded stream of random user actions against the real main window. After
// every action the whole window is compared with a model of what it must show, built
// from the compiled-in catalogues and the field table alone, never from the pages'
// own state. A failure names its seed and the shortest action list found that still
// fails, so it can be replayed.
//
//   KIRAVELO_MARATHON_ACTIONS  actions in all (default 20000)
//   KIRAVELO_MARATHON_SESSION  actions per fresh window (default 2500)
//   KIRAVELO_MARATHON_SEED     seed of the first session (default 20261207)
#include "CDlgTabKomoku2.h"
#include "CMyEdit.h"
#include "CatalogueData.h"
#include "ChoiceColumn.h"
#include "ClickableLabel.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DeskLibrary.h"
#include "DocumentOpener.h"
#include "DraftEdit.h"
#include "DraftText.h"
#include "FieldSelector.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"
#include "Library.h"
#include "MenuButton.h"
#include "MultiLineButton.h"
#include "NoticeBar.h"
#include "OwnSampleDialog.h"
#include "PagerScrollBar.h"
#include "SamplePage.h"
#include "SearchOracle.h"
#include "SlotDraftControls.h"
#include "TickReference.h"
#include "Typing.h"
#include "Wheel.h"
#include "WritingDesk.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

enum class Kind
{
    ClickFaculty, // a: faculty, b: label (even) or arrow (odd)
    ChooseItem,   // a: item, b: by mouse, keys or the action itself
    DismissMenu,  // b: Escape, a click beside the menu, or close
    Wheel,        // a: delta index, b: target
    ScrollKey,    // a: key, on the pager
    ScrollClick,  // a: part of the bar clicked
    ScrollDrag,   // a: pixels dragged (signed)
    ScrollAction, // a: slider action, b: thumb position for moves
    PdfButton,    // a: top (even) or bottom (odd)
    TabClick,     // a: tab
    TabKey,       // a: left (even) or right (odd)
    DoubleClick,  // a: top or bottom slot, b: where in it
    SurfaceClick, // a: where on the page
    GuardedKey,   // a: Enter, Escape or Backspace; b: which widget gets it
    GuideClick,
    ExitClick,
    TickBox, // a: box position, b: by mouse (even) or Space (odd)
    ClearAll,
    SearchType,  // a: word, b: replacing (even) or adding to (odd) what the field holds
    SearchClear, // b: Escape in the field, its clear button, or one Backspace
    DeskAdd,     // a: top (even) or bottom (odd) slot's "下書きへ"
    DeskType,    // a: which character
    DeskUndo,    // b: Ctrl+Z
    DeskRedo,    // b: Ctrl+Y (even) or Ctrl+Shift+Z (odd)
    DeskNext,    // "次の記入箇所"
    DeskLimit,   // a: limit chosen
    DeskCopy,
    DeskClear,
    Star,     // a: top (even) or bottom (odd) slot's star
    Register, // 登録… of the draft or its selection, accepted as proposed
    Tamper,   // only for checking the checker: changes a page behind its back
};

struct Action
{
    Kind kind;
    int a = 0;
    int b = 0;
};

const char* KindName(Kind kind)
{
    switch (kind) {
    case Kind::ClickFaculty:
        return "click faculty";
    case Kind::ChooseItem:
        return "choose menu item";
    case Kind::DismissMenu:
        return "dismiss menu";
    case Kind::Wheel:
        return "wheel";
    case Kind::ScrollKey:
        return "key on pager";
    case Kind::ScrollClick:
        return "click pager";
    case Kind::ScrollDrag:
        return "drag pager thumb";
    case Kind::ScrollAction:
        return "pager action";
    case Kind::PdfButton:
        return "PDF button";
    case Kind::TabClick:
        return "click tab";
    case Kind::TabKey:
        return "tab key";
    case Kind::DoubleClick:
        return "double click slot";
    case Kind::SurfaceClick:
        return "click page surface";
    case Kind::GuardedKey:
        return "guarded key";
    case Kind::GuideClick:
        return "click usage guide";
    case Kind::ExitClick:
        return "click exit";
    case Kind::TickBox:
        return "tick box";
    case Kind::ClearAll:
        return "clear all ticks";
    case Kind::SearchType:
        return "type into search";
    case Kind::SearchClear:
        return "clear search";
    case Kind::DeskAdd:
        return "add to draft";
    case Kind::DeskType:
        return "type in draft";
    case Kind::DeskUndo:
        return "undo in draft";
    case Kind::DeskRedo:
        return "redo in draft";
    case Kind::DeskNext:
        return "next fill-in mark";
    case Kind::DeskLimit:
        return "choose limit";
    case Kind::DeskCopy:
        return "copy draft";
    case Kind::DeskClear:
        return "clear draft";
    case Kind::Star:
        return "star";
    case Kind::Register:
        return "register";
    case Kind::Tamper:
        return "tamper";
    }
    return "?";
}

QString Describe(const Action& action)
{
    return QStringLiteral("%1(%2, %3)")
        .arg(QLatin1String(KindName(action.kind)))
        .arg(action.a)
        .arg(action.b);
}

const int WheelDeltas[] = {120, -120, 1, -1, 0, 240, -240, 960, -960, 32767, -32768, 15, -7};
const Qt::Key PagerKeys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                             Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
const Qt::Key GuardedKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace};
// Words that some samples of the first two tabs hold, in every form the search folds,
// words nothing holds, and spaces alone.
const QString SearchWords[] = {u"探究"_qs,    u"ﾘｰﾀﾞｰ"_qs,  u"英語"_qs, u"ＥＮＧＬＩＳＨ"_qs,
                               u"○"_qs,       u"の"_qs,     u"した"_qs, u"部長"_qs,
                               u"文学 の"_qs, u"ｘｙｚ"_qs, u" "_qs,    u"\u3000"_qs};
const QString Typed[] = {QStringLiteral("あ"), QStringLiteral("字"), QStringLiteral("○"),
                         QStringLiteral("𠮷")};

QList<Action> Generate(quint32 seed, int length)
{
    QRandomGenerator random(seed);
    QList<Action> actions;
    actions.reserve(length);
    auto pick = [&random](int bound) { return int(random.bounded(bound)); };
    while (actions.size() < length) {
        const int roll = pick(144);
        Action action{Kind::Wheel};
        if (roll < 16) {
            // Favour the faculties whose fields hold samples, or most selections come
            // up empty.
            action = {Kind::ClickFaculty, pick(2) ? 0 : pick(16), pick(2)};
            actions << action;
            // Most popups are answered; some are left open or dismissed later.
            if (pick(10) < 7 && actions.size() < length)
                actions << (pick(4) == 0 ? Action{Kind::DismissMenu, 0, pick(3)}
                                         : Action{Kind::ChooseItem, pick(8), pick(3)});
            continue;
        }
        if (roll < 18)
            action = {Kind::ChooseItem, pick(8), pick(3)};
        else if (roll < 20)
            action = {Kind::DismissMenu, 0, pick(3)};
        else if (roll < 34)
            action = {Kind::Wheel, pick(int(std::size(WheelDeltas))), pick(8)};
        else if (roll < 44)
            action = {Kind::ScrollKey, pick(int(std::size(PagerKeys)))};
        else if (roll < 52)
            action = {Kind::ScrollClick, pick(4)};
        else if (roll < 56)
            action = {Kind::ScrollDrag, pick(401) - 200};
        else if (roll < 64)
            action = {Kind::ScrollAction, 1 + pick(7), pick(12) - 2};
        else if (roll < 71)
            action = {Kind::PdfButton, pick(2)};
        else if (roll < 76)
            action = {Kind::TabClick, pick(5)};
        else if (roll < 79)
            action = {Kind::TabKey, pick(2)};
        else if (roll < 84)
            action = {Kind::DoubleClick, pick(2), pick(3)};
        else if (roll < 88)
            action = {Kind::SurfaceClick, pick(3)};
        else if (roll < 96)
            action = {Kind::GuardedKey, pick(int(std::size(GuardedKeys))), pick(5)};
        else if (roll < 98)
            action = {Kind::GuideClick};
        else if (roll < 100)
            action = {Kind::ExitClick};
        else if (roll < 110)
            action = {Kind::TickBox, pick(30), pick(2)};
        else if (roll < 112)
            action = {Kind::ClearAll};
        else if (roll < 120)
            action = {Kind::SearchType, pick(int(std::size(SearchWords))), pick(2)};
        else if (roll < 124)
            action = {Kind::SearchClear, 0, pick(3)};
        else if (roll < 127)
            action = {Kind::DeskAdd, pick(2)};
        else if (roll < 131)
            action = {Kind::DeskType, pick(int(std::size(Typed)))};
        else if (roll < 133)
            action = {Kind::DeskUndo};
        else if (roll < 134)
            action = {Kind::DeskRedo, 0, pick(2)};
        else if (roll < 136)
            action = {Kind::DeskNext};
        else if (roll < 137)
            action = {Kind::DeskLimit, pick(int(DraftText::Limits().size()))};
        else if (roll < 138)
            action = {Kind::DeskCopy};
        else if (roll < 140)
            action = {Kind::DeskClear};
        else if (roll < 143)
            action = {Kind::Star, pick(2)};
        else
            action = {Kind::Register};
        actions << action;
    }
    return actions;
}

// What one page must show, worked out from its catalogue alone.
// A selector as the page's tables describe it: faculties, each taking its single
// choice at once or offering a menu of choices.
struct ChoiceModel
{
    int index;
    QString name;
    QString caption;
};

struct FacultyModel
{
    QString name;
    bool popup;
    QList<ChoiceModel> choices;
};

QList<FacultyModel> FieldFaculties()
{
    QList<FacultyModel> faculties;
    for (const FieldTable::Faculty& f : FieldTable::faculties()) {
        FacultyModel faculty{f.name, f.menuId != 0, {}};
        for (int field : f.fields) {
            const QString name = FieldTable::fields().at(field).name;
            faculty.choices << ChoiceModel{field, name,
                                           f.name + QStringLiteral("\u3000\uFF1E\u3000") + name};
        }
        faculties << faculty;
    }
    return faculties;
}

// Tab 3 has no fields: a faculty is the whole selection and its own caption.
QList<FacultyModel> JikoFaculties()
{
    QList<FacultyModel> faculties;
    for (int i = 0; i < JikoFacultyTable::faculties().size(); ++i) {
        const QString name = JikoFacultyTable::faculties().at(i).name;
        faculties << FacultyModel{name, false, {ChoiceModel{i, name, name}}};
    }
    return faculties;
}

using SearchOracle::Folded;

struct SearchModel
{
    QString typed;

    QStringList Words() const
    {
        QStringList words;
        for (const QString& part : typed.split(
                 QRegularExpression(u"\\s+"_qs, QRegularExpression::UseUnicodePropertiesOption),
                 Qt::SkipEmptyParts)) {
            const QString word = Folded(part);
            if (!word.isEmpty() && !words.contains(word))
                words << word;
        }
        words.sort();
        return words;
    }
};

// What one page must show, worked out from its catalogue alone.
struct PageModel
{
    QString folder;
    QList<SampleRecord> catalogue;
    bool numbered = false;
    QList<FacultyModel> faculties; // empty on the page of tick boxes
    std::optional<TickReference> ticks;
    QString caption;
    QString selectionCaption;
    std::optional<QList<int>> selection; // nothing while nothing is selected
    QList<int> matches;                  // catalogue indices, in catalogue order
    int position = 0;
    // Before the first selection the bar is live over an empty range.
    bool pagerEnabled = true;
    bool own = false; // 自分の文例: the registered samples, newest first

    int Max() const { return matches.size() > 2 ? int(matches.size()) - 2 : 0; }
    void Move(int to) { position = std::clamp(to, 0, Max()); }

    void Choose(const ChoiceModel& choice, const SearchModel& search)
    {
        selectionCaption = choice.caption;
        QList<int> filed;
        for (int i = 0; i < catalogue.size(); ++i) {
            if (catalogue.at(i).mask.mid(choice.index, 1) == QStringLiteral("1"))
                filed << i;
        }
        selection = filed;
        Listed(search);
    }

    // The tick boxes decide; nothing ticked lists nothing, as no match does.
    void Ticked(const SearchModel& search)
    {
        selection = ticks->listing ? std::optional<QList<int>>(ticks->matches) : std::nullopt;
        Listed(search);
    }

    void Listed(const SearchModel& search)
    {
        const QStringList words = search.Words();
        matches.clear();
        if (words.isEmpty()) {
            matches = selection.value_or(QList<int>());
        } else {
            for (int i = 0; i < catalogue.size(); ++i) {
                const QString text = Folded(catalogue.at(i).text);
                if ((!selection || selection->contains(i)) &&
                    std::all_of(words.cbegin(), words.cend(),
                                [&text](const QString& word) { return text.contains(word); }))
                    matches << i;
            }
        }
        position = 0;
        pagerEnabled = matches.size() > 2;
        Caption(search);
    }

    void Caption(const SearchModel& search)
    {
        caption = SearchQuery(search.typed).Caption(selectionCaption);
    }

    int Shown(int slot) const
    {
        const int match = position + slot;
        return match < matches.size() ? matches.at(match) : -1;
    }
};

// What the draft must hold: its text, selection and what was last copied. Undo and
// redo are checked against the texts it has held before.
struct DraftModel
{
    QString text;
    int anchor = 0;
    int position = 0;
    QString copied;
    int limit = 0;
    QSet<QString> held{QString()};

    int SelectionStart() const { return std::min(anchor, position); }
    int SelectionEnd() const { return std::max(anchor, position); }
    bool Unsaved() const { return text != copied && !text.isEmpty(); }
    void Replace(int from, int to, const QString& with)
    {
        text.replace(from, to - from, with);
        anchor = position = from + int(with.size());
        held << text;
    }
    void Select(int from, int to)
    {
        anchor = from;
        position = to;
    }
};

struct Recorder
{
    QList<QUrl> opened;
};

// How much of the window a run reached, so a stream that never pages or never opens
// anything cannot pass unnoticed.
struct Coverage
{
    int selections = 0;
    int moves = 0;
    int drags = 0;
    int launches = 0;
    int missing = 0;
    int choices = 0;
    int dismissals = 0;
    int ticks = 0;
    int searches = 0; // queries that changed what the pages list
    int drafted = 0;
};

Recorder& Launches()
{
    static Recorder recorder;
    return recorder;
}

// One main window and its model, driven action by action.
class Session
{
public:
    Session(const QString& documents) : m_documents(documents)
    {
        m_window = std::make_unique<Ctavoru_2Dlg>(
            nullptr, m_data.filePath(QStringLiteral("library.sqlite")));
        m_window->Documents().SetDocumentFolder(documents);
        m_window->Documents().SetLauncher([](const QUrl& url) {
            Launches().opened << url;
            return true;
        });
        m_window->SetExitQuestion([this](QWidget*) {
            ++m_asked;
            return ExitQuestion::Choice::Discard;
        });
        const char* folders[] = {"koumoku1", "koumoku2", "gakubu", "jiko", "jibun"};
        for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
            PageModel model;
            model.folder = QLatin1String(folders[tab]);
            model.catalogue = CatalogueData::ForFolder(model.folder).records;
            model.numbered = tab >= 2;
            if (tab == 4) {
                model.own = true;
                model.numbered = false;
                model.selectionCaption = QStringLiteral("登録した文例");
                model.selection = QList<int>();
                model.Listed(m_search);
            } else if (tab == 1) {
                QStringList masks;
                for (const SampleRecord& record : model.catalogue)
                    masks << record.mask;
                model.ticks.emplace(masks);
            } else {
                model.faculties = tab == 3 ? JikoFaculties() : FieldFaculties();
            }
            m_models << model;
        }
        // At the screen's corner, so that no popup is pushed back inside the screen.
        m_window->move(0, 0);
        m_window->show();
        Activate();
    }

    // Runs `actions` until the window disagrees with the model; returns the index of
    // the failing action and why, or nothing.
    const Coverage& Reached() const { return m_coverage; }

    std::optional<std::pair<int, QString>> Run(const QList<Action>& actions)
    {
        QString why = Check();
        if (!why.isEmpty())
            return std::make_pair(-1, why);
        for (int i = 0; i < actions.size(); ++i) {
            const int tab = m_tab;
            const int position = Model().position;
            why = Apply(actions.at(i));
            if (tab == m_tab && Model().position != position)
                ++m_coverage.moves;
            // The event loop runs between two actions of a user: the window paints,
            // closed popups go away.
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (why.isEmpty())
                why = Check();
            if (!why.isEmpty())
                return std::make_pair(i, why);
        }
        return std::nullopt;
    }

private:
    void Activate()
    {
        m_window->activateWindow();
        QApplication::setActiveWindow(m_window.get());
    }
    int Tab() const { return m_tab; }
    SamplePage* Page() const { return m_window->Page(m_tab); }
    PageModel& Model() { return m_models[m_tab]; }
    FieldSelector* Selector() const { return Page()->findChild<FieldSelector*>(); }
    QMenu* OpenMenu() const
    {
        FieldSelector* selector = Selector();
        QMenu* menu = selector ? selector->OpenMenu() : nullptr;
        return menu && menu->isVisible() ? menu : nullptr;
    }

    QString ExpectedText(const PageModel& model, int record) const
    {
        if (record < 0)
            return {};
        const SampleRecord& r = model.catalogue.at(record);
        if (model.own) // headed by the title 登録… proposed
            return OwnSampleDialog::TitleFrom(r.text) + QStringLiteral("\r\n") + r.text;
        if (!model.numbered)
            return r.text;
        QString text = QStringLiteral("No.%1\r\n\r\n").arg(record + 1) + r.text;
        if (!QFile::exists(m_documents + QStringLiteral("/bunrei_pdf/") + model.folder + u'/' +
                           r.pdfName))
            text = r.pdfName + QStringLiteral("\r\n\r\n") + text;
        return text;
    }

    QString Apply(const Action& action);
    // The field now holds `typed`: every page follows the query's words, or only its
    // caption when the words stayed the same.
    void Searched(const QString& typed);
    QString ApplyScrollClick(int part);
    QString ApplyDrag(int pixels);
    QString ApplyDesk(const Action& action);
    QString CheckDraft();
    QString Check();
    QString CheckPage(int tab);

    QString m_documents;
    QTemporaryDir m_data; // the library of this window alone
    std::unique_ptr<Ctavoru_2Dlg> m_window;
    QSet<QString> m_stars;
    // Relists 自分の文例 after the library changed, at the position it had.
    void OwnChanged()
    {
        PageModel& own = m_models[4];
        const int position = own.position;
        own.selection = QList<int>(own.catalogue.size());
        std::iota(own.selection->begin(), own.selection->end(), 0);
        own.Listed(m_search);
        own.Move(position);
        own.pagerEnabled = own.matches.size() > 2;
    }
    QList<PageModel> m_models;
    int m_tab = 0;
    int m_menuFaculty = -1; // faculty whose popup the model expects open
    Coverage m_coverage;
    SearchModel m_search;
    DraftModel m_draft;
    int m_asked = 0;
};

QString Session::Apply(const Action& action)
{
    FieldSelector* selector = Selector();
    QMenu* menu = OpenMenu();
    const bool menuAction = action.kind == Kind::ChooseItem || action.kind == Kind::DismissMenu;
    if (menu && !menuAction) {
        // A popup takes every click outside it: the user's next click elsewhere
        // closes it first.
        menu->close();
        m_menuFaculty = -1;
        menu = nullptr;
    }
    // The offscreen platform has no window manager to hand activation back to the
    // window once a popup has gone; do its part.
    if (!menu && QApplication::activeWindow() != m_window.get())
        Activate();

    PageModel& model = Model();
    SamplePage* page = Page();
    PagerScrollBar* bar = page->ScrollBar();
    switch (action.kind) {
    case Kind::ClickFaculty: {
        if (!selector || model.faculties.isEmpty())
            break;
        if (selector->EntryCount() != model.faculties.size())
            return QStringLiteral("%1 faculties on the page, %2 expected")
                .arg(selector->EntryCount())
                .arg(model.faculties.size());
        const int faculty = action.a % int(model.faculties.size());
        ChoiceColumn* target = selector->Column();
        const FacultyModel& f = model.faculties.at(faculty);
        if (target->Text(faculty) != f.name)
            return QStringLiteral("label %1 reads %2").arg(f.name, target->Text(faculty));
        const QPoint caption = target->TextRect(faculty).topLeft();
        QTest::mouseClick(target, Qt::LeftButton, {},
                          action.b % 2 ? selector->Column()->ArrowRect(faculty).center()
                                       : caption + QPoint(2, 2));
        if (!f.popup) {
            ++m_coverage.selections;
            model.Choose(f.choices.first(), m_search);
            m_menuFaculty = -1;
        } else {
            m_menuFaculty = faculty;
            QMenu* opened = OpenMenu();
            if (!opened)
                return QStringLiteral("no popup after clicking faculty %1").arg(f.name);
            if (opened->pos() != target->mapToGlobal(caption + QPoint(0, 14)))
                return QStringLiteral("popup of %1 opened at (%2, %3)")
                    .arg(f.name)
                    .arg(opened->x())
                    .arg(opened->y());
        }
        break;
    }
    case Kind::ChooseItem: {
        if (!menu || m_menuFaculty < 0)
            break;
        const QList<ChoiceModel>& choices = model.faculties.at(m_menuFaculty).choices;
        QList<QAction*> items;
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator())
                items << item;
        }
        if (items.size() != choices.size())
            return QStringLiteral("popup of faculty %1 has %2 items")
                .arg(m_menuFaculty)
                .arg(items.size());
        const int k = action.a % int(items.size());
        if (items.at(k)->text() != choices.at(k).name)
            return QStringLiteral("menu item %1 reads %2").arg(k).arg(items.at(k)->text());
        switch (action.b % 3) {
        case 0:
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(items.at(k)).center());
            break;
        case 1:
            for (int step = 0; step <= k; ++step)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
            break;
        default:
            items.at(k)->trigger();
            menu->close();
            break;
        }
        model.Choose(choices.at(k), m_search);
        ++m_coverage.choices;
        ++m_coverage.selections;
        m_menuFaculty = -1;
        if (OpenMenu())
            return QStringLiteral("popup still open after a choice");
        break;
    }
    case Kind::TickBox: {
        auto* boxes = qobject_cast<CDlgTabKomoku2*>(page);
        if (!boxes || !model.ticks)
            break;
        const int position = action.a % TickReference::Boxes;
        QCheckBox* box = boxes->Box(position);
        if (action.b % 2)
            QTest::keyClick(box, Qt::Key_Space);
        else
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        // A disabled box takes no click.
        if (model.ticks->enabled[position]) {
            model.ticks->Click(position);
            model.Ticked(m_search);
            ++m_coverage.ticks;
        }
        break;
    }
    case Kind::ClearAll: {
        auto* boxes = qobject_cast<CDlgTabKomoku2*>(page);
        if (!boxes || !model.ticks)
            break;
        QTest::mouseClick(boxes->ClearAllButton(), Qt::LeftButton);
        model.ticks->ClearAll();
        model.Ticked(m_search);
        break;
    }
    case Kind::DismissMenu:
        if (!menu)
            break;
        switch (action.b % 3) {
        case 0:
            QTest::keyClick(menu, Qt::Key_Escape);
            break;
        case 1:
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              QPoint(menu->width() + 20, menu->height() + 20));
            break;
        default:
            menu->close();
            break;
        }
        m_menuFaculty = -1;
        ++m_coverage.dismissals;
        if (OpenMenu())
            return QStringLiteral("popup still open after dismissal");
        break;
    case Kind::Wheel: {
        const int delta = WheelDeltas[action.a % std::size(WheelDeltas)];
        // Where the pointer is decides who gets the wheel: a slot scrolls its own text
        // while it is longer than the box; everything else hands it on to the page.
        QWidget* targets[] = {page,
                              bar,
                              page->TopButton(),
                              page->CaptionLabel(),
                              page->CountLabel(),
                              page->TopSlot()->viewport(),
                              page->BottomSlot()->viewport(),
                              page};
        QWidget* target = targets[action.b % std::size(targets)];
        const bool sideways = action.b == 7;
        const QPoint angle = sideways ? QPoint(delta == 0 ? 120 : delta, 0) : QPoint(0, delta);
        const auto keeps = [target](CMyEdit* slot) {
            return target == slot->viewport() && slot->verticalScrollBar()->maximum() > 0;
        };
        const bool slotKeepsIt = keeps(page->TopSlot()) || keeps(page->BottomSlot());
        SendWheel(target, angle);
        if (!slotKeepsIt && !sideways && model.pagerEnabled)
            model.Move(model.position + (delta < 0 ? 1 : -1));
        break;
    }
    case Kind::ScrollKey: {
        const Qt::Key key = PagerKeys[action.a % std::size(PagerKeys)];
        const bool enabled = bar->isEnabled();
        QTest::keyClick(bar, key);
        if (!enabled)
            break;
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Home:
            model.Move(model.position - 1);
            break;
        case Qt::Key_Down:
        case Qt::Key_End:
            model.Move(model.position + 1);
            break;
        case Qt::Key_PageUp:
            model.Move(model.position - 2);
            break;
        case Qt::Key_PageDown:
            model.Move(model.position + 2);
            break;
        default:
            break;
        }
        break;
    }
    case Kind::ScrollClick:
        return ApplyScrollClick(action.a);
    case Kind::ScrollDrag:
        return ApplyDrag(action.a);
    case Kind::ScrollAction: {
        if (!bar->isEnabled())
            break;
        const auto slider = QAbstractSlider::SliderAction(action.a);
        if (slider == QAbstractSlider::SliderMove) {
            bar->setSliderPosition(action.b);
            model.Move(std::clamp(action.b, bar->minimum(), bar->maximum()));
            break;
        }
        bar->triggerAction(slider);
        const int steps[] = {0, 1, -1, 2, -2, -1, 1, 0};
        model.Move(model.position + steps[action.a]);
        break;
    }
    case Kind::PdfButton: {
        MultiLineButton* button = action.a % 2 ? page->BottomButton() : page->TopButton();
        const int record = model.Shown(action.a % 2);
        Launches().opened.clear();
        m_window->Notice()->hide();
        QTest::mouseClick(button, Qt::LeftButton);
        if (record < 0) {
            if (!Launches().opened.isEmpty() || m_window->Notice()->isVisible())
                return QStringLiteral("a PDF button of an empty slot did something");
            break;
        }
        const QString name = model.catalogue.at(record).pdfName;
        const QString path =
            m_documents + QStringLiteral("/bunrei_pdf/") + model.folder + u'/' + name;
        if (QFile::exists(path)) {
            ++m_coverage.launches;
            if (Launches().opened != QList<QUrl>{QUrl::fromLocalFile(path)})
                return QStringLiteral("button handed over %1 instead of %2")
                    .arg(Launches().opened.isEmpty() ? QStringLiteral("nothing")
                                                     : Launches().opened.first().toString(),
                         path);
        } else if (++m_coverage.missing, !Launches().opened.isEmpty() ||
                                             !m_window->Notice()->isVisible() ||
                                             !m_window->Notice()->text().contains(name)) {
            return QStringLiteral("missing %1 was not reported in the window").arg(name);
        }
        break;
    }
    case Kind::TabClick: {
        ColouredTabBar* tabs = m_window->TabBar();
        const int tab = action.a % tabs->count();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        m_tab = tab;
        break;
    }
    case Kind::TabKey:
        QTest::keyClick(m_window->TabBar(), action.a % 2 ? Qt::Key_Right : Qt::Key_Left);
        m_tab = std::clamp(m_tab + (action.a % 2 ? 1 : -1), 0, Ctavoru_2Dlg::PageCount - 1);
        break;
    case Kind::DoubleClick: {
        CMyEdit* slot = action.a % 2 ? page->BottomSlot() : page->TopSlot();
        QWidget* view = slot->viewport();
        const QPoint where[] = {QPoint(5, 5), view->rect().center(),
                                QPoint(view->width() - 5, view->height() - 5)};
        QTest::mouseDClick(view, Qt::LeftButton, {}, where[action.b % 3]);
        const QTextCursor cursor = slot->textCursor();
        const QString shown = slot->toPlainText();
        if (!shown.isEmpty() &&
            (cursor.selectionStart() != 0 || cursor.selectionEnd() != shown.size()))
            return QStringLiteral("double click selected %1..%2 of %3")
                .arg(cursor.selectionStart())
                .arg(cursor.selectionEnd())
                .arg(shown.size());
        if (QApplication::focusWidget() != slot)
            return QStringLiteral("double click left the focus on %1")
                .arg(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QStringLiteral("nothing"));
        break;
    }
    case Kind::SurfaceClick: {
        const QPoint where[] = {QPoint(500, 100), QPoint(300, 600), QPoint(700, 40)};
        QTest::mouseClick(page, Qt::LeftButton, {}, where[action.a % 3]);
        if (bar->isEnabled() && QApplication::focusWidget() != bar)
            return QStringLiteral("a click on the page left the keys with %1 (active window %2)")
                .arg(QApplication::focusWidget()
                         ? QApplication::focusWidget()->metaObject()->className()
                         : "nothing")
                .arg(QApplication::activeWindow()
                         ? QApplication::activeWindow()->metaObject()->className()
                         : "none");
        break;
    }
    case Kind::GuardedKey: {
        QWidget* targets[] = {m_window.get(), m_window->ExitButton(), page->TopSlot(), bar,
                              QApplication::focusWidget()};
        QWidget* target = targets[action.b % std::size(targets)];
        const Qt::Key key = GuardedKeys[action.a % std::size(GuardedKeys)];
        QTest::keyClick(target ? target : m_window.get(), key);
        // In the search field Escape empties it and Backspace deletes.
        if (target && target == m_window->SearchField()) {
            if (key == Qt::Key_Escape)
                Searched(QString());
            else if (key == Qt::Key_Backspace)
                Searched(m_search.typed.chopped(std::min<qsizetype>(1, m_search.typed.size())));
        }
        // The draft keeps its editing keys.
        if (target && target == m_window->Desk()->Draft()) {
            const int from = m_draft.SelectionStart();
            const int to = m_draft.SelectionEnd();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_draft.Replace(from, to, QStringLiteral("\n"));
            } else if (key == Qt::Key_Backspace && from != to) {
                m_draft.Replace(from, to, QString());
            } else if (key == Qt::Key_Backspace && from > 0) {
                const bool pair = from > 1 && m_draft.text.at(from - 1).isLowSurrogate() &&
                                  m_draft.text.at(from - 2).isHighSurrogate();
                m_draft.Replace(from - (pair ? 2 : 1), from, QString());
            }
        }
        if (!m_window->isVisible() || m_window->result() != 0)
            return QStringLiteral("a guarded key ended the window");
        break;
    }
    case Kind::GuideClick: {
        Launches().opened.clear();
        QTest::mouseClick(m_window->GuideLink(), Qt::LeftButton, {}, QPoint(10, 10));
        const QUrl guide = QUrl::fromLocalFile(m_documents + QStringLiteral("/riyou.pdf"));
        if (Launches().opened != QList<QUrl>{guide})
            return QStringLiteral("the usage guide was not handed over");
        break;
    }
    case Kind::ExitClick: {
        const int asked = m_asked;
        QTest::mouseClick(m_window->ExitButton(), Qt::LeftButton);
        // Asked exactly when the draft holds text neither copied nor saved.
        if ((m_asked != asked) != m_draft.Unsaved())
            return QStringLiteral("the exit question was %1asked")
                .arg(m_asked != asked ? "" : "not ");
        if (m_window->isVisible() || m_window->result() != QDialog::Accepted)
            return QStringLiteral("the exit button did not end the window");
        // Open it again: the same window object keeps every page's state.
        m_window->setResult(0);
        m_window->show();
        Activate();
        break;
    }
    case Kind::SearchType: {
        QLineEdit* field = m_window->SearchField();
        const QString word = SearchWords[action.a % std::size(SearchWords)];
        if (action.b % 2)
            field->end(false);
        else
            field->selectAll();
        // Japanese arrives as an input method's commit.
        QInputMethodEvent commit;
        commit.setCommitString(word);
        QCoreApplication::sendEvent(field, &commit);
        Searched(action.b % 2 ? m_search.typed + word : word);
        break;
    }
    case Kind::SearchClear: {
        QLineEdit* field = m_window->SearchField();
        switch (action.b % 3) {
        case 0:
            QTest::keyClick(field, Qt::Key_Escape);
            Searched(QString());
            break;
        case 1:
            if (auto* clear = field->findChild<QToolButton*>())
                clear->click();
            Searched(QString());
            break;
        default:
            field->end(false);
            QTest::keyClick(field, Qt::Key_Backspace);
            Searched(m_search.typed.chopped(std::min<qsizetype>(1, m_search.typed.size())));
            break;
        }
        break;
    }
    case Kind::DeskAdd:
    case Kind::DeskType:
    case Kind::DeskUndo:
    case Kind::DeskRedo:
    case Kind::DeskNext:
    case Kind::DeskLimit:
    case Kind::DeskCopy:
    case Kind::DeskClear:
        return ApplyDesk(action);
    case Kind::Star: {
        const int record = model.Shown(action.a % 2);
        QToolButton* star = action.a % 2 ? page->BottomStar() : page->TopStar();
        QTest::mouseClick(star, Qt::LeftButton);
        if (record >= 0) {
            const QString name = model.catalogue.at(record).pdfName;
            if (!m_stars.remove(name))
                m_stars.insert(name);
            OwnChanged();
        }
        break;
    }
    case Kind::Register: {
        const QString text =
            m_draft.SelectionEnd() > m_draft.SelectionStart()
                ? m_draft.text.mid(m_draft.SelectionStart(),
                                   m_draft.SelectionEnd() - m_draft.SelectionStart())
                : m_draft.text;
        m_window->DeskCommands()->RegisterAction()->trigger();
        if (text.trimmed().isEmpty())
            break;
        QDialog* dialog = m_window->DeskCommands()->OpenDialog();
        if (!dialog)
            return QStringLiteral("登録… opened no dialog");
        dialog->accept();
        QApplication::processEvents();
        const qint64 id = m_window->UserLibrary()->Samples().first().id;
        m_models[4].catalogue.prepend({text, QString(), QStringLiteral("own:%1").arg(id)});
        OwnChanged();
        Activate();
        break;
    }
    case Kind::Tamper:
        page->SetCaption(QStringLiteral("tampered"));
        break;
    }
    return {};
}

QString Session::ApplyDesk(const Action& action)
{
    WritingDesk* desk = m_window->Desk();
    DraftEdit* draft = desk->Draft();
    PageModel& model = Model();
    ++m_coverage.drafted;
    switch (action.kind) {
    case Kind::DeskAdd: {
        const bool bottom = action.a % 2;
        SlotDraftControls* controls =
            bottom ? Page()->BottomDraftControls() : Page()->TopDraftControls();
        QTest::mouseClick(controls->AddButton(), Qt::LeftButton);
        const int record = model.Shown(bottom ? 1 : 0);
        if (record < 0)
            break;
        const QString appendix = DraftText::Appendix(m_draft.text, model.catalogue.at(record).text);
        const int start = int(m_draft.text.size() + (appendix.startsWith(u'\n') ? 1 : 0));
        m_draft.Replace(int(m_draft.text.size()), int(m_draft.text.size()), appendix);
        const QList<DraftText::Run> runs =
            DraftText::Placeholders(QStringView(m_draft.text).mid(start));
        if (!runs.isEmpty())
            m_draft.Select(start + int(runs.first().start),
                           start + int(runs.first().start + runs.first().length));
        break;
    }
    case Kind::DeskType: {
        const QString typed = Typed[action.a % std::size(Typed)];
        Type(draft, typed);
        m_draft.Replace(m_draft.SelectionStart(), m_draft.SelectionEnd(), typed);
        break;
    }
    case Kind::DeskUndo:
    case Kind::DeskRedo: {
        if (action.kind == Kind::DeskUndo)
            QTest::keyClick(draft, Qt::Key_Z, Qt::ControlModifier);
        else if (action.b % 2)
            QTest::keyClick(draft, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(draft, Qt::Key_Y, Qt::ControlModifier);
        const QString now = draft->toPlainText();
        if (!m_draft.held.contains(now))
            return QStringLiteral("undo or redo gave a text the draft never held: \"%1\"")
                .arg(now.left(40));
        // How far one step reaches is the editor's own business; the text is taken
        // from here on.
        m_draft.text = now;
        m_draft.Select(draft->textCursor().anchor(), draft->textCursor().position());
        break;
    }
    case Kind::DeskNext: {
        QTest::mouseClick(desk->NextMarkButton(), Qt::LeftButton);
        if (const auto run = DraftText::NextPlaceholder(m_draft.text, m_draft.SelectionEnd()))
            m_draft.Select(int(run->start), int(run->start + run->length));
        break;
    }
    case Kind::DeskLimit: {
        const int index = action.a % int(DraftText::Limits().size());
        desk->LimitChooser()->setCurrentIndex(index);
        m_draft.limit = DraftText::Limits().at(index);
        break;
    }
    case Kind::DeskCopy:
        QTest::mouseClick(desk->CopyButton(), Qt::LeftButton);
        if (QGuiApplication::clipboard()->text() != m_draft.text)
            return QStringLiteral("the clipboard holds other text than the draft");
        m_draft.copied = m_draft.text;
        break;
    case Kind::DeskClear:
        // Through 「その他 ▾」 and its item, as the mouse goes.
        QTest::mouseClick(desk->MoreButton(), Qt::LeftButton);
        if (!desk->MoreMenu()->isVisible())
            return QStringLiteral("「その他 ▾」 did not open its menu");
        QTest::mouseClick(desk->MoreMenu(), Qt::LeftButton, {},
                          desk->MoreMenu()->actionGeometry(desk->ClearAction()).center());
        if (desk->MoreMenu()->isVisible())
            return QStringLiteral("「その他 ▾」 stayed open after 消去");
        if (!m_draft.text.isEmpty())
            m_draft.Replace(0, int(m_draft.text.size()), QString());
        break;
    default:
        break;
    }
    return {};
}

QString Session::CheckDraft()
{
    WritingDesk* desk = m_window->Desk();
    DraftEdit* draft = desk->Draft();
    if (desk->parentWidget() != Page() || !desk->isVisible())
        return QStringLiteral("the desk is not on the page in view");
    if (draft->toPlainText() != m_draft.text)
        return QStringLiteral("draft holds \"%1\", expected \"%2\"")
            .arg(draft->toPlainText().right(30), m_draft.text.right(30));
    const QTextCursor cursor = draft->textCursor();
    if (cursor.anchor() != m_draft.anchor || cursor.position() != m_draft.position)
        return QStringLiteral("draft selection %1..%2, expected %3..%4")
            .arg(cursor.anchor())
            .arg(cursor.position())
            .arg(m_draft.anchor)
            .arg(m_draft.position);
    const QString count = DraftText::Status(DraftText::Count(m_draft.text), m_draft.limit);
    if (desk->CountLabel()->text() != count)
        return QStringLiteral("draft count \"%1\", expected \"%2\"")
            .arg(desk->CountLabel()->text(), count);
    if (desk->HasUnsavedText() != m_draft.Unsaved())
        return QStringLiteral("draft %1 unsaved").arg(m_draft.Unsaved() ? "should be" : "is not");
    return {};
}

// The style's view of the pager, to find where its arrows, trough and thumb are drawn.
QStyleOptionSlider SliderOption(PagerScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return option;
}

void Session::Searched(const QString& typed)
{
    const QStringList before = m_search.Words();
    m_search.typed = typed;
    const bool relist = m_search.Words() != before;
    m_coverage.searches += relist;
    for (PageModel& model : m_models) {
        if (relist)
            model.Listed(m_search);
        else
            model.Caption(m_search);
    }
}

QString Session::ApplyScrollClick(int part)
{
    PageModel& model = Model();
    PagerScrollBar* bar = Page()->ScrollBar();
    const QStyleOptionSlider option = SliderOption(bar);
    const QStyle::SubControl parts[] = {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine,
                                        QStyle::SC_ScrollBarSubPage, QStyle::SC_ScrollBarAddPage};
    const int steps[] = {-1, 1, -2, 2};
    const QRect rect =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, parts[part % 4], bar);
    if (rect.isEmpty())
        return {};
    const bool enabled = bar->isEnabled();
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
    if (enabled)
        model.Move(model.position + steps[part % 4]);
    return {};
}

QString Session::ApplyDrag(int pixels)
{
    PageModel& model = Model();
    PagerScrollBar* bar = Page()->ScrollBar();
    if (!bar->isEnabled())
        return {};
    const QStyleOptionSlider option = SliderOption(bar);
    QStyle* style = bar->style();
    const QRect groove =
        style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
    const QRect thumb =
        style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    const QPoint grab = thumb.center();
    const QPoint drop = grab + QPoint(0, pixels);
    // Where the user lets go of the thumb decides the match shown, as the bar's own
    // geometry maps it.
    const int span = groove.height() - thumb.height();
    const int expected = QStyle::sliderValueFromPosition(
        bar->minimum(), bar->maximum(), std::clamp(thumb.top() + pixels - groove.top(), 0, span),
        span);
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    for (int step = 1; step <= 4; ++step) {
        const QPointF at = grab + QPointF(0, pixels * step / 4.0);
        QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &move);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, drop);
    if (expected != model.position)
        ++m_coverage.drags;
    model.Move(expected);
    return {};
}

QString Session::Check()
{
    int visible = 0;
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        if (m_window->Page(tab)->isVisible())
            ++visible;
    }
    if (visible != 1 || !Page()->isVisible() || m_window->TabBar()->currentIndex() != m_tab)
        return QStringLiteral("%1 pages visible, tab %2 selected, tab %3 expected")
            .arg(visible)
            .arg(m_window->TabBar()->currentIndex())
            .arg(m_tab);
    if ((OpenMenu() != nullptr) != (m_menuFaculty >= 0))
        return QStringLiteral("a popup is %1 but should%2 be")
            .arg(OpenMenu() ? "open" : "closed")
            .arg(m_menuFaculty >= 0 ? "" : " not");
    if (m_window->SearchField()->text() != m_search.typed)
        return QStringLiteral("search field holds \"%1\", expected \"%2\"")
            .arg(m_window->SearchField()->text(), m_search.typed);
    const bool searching = !m_search.Words().isEmpty();
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        const qsizetype count = m_models.at(tab).matches.size();
        const QString description =
            searching ? QStringLiteral("検索に該当 %1 件").arg(count) : QString();
        if (m_window->TabBar()->tabToolTip(tab) != description ||
            m_window->TabBar()->IsTabDimmed(tab) != (searching && count == 0))
            return QStringLiteral("tab %1 says \"%2\"%3, expected \"%4\"")
                .arg(tab)
                .arg(m_window->TabBar()->tabToolTip(tab),
                     m_window->TabBar()->IsTabDimmed(tab) ? " dimmed" : "", description);
    }
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        const QString why = CheckPage(tab);
        if (!why.isEmpty())
            return QStringLiteral("tab %1: %2").arg(tab).arg(why);
    }
    return CheckDraft();
}

QString Session::CheckPage(int tab)
{
    const PageModel& model = m_models.at(tab);
    SamplePage* page = m_window->Page(tab);
    // A caption too long for the header is cut short on screen, never for a screen reader.
    const QLabel* caption = page->CaptionLabel();
    const QString shown =
        caption->fontMetrics().elidedText(model.caption, Qt::ElideRight, caption->width());
    const QString spoken = model.caption.isEmpty()
                               ? QStringLiteral("選択中の分類")
                               : QStringLiteral("選択中の分類\u3000") + model.caption;
    if (caption->text() != shown || caption->accessibleName() != spoken)
        return QStringLiteral("caption \"%1\", expected \"%2\"").arg(caption->text(), shown);
    const QString count = QStringLiteral("%1 件").arg(model.matches.size());
    if (page->CountLabel()->text() != count)
        return QStringLiteral("count \"%1\", expected \"%2\"")
            .arg(page->CountLabel()->text(), count);
    if (model.ticks) {
        auto* boxes = qobject_cast<CDlgTabKomoku2*>(page);
        if (!boxes)
            return QStringLiteral("no tick boxes");
        for (int p = 0; p < TickReference::Boxes; ++p) {
            const QCheckBox* box = boxes->Box(p);
            if (box->isChecked() != model.ticks->ticked[p] ||
                box->isEnabled() != model.ticks->enabled[p])
                return QStringLiteral("box %1 (%2) is %3 and %4")
                    .arg(p)
                    .arg(box->text(), box->isChecked() ? "ticked" : "not ticked",
                         box->isEnabled() ? "enabled" : "disabled");
        }
    }
    const PagerScrollBar* bar = page->ScrollBar();
    if (bar->minimum() != 0 || bar->maximum() != model.Max() || bar->value() != model.position ||
        bar->isEnabled() != model.pagerEnabled)
        return QStringLiteral("pager %1..%2 at %3 %4, expected 0..%5 at %6 %7")
            .arg(bar->minimum())
            .arg(bar->maximum())
            .arg(bar->value())
            .arg(bar->isEnabled() ? "enabled" : "disabled")
            .arg(model.Max())
            .arg(model.position)
            .arg(model.pagerEnabled ? "enabled" : "disabled");
    const QToolButton* stars[] = {page->TopStar(), page->BottomStar()};
    for (int slot = 0; slot < 2; ++slot) {
        const int record = model.Shown(slot);
        const bool on = record >= 0 && m_stars.contains(model.catalogue.at(record).pdfName);
        if (stars[slot]->isEnabled() != (record >= 0) || stars[slot]->isChecked() != on)
            return QStringLiteral("star %1 %2 %3")
                .arg(slot)
                .arg(stars[slot]->isEnabled() ? "enabled" : "disabled",
                     stars[slot]->isChecked() ? "on" : "off");
    }
    const CMyEdit* boxes[] = {page->TopSlot(), page->BottomSlot()};
    const MultiLineButton* buttons[] = {page->TopButton(), page->BottomButton()};
    const QString names[] = {page->TopPdfName(), page->BottomPdfName()};
    for (int slot = 0; slot < 2; ++slot) {
        const int record = model.Shown(slot);
        const QString text = ExpectedText(model, record);
        const char* which = slot ? "bottom" : "top";
        if (boxes[slot]->SampleText() != text)
            return QStringLiteral("%1 slot shows \"%2\", expected record %3")
                .arg(QLatin1String(which), boxes[slot]->SampleText().left(20))
                .arg(record);
        if (tab == m_tab && boxes[slot]->toPlainText() !=
                                QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
            return QStringLiteral("%1 slot displays other text than it holds")
                .arg(QLatin1String(which));
        if (buttons[slot]->isEnabled() != (record >= 0))
            return QStringLiteral("%1 button %2")
                .arg(QLatin1String(which), buttons[slot]->isEnabled() ? "enabled" : "disabled");
        const QString pdf = record >= 0 ? model.catalogue.at(record).pdfName : QString();
        if (names[slot] != pdf)
            return QStringLiteral("%1 PDF name \"%2\", expected \"%3\"")
                .arg(QLatin1String(which), names[slot], pdf);
    }
    return {};
}

// Repeats `actions` on a fresh window; true when it still fails.
bool Fails(const QString& documents, const QList<Action>& actions, QString* why = nullptr)
{
    Session session(documents);
    const auto failure = session.Run(actions);
    if (failure && why)
        *why = failure->second;
    return failure.has_value();
}

// Cuts a failing action list down: first to the failing action, then by dropping ever
// smaller runs of actions while the rest still fails.
QList<Action> Shrink(const QString& documents, QList<Action> actions, int failedAt,
                     int budget = 400)
{
    actions = actions.mid(0, failedAt + 1);
    for (int chunk = int(actions.size()) / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (int start = int(actions.size()) - chunk; start >= 0 && budget > 0; start -= chunk) {
            QList<Action> shorter = actions;
            shorter.remove(start, chunk);
            --budget;
            if (Fails(documents, shorter))
                actions = shorter;
        }
        chunk = std::min(chunk, int(actions.size()));
    }
    return actions;
}

QString Report(quint32 seed, int length, const QList<Action>& actions, const QString& why)
{
    QString text = QStringLiteral("seed %1: %2\nthe whole session again: KIRAVELO_MARATHON_SEED=%1 "
                                  "KIRAVELO_MARATHON_SESSION=%4 KIRAVELO_MARATHON_ACTIONS=%4\n"
                                  "shortest failing sequence (%3 actions):")
                       .arg(seed)
                       .arg(why)
                       .arg(actions.size())
                       .arg(length);
    for (const Action& action : actions)
        text += QStringLiteral("\n  ") + Describe(action);
    return text;
}

QtMessageHandler& TestLogger()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

// The offscreen platform says so each time a popup asks to be raised or to grab the
// keyboard; thousands of popups would drown everything else the run has to say.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    TestLogger()(type, context, message);
}

int Setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class TestMarathon : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomActionsAgreeWithCatalogue();
    void checkerFindsAndShrinksAFault_data();
    void checkerFindsAndShrinksAFault();

private:
    QTemporaryDir m_documents;
};

void TestMarathon::initTestCase()
{
    QVERIFY(m_documents.isValid());
    TestLogger() = qInstallMessageHandler(QuietPlatform);
    QApplication::setWheelScrollLines(3);
    // Every document is there except every fifth sample's, so both the launch and the
    // missing-document paths are exercised.
    const QString root = m_documents.path();
    QVERIFY(QDir(root).mkpath(QStringLiteral("bunrei_pdf")));
    QFile guide(root + QStringLiteral("/riyou.pdf"));
    QVERIFY(guide.open(QIODevice::WriteOnly));
    for (const CatalogueData::Catalogue& catalogue : CatalogueData::All()) {
        QVERIFY(QDir(root).mkpath(QStringLiteral("bunrei_pdf/") + catalogue.folder));
        for (qsizetype i = 0; i < catalogue.records.size(); ++i) {
            if (i % 5 == 4)
                continue;
            QFile pdf(root + QStringLiteral("/bunrei_pdf/") + catalogue.folder + u'/' +
                      catalogue.records.at(i).pdfName);
            QVERIFY(pdf.open(QIODevice::WriteOnly));
        }
    }
}

void TestMarathon::cleanupTestCase()
{
    qInstallMessageHandler(TestLogger());
}

void TestMarathon::randomActionsAgreeWithCatalogue()
{
    const int total = Setting("KIRAVELO_MARATHON_ACTIONS", 20000);
    const int length = Setting("KIRAVELO_MARATHON_SESSION", 2500);
    const quint32 firstSeed = quint32(Setting("KIRAVELO_MARATHON_SEED", 20261207));
    int done = 0;
    Coverage all;
    for (quint32 seed = firstSeed; done < total; ++seed) {
        const QList<Action> actions = Generate(seed, std::min(length, total - done));
        Session session(m_documents.path());
        const auto failure = session.Run(actions);
        const Coverage& reached = session.Reached();
        all.selections += reached.selections;
        all.moves += reached.moves;
        all.drags += reached.drags;
        all.launches += reached.launches;
        all.missing += reached.missing;
        all.choices += reached.choices;
        all.dismissals += reached.dismissals;
        all.ticks += reached.ticks;
        all.searches += reached.searches;
        all.drafted += reached.drafted;
        if (failure) {
            const QList<Action> shortest = Shrink(m_documents.path(), actions, failure->first);
            QString why = failure->second;
            Fails(m_documents.path(), shortest, &why);
            QFAIL(qPrintable(Report(seed, int(actions.size()), shortest, why)));
        }
        done += int(actions.size());
    }
    qInfo("%d actions checked: %d selections (%d from menus, %d menus dismissed), %d pager moves "
          "(%d by dragging), %d documents handed over, %d reported missing, %d ticks changed, "
          "%d searches, %d desk actions",
          done, all.selections, all.choices, all.dismissals, all.moves, all.drags, all.launches,
          all.missing, all.ticks, all.searches, all.drafted);
    if (total >= 1000) {
        QVERIFY(all.choices > 0 && all.dismissals > 0);
        QVERIFY(all.moves > 0 && all.drags > 0);
        QVERIFY(all.launches > 0 && all.missing > 0);
        QVERIFY(all.ticks > 0);
        QVERIFY(all.searches > 0);
        QVERIFY(all.drafted > 0);
    }
}

void TestMarathon::checkerFindsAndShrinksAFault_data()
{
    QTest::addColumn<int>("faultAt");
    QTest::newRow("early") << 3;
    QTest::newRow("late") << 700;
}

void TestMarathon::checkerFindsAndShrinksAFault()
{
    QFETCH(int, faultAt);
    QList<Action> actions = Generate(7, 900);
    actions.insert(faultAt, Action{Kind::Tamper});
    Session session(m_documents.path());
    const auto failure = session.Run(actions);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->first, faultAt);
    const QList<Action> shortest = Shrink(m_documents.path(), actions, failure->first);
    QVERIFY2(shortest.size() == 1, qPrintable(Report(7, 900, shortest, failure->second)));
    QCOMPARE(shortest.first().kind, Kind::Tamper);
}

QTEST_MAIN(TestMarathon)
#include "tst_marathon.moc"
