#include "sectionform.h"

#include "asciiforms.h"
#include "forms.h"
#include "msgbox.h"
#include "numtext.h"
#include "sectiondetailswindow.h"
#include "windownames.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvane {

QString inputCaption(SectionKind kind, std::size_t input) {
    return QString::fromUtf8(describe(kind).inputs[input].caption);
}

QString resultCaption(SectionKind kind, std::size_t result) {
    return QString::fromUtf8(describe(kind).results[result].caption);
}

SectionForm::SectionForm(const SectionFormDesign& design)
    : Form(design.window), description_(describe(design.sectionKind)), kind_(design.sectionKind) {
    addControls(design.controls);
    findFields(design);
    connectButtons();
    addMenus();
    addDetailsAction();
}

void SectionForm::addControls(const std::vector<ControlSpec>& controls) {
    for (const ControlSpec& spec : controls) {
        QWidget* control = nullptr;
        switch (spec.kind) {
        case ControlSpec::Kind::Label:
            control = addLabel(spec.name, spec.caption, spec.rect, spec.tabIndex);
            break;
        case ControlSpec::Kind::TextBox:
            control = addTextBox(spec.name, spec.rect, spec.tabIndex, spec.accessibleName);
            break;
        case ControlSpec::Kind::Button:
            control = addButton(spec.name, spec.caption, spec.rect, spec.tabIndex);
            break;
        }
        if (spec.fontPoints > 0) {
            QFont font = this->font();
            font.setPointSizeF(spec.fontPoints);
            control->setFont(font);
        }
    }
}

void SectionForm::findFields(const SectionFormDesign& design) {
    entries_ = fields(design.entryFields);
    results_ = fields(design.resultFields);
    for (std::size_t i = 0; i < entries_.size() && i < description_.inputs.size(); ++i) {
        if (description_.inputs[i].required) {
            required_.push_back(entries_[i]);
        }
    }
    // Full-width digits and signs typed through a Chinese input method, or
    // pasted, become ASCII before any handler or Val reads the entry.
    for (QLineEdit* field : entries_) {
        keepAsciiForms(field);
    }
}

void SectionForm::connectButtons() {
    const auto connectButton = [this](const char* name, void (SectionForm::*handler)()) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, handler);
    };
    connectButton("Command5", &SectionForm::Command5_Click);
    connectButton("Command6", &SectionForm::Command6_Click);
    connectButton("Command7", &SectionForm::Command7_Click);
}

void SectionForm::addMenus() {
    menu_ = new QMenu(this);
    // The menu bar shows what the context menu offers, above the client
    // area; the window grows by its height and no control moves.
    fileMenu_ = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    editMenu_ = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    viewMenu_ = menuBar()->addMenu(QStringLiteral("查看(&V)"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    viewMenu_->setObjectName(QStringLiteral("viewMenu"));
    addContextMenuKey(this);
}

void SectionForm::addDetailsAction() {
    detailsAction_ = new QAction(QStringLiteral("剖面详图…"), this);
    detailsAction_->setObjectName(QStringLiteral("detailsAction"));
    detailsAction_->setShortcut(Qt::Key_F2);
    connect(detailsAction_, &QAction::triggered, this, &SectionForm::showDetails);
    addCalculationAction(detailsAction_);
    viewMenu_->addAction(detailsAction_);
    // The details follow every successful 计算; after 清除 they keep showing
    // the last calculation, which their input line names.
    connect(this, &SectionForm::calculationChanged, this, [this] {
        if (details_ != nullptr && last_) {
            details_->setEntries(last_->entries);
        }
    });
}

SectionDetailsWindow* SectionForm::detailsWindow() {
    if (details_ == nullptr) {
        details_ = new SectionDetailsWindow(kind_, this);
        if (last_) {
            details_->setEntries(last_->entries);
        }
        emit detailsWindowCreated(details_);
    }
    return details_;
}

void SectionForm::showDetails() {
    if (!last_ || detailsWindow() == nullptr) {
        return;
    }
    details_->show();
    details_->raise();
    details_->activateWindow();
}

void SectionForm::hideEvent(QHideEvent* event) {
    // Return hides the section window; its details go with it and come back
    // when the window is shown again. A minimised window is left alone.
    if (!event->spontaneous() && details_ != nullptr) {
        detailsWereOpen_ = details_->isVisible();
        details_->hide();
    }
    Form::hideEvent(event);
}

void SectionForm::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!event->spontaneous() && detailsWereOpen_ && details_ != nullptr && last_) {
        detailsWereOpen_ = false;
        details_->show();
    }
}

