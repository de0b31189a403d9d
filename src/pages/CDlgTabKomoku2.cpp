#include "CDlgTabKomoku2.h"

CDlgTabKomoku2::CDlgTabKomoku2(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({PageColour, QStringLiteral("koumoku2"), std::move(catalogue)}, parent)
{}
