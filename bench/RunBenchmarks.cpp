// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// `make bench`: start-up against a bare Qt window, and single user actions at the
// largest catalogue a page may hold. Prints one table; the README quotes it.
#include "CDlgTabGakubu.h"
#include "CDlgTabJibun.h"
#include "CDlgTabJiko.h"
#include "CDlgTabKomoku1.h"
#include "CDlgTabKomoku2.h"
#include "CatalogueData.h"
#include "CategoryPage.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DocumentOpener.h"
#include "DraftEdit.h"
#include "DraftText.h"
#include "FieldTable.h"
#include "Library.h"
#include "LibraryExchange.h"
#include "ManuscriptView.h"
#include "PagerScrollBar.h"
#include "SamplePage.h"
#include "SearchIndex.h"
#include "WritingDesk.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <numeric>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Records = 324;
constexpr int Matches = 200;
constexpr int Field = 25; // 情報工学分野

struct Figure
{
    QString what;
    double medianMs = 0;
    double worstMs = 0;
    QString note;
    double goalMs = 0; // the median must stay under it; 0 when the figure has none
};

// The goals the figures are held to: handling a user action, the same with its
// repaint, and the writing desk's own allowance.
constexpr double ActionGoalMs = 1;
constexpr double PaintedGoalMs = 4;
constexpr double DeskGoalMs = 2;
constexpr double ScalingGoalMs = 50; // a keystroke against a catalogue far past any page's
constexpr double StartUpGoal = 1.25; // times the dialog with one Japanese label
constexpr double MemoryGoal = 1.10;

bool Missed(const Figure& f)
{
    return f.goalMs > 0 && !(f.medianMs < f.goalMs);
}

// The goal of an action by its name: "painted" figures include the repaint.
double GoalFor(const QString& what)
{
    if (what.startsWith(QStringLiteral("desk:")))
        return DeskGoalMs;
    return what.contains(QStringLiteral("painted")) ? PaintedGoalMs : ActionGoalMs;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double NowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

struct StartUp
{
    double ms = -1;
    long maxRssKb = 0;
};

// Starts `program`, waits for its "painted" line, then for its end; wall time to the
// first painted frame and the peak resident memory of that one process.
StartUp Launch(const char* program, const char* argument = nullptr)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    pid_t pid = 0;
    const double start = NowMs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return {};
    }
    StartUp result;
    char line[16] = {};
    if (read(out[0], line, sizeof line - 1) > 0)
        result.ms = NowMs() - start;
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    result.maxRssKb = usage.ru_maxrss;
    return result;
}

// Times `action` `rounds` times after a few unmeasured rounds; `undo`, untimed, puts
// back what an action changed.
Figure Time(const QString& what, int rounds, const std::function<void()>& action,
            const QString& note = {}, const std::function<void()>& undo = {})
{
    for (int i = 0; i < 5; ++i) {
        action();
        if (undo)
            undo();
    }
    std::vector<double> ms;
    ms.reserve(rounds);
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        action();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (undo)
            undo();
    }
    return {what, Median(ms), *std::max_element(ms.begin(), ms.end()), note, GoalFor(what)};
}

// 324 records, 200 of them filed under `Field`, spread through the catalogue.
QList<SampleRecord> FullCatalogue(const QString& folder)
{
    const QString paragraph = QStringLiteral(
        "\u3000本生徒は入学以来、学業と課外活動の両面で努力を重ね、周囲からの信頼も厚い生徒です。"
        "三年間を通じて探究心を失わず、課題に粘り強く取り組みました。");
    QList<SampleRecord> records;
    for (int i = 0; i < Records; ++i) {
        QString mask(FieldTable::FieldCount, u'0');
        if (i * Matches / Records != (i + 1) * Matches / Records)
            mask[Field] = u'1';
        if (i % FieldTable::FieldCount != Field)
            mask[i % FieldTable::FieldCount] = u'1';
        records.append({paragraph + QStringLiteral("\r\n") + paragraph, mask,
                        QStringLiteral("%1_%2.pdf").arg(folder).arg(i, 3, 10, QLatin1Char('0'))});
    }
    return records;
}

