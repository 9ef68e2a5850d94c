#include "bench/startup/widget_tree.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMetaObject>
#include <QStringList>
#include <QTextStream>
#include <QUrl>
#include <algorithm>
#include <array>

namespace quenmar::bench {
namespace {

constexpr std::array<const char*, 9> kStockKinds = {"QComboBox", "QRadioButton",    "QGroupBox",
                                                    "QLabel",    "QPlainTextEdit",  "QListWidget",
                                                    "QLineEdit", "QAbstractButton", "QWidget"};

QString stockKind(const QWidget& widget) {
  for (const QMetaObject* meta = widget.metaObject(); meta != nullptr; meta = meta->superClass()) {
    const auto found = std::find_if(kStockKinds.begin(), kStockKinds.end(), [&](const char* kind) {
      return qstrcmp(kind, meta->className()) == 0;
    });
    if (found != kStockKinds.end()) {
      // Our own push button draws itself; the bare window uses Qt's own push button.
      return qstrcmp(*found, "QAbstractButton") == 0 ? QStringLiteral("QPushButton")
                                                     : QString::fromLatin1(*found);
    }
  }
  return QStringLiteral("QWidget");
}

bool isOwnControl(const QWidget& widget) {
  const QString name = widget.objectName();
  return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QString captionOf(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    return button->text();
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return label->text();
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
    return frame->title();
  }
  return {};
}

}  // namespace

std::vector<WidgetRecord> recordTree(QWidget& window) {
  std::vector<WidgetRecord> records;
  std::vector<const QWidget*> widgets;
  records.push_back({QStringLiteral("QWidget"), -1, window.geometry(), true, false, {}});
  widgets.push_back(&window);
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (!isOwnControl(*child)) {
      continue;
    }
    // Named controls sit on the window or on a named control (the frame), which
    // findChildren lists before its children.
    const auto parent = std::find(widgets.begin(), widgets.end(), child->parentWidget());
    if (parent == widgets.end()) {
      continue;
    }
    const auto* combo = qobject_cast<const QComboBox*>(child);
    records.push_back({stockKind(*child), static_cast<int>(parent - widgets.begin()),
                       child->geometry(), child->isVisibleTo(&window),
                       combo != nullptr && combo->isEditable(), captionOf(*child)});
    widgets.push_back(child);
  }
  return records;
}

QString toText(const std::vector<WidgetRecord>& records) {
  QString text;
  QTextStream out(&text);
  for (const WidgetRecord& r : records) {
    out << r.kind << ' ' << r.parent << ' ' << r.geometry.x() << ' ' << r.geometry.y() << ' '
        << r.geometry.width() << ' ' << r.geometry.height() << ' ' << int(r.visible) << ' '
        << int(r.editable) << ' ' << QString::fromLatin1(QUrl::toPercentEncoding(r.caption))
        << '\n';
  }
  return text;
}

std::vector<WidgetRecord> fromText(const QString& text) {
  std::vector<WidgetRecord> records;
  for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QStringList f = line.split(QLatin1Char(' '));
    if (f.size() != 9) {
      continue;
    }
    records.push_back({f[0], f[1].toInt(),
                       QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()),
                       f[6] == QLatin1String("1"), f[7] == QLatin1String("1"),
                       QUrl::fromPercentEncoding(f[8].toLatin1())});
  }
  return records;
}

}  // namespace quenmar::bench
