// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabJibun.h"

#include "Artwork.h"
#include "CatalogueData.h"
#include "CategoryMask.h"
#include "CheckGroup.h"
#include "DialogUnits.h"
#include "FieldSelector.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"
#include "Library.h"
#include "LibraryExchange.h"
#include "MultiLineButton.h"
#include "OwnSampleDialog.h"
#include "PageIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

#include <numeric>

const QString CDlgTabJibun::Folder = QStringLiteral("jibun");

namespace {

constexpr qint64 MostBytes = 64 * 1024 * 1024; // far beyond any teacher's collection

QString OwnName(qint64 id)
{
    // Not arg(): made for every own sample each time the tab lists them.
    return QStringLiteral("own:") + QString::number(id);
}

QString ChooseFile(QWidget* parent, bool save)
{
    const QString filter =
        QStringLiteral("自分の文例（UTF-8 テキスト）(*.txt);;すべてのファイル (*)");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (save)
        return QFileDialog::getSaveFileName(parent, QStringLiteral("自分の文例を書き出す"),
                                            QDir(folder).filePath(QStringLiteral("自分の文例.txt")),
                                            filter);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("自分の文例を読み込む"), folder,
                                        filter);
}

// The categories a catalogue record is filed under, as its page names them.
QString Categories(PageIdentity::Selector selector, const QString& mask)
{
    QStringList names;
    const auto collect = [&](int count, const std::function<QString(int)>& name) {
        for (int i = 0; i < count; ++i) {
            if (CategoryMask::HasCategory(mask, i))
                names << name(i);
        }
    };
    switch (selector) {
    case PageIdentity::Selector::Fields:
        collect(FieldTable::FieldCount, [](int i) { return FieldTable::Caption(i); });
        break;
    case PageIdentity::Selector::Qualities:
        collect(CheckGroup::BoxCount, [](int i) { return CheckGroup::BoxAt(i).caption; });
        break;
    case PageIdentity::Selector::Faculties:
        collect(JikoFacultyTable::FacultyCount,
                [](int i) { return JikoFacultyTable::faculties().at(i).name; });
        break;
    case PageIdentity::Selector::Own:
    case PageIdentity::Selector::None:
        break;
    }
    return names.join(u'、');
}

} // namespace

CDlgTabJibun::CDlgTabJibun(QWidget* parent)
    : SamplePage({.colour = PageColour,
                  .folder = Folder,
                  .catalogue = QList<SampleRecord>(),
                  .headed = true},
                 parent),
      m_chooser(ChooseFile)
{
    AddPicture(Artwork::Banner(Title(), BannerColour()),
               QPoint(DialogUnits::X(2), DialogUnits::Y(5)), Title());
    const auto entry = [](View view, const QString& name, int y) {
        return FieldSelector::Entry{
            name, QRect(23, y, 60, 10), QRect(12, y - 1, 7, 9), {{int(view), name, name}}, false};
    };
    m_selector = new FieldSelector(this,
                                   {entry(Favourites, QStringLiteral("お気に入り"), 32),
                                    entry(Registered, QStringLiteral("登録した文例"), 48)},
                                   Artwork::Arrow(TabColour()));
    connect(m_selector, &FieldSelector::Chosen, this, [this](int index) { Choose(index); });

    const auto button = [this](const QString& text, const QString& name, QRect rect) {
        auto* b = new QPushButton(text, this);
        b->setAccessibleName(name);
        b->setGeometry(rect);
        b->setAutoDefault(false);
        return b;
    };
    const QRect top = TopButton()->geometry();
    const QRect bottom = BottomButton()->geometry();
    const int half = top.height() / 2 - 2;
    m_topEdit = button(QStringLiteral("編集…"), QStringLiteral("編集…（上）"),
                       QRect(top.x(), top.y(), top.width(), half));
    m_topRemove = button(QStringLiteral("削除"), QStringLiteral("削除（上）"),
                         QRect(top.x(), top.bottom() - half + 1, top.width(), half));
    m_bottomEdit = button(QStringLiteral("編集…"), QStringLiteral("編集…（下）"),
                          QRect(bottom.x(), bottom.y(), bottom.width(), half));
    m_bottomRemove = button(QStringLiteral("削除"), QStringLiteral("削除（下）"),
                            QRect(bottom.x(), bottom.bottom() - half + 1, bottom.width(), half));
    m_export = button(QStringLiteral("書き出し…"), QStringLiteral("自分の文例を書き出す"),
                      QRect(DialogUnits::X(12), DialogUnits::Y(72), 130, 30));
    m_import = button(QStringLiteral("読み込み…"), QStringLiteral("自分の文例を読み込む"),
                      QRect(DialogUnits::X(12), DialogUnits::Y(72) + 36, 130, 30));
    connect(m_topEdit, &QPushButton::clicked, this, [this] { Edit(true); });
    connect(m_bottomEdit, &QPushButton::clicked, this, [this] { Edit(false); });
    connect(m_topRemove, &QPushButton::clicked, this, [this] { Remove(true); });
    connect(m_bottomRemove, &QPushButton::clicked, this, [this] { Remove(false); });
    connect(m_export, &QPushButton::clicked, this, &CDlgTabJibun::Export);
    connect(m_import, &QPushButton::clicked, this, &CDlgTabJibun::Import);
    SetCaption(m_selector->CaptionOf(m_view));
    ShowButtons();
}

