#include "CDlgTabJiko.h"

CDlgTabJiko::CDlgTabJiko(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({PageColour, QStringLiteral("jiko"), std::move(catalogue)}, parent)
{}
