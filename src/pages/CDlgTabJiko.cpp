#include "CDlgTabJiko.h"

#include "Artwork.h"
#include "DialogUnits.h"
#include "JikoFacultyTable.h"

CDlgTabJiko::CDlgTabJiko(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({.colour = PageColour,
                  .folder = QStringLiteral("jiko"),
                  .catalogue = std::move(catalogue),
                  .display = DisplayRule::Numbered,
                  .topButtonY = 206},
                 parent)
{
    const QString title = Title();
    AddPicture(Artwork::Banner(title, TabColour()), DialogUnits::Rect(2, 5, 155, 15).topLeft(),
               title);
    m_selector = new FieldSelector(this, SelectorEntries(), Artwork::Arrow(TabColour()));
    connect(m_selector, &FieldSelector::Chosen, this, [this](int index, const QString& caption) {
        SetCaption(caption);
        ApplySelection(index);
    });
}

QList<FieldSelector::Entry> CDlgTabJiko::SelectorEntries()
{
    QList<FieldSelector::Entry> entries;
    const QList<JikoFacultyTable::Faculty>& faculties = JikoFacultyTable::faculties();
    for (qsizetype i = 0; i < faculties.size(); ++i) {
        const JikoFacultyTable::Faculty& faculty = faculties.at(i);
        const FieldSelector::Choice only{int(i), faculty.name, faculty.name};
        entries << FieldSelector::Entry{
            faculty.name, faculty.labelRect, faculty.arrowRect, {only}, false};
    }
    return entries;
}
