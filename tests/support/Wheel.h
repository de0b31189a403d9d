// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

// A wheel turn as the platform delivers it: a widget that does not take it hands it
// on to its parent. (Qt passes on only the wheel events that come from the platform,
// and a test's own events do not, so the hand-on is done here.)
inline void SendWheel(QWidget* target, QPoint angle)
{
    QPointF pos(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(pos);
    for (QWidget* w = target; w; w = w->parentWidget()) {
        QWheelEvent event(pos, global, QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        if (QCoreApplication::sendEvent(w, &event) && event.isAccepted())
            return;
        if (w->isWindow() || w->testAttribute(Qt::WA_NoMousePropagation))
            return;
        pos += w->pos();
    }
}
