// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OwnSample.h"
#include "SamplePage.h"

#include <QPointer>

#include <functional>

class FieldSelector;
class OwnSampleDialog;
class QPushButton;

// Tab 5: what the user keeps. "お気に入り" lists the starred samples of every tab, each
// headed by its tab and categories; "登録した文例" the user's own samples, newest first,
// which have 編集… and 削除 where the other samples have their PDF button. The page
// is built when first needed (shown, or searched) and follows the library as it changes.
class CDlgTabJibun : public SamplePage
{
    Q_OBJECT
public:
    static const QString Folder; // in its page identity
    static constexpr QColor PageColour{240, 232, 250};
    enum View
    {
        Favourites = 0,
        Registered = 1,
    };

    explicit CDlgTabJibun(QWidget* parent = nullptr);

    // Asks for the file to write (`save`) or read; empty: the user changed their mind.
    using FileChooser = std::function<QString(QWidget* parent, bool save)>;
    void SetFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    FieldSelector* Selector() const { return m_selector; }
    View CurrentView() const { return m_view; }
    void Choose(int view);
    // The own sample in the top or bottom slot, if it shows one.
    std::optional<OwnSample> ShownSample(bool top) const;
    QPushButton* EditButton(bool top) const { return top ? m_topEdit : m_bottomEdit; }
    QPushButton* RemoveButton(bool top) const { return top ? m_topRemove : m_bottomRemove; }
    QPushButton* ExportButton() const { return m_export; }
    QPushButton* ImportButton() const { return m_import; }
    // The dialog 編集… has open, if any.
    OwnSampleDialog* OpenDialog() const;

    void Edit(bool top);
    void Remove(bool top);
    void Export();
    void Import();

signals:
    // Something to tell in the window's notice.
    void Notify(const QString& message);
    // An own sample was removed; the window offers to put it back.
    void Removed(const OwnSample& sample);

protected:
    std::optional<QList<int>> SelectedRecords() const override;
    QString SlotHeading(int catalogueIndex) const override;
    QString DocumentFolder(int catalogueIndex) const override;
    void LibraryChanged() override;
    void BeforeListing() override;
    void SlotsShown() override;
    void showEvent(QShowEvent* event) override;

private:
    void Collect();
    void ShowButtons();
    std::optional<OwnSample> SampleAt(int match) const;

    View m_view = Registered;
    FieldSelector* m_selector;
    QStringList m_headings; // per record of the catalogue
    QStringList m_folders;  // per record: its tab's document folder, or empty
    QList<qint64> m_ownIds; // per record: the own sample's id, or 0
    QPushButton* m_topEdit;
    QPushButton* m_topRemove;
    QPushButton* m_bottomEdit;
    QPushButton* m_bottomRemove;
    QPushButton* m_export;
    QPushButton* m_import;
    QPointer<OwnSampleDialog> m_dialog;
    FileChooser m_chooser;
    bool m_collected = false;
    quint64 m_seenSamples = 0; // the library's revisions as last collected
    quint64 m_seenStars = 0;
};
