#include "CDlgTabKomoku1.h"

const QString CDlgTabKomoku1::Folder = QStringLiteral("koumoku1");

CDlgTabKomoku1::CDlgTabKomoku1(QWidget* parent, std::optional<QList<SampleRecord>> catalogue)
    : CategoryPage({.colour = PageColour, .folder = Folder, .catalogue = std::move(catalogue)},
                   {.colour = QColor(), .topLeft = {3, 5}}, parent)
{}