QList<Figure> PageFigures(const QString& label, CategoryPage& page)
{
    QList<Figure> figures;
    page.show();
    QApplication::processEvents();
    figures << Time(label + QStringLiteral(": one selection"), 200,
                    [&page] { page.Choose(Field); });
    figures.last().note = QStringLiteral("%1 matches").arg(page.Matches().count());
    figures << Time(label + QStringLiteral(": one selection, painted"), 100, [&page] {
        page.Choose(Field);
        QApplication::processEvents();
    });
    int step = 0;
    const auto scroll = [&page, &step] {
        // Down and back up, so every step really moves.
        page.ScrollBar()->triggerAction(step++ % 2 ? QAbstractSlider::SliderSingleStepSub
                                                   : QAbstractSlider::SliderSingleStepAdd);
    };
    figures << Time(label + QStringLiteral(": one scroll step"), 400, scroll);
    figures << Time(label + QStringLiteral(": one scroll step, painted"), 200, [&page, &scroll] {
        scroll();
        QApplication::processEvents();
    });
    page.hide();
    return figures;
}

// A sample of exactly 800 characters drawn from everyday phrases, different for every
// `seed`: katakana, full-width digits and fill-in marks included, as the catalogues have.
QString SyntheticSample(int seed)
{
    static const QStringList phrases = {
        QStringLiteral("本生徒は入学以来、学業と課外活動の両面で努力を重ねてきました。"),
        QStringLiteral("生徒会のリーダーとして文化祭の運営に携わりました。"),
        QStringLiteral("地域のボランティア活動に三年間参加しています。"),
        QStringLiteral("総合的な探究の時間には地元の川の水質を調べました。"),
        QStringLiteral("評定平均値は○．○、学年○○○名中○位である。"),
        QStringLiteral("英語検定２級を取得し、ＮＰＯ法人の通訳を務めました。"),
        QStringLiteral("部長として部員をまとめ、県大会で準優勝しました。"),
        QStringLiteral("周囲からの信頼も厚く、協調性に富んだ生徒です。"),
        QStringLiteral("貴学への入学を推薦いたします。"),
        QStringLiteral("将来は地域医療に貢献したいと考えています。"),
        QStringLiteral("プログラミングに関心を持ち、アプリを開発しました。"),
    };
    QString text = QStringLiteral("\u3000");
    quint32 state = quint32(seed) * 2654435761u + 1;
    while (text.size() < 800) {
        state = state * 1664525u + 1013904223u;
        text += phrases.at((state >> 16) % phrases.size());
        if ((state >> 8) % 5 == 0)
            text += QStringLiteral("\r\n\u3000");
    }
    text.truncate(800);
    return text;
}

// Each tab at the capacity its catalogue states, as the build compiled it.
int Capacity(const QString& folder)
{
    return CatalogueData::ForFolder(folder).capacity;
}

// `records` samples of 800 characters, filed under every category of a `width`-wide
// mask and named as `folder`'s PDFs are.
QList<SampleRecord> SyntheticCatalogue(int records, const QString& folder = QString(),
                                       int width = 0)
{
    QList<SampleRecord> catalogue;
    catalogue.reserve(records);
    for (int i = 0; i < records; ++i)
        catalogue.append({SyntheticSample(i), QString(width, u'1'),
                          QStringLiteral("%1_%2.pdf").arg(folder).arg(i, 3, 10, QLatin1Char('0'))});
    return catalogue;
}

// What the search field holds after each keystroke of a session: kana arriving one by
// one, the committed word, a second word, then a word that nothing holds.
const QStringList& TypedQueries()
{
    static const QStringList typed = {
        QStringLiteral("ぼ"),
        QStringLiteral("ぼら"),
        QStringLiteral("ぼらん"),
        QStringLiteral("ぼらんて"),
        QStringLiteral("ぼらんてぃ"),
        QStringLiteral("ぼらんてぃあ"),
        QStringLiteral("ボランティア"),
        QStringLiteral("ボランティア "),
        QStringLiteral("ボランティア 探"),
        QStringLiteral("ボランティア 探究"),
        QStringLiteral("ボランティア 探究 ｘ"),
        QStringLiteral("○"),
    };
    return typed;
}

// Every keystroke of TypedQueries() against every index, nothing selected (the
// whole catalogue is compared).
Figure TimeKeystrokes(const QString& what, const QList<SearchIndex>& indices, int rounds)
{
    int key = 0;
    qsizetype listed = 0;
    Figure figure = Time(what, rounds, [&] {
        const SearchQuery query(TypedQueries().at(key++ % TypedQueries().size()));
        listed = 0;
        for (const SearchIndex& index : indices)
            listed += index.Narrow(std::nullopt, query).size();
    });
    figure.note = QStringLiteral("%1 records")
                      .arg(std::accumulate(indices.cbegin(), indices.cend(), qsizetype(0),
                                           [](qsizetype sum, const SearchIndex& index) {
                                               return sum + index.size();
                                           }));
    return figure;
}

