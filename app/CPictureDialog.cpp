#include "app/CPictureDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "app/CameraControlNames.h"

namespace app {

CPictureDialog::CPictureDialog(QWidget* owner)
    : QDialog(owner),
      rowsPlace_(new QWidget(this)),
      note_(new QLabel(this)),
      //: Puts every picture control back to the camera's default
      resetButton_(new QPushButton(tr("&Reset"), this)) {
    setWindowTitle(tr("Camera Picture"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rowsPlace_);
    note_->setWordWrap(true);
    layout->addWidget(note_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(resetButton_, QDialogButtonBox::ResetRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(resetButton_, &QPushButton::clicked, this, [this] {
        if (!controls_) return;
        const std::vector<std::string> refused = controls_->Reset();
        Refresh();
        ShowRefused(refused);
        emit SettingsReset(id_);
    });
    setMinimumWidth(420);
    Rebuild();
}

void CPictureDialog::SetControls(std::shared_ptr<capture::CameraControls> controls,
                                 const std::string& id) {
    controls_ = std::move(controls);
    id_ = id;
    Rebuild();
}

QSlider* CPictureDialog::Slider(const std::string& key) const {
    for (const auto& row : rowList_)
        if (row->control.key == key) return row->slider;
    return nullptr;
}

QCheckBox* CPictureDialog::AutoBox(const std::string& key) const {
    for (const auto& row : rowList_)
        if (row->control.key == key) return row->automatic;
    return nullptr;
}

QLabel* CPictureDialog::ValueLabel(const std::string& key) const {
    for (const auto& row : rowList_)
        if (row->control.key == key) return row->value;
    return nullptr;
}

QString CPictureDialog::Note() const { return note_->text(); }

void CPictureDialog::Rebuild() {
    rowList_.clear();
    delete rows_;
    qDeleteAll(rowsPlace_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    rows_ = new QGridLayout(rowsPlace_);
    const std::vector<capture::CameraControl> listed =
        controls_ ? controls_->List() : std::vector<capture::CameraControl>();
    note_->setText(controls_ ? QString() : tr("No camera"));
    resetButton_->setEnabled(controls_ != nullptr);
    int line = 0;
    for (const capture::CameraControl& control : listed) {
        auto row = std::make_unique<Row>();
        row->control = control;
        const QString label = CameraControlName(control.label);
        auto* name = new QLabel(label, rowsPlace_);
        // The road's own controls work on the picture, not in the camera.
        if (control.software)
            name->setToolTip(tr("The camera has no such control: Quenvalor adjusts the picture"));
        row->slider = new QSlider(Qt::Horizontal, rowsPlace_);
        row->slider->setRange(control.minimum, control.maximum);
        row->slider->setSingleStep(control.step);
        row->slider->setPageStep(std::max(control.step, (control.maximum - control.minimum) / 10));
        row->slider->setAccessibleName(label);
        row->slider->setAccessibleDescription(name->toolTip());
        name->setBuddy(row->slider);
        row->value = new QLabel(rowsPlace_);
        row->value->setMinimumWidth(40);
        row->value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows_->addWidget(name, line, 0);
        rows_->addWidget(row->slider, line, 1);
        rows_->addWidget(row->value, line, 2);
        if (control.hasAuto) {
            //: A check box: the camera sets this control by itself
            row->automatic = new QCheckBox(tr("Auto"), rowsPlace_);
            //: The accessible name of the Auto check box of a control, for example
            //: "Automatic White balance temperature"
            row->automatic->setAccessibleName(tr("Automatic %1").arg(label));
            rows_->addWidget(row->automatic, line, 3);
        }
        Row* place = row.get();
        connect(row->slider, &QSlider::valueChanged, this, [this, place](int value) { OnSlider(*place, value); });
        connect(row->slider, &QSlider::sliderReleased, this, &CPictureDialog::Keep);
        if (row->automatic)
            connect(row->automatic, &QCheckBox::toggled, this, [this, place](bool on) {
                if (!controls_->SetAuto(place->control.key, on)) ShowRefused({place->control.label});
                Refresh();
                Keep();
            });
        rowList_.push_back(std::move(row));
        ++line;
    }
    rows_->setColumnStretch(1, 1);
    Refresh();
    adjustSize();
}

void CPictureDialog::Refresh() {
    if (!controls_) return;
    const std::vector<capture::CameraControl> listed = controls_->List();
    for (const auto& row : rowList_) {
        for (const capture::CameraControl& control : listed) {
            if (control.key != row->control.key) continue;
            row->control = control;
            const QSignalBlocker quietSlider(row->slider);
            row->slider->setValue(control.value);
            row->slider->setEnabled(!(control.hasAuto && control.autoOn));
            row->value->setText(QString::number(control.value));
            if (row->automatic) {
                const QSignalBlocker quietBox(row->automatic);
                row->automatic->setChecked(control.autoOn);
            }
        }
    }
}

void CPictureDialog::OnSlider(Row& row, int value) {
    if (!controls_) return;
    const std::optional<int> taken = controls_->Set(row.control.key, value);
    if (!taken) {
        // Refused: the slider goes back to what the camera holds.
        ShowRefused({row.control.label});
        Refresh();
        return;
    }
    if (*taken != value) {
        const QSignalBlocker quiet(row.slider);
        row.slider->setValue(*taken);
    }
    row.value->setText(QString::number(*taken));
    if (!row.slider->isSliderDown()) Keep();
}

void CPictureDialog::Keep() {
    if (controls_) emit SettingsChanged(id_, controls_->Current());
}

void CPictureDialog::ShowRefused(const std::vector<std::string>& labels) {
    QStringList names;
    for (const std::string& label : labels) names << CameraControlName(label);
    note_->setText(names.isEmpty() ? QString()
                                   : tr("The camera refused: %1")
                                         .arg(names.join(tr(", ", "separator of a list of names"))));
}

}  // namespace app