void CDlgTabJibun::Choose(int view)
{
    m_view = view == Favourites ? Favourites : Registered;
    m_collected = false;
    SetCaption(m_selector->CaptionOf(m_view));
    Refresh();
}

void CDlgTabJibun::showEvent(QShowEvent* event)
{
    // The library is read when the tab is first shown, not at start-up.
    if (!m_collected)
        Refresh();
    SamplePage::showEvent(event);
}

void CDlgTabJibun::BeforeListing()
{
    if (!m_collected)
        Collect();
}

void CDlgTabJibun::LibraryChanged()
{
    SamplePage::LibraryChanged();
    // Listed again at once, hidden or not, so the tab's search count follows the
    // library; a star alone leaves the own samples' list as it is.
    Library* library = UserLibrary();
    if (m_collected && library && library->SamplesRevision() == m_seenSamples &&
        (m_view == Registered || library->StarsRevision() == m_seenStars))
        return;
    m_collected = false;
    const int position = Pager().position();
    Refresh();
    ShowPosition(position);
}

void CDlgTabJibun::Collect()
{
    m_collected = true;
    QList<SampleRecord> records;
    m_headings.clear();
    m_folders.clear();
    m_ownIds.clear();
    Library* library = UserLibrary();
    if (library) {
        library->Open();
        m_seenSamples = library->SamplesRevision();
        m_seenStars = library->StarsRevision();
        const auto add = [&](const SampleRecord& record, const QString& heading,
                             const QString& folder, qint64 id) {
            records << record;
            m_headings << heading;
            m_folders << folder;
            m_ownIds << id;
        };
        if (m_view == Favourites) {
            for (const PageIdentity::Page& page : PageIdentity::All()) {
                const QString tab = page.caption.trimmed();
                for (const SampleRecord& record : CatalogueData::ForFolder(page.folder).records) {
                    if (library->IsStarred(record.pdfName))
                        add(record, tab + u'\u3000' + Categories(page.selector, record.mask),
                            page.folder, 0);
                }
            }
        }
        for (const OwnSample& own : library->Samples()) {
            const QString name = OwnName(own.id);
            if (m_view == Registered || library->IsStarred(name))
                add({own.text, QString(), name},
                    (m_view == Favourites ? Title() : QString()) + own.title +
                        (own.tags.isEmpty() ? QString() : QStringLiteral("　［%1］").arg(own.tags)),
                    QString(), own.id);
        }
    }
    SetCatalogue(records);
}

