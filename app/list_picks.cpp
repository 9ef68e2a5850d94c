// How every list box of the window reports a pick to its Click handler.
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <functional>

#include "app/frmecd.h"

namespace quenmar {
namespace {

// A pick is the user choosing an item with the mouse or the keyboard. Qt reports every change
// of a list's chosen item alike, also those the program makes by emptying the list, and a mouse
// press makes an item current before it chooses it. So a change of the chosen item counts only
// while a key press or a mouse press or drag of the user on this list is being handled, and only
// once the item is chosen; a press on the item already chosen picks it again. A handler may
// empty or refill its own list: that chooses no item, so it never runs the handler again.
class ListPicks : public QObject {
 public:
  ListPicks(QListWidget* list, std::function<void()> click)
      : QObject(list), list_(list), items_(list->viewport()), click_(std::move(click)) {
    list->installEventFilter(this);
    items_->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { chosenItemChanged(); });
    connect(list, &QAbstractItemView::pressed, this,
            [this](const QModelIndex& index) { itemPressed(index); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Compared by address only: while the list is being destroyed its viewport still
    // receives events, and the list is no longer a list.
    const bool onList = watched == list_;
    const bool onItems = watched == items_;
    switch (event->type()) {
      case QEvent::KeyPress:
        armed_ = armed_ || onList;
        if (onList) {
          startFromTheTop(static_cast<QKeyEvent*>(event)->key());
        }
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        armed_ = armed_ || onItems;
        break;
      case QEvent::MouseMove:
        armed_ = armed_ || (onItems && static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton);
        break;
      case QEvent::KeyRelease:
      case QEvent::MouseButtonRelease:
      case QEvent::FocusOut:
        armed_ = false;
        break;
      case QEvent::FocusIn:
        armed_ = false;
        // Qt makes the first item current when a list without a current item takes the focus,
        // so the first arrow key would pass over it. The list keeps no current item instead,
        // and the first arrow key chooses the first item.
        if (onList && !list_->currentIndex().isValid()) {
          list_->setCurrentIndex(QModelIndex());
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // Without a current item Qt's list chooses the first item for any moving key. End and Page
  // Down move from the first item instead, as they do once an item has been chosen.
  void startFromTheTop(int key) {
    if ((key == Qt::Key_End || key == Qt::Key_PageDown) && !list_->currentIndex().isValid() &&
        list_->count() > 0) {
      list_->selectionModel()->setCurrentIndex(list_->model()->index(0, 0),
                                               QItemSelectionModel::NoUpdate);
    }
  }

  void chosenItemChanged() {
    if (armed_ && chosenRow() >= 0) {
      run();
    }
  }

  // A press on another item has already been answered as a change of the chosen item.
  void itemPressed(const QModelIndex& index) {
    if (armed_ && index.isValid() && index.row() == chosenRow()) {
      run();
    }
  }

  int chosenRow() const {
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    return chosen.isEmpty() ? -1 : list_->row(chosen.first());
  }

  void run() {
    armed_ = false;
    if (running_) {
      return;
    }
    running_ = true;
    click_();
    running_ = false;
  }

  QListWidget* list_;
  QWidget* items_;
  std::function<void()> click_;
  bool armed_ = false;
  bool running_ = false;
};

}  // namespace

void frmEcd::connectListClick(QListWidget* list, void (frmEcd::*click)()) {
  new ListPicks(list, [this, click] { (this->*click)(); });
}

}  // namespace quenmar