QList<Figure> SearchCoreFigures()
{
    QList<Figure> figures;
    QList<QList<SampleRecord>> catalogues;
    qsizetype total = 0;
    for (const char* folder : {"gakubu", "jiko", "koumoku1", "koumoku2"}) {
        catalogues.append(SyntheticCatalogue(Capacity(QLatin1String(folder))));
        total += catalogues.last().size();
    }
    QList<SearchIndex> full;
    QElapsedTimer built;
    built.start();
    for (const QList<SampleRecord>& catalogue : catalogues)
        full.append(SearchIndex(catalogue));
    const double buildMs = built.nsecsElapsed() / 1e6;
    figures << TimeKeystrokes(QStringLiteral("search core: one keystroke, 4 catalogues full"), full,
                              600);
    figures << Figure{QStringLiteral("search core: normalising the 4 full catalogues, once"),
                      buildMs, buildMs, QStringLiteral("%1 records").arg(total)};
    for (int records : {1250, 2500, 5000, 10000}) {
        const QList<SearchIndex> one{SearchIndex(SyntheticCatalogue(records))};
        figures << TimeKeystrokes(
            QStringLiteral("search core: one keystroke, %1 records").arg(records), one, 120);
        figures.last().goalMs = ScalingGoalMs;
    }
    const QList<SearchIndex> pasted{full.first()};
    figures << Time(
        QStringLiteral("search core: a pasted 10,000-character query, 324 records"), 50, [&pasted] {
            const SearchQuery query(QStringLiteral("探究 ").repeated(2000) + QString(2000, u'ア'));
            pasted.first().Narrow(std::nullopt, query);
        });
    return figures;
}

// The four pages at their full capacity, as the window holds them: one shown, three
// behind it, each told every keystroke of a typing session.
QList<Figure> SearchPageFigures(const DocumentOpener* opener = nullptr)
{
    const auto full = [](const QString& folder, int width) {
        return SyntheticCatalogue(Capacity(folder), folder, width);
    };
    CDlgTabKomoku1 komoku1(nullptr, full(QStringLiteral("koumoku1"), 46));
    CDlgTabKomoku2 komoku2(nullptr, full(QStringLiteral("koumoku2"), 30));
    CDlgTabGakubu gakubu(nullptr, full(QStringLiteral("gakubu"), 46));
    CDlgTabJiko jiko(nullptr, full(QStringLiteral("jiko"), 15));
    const QString listed = QStringLiteral("%1 + %2 + %3")
                               .arg(Capacity(QStringLiteral("gakubu")))
                               .arg(Capacity(QStringLiteral("jiko")))
                               .arg(Capacity(QStringLiteral("koumoku1")));
    const QList<SamplePage*> pages{&komoku1, &komoku2, &gakubu, &jiko};
    for (SamplePage* page : pages)
        page->SetDocumentOpener(opener);
    gakubu.show();
    QApplication::processEvents();
    QList<Figure> figures;
    QElapsedTimer first;
    first.start();
    for (SamplePage* page : pages)
        page->SetQuery(SearchQuery(TypedQueries().first()));
    const double firstMs = first.nsecsElapsed() / 1e6;
    int key = 1;
    const auto keystroke = [&pages, &key] {
        const SearchQuery query(TypedQueries().at(key++ % TypedQueries().size()));
        for (SamplePage* page : pages)
            page->SetQuery(query);
    };
    figures << Figure{QStringLiteral("search: the first keystroke, 4 full pages"), firstMs, firstMs,
                      QStringLiteral("normalises the catalogues once")};
    figures << Time(QStringLiteral("search: one keystroke, 4 full pages"), 240, keystroke,
                    QStringLiteral("%1 records, %2 shown")
                        .arg(Capacity(QStringLiteral("gakubu")) + Capacity(QStringLiteral("jiko")) +
                             Capacity(QStringLiteral("koumoku1")) +
                             Capacity(QStringLiteral("koumoku2")))
                        .arg(Capacity(QStringLiteral("gakubu"))));
    figures << Time(QStringLiteral("search: one keystroke, 4 full pages, painted"), 120,
                    [&keystroke] {
                        keystroke();
                        QApplication::processEvents();
                    });
    // Emptying the field takes every page back to its whole selection: the heaviest
    // listing, 324 samples on the page shown.
    komoku1.Choose(0);
    gakubu.Choose(0);
    jiko.Choose(0);
    std::vector<double> emptying;
    for (int i = 0; i < 120; ++i) {
        keystroke();
        QElapsedTimer timer;
        timer.start();
        for (SamplePage* page : pages)
            page->SetQuery(SearchQuery());
        emptying.push_back(timer.nsecsElapsed() / 1e6);
    }
    figures << Figure{QStringLiteral("search: emptying the field, 4 full pages"), Median(emptying),
                      *std::max_element(emptying.begin(), emptying.end()),
                      QStringLiteral("back to %1 listed").arg(listed), ActionGoalMs};
    gakubu.hide();
    return figures;
}

