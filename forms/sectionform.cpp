#include "sectionform.h"

#include "asciiforms.h"
#include "forms.h"
#include "msgbox.h"
#include "numtext.h"
#include "translatable.h"
#include "windownames.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvane {

QString inputCaption(SectionKind kind, std::size_t input) {
    return QCoreApplication::translate(sectionTextContext, describe(kind).inputs[input].caption);
}

QString resultCaption(SectionKind kind, std::size_t result) {
    return QCoreApplication::translate(sectionTextContext, describe(kind).results[result].caption);
}

SectionForm::SectionForm(const SectionFormDesign& design)
    : CalculationWindow(design.window, design.sectionKind) {
    addControls(design.controls);
    findFields(design);
    connectButtons();
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
    for (std::size_t i = 0; i < entries_.size() && i < description().inputs.size(); ++i) {
        if (description().inputs[i].required) {
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
        MsgBox(this, inputErrorText(), inputErrorTitle());
        return;
    }
    std::vector<double> millimetres;
    millimetres.reserve(entries_.size());
    for (const QLineEdit* field : entries_) {
        millimetres.push_back(Val(field->text().toStdString()));
    }
    const bool inRange = std::all_of(millimetres.begin(), millimetres.end(),
                                     [](double value) { return std::isfinite(value); });
    const bool complete = millimetres.size() == description().inputs.size() &&
                          results_.size() == description().results.size();
    const auto results =
        inRange && complete ? description().compute(millimetres.data()) : std::nullopt;
    if (!results) {
        MsgBox(this, inputErrorText(), inputErrorTitle());
        return;
    }
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i]->setEnabled(true);
        setTextBoxText(results_[i],
                       QString::fromStdString(Str((*results).*description().results[i].value)));
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
