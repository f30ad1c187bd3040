#include "sectionform.h"

#include "forms.h"
#include "msgbox.h"
#include "numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace corvane {

SectionForm::SectionForm(const SectionFormDesign& design)
    : Form(design.window), compute_(design.compute) {
    for (const ControlSpec& spec : design.controls) {
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
    required_ = fields(design.requiredFields);
    entries_ = fields(design.entryFields);
    results_ = fields(design.resultFields);

    const auto connectButton = [this](const char* name, void (SectionForm::*handler)()) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, handler);
    };
    connectButton("Command5", &SectionForm::Command5_Click);
    connectButton("Command6", &SectionForm::Command6_Click);
    connectButton("Command7", &SectionForm::Command7_Click);
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
    const auto results = inRange ? compute_(millimetres) : std::nullopt;
    if (!results || results->size() != results_.size()) {
        MsgBox(this, inputErrorText, inputErrorTitle);
        return;
    }
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i]->setEnabled(true);
        results_[i]->setText(QString::fromStdString(Str((*results)[i])));
        results_[i]->setEnabled(false);
    }
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
}

void SectionForm::Command7_Click() {
    Hide();
    corvane::Show(QStringLiteral("Form2"));
}

} // namespace corvane
