// A bare Qt program with the main window's widgets (same kinds, places, visibility and
// style, the same captions) and none of its data, pictures or fonts: the yardstick for start-up.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <vector>

#include "bench/startup/first_paint.h"
#include "bench/startup/widget_tree.h"

namespace {

using quenmar::bench::WidgetRecord;

QWidget* makeWidget(const WidgetRecord& record, QWidget* parent) {
  const QString& kind = record.kind;
  if (kind == QLatin1String("QComboBox")) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(record.editable);
    return combo;
  }
  if (kind == QLatin1String("QRadioButton")) return new QRadioButton(record.caption, parent);
  if (kind == QLatin1String("QGroupBox")) return new QGroupBox(record.caption, parent);
  if (kind == QLatin1String("QLabel")) return new QLabel(record.caption, parent);
  if (kind == QLatin1String("QPlainTextEdit")) return new QPlainTextEdit(parent);
  if (kind == QLatin1String("QListWidget")) return new QListWidget(parent);
  if (kind == QLatin1String("QLineEdit")) return new QLineEdit(parent);
  if (kind == QLatin1String("QPushButton")) return new QPushButton(record.caption, parent);
  return new QWidget(parent);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  if (argc != 2) {
    return 1;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) {
    return 1;
  }
  const std::vector<WidgetRecord> records =
      quenmar::bench::fromText(QString::fromUtf8(file.readAll()));
  if (records.empty()) {
    return 1;
  }
  std::vector<QWidget*> widgets;
  for (const WidgetRecord& record : records) {
    QWidget* parent = record.parent >= 0 ? widgets.at(std::size_t(record.parent)) : nullptr;
    QWidget* widget = makeWidget(record, parent);
    if (parent == nullptr) {
      widget->setFixedSize(record.geometry.size());
    } else {
      widget->setGeometry(record.geometry);
      widget->setVisible(record.visible);
    }
    widgets.push_back(widget);
  }
  QWidget& window = *widgets.front();
  quenmar::bench::reportAtFirstPaint(window);
  window.show();
  const int result = QApplication::exec();
  delete &window;
  return result;
}
