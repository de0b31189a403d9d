// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;

// Beside one sample slot: the sample's 字数 and the button that adds it to the draft.
class SlotDraftControls : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize Size{88, 56};
    static constexpr QColor CountBackground{84, 110, 135};

    // `side` names the slot to a screen reader: "上" or "下".
    SlotDraftControls(const QString& side, QWidget* parent);

    // The sample's own text; Clear() for an empty slot.
    void ShowSample(const QString& text);
    void Clear();

    QLabel* CountLabel() const { return m_count; }
    QPushButton* AddButton() const { return m_add; }

signals:
    void AddRequested(const QString& text);

private:
    void Show(bool shown, const QString& count);

    QString m_side;
    QString m_text;
    QLabel* m_count;
    QPushButton* m_add;
};
