// Fixed dialog layouts are given in dialog units of an 8-point Tahoma font:
// a quarter of the average character width across, an eighth of its height down.
#pragma once

#include <QRect>

class QWidget;

QRect DialogUnitsToPixels(int x, int y, int width, int height);
// Places `widget` at a rectangle given in dialog units.
void PlaceInDialogUnits(QWidget* widget, int x, int y, int width, int height);

// Centres a window on the screen of `owner` (the primary screen without one).
void CentreOnScreen(QWidget* window, const QWidget* owner);