// One character typed into the draft, as a keyboard delivers it.
void TypeOneCharacter(DraftEdit* draft)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("字"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("字"));
    QApplication::sendEvent(draft, &press);
    QApplication::sendEvent(draft, &release);
}

// The writing desk with a 5,000-字 draft holding fill-in marks, a limit set that the
// draft passes, so every update also tints the overflow.
QList<Figure> DeskFigures(Ctavoru_2Dlg& window)
{
    WritingDesk* desk = window.Desk();
    DraftEdit* draft = desk->Draft();
    const QString line =
        QStringLiteral("本校では○○年度から探究の時間を設け、生徒は地域の課題に取り組んだ。");
    QString text;
    while (DraftText::Count(text) < 5000)
        text += line + u'\n';
    while (DraftText::Count(text) > 5000)
        text.chop(1);
    draft->setPlainText(text);
    desk->LimitChooser()->setCurrentIndex(desk->LimitChooser()->findData(1200));
    draft->setFocus();
    draft->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    const QString sample = window.Page(0)->Catalogue().first().text;
    QList<Figure> figures;
    const auto undo = [draft] { draft->undo(); };
    figures << Time(
        QStringLiteral("desk: add a sample to a 5,000-字 draft"), 200,
        [desk, &sample] { desk->Add(sample); },
        QStringLiteral("%1 字 added").arg(DraftText::Count(sample)), undo);
    const auto key = [draft] { TypeOneCharacter(draft); };
    figures << Time(QStringLiteral("desk: one keystroke in a 5,000-字 draft"), 400, key,
                    QStringLiteral("count, marks and tint included"), undo);
    figures << Time(
        QStringLiteral("desk: the same, painted"), 200,
        [&key] {
            key();
            QApplication::processEvents();
        },
        {}, undo);
    int limit = 0;
    figures << Time(QStringLiteral("desk: count update of a 5,000-字 draft"), 400, [desk, &limit] {
        // Between 1000 and 1200 字: the count, the marks and the tint redone.
        desk->LimitChooser()->setCurrentIndex(6 + limit++ % 2);
    });
    // A pasted 100,000 字 must not make typing sluggish.
    draft->setPlainText(text.repeated(20));
    draft->moveCursor(QTextCursor::End);
    figures << Time(QStringLiteral("desk: one keystroke in a 100,000-字 draft"), 100, key, {},
                    undo);
    draft->clear();
    return figures;
}

