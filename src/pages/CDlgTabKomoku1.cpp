#include "CDlgTabKomoku1.h"

#include "Artwork.h"
#include "DialogUnits.h"
#include "FieldSelector.h"

CDlgTabKomoku1::CDlgTabKomoku1(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({PageColour, QStringLiteral("koumoku1"), std::move(catalogue)}, parent)
{
    const QString title = Title();
    AddPicture(Artwork::Banner(title, TabColour()), DialogUnits::Rect(3, 5, 155, 15).topLeft(),
               title);
    m_selector =
        new FieldSelector(this, FieldSelector::FieldEntries(9), Artwork::Arrow(TabColour()));
    connect(m_selector, &FieldSelector::Chosen, this, [this](int index, const QString& caption) {
        SetCaption(caption);
        ApplySelection(index);
    });
}