void SectionForm::addCalculationAction(QAction* action) {
    action->setParent(this);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(last_.has_value());
    calculationActions_.push_back(action);
    menu_->addAction(action);
    addAction(action);
}

void SectionForm::addContextMenuSeparator() {
    menu_->addSeparator();
}

void SectionForm::contextMenuEvent(QContextMenuEvent* event) {
    // Entry fields show their own edit menu and never get here; the
    // background, the labels and the (disabled) result fields do.
    if (menu_->actions().isEmpty()) {
        event->ignore();
        return;
    }
    menu_->popup(event->globalPos());
    event->accept();
}

void SectionForm::setCalculation(std::optional<SectionCalculation> calculation) {
    last_ = std::move(calculation);
    for (QAction* action : calculationActions_) {
        action->setEnabled(last_.has_value());
    }
    emit calculationChanged();
}

void SectionForm::setCaptionToolTip(const QString& labelName, const QString& tip) {
    if (auto* label = findChild<QLabel*>(labelName)) {
        label->setToolTip(tip);
    }
}

QLineEdit* SectionForm::textBox(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

std::vector<QLineEdit*> SectionForm::fields(const std::vector<QString>& names) const {
    std::vector<QLineEdit*> found;
    found.reserve(names.size());
    for (const QString& name : names) {
        found.push_back(textBox(name));
    }
    return found;
}

void SectionForm::Command5_Click() {
    const bool anyEmpty =
        std::any_of(required_.begin(), required_.end(),
                    [](const QLineEdit* field) { return field->text().isEmpty(); });
    if (anyEmpty) {
        MsgBox(this, inputErrorText, inputErrorTitle);
        return;
    }
    std::vector<double> millimetres;
    millimetres.reserve(entries_.size());
    for (const QLineEdit* field : entries_) {
        millimetres.push_back(Val(field->text().toStdString()));
    }
    const bool inRange = std::all_of(millimetres.begin(), millimetres.end(),
                                     [](double value) { return std::isfinite(value); });
    const bool complete = millimetres.size() == description_.inputs.size() &&
                          results_.size() == description_.results.size();
    const auto results =
        inRange && complete ? description_.compute(millimetres.data()) : std::nullopt;
    if (!results) {
        MsgBox(this, inputErrorText, inputErrorTitle);
        return;
    }
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i]->setEnabled(true);
        setTextBoxText(results_[i],
                       QString::fromStdString(Str((*results).*description_.results[i].value)));
        results_[i]->setEnabled(false);
    }
    SectionCalculation done;
    for (const QLineEdit* field : entries_) {
        done.entryTexts.push_back(field->text());
    }
    done.entries = std::move(millimetres);
    done.results = *results;
    setCalculation(std::move(done));
}

void SectionForm::Command6_Click() {
    for (QLineEdit* field : results_) {
        field->setEnabled(true);
    }
    for (QLineEdit* field : results_) {
        field->clear();
    }
    for (QLineEdit* field : results_) {
        field->setEnabled(false);
    }
    setCalculation(std::nullopt);
}

void SectionForm::Command7_Click() {
    Hide();
    corvane::Show(WindowName::MainMenu);
}

} // namespace corvane
