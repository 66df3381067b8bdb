#pragma once

// What a screen reader learns of the board: a table of 81 cells, each named
// by its row, column and digit, and whether it is given.

class QAccessibleInterface;
class QObject;
class QString;

namespace novemo {

// The factory to install once with QAccessible::installFactory.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

}  // namespace novemo
