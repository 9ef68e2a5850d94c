#pragma once

// The main window's widget tree as plain records, so that the bare Qt probe can build a window
// of the same widgets, kinds, places, visibility and captions,
// without any of the program's data, pictures or fonts.
#include <QString>
#include <QWidget>
#include <vector>

namespace quenmar::bench {

struct WidgetRecord {
  QString kind;  // the nearest stock Qt class
  int parent;    // index of the parent record; -1 for the window
  QRect geometry;
  bool visible;
  bool editable;    // drop-down lists only
  QString caption;  // buttons, labels and the frame: the same words in Qt's default font
};

// The window and every named descendant (the window's own controls; Qt's inner parts of a
// control come back by themselves when the control is rebuilt).
std::vector<WidgetRecord> recordTree(QWidget& window);

QString toText(const std::vector<WidgetRecord>& records);
std::vector<WidgetRecord> fromText(const QString& text);

}  // namespace quenmar::bench
