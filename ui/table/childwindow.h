// SPDX-License-Identifier: GPL-3.0-or-later
// What every child window of the main window shares: the sub-window frame it sits in and its
// size in twips, outer (with the frame) and inner (ScaleWidth, ScaleHeight), as the layout
// formulas use them.
#pragma once

#include <QMdiSubWindow>
#include <QWidget>

#include "ui/twips.h"

namespace plumet {

class ChildWindow : public QWidget {
  public:
    using QWidget::QWidget;

    QMdiSubWindow* subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

    double outerWidth() const { return tw(subWindow() ? subWindow()->width() : width()); }
    double outerHeight() const { return tw(subWindow() ? subWindow()->height() : height()); }
    double scaleWidth() const { return tw(width()); }
    double scaleHeight() const { return tw(height()); }
};

}  // namespace plumet
