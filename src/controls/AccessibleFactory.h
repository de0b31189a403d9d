// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLatin1String>
#include <QObject>

// Makes `Interface` what assistive technology sees of every `Widget`; installed once,
// however often a widget's constructor asks.
template <typename Widget, typename Interface> void InstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                if (object && object->isWidgetType() &&
                    className == QLatin1String(Widget::staticMetaObject.className()))
                    return new Interface(static_cast<Widget*>(object));
                return nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}
