// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSize>

#include <optional>

class QDialogButtonBox;
class QSpinBox;

// Asks for a form's own grid: squares to a line (10 to 50) and lines (1 to 100).
// A figure outside those bounds cannot be typed, and OK waits for both figures.
class GridSizeDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr QSize Least{10, 1};
    static constexpr QSize Most{50, 100};

    // `initial`: columns × lines to start from.
    GridSizeDialog(QSize initial, QWidget* parent = nullptr);

    QSize Chosen() const;
    QSpinBox* ColumnsBox() const { return m_columns; }
    QSpinBox* LinesBox() const { return m_lines; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    // Shows the dialog and waits; nothing when the user cancels.
    static std::optional<QSize> Ask(QWidget* parent, QSize initial);

private:
    QSpinBox* m_columns;
    QSpinBox* m_lines;
    QDialogButtonBox* m_buttons;
};
