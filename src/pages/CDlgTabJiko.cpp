#include "CDlgTabJiko.h"

const QString CDlgTabJiko::Folder = QStringLiteral("jiko");

CDlgTabJiko::CDlgTabJiko(QWidget* parent, std::optional<QList<SampleRecord>> catalogue)
    : CategoryPage({.colour = PageColour,
                    .folder = Folder,
                    .catalogue = std::move(catalogue),
                    .display = DisplayRule::Numbered,
                    .topButtonY = 206},
                   {.colour = QColor(), .topLeft = {2, 5}}, parent)
{}