// 原稿用紙: a 5,000-字 draft on 400字詰め, each figure with its goal.
QList<Figure> GridFigures(Ctavoru_2Dlg& window)
{
    WritingDesk* desk = window.Desk();
    DraftEdit* draft = desk->Draft();
    const QString line = QStringLiteral(
        "\u3000本校では2019年度から「探究」の時間を設け、生徒は地域の課題に取り組んだ。");
    QString text;
    while (DraftText::Count(text) < 5000)
        text += line + u'\n';
    draft->setPlainText(text);
    desk->LimitChooser()->setCurrentIndex(
        desk->LimitChooser()->findText(ManuscriptGrid::Forms().first().Label()));
    draft->setFocus();
    draft->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    QList<Figure> figures;
    const auto undo = [draft] { draft->undo(); };
    const auto key = [draft] { TypeOneCharacter(draft); };
    figures << Time(QStringLiteral("grid: one keystroke in a 5,000-字 draft, 20 x 20"), 400, key,
                    QStringLiteral("count and tint redone"), undo);
    figures.last().goalMs = ActionGoalMs;
    ManuscriptView* view = desk->ShowGrid();
    QApplication::processEvents();
    figures << Time(QStringLiteral("grid view: one sheet repainted"), 200,
                    [view] { view->viewport()->repaint(); });
    figures.last().goalMs = 8;
    figures << Time(
        QStringLiteral("grid view: a keystroke followed, laid out and drawn"), 200,
        [&key] {
            key();
            QApplication::processEvents();
        },
        QStringLiteral("5,000 字, one sheet in view"), undo);
    figures.last().goalMs = 0;
    view->close();
    // A pasted 100,000 字: the memo lays out only the paragraph typed in.
    draft->setPlainText(text.repeated(20));
    draft->moveCursor(QTextCursor::End);
    figures << Time(QStringLiteral("grid: one keystroke in a 100,000-字 draft"), 100, key,
                    QStringLiteral("the desk's allowance"), undo);
    figures.last().goalMs = DeskGoalMs;
    draft->clear();
    desk->LimitChooser()->setCurrentIndex(0);
    return figures;
}

// One figure a line: median, worst, the goal and whether the median missed it.
void Print(QTextStream& out, const Figure& f)
{
    const QString goal = f.goalMs > 0 ? QStringLiteral("< %1 ms").arg(f.goalMs) : QString();
    out << QStringLiteral("  %1 %2 ms %3 ms  %4 %5  %6\n")
               .arg(f.what, -60)
               .arg(f.medianMs, 8, 'f', 3)
               .arg(f.worstMs, 8, 'f', 3)
               .arg(goal, -9)
               .arg(Missed(f) ? QStringLiteral("MISSED") : QStringLiteral("      "))
               .arg(f.note);
}

QString CpuName()
{
    char cpu[256] = "unknown";
    if (FILE* info = std::fopen("/proc/cpuinfo", "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, info)) {
            if (std::sscanf(line, "model name : %255[^\n]", cpu) == 1)
                break;
        }
        std::fclose(info);
    }
    return QString::fromLocal8Bit(cpu);
}

} // namespace

// The user's library at 10,000 own samples and 1,000 stars, each figure beside its goal.
QList<Figure> LibraryFigures()
{
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("library.sqlite"));
    {
        LibraryExchange::Contents contents;
        for (int i = 0; i < 10000; ++i)
            contents.samples << LibraryExchange::Sample{
                QStringLiteral("文例 %1").arg(i), QStringLiteral("自作"),
                SyntheticSample(i).left(200 + i % 400) + QString::number(i)};
        for (const SampleRecord& record :
             CatalogueData::ForFolder(QStringLiteral("gakubu")).records)
            contents.stars << record.pdfName;
        for (int i = int(contents.stars.size()); i < 1000; ++i)
            contents.stars << QStringLiteral("bench_%1.pdf").arg(i);
        Library library(path);
        library.Import(contents);
    }
    QList<Figure> figures;
    const int ownTab = Ctavoru_2Dlg::PageCount - 1;
    // The tab alone: a fresh window each round, only the switch timed.
    std::vector<double> opening;
    for (int i = 0; i < 7; ++i) {
        Ctavoru_2Dlg window(nullptr, path);
        window.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        window.TabBar()->setCurrentIndex(ownTab);
        QApplication::processEvents();
        opening.push_back(timer.nsecsElapsed() / 1e6);
    }
    figures << Figure{
        QStringLiteral("library: opening 自分の文例 (10,000 own, 1,000 stars), painted"),
        Median(opening), *std::max_element(opening.begin(), opening.end()), QString(), 100};

    Ctavoru_2Dlg window(nullptr, path);
    qobject_cast<CategoryPage*>(window.Page(2))->Choose(13);
    window.TabBar()->setCurrentIndex(2);
    window.show();
    window.TabBar()->setCurrentIndex(ownTab);
    window.TabBar()->setCurrentIndex(2);
    QApplication::processEvents();
    window.SearchField()->setText(QStringLiteral("探究")); // every index made once
    int key = 0;
    figures << Time(
        QStringLiteral("library: a search keystroke across the five pages"), 60,
        [&window, &key] {
            window.SearchField()->setText(TypedQueries().at(key++ % TypedQueries().size()));
        },
        QString());
    figures.last().goalMs = 2;
    window.SearchField()->clear();
    QToolButton* star = window.Page(2)->TopStar();
    figures << Time(
        QStringLiteral("library: a star toggled, its transaction committed"), 60,
        [star] { star->click(); }, QStringLiteral("includes the disk's flushes"));
    figures.last().goalMs = 5;
    return figures;
}

