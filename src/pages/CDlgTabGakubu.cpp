#include "CDlgTabGakubu.h"

#include "Artwork.h"
#include "DialogUnits.h"
#include "FieldSelector.h"

CDlgTabGakubu::CDlgTabGakubu(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({.colour = PageColour,
                  .folder = QStringLiteral("gakubu"),
                  .catalogue = std::move(catalogue),
                  .display = DisplayRule::Numbered,
                  .topButtonY = 206},
                 parent)
{
    const QString title = Title();
    AddPicture(Artwork::Banner(title, BannerColour), DialogUnits::Rect(2, 5, 155, 15).topLeft(),
               title);
    m_selector = new FieldSelector(this, FieldSelector::FieldEntries(ArrowWidth),
                                   Artwork::Arrow(TabColour()));
    connect(m_selector, &FieldSelector::Chosen, this, [this](int index, const QString& caption) {
        SetCaption(caption);
        ApplySelection(index);
    });
}
