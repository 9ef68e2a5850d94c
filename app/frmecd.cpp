#include "app/frmecd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QResource>

#include "app/category.h"
#include "app/controls.h"
#include "app/deferred_icon.h"
#include "app/desktop.h"
#include "app/focus_bridge.h"
#include "app/frmabt.h"
#include "app/frmcredit.h"
#include "app/looks.h"
#include "app/pictures.h"
#include "app/web_links.h"
#include "skin/dorx_xp_button.h"

namespace quenmar {
namespace {

constexpr QSize kClientSize{529, 500};

QIcon quenmarIcon() {
  std::vector<std::pair<QString, QSize>> files;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    files.emplace_back(QStringLiteral(":/quenmar/icon-%1.png").arg(size), QSize(size, size));
    files.emplace_back(QStringLiteral(":/quenmar/icon-%1-256.png").arg(size), QSize(size, size));
  }
  return deferredIcon(std::move(files));
}

// The background is kept as ready pixels, four bytes each (blue, green, red, 255), and shown
// where they lie in the program: decoding a compressed picture into fresh memory before the
// first paint took longer than building all the window's controls.
QImage backgroundPicture() {
  const QResource pixels(QStringLiteral(":/quenmar/background.rgb32"));
  const int width = kClientSize.width();
  const int height = kClientSize.height();
  if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
      pixels.size() != qint64(width) * height * 4) {
    return {};
  }
  if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
    return QImage(pixels.data(), width, height, width * 4, QImage::Format_RGB32);
  } else {
    return QImage(pixels.data(), width, height, width * 4, QImage::Format_RGBX8888).rgbSwapped();
  }
}

}  // namespace

frmEcd::frmEcd() : frmEcd(systemDesktop()) {}

frmEcd::frmEcd(Desktop& desktop) : desktop_(desktop) {
  registerPictures();
  setObjectName(QStringLiteral("frmEcd"));
  setWindowTitle(QStringLiteral("Kestrune QUENMAR"));
  setFixedSize(kClientSize);
  setWindowIcon(quenmarIcon());
  background_ = backgroundPicture();
  focus_ = new FocusBridge(this);
  buildControls();
  applyLooks();
  setTabOrder();
  registerFocusControls();
  connectHandlers();
  Form_Load();
}

frmEcd::~frmEcd() { closeSecondaryWindows(); }

void frmEcd::Form_Load() {
  for (QPlainTextEdit* pane : {txtAction, txtDesc, txtReason, txtResp}) {
    pane->setReadOnly(true);
    pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

void frmEcd::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (started_) {
    return;
  }
  started_ = true;
  // The window opens in the COBOL Category: the first control of the tab order takes the
  // focus and becomes set, which runs its switch.
  focus_->moveTo(optCobol);
  optCobol->setChecked(true);
}

void frmEcd::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
}

void frmEcd::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void frmEcd::Form_Unload() {
  closeSecondaryWindows();
  QCoreApplication::quit();
}

void frmEcd::closeSecondaryWindows() {
  if (about_ != nullptr) {
    delete about_.data();
  }
  if (help_ != nullptr) {
    delete help_.data();
  }
}

void frmEcd::cmdExt_Click() { close(); }

frmAbt* frmEcd::aboutWindow() const {
  return about_ != nullptr && about_->isVisible() ? about_.data() : nullptr;
}

frmCredit* frmEcd::helpWindow() const {
  return help_ != nullptr && help_->isVisible() ? help_.data() : nullptr;
}

// A window closed by its own button is on its way out; the next click builds a fresh one.
void frmEcd::cmdAbt_Click() {
  if (aboutWindow() == nullptr) {
    about_ = new frmAbt(desktop_);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void frmEcd::cmdCred_Click() {
  if (helpWindow() == nullptr) {
    help_ = new frmCredit(desktop_);
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void frmEcd::cmdRfs_Click() {
  sclst->setEnabled(true);
  eclst->setEnabled(true);
  fclst->setEnabled(true);
  if (const CategoryDescriptor* chosenCategory = chosen()) {
    controls::setText(cmbCode, QString());
    for (QPlainTextEdit* box : {txtAction, txtCode, txtDesc, txtReason, txtResp}) {
      box->clear();
    }
    if (chosenCategory->onSwitch.second != SecondList::Hidden) {
      controls::setText(cmbDb2, QString());
    }
    switch (chosenCategory->refreshFocus) {
      case RefreshFocus::CodeList:
        focus_->moveTo(cmbCode);
        break;
      case RefreshFocus::CodeListOrBox:
        focus_->moveTo(ListFocusFlag ? static_cast<QWidget*>(cmbCode) : txtCode);
        break;
      case RefreshFocus::Nowhere:
        break;
    }
  }
  lstJcl->clear();
}

void frmEcd::Support_Click() { desktop_.openWebPage(links::kForumPage); }

void frmEcd::connectHandlers() {
  connect(cmdExt, &QAbstractButton::clicked, this, &frmEcd::cmdExt_Click);
  connect(cmdAbt, &QAbstractButton::clicked, this, &frmEcd::cmdAbt_Click);
  connect(cmdCred, &QAbstractButton::clicked, this, &frmEcd::cmdCred_Click);
  connect(cmdRfs, &QAbstractButton::clicked, this, &frmEcd::cmdRfs_Click);
  connect(Support, &QAbstractButton::clicked, this, &frmEcd::Support_Click);
  connect(cmdType, &QAbstractButton::clicked, this, &frmEcd::cmdType_Click);
  connectSwitches();
  connectLookups();
  connectTypedCodeBox();
  connectIdmsLists();
  connectJclList();
  connectVsamLists();
}

// The controls with focus handlers (cmbCode, cmbDb2, txtCode, pclst) are registered where
// their handlers are wired.
void frmEcd::registerFocusControls() {
  for (QWidget* control : std::initializer_list<QWidget*>{
           optCobol, optMvs,   optJcl,  optVsam, optDb2, optCics, optIms,    optIdms, optRexx,
           lstIdms1, lstIdms2, lstJcl,  sclst,   eclst,  fclst,   txtReason, txtDesc, txtAction,
           txtResp,  Support,  cmdCred, cmdType, cmdAbt, cmdExt,  cmdRfs}) {
    focus_->addControl(control);
  }
}

}  // namespace quenmar
