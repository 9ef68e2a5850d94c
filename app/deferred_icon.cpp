#include "app/deferred_icon.h"

#include <QIconEngine>
#include <QPainter>

namespace quenmar {
namespace {

class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::vector<std::pair<QString, QSize>> files)
      : files_(std::move(files)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return loaded().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return loaded().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return loaded().availableSizes(mode, state);
  }
  bool isNull() override { return files_.empty(); }
  QString key() const override { return QStringLiteral("quenmar-deferred"); }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& loaded() {
    if (!decoded_) {
      decoded_ = true;
      for (const auto& [path, size] : files_) {
        icon_.addFile(path, size);
      }
    }
    return icon_;
  }

  std::vector<std::pair<QString, QSize>> files_;
  QIcon icon_;
  bool decoded_ = false;
};

}  // namespace

QIcon deferredIcon(std::vector<std::pair<QString, QSize>> files) {
  return QIcon(new DeferredIconEngine(std::move(files)));
}

}  // namespace quenmar