std::optional<QList<int>> CDlgTabJibun::SelectedRecords() const
{
    QList<int> all(Catalogue().size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

QString CDlgTabJibun::SlotHeading(int catalogueIndex) const
{
    return m_headings.value(catalogueIndex);
}

QString CDlgTabJibun::DocumentFolder(int catalogueIndex) const
{
    return m_folders.value(catalogueIndex);
}

std::optional<OwnSample> CDlgTabJibun::SampleAt(int match) const
{
    if (!Matches().contains(match) || !UserLibrary())
        return std::nullopt;
    const qint64 id = m_ownIds.value(Matches().at(match).catalogueIndex);
    return id ? UserLibrary()->Sample(id) : std::nullopt;
}

std::optional<OwnSample> CDlgTabJibun::ShownSample(bool top) const
{
    return SampleAt(top ? TopMatch() : BottomMatch());
}

void CDlgTabJibun::SlotsShown()
{
    ShowButtons();
}

void CDlgTabJibun::ShowButtons()
{
    const auto show = [this](bool top, MultiLineButton* pdf, QPushButton* edit,
                             QPushButton* remove) {
        const int match = top ? TopMatch() : BottomMatch();
        const bool own = SampleAt(match).has_value();
        // A starred sample of another tab keeps its PDF button; an own one is edited.
        pdf->setVisible(!own && Matches().contains(match));
        edit->setVisible(own);
        remove->setVisible(own);
    };
    show(true, TopButton(), m_topEdit, m_topRemove);
    show(false, BottomButton(), m_bottomEdit, m_bottomRemove);
}

OwnSampleDialog* CDlgTabJibun::OpenDialog() const
{
    return m_dialog;
}

void CDlgTabJibun::Edit(bool top)
{
    const std::optional<OwnSample> sample = ShownSample(top);
    if (!sample)
        return;
    auto* dialog = new OwnSampleDialog(QStringLiteral("文例を編集"), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->SetSample(sample->title, sample->text, sample->tags);
    const qint64 id = sample->id;
    connect(dialog, &QDialog::accepted, this, [this, dialog, id] {
        if (!UserLibrary()->UpdateSample(id, dialog->Title(), dialog->Text(), dialog->Tags()))
            emit Notify(UserLibrary()->LastError());
    });
    // A guarded pointer, not a slot on destroyed(): the dialog is a child of this page and
    // may outlive the page's own part of its destruction.
    m_dialog = dialog;
    dialog->open();
}

void CDlgTabJibun::Remove(bool top)
{
    const std::optional<OwnSample> sample = ShownSample(top);
    if (!sample)
        return;
    if (UserLibrary()->RemoveSample(sample->id))
        emit Removed(*sample);
    else
        emit Notify(UserLibrary()->LastError());
}

void CDlgTabJibun::Export()
{
    Library* library = UserLibrary();
    if (!library)
        return;
    library->Open();
    const QString path = m_chooser(window(), true);
    if (path.isEmpty())
        return;
    const LibraryExchange::Contents contents = library->Export();
    const QByteArray bytes = LibraryExchange::Write(contents);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        emit Notify(QStringLiteral("書き出せませんでした：") + file.errorString());
        return;
    }
    emit Notify(QStringLiteral("書き出しました（自分の文例 %1 件、お気に入り %2 件）：%3")
                    .arg(contents.samples.size())
                    .arg(contents.stars.size())
                    .arg(QDir::toNativeSeparators(path)));
}

void CDlgTabJibun::Import()
{
    Library* library = UserLibrary();
    if (!library)
        return;
    const QString path = m_chooser(window(), false);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        emit Notify(QStringLiteral("読み込めませんでした：") + file.errorString());
        return;
    }
    if (file.size() > MostBytes) {
        emit Notify(QStringLiteral("読み込めませんでした：ファイルが大きすぎます"));
        return;
    }
    LibraryExchange::Fault fault;
    const auto contents = LibraryExchange::Parse(file.readAll(), &fault);
    if (!contents) {
        emit Notify(QStringLiteral("読み込めませんでした：%1 行目：%2（何も読み込んでいません）")
                        .arg(fault.line)
                        .arg(fault.reason));
        return;
    }
    const std::optional<Library::Imported> imported = library->Import(*contents);
    if (!imported) {
        emit Notify(library->LastError());
        return;
    }
    emit Notify(QStringLiteral("%1 件を読み込みました（%2 件は既にあります）")
                    .arg(imported->added)
                    .arg(imported->present));
}
