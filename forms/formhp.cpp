#include "formhp.h"

#include "asciiforms.h"
#include "forms.h"
#include "hpprofiles.h"
#include "language.h"
#include "msgbox.h"
#include "numtext.h"
#include "resultexport.h"
#include "sectionform.h"
#include "sectionkind.h"
#include "sectionsheet.h"
#include "translatable.h"
#include "windownames.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>

#include <array>
#include <cmath>

namespace corvane {

namespace {

constexpr SectionKind kind = SectionKind::PlatedProfile;

// The description's inputs: h, t, b, t_p, l, then the bulb's c and r.
constexpr std::size_t heightInput = 0;
constexpr std::size_t thicknessInput = 1;
constexpr std::size_t firstPlatingInput = 2;
constexpr std::size_t platingInputs = 3;
constexpr std::size_t inputCount = 7;

FormDesign design() {
    return {WindowName::BulbFlat,
            QCoreApplication::translate("corvane::FormHp", "球扁钢带板剖面计算"),
            8400,
            6600,
            BorderStyle::Sizable,
            SystemColour::scrollBar(),
            designFont(QStringLiteral("楷体_GB2312"), 14.25)};
}

QLineEdit* entryField(QWidget* parent, const QString& name, const QString& caption) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(caption);
    keepAsciiForms(field);
    return field;
}

// A number from an entry field through the program's one entry reading;
// empty for an empty field or one beyond the double range.
std::optional<double> millimetres(const QLineEdit* field) {
    if (field->text().trimmed().isEmpty()) {
        return std::nullopt;
    }
    const double value = Val(field->text().toStdString());
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

FormHp::FormHp() : CalculationWindow(design(), kind) {
    QWidget* client = clientArea();
    const SectionKindDescription& description = describe(kind);
    auto* grid = new QGridLayout(client);

    bulbFlat_ = new QRadioButton(QCoreApplication::translate("corvane::FormHp", "球扁钢"), client);
    bulbFlat_->setObjectName(QStringLiteral("optBulbFlat"));
    flatBar_ = new QRadioButton(QCoreApplication::translate("corvane::FormHp", "扁钢"), client);
    flatBar_->setObjectName(QStringLiteral("optFlatBar"));
    bulbFlat_->setChecked(true);
    size_ = new QComboBox(client);
    size_->setObjectName(QStringLiteral("cboSize"));
    size_->setEditable(true);
    size_->setAccessibleName(
        QCoreApplication::translate(sectionTextContext, description.profileName->caption));
    for (const HpSize& size : hpSizes()) {
        size_->addItem(QString::fromStdString(profileName(*hpShape(size))));
    }
    size_->setCurrentText(QStringLiteral("HP 200×10"));
    keepAsciiForms(size_->lineEdit());

    int row = 0;
    grid->addWidget(bulbFlat_, row, 0);
    grid->addWidget(size_, row++, 1);
    grid->addWidget(flatBar_, row++, 0);
    const auto addEntry = [&](std::size_t input, const QString& name) {
        const QString caption = inputCaption(kind, input);
        auto* label = new QLabel(caption, client);
        QLineEdit* field = entryField(client, name, caption);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
        return field;
    };
    height_ = addEntry(heightInput, QStringLiteral("txtHeight"));
    thickness_ = addEntry(thicknessInput, QStringLiteral("txtThickness"));
    const std::array<const char*, platingInputs> platingNames = {"txtPlateWidth",
                                                                 "txtPlateThickness", "txtSpan"};
    for (std::size_t i = 0; i < platingInputs; ++i) {
        plating_.push_back(addEntry(firstPlatingInput + i, QString::fromLatin1(platingNames[i])));
    }

    auto* resultsLabel =
        new QLabel(QCoreApplication::translate("corvane::FormHp", "结果："), client);
    grid->addWidget(resultsLabel, row++, 0);
    for (std::size_t r = 0; r < description.results.size(); ++r) {
        const QString caption = resultCaption(kind, r);
        auto* label = new QLabel(caption, client);
        auto* field = new QLineEdit(client);
        field->setObjectName(controlName(QStringLiteral("txtResult"), static_cast<int>(r)));
        field->setAccessibleName(caption);
        field->setEnabled(false);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
        results_.push_back(field);
    }

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& name, const QString& caption,
                               void (FormHp::*handler)()) {
        auto* button = new QPushButton(caption, client);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    };
    addButton(QStringLiteral("cmdCalculate"),
              QCoreApplication::translate("corvane::FormHp", "计算"), &FormHp::calculate);
    addButton(QStringLiteral("cmdClear"), QCoreApplication::translate("corvane::FormHp", "清除"),
              &FormHp::clear);
    addButton(QStringLiteral("cmdReturn"), QCoreApplication::translate("corvane::FormHp", "返回"),
              &FormHp::goBack);
    grid->addLayout(buttons, row, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(bulbFlat_, &QRadioButton::toggled, this, &FormHp::profileKindChanged);
    profileKindChanged();

    installResultExport(this, platedProfileSheetSpec());
    for (QAction* action : editMenu()->actions()) {
        if (action->text() == QCoreApplication::translate("corvane::ResultExport", "复制结果")) {
            copy_ = action;
        }
    }
}

void FormHp::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    // The client area fills the window below the menu bar.
    const int top = hasMenuBar() ? menuBar()->height() : 0;
    clientArea()->setGeometry(0, top, width(), height() - top);
}

void FormHp::profileKindChanged() {
    const bool bulb = bulbFlat_->isChecked();
    size_->setEnabled(bulb);
    height_->setEnabled(!bulb);
    thickness_->setEnabled(!bulb);
}

void FormHp::calculate() {
    const SectionKindDescription& description = describe(kind);
    std::array<double, inputCount> mm{};
    QString problem;
    if (bulbFlat_->isChecked()) {
        // The listed name, read as the batch tool reads its profile column.
        const auto read = description.profileName->read(
            asciiFormsUtf8(size_->currentText().trimmed().toStdString()), mm.data());
        if (read) {
            // The reading says why in both languages.
            const bool english = currentLanguage() == Language::English;
            problem = QString::fromStdString(english ? read->english : read->chinese);
            // The English words are written to follow a row number in the
            // batch tool's messages; a message box begins a sentence.
            if (english && !problem.isEmpty()) {
                problem[0] = problem[0].toUpper();
            }
        }
    } else {
        const auto h = millimetres(height_);
        const auto t = millimetres(thickness_);
        if (!h || !t || *h <= 0 || *t <= 0) {
            problem = QCoreApplication::translate("corvane::FormHp", "扁钢的高度与厚度应大于 0");
        } else {
            mm[heightInput] = *h;
            mm[thicknessInput] = *t;
        }
    }
    for (std::size_t i = 0; i < platingInputs && problem.isEmpty(); ++i) {
        const auto value = millimetres(plating_[i]);
        if (!value) {
            problem = inputErrorText();
        } else {
            mm[firstPlatingInput + i] = *value;
        }
    }
    const auto results = problem.isEmpty() ? description.compute(mm.data()) : std::nullopt;
    if (!results) {
        MsgBox(this, problem.isEmpty() ? inputErrorText() : problem, inputErrorTitle());
        return;
    }
    for (std::size_t r = 0; r < results_.size(); ++r) {
        results_[r]->setEnabled(true);
        setTextBoxText(results_[r],
                       QString::fromStdString(Str((*results).*description.results[r].value)));
        results_[r]->setEnabled(false);
    }
    // A flat bar has no bulb: its c and r are left out of the copied table.
    ProfileShape shape = flatBarShape(mm[heightInput], mm[thicknessInput]);
    std::size_t shownInputs = firstPlatingInput + platingInputs;
    if (bulbFlat_->isChecked()) {
        shape = *hpShape({mm[heightInput], mm[thicknessInput]});
        shownInputs = inputCount;
    }
    SectionCalculation done;
    done.leadingRows = {{QString::fromUtf8(description.profileName->caption),
                         QString::fromStdString(profileName(shape))}};
    for (std::size_t i = 0; i < shownInputs; ++i) {
        done.entryTexts.push_back(QString::fromStdString(generalDouble(mm[i])));
    }
    done.entries.assign(mm.begin(), mm.end());
    done.results = *results;
    setCalculation(std::move(done));
}

void FormHp::clear() {
    for (QLineEdit* field : results_) {
        field->setEnabled(true);
        field->clear();
        field->setEnabled(false);
    }
    setCalculation(std::nullopt);
}

void FormHp::goBack() {
    Hide();
    corvane::Show(WindowName::MainMenu);
}

} // namespace corvane