// `run-benchmarks [startup|pages|tabs|search|desk|library]...`: the named parts alone (all of them
// without arguments), so a profiler can be pointed at one path.
int main(int argc, char* argv[])
{
    // Headless and alike on every machine: the offscreen platform, for the children too.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        static QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList parts;
    for (int i = 1; i < argc; ++i)
        parts << QString::fromLocal8Bit(argv[i]);
    const auto wanted = [&parts](const char* part) {
        return parts.isEmpty() || parts.contains(QLatin1String(part));
    };
    QStringList missed;

    out << "Machine: " << CpuName() << ", " << sysconf(_SC_NPROCESSORS_ONLN) << " CPUs; Qt "
        << qVersion() << ", QT_QPA_PLATFORM=offscreen\n";
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        out << QStringLiteral("Load average at the start: %1 %2 %3\n")
                   .arg(load[0], 0, 'f', 2)
                   .arg(load[1], 0, 'f', 2)
                   .arg(load[2], 0, 'f', 2);
    out << '\n';

    if (wanted("startup")) {
        // The three programs take turns, so that all see the same machine state. A shared
        // machine's speed wanders between launches by more than the goal's margin: with 15
        // launches the labelled dialog's median moved by 15 % from one run to the next.
        // Here it is bimodal, its slow state about 40 % slower and met by about four launches
        // in ten, each program's independently of the other's: a program's median falls in
        // either state, and the ratio of the two medians moved from 1.07 to 1.30 for one
        // build. The verdict is the median of the window's launches each over the labelled
        // dialog's launch just before it, which the state's share moves far less: over 300
        // launches of one build, 41 of them gave it within ±0.02, and 81 within ±0.01.
        constexpr int Launches = 81;
        std::vector<double> bareMs, textMs, mainMs;
        long bareRss = 0, textRss = 0, mainRss = 0;
        for (int i = 0; i < Launches + 1; ++i) {
            const StartUp bare = Launch(KIRAVELO_BARE_WINDOW);
            const StartUp text = Launch(KIRAVELO_BARE_WINDOW, "text");
            const StartUp window = Launch(KIRAVELO_MAIN_WINDOW);
            if (bare.ms < 0 || text.ms < 0 || window.ms < 0) {
                QTextStream(stderr) << "run-benchmarks: a start-up program failed\n";
                return 1;
            }
            if (i == 0)
                continue; // warms the file cache for all three
            bareMs.push_back(bare.ms);
            textMs.push_back(text.ms);
            mainMs.push_back(window.ms);
            bareRss = std::max(bareRss, bare.maxRssKb);
            textRss = std::max(textRss, text.maxRssKb);
            mainRss = std::max(mainRss, window.maxRssKb);
        }
        const double bare = Median(bareMs), text = Median(textMs), main = Median(mainMs);
        out << QStringLiteral("Start-up to the first painted window (median of %1 launches each; "
                              "memory: the highest peak)\n")
                   .arg(Launches);
        out << QStringLiteral("  bare Qt dialog 992x669            %1 ms (worst %2)   peak memory "
                              "%3 MiB\n")
                   .arg(bare, 7, 'f', 1)
                   .arg(*std::max_element(bareMs.begin(), bareMs.end()), 6, 'f', 1)
                   .arg(bareRss / 1024.0, 6, 'f', 1);
        out << QStringLiteral("  same, with one Japanese label     %1 ms (worst %2)   peak memory "
                              "%3 MiB\n")
                   .arg(text, 7, 'f', 1)
                   .arg(*std::max_element(textMs.begin(), textMs.end()), 6, 'f', 1)
                   .arg(textRss / 1024.0, 6, 'f', 1);
        out << QStringLiteral("  Kiravelo main window              %1 ms (worst %2)   peak memory "
                              "%3 MiB\n")
                   .arg(main, 7, 'f', 1)
                   .arg(*std::max_element(mainMs.begin(), mainMs.end()), 6, 'f', 1)
                   .arg(mainRss / 1024.0, 6, 'f', 1);
        std::vector<double> paired;
        for (size_t i = 0; i < mainMs.size(); ++i)
            paired.push_back(mainMs[i] / textMs[i]);
        const double timeRatio = Median(paired);
        const double memoryRatio = double(mainRss) / double(textRss);
        const auto verdict = [](bool met) {
            return met ? QStringLiteral("met") : QStringLiteral("MISSED");
        };
        out << QStringLiteral(
                   "  time against the labelled dialog   %1x  goal <= %2x  %3   (launch by "
                   "launch; the medians' ratio %4x; %5x the bare dialog)\n")
                   .arg(timeRatio, 0, 'f', 2)
                   .arg(StartUpGoal, 0, 'f', 2)
                   .arg(verdict(timeRatio <= StartUpGoal))
                   .arg(main / text, 0, 'f', 2)
                   .arg(main / bare, 0, 'f', 2);
        out << QStringLiteral("  memory against the labelled dialog %1x  goal <= %2x  %3\n\n")
                   .arg(memoryRatio, 0, 'f', 2)
                   .arg(MemoryGoal, 0, 'f', 2)
                   .arg(verdict(memoryRatio <= MemoryGoal));
        if (timeRatio > StartUpGoal)
            missed << QStringLiteral("start-up time");
        if (memoryRatio > MemoryGoal)
            missed << QStringLiteral("start-up memory");
    }

    QTemporaryDir documents;
    // Two documents in three are present, so the probes find both answers.
    for (const QString& folder : {QStringLiteral("gakubu"), QStringLiteral("koumoku1")}) {
        QDir().mkpath(documents.filePath(QStringLiteral("bunrei_pdf/") + folder));
        for (int i = 0; i < Records; ++i) {
            if (i % 3 == 2)
                continue;
            QFile(documents.filePath(QStringLiteral("bunrei_pdf/%1/%1_%2.pdf")
                                         .arg(folder)
                                         .arg(i, 3, 10, QLatin1Char('0'))))
                .open(QIODevice::WriteOnly);
        }
    }
    DocumentOpener opener;
    opener.SetDocumentFolder(documents.path());

    QList<Figure> figures;
    if (wanted("pages")) {
        CDlgTabGakubu numbered(nullptr, FullCatalogue(QStringLiteral("gakubu")));
        numbered.SetDocumentOpener(&opener);
        figures << PageFigures(QStringLiteral("324 records, numbered, PDF probes"), numbered);
        CDlgTabKomoku1 plain(nullptr, FullCatalogue(QStringLiteral("koumoku1")));
        plain.SetDocumentOpener(&opener);
        figures << PageFigures(QStringLiteral("324 records, text as filed"), plain);
    }

    QTemporaryDir noLibrary; // never the user's
    Ctavoru_2Dlg window(nullptr, noLibrary.filePath(QStringLiteral("library.sqlite")));
    if (wanted("tabs") || wanted("desk") || wanted("grid")) {
        qobject_cast<CategoryPage*>(window.Page(0))->Choose(0);
        window.show();
        QApplication::processEvents();
    }
    if (wanted("tabs")) {
        int tab = 0;
        figures << Time(QStringLiteral("main window: one tab switch, painted"), 200,
                        [&window, &tab] {
                            tab = (tab + 1) % Ctavoru_2Dlg::PageCount;
                            window.TabBar()->setCurrentIndex(tab);
                            QApplication::processEvents();
                        });
    }
    if (wanted("search")) {
        figures << SearchCoreFigures();
        figures << SearchPageFigures(&opener);
    }
    if (wanted("desk"))
        figures << DeskFigures(window);
    if (wanted("grid"))
        figures << GridFigures(window);
    if (wanted("library"))
        figures << LibraryFigures();

    if (!figures.isEmpty()) {
        out << QStringLiteral("User actions: \"painted\" includes the repaint; the median is held "
                              "to the goal\n");
        out << QStringLiteral("  %1   median      worst  goal\n").arg(QString(), -60);
    }
    for (const Figure& f : figures) {
        Print(out, f);
        if (Missed(f))
            missed << f.what;
    }
    out << '\n'
        << (missed.isEmpty() ? QStringLiteral("Every goal met.\n")
                             : QStringLiteral("Goals missed (%1): %2\n")
                                   .arg(missed.size())
                                   .arg(missed.join(QStringLiteral("; "))));
    return 0;
}
