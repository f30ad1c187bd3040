#include "calculationwindow.h"

#include "sectiondetailswindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>

#include <utility>

namespace corvane {

CalculationWindow::CalculationWindow(const FormDesign& design, SectionKind kind)
    : Form(design), kind_(kind) {
    addMenus();
    addDetailsAction();
}

void CalculationWindow::addMenus() {
    menu_ = new QMenu(this);
    // The menu bar shows what the context menu offers, above the client
    // area; the window grows by its height and no control moves.
    fileMenu_ =
        menuBar()->addMenu(QCoreApplication::translate("corvane::CalculationWindow", "文件(&F)"));
    editMenu_ =
        menuBar()->addMenu(QCoreApplication::translate("corvane::CalculationWindow", "编辑(&E)"));
    viewMenu_ =
        menuBar()->addMenu(QCoreApplication::translate("corvane::CalculationWindow", "查看(&V)"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    viewMenu_->setObjectName(QStringLiteral("viewMenu"));
    addContextMenuKey(this);
}

void CalculationWindow::addDetailsAction() {
    detailsAction_ =
        new QAction(QCoreApplication::translate("corvane::CalculationWindow", "剖面详图…"), this);
    detailsAction_->setObjectName(QStringLiteral("detailsAction"));
    detailsAction_->setShortcut(Qt::Key_F2);
    connect(detailsAction_, &QAction::triggered, this, &CalculationWindow::showDetails);
    addCalculationAction(detailsAction_);
    viewMenu_->addAction(detailsAction_);
    // The details follow every successful 计算; after 清除 they keep showing
    // the last calculation, which their input line names.
    connect(this, &CalculationWindow::calculationChanged, this, [this] {
        if (details_ != nullptr && last_) {
            details_->setEntries(last_->entries);
        }
    });
}

SectionDetailsWindow* CalculationWindow::detailsWindow() {
    if (details_ == nullptr) {
        details_ = new SectionDetailsWindow(kind_, this);
        if (last_) {
            details_->setEntries(last_->entries);
        }
        emit detailsWindowCreated(details_);
    }
    return details_;
}

void CalculationWindow::showDetails() {
    if (!last_ || detailsWindow() == nullptr) {
        return;
    }
    details_->show();
    details_->raise();
    details_->activateWindow();
}

void CalculationWindow::hideEvent(QHideEvent* event) {
    // Return hides the section window; its details go with it and come back
    // when the window is shown again. A minimised window is left alone.
    if (!event->spontaneous() && details_ != nullptr) {
        detailsWereOpen_ = details_->isVisible();
        details_->hide();
    }
    Form::hideEvent(event);
}

void CalculationWindow::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!event->spontaneous() && detailsWereOpen_ && details_ != nullptr && last_) {
        detailsWereOpen_ = false;
        details_->show();
    }
}

void CalculationWindow::addCalculationAction(QAction* action) {
    action->setParent(this);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(last_.has_value());
    calculationActions_.push_back(action);
    menu_->addAction(action);
    addAction(action);
}

void CalculationWindow::addContextMenuSeparator() {
    menu_->addSeparator();
}

void CalculationWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Entry fields show their own edit menu and never get here; the
    // background, the labels and the (disabled) result fields do.
    if (menu_->actions().isEmpty()) {
        event->ignore();
        return;
    }
    menu_->popup(event->globalPos());
    event->accept();
}

void CalculationWindow::setCalculation(std::optional<SectionCalculation> calculation) {
    last_ = std::move(calculation);
    for (QAction* action : calculationActions_) {
        action->setEnabled(last_.has_value());
    }
    emit calculationChanged();
}

} // namespace corvane
