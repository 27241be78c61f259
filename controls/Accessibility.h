#pragma once

#include <QAccessible>

class QWidget;

namespace controls {

// Makes the skinned controls readable to screen readers (over AT-SPI on Linux): each reports the
// role it plays and its state (a pressed mode button, a chosen tab, a selected list entry), the
// category list its entries, and the grids their items. Installs Qt's accessibility factory
// once; call it before the controls are first looked at.
void InstallAccessibility();

// Gives a plain widget a role of its own for screen readers (a picture, a status line); without
// one it is an anonymous pane.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// Tells screen readers that the name of `widget` changed (for a status line, they read the
// new text out).
void AnnounceNameChange(QWidget* widget);

}  // namespace controls
