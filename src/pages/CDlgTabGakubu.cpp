#include "CDlgTabGakubu.h"

CDlgTabGakubu::CDlgTabGakubu(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({PageColour, QStringLiteral("gakubu"), std::move(catalogue)}, parent)
{}
