#include "app/CSourceDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "app/ControlTexts.h"
#include "app/SkinPictures.h"
#include "controls/CHoverButton.h"
#include "controls/CellFont.h"

namespace app {

using capture::DeviceList;
using capture::FrameSize;
using capture::RecordingSizes;
using capture::RoadConfig;

namespace {

constexpr QRect kComboPlace(30, 100, 200, 20);
constexpr QPoint kMicrophonePromptTopLeft(30, 132);
constexpr QRect kMicrophonePlace(30, 155, 200, 20);
// The level meter: a frame with a bar that fills from the left.
constexpr QRect kMeterPlace(240, 158, 120, 14);
constexpr QColor kMeterFrame(0x50, 0x50, 0x50);
constexpr QColor kMeterBar(0x2E, 0xB8, 0x4B);
constexpr int kMeterIntervalMs = 50;
// The meter spans -60 dB (empty) to 0 dB (full) of full scale.
constexpr double kMeterFloorDb = -60;
constexpr const char* kNoMicrophoneLine = "None";
// The recording sizes stand to the right of the cameras.
constexpr QPoint kSizePromptTopLeft(270, 60);
constexpr QRect kSizePlace(270, 100, 200, 20);
constexpr QRect kOkPlace(270, 200, 97, 30);
constexpr QRect kCancelPlace(380, 200, 97, 30);
// The picture settings button, under the microphone.
constexpr QRect kPicturePlace(30, 202, 110, 26);
// The title is drawn left-aligned at the top of this rectangle, the prompt from this point.
constexpr QRect kTitleRect(QPoint(10, 5), QPoint(499, 23));
constexpr QPoint kPromptTopLeft(30, 60);
constexpr QColor kTitleColour(0xF0, 0xF0, 0xF0);
constexpr QColor kPromptColour(0x14, 0x14, 0x14);
// Shown where the background picture is missing.
constexpr QColor kBaseColour(236, 239, 243);

QFont DialogFont(int cellHeight, int weight) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setWeight(static_cast<QFont::Weight>(weight));
    return controls::FontWithCellHeight(font, cellHeight);
}

std::function<int(CSourceDialog&)>& RunHandler() {
    static std::function<int(CSourceDialog&)> handler;
    return handler;
}

}  // namespace

CSourceDialog::CSourceDialog(const DeviceList& devices, const QString& skinFolder, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      comboBox_(new QComboBox(this)),
      microphoneBox_(new QComboBox(this)),
      meterTimer_(new QTimer(this)),
      sizeBox_(new QComboBox(this)),
      okButton_(new controls::CHoverButton(this)),
      cancelButton_(new controls::CHoverButton(this)),
      //: Opens the camera's picture controls (brightness, contrast...)
      pictureButton_(new QPushButton(tr("&Picture..."), this)),
      background_(skinFolder + "register_bk.bmp") {
    setWindowTitle(tr("Webcam Source Select"));

    //: The accessible name of the list of cameras
    comboBox_->setAccessibleName(tr("Camera"));
    //: The accessible name of the list of microphones
    microphoneBox_->setAccessibleName(tr("Microphone"));
    sizeBox_->setAccessibleName(tr("Recording size"));
    // The prompts are labels of their lists, so screen readers read each list with its prompt
    // (on Linux a list's name is its current line, and its label is told beside it).
    AddPrompt(tr("Please select webcam source :"), kPromptTopLeft, comboBox_);
    AddPrompt(tr("Recording size :"), kSizePromptTopLeft, sizeBox_);
    AddPrompt(tr("Microphone :"), kMicrophonePromptTopLeft, microphoneBox_);
    okButton_->setAccessibleName(SkinLabelOf("ok"));
    cancelButton_->setAccessibleName(SkinLabelOf("cancel"));
    SetDevices(devices);
    comboBox_->setGeometry(kComboPlace);
    microphoneBox_->setGeometry(kMicrophonePlace);
    SetMicrophones({}, kNoMicrophoneLine);
    connect(microphoneBox_, &QComboBox::currentIndexChanged, this,
            [this] { emit MicrophoneChanged(MicrophoneSetting()); });
    meterTimer_->setInterval(kMeterIntervalMs);
    connect(meterTimer_, &QTimer::timeout, this, [this] {
        const double level = levelSource_ ? levelSource_() : 0;
        // Peaks in decibels, so quiet speech still moves the bar.
        const double db = level > 0 ? 20 * std::log10(level) : kMeterFloorDb;
        shownLevel_ = std::clamp((db - kMeterFloorDb) / -kMeterFloorDb, 0.0, 1.0);
        update(kMeterPlace);
    });
    meterTimer_->start();
    for (const FrameSize& size : RecordingSizes()) {
        const RoadConfig road = RoadConfig::ForRecordingSize(size);
        sizeBox_->addItem(QStringLiteral("%1 x %2%3")
                              .arg(size.width)
                              .arg(size.height)
                              //: After the classic recording size, 320 x 240
                              .arg(road.IsClassic() ? tr(" (classic)") : QString()));
    }
    sizeBox_->setGeometry(kSizePlace);

    cancelButton_->setGeometry(kCancelPlace);
    const SkinPictures& skin = SkinPictures::For(skinFolder);
    cancelButton_->SetPictures(skin.Picture(QStringLiteral("cancel_normal.bmp")),
                               skin.Picture(QStringLiteral("cancel_hover.bmp")),
                               skin.Picture(QStringLiteral("cancel_click.bmp")));
    okButton_->setGeometry(kOkPlace);
    okButton_->SetPictures(skin.Picture(QStringLiteral("ok_normal.bmp")),
                           skin.Picture(QStringLiteral("ok_hover.bmp")),
                           skin.Picture(QStringLiteral("ok_click.bmp")));
    connect(okButton_, &controls::CHoverButton::clicked, this, &CSourceDialog::OnOk);
    connect(cancelButton_, &controls::CHoverButton::clicked, this, &QDialog::reject);
    pictureButton_->setGeometry(kPicturePlace);
    pictureButton_->setAutoDefault(false);
    connect(pictureButton_, &QPushButton::clicked, this, &CSourceDialog::PictureRequested);

    setMask(DialogRegion());
    setFixedSize(kWidth, kHeight);
    if (owner) {
        const QRect ownerPlace = owner->frameGeometry();
        move(ownerPlace.x() + (ownerPlace.width() - kWidth) / 2,
             ownerPlace.y() + (ownerPlace.height() - kHeight) / 2);
    }
}

void CSourceDialog::AddPrompt(const QString& text, QPoint topLeft, QWidget* list) {
    auto* prompt = new QLabel(text, this);
    prompt->setFont(DialogFont(18, 500));
    QPalette colours = prompt->palette();
    colours.setColor(QPalette::WindowText, kPromptColour);
    prompt->setPalette(colours);
    prompt->setContentsMargins(0, 0, 0, 0);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its top left corner where the prompt was painted; no wider than the dialog.
    prompt->setGeometry(QRect(topLeft, prompt->sizeHint()).intersected(QRect(0, 0, kWidth, kHeight)));
    prompt->setBuddy(list);
}

void CSourceDialog::SetDevices(const DeviceList& devices) {
    const int current = comboBox_->currentIndex();
    const std::string chosen = current >= 0 && current < static_cast<int>(ids_.size()) ? ids_[current] : "";
    comboBox_->clear();
    ids_.clear();
    for (int index = 0; index < devices.Count(); ++index) {
        comboBox_->addItem(QString::fromStdString(devices[index].name));
        ids_.push_back(devices[index].id);
    }
    const int kept = devices.IndexOf(chosen);
    comboBox_->setCurrentIndex(kept >= 0 ? kept : devices.Count() > 0 ? 0 : -1);
}

void CSourceDialog::SetMicrophones(const std::vector<MicrophoneLine>& microphones,
                                   const std::string& setting) {
    const QSignalBlocker quiet(microphoneBox_);
    microphoneBox_->clear();
    microphoneIds_.assign(1, kNoMicrophoneLine);
    //: The microphone choice that records silence
    microphoneBox_->addItem(tr("None", "no microphone"));
    int chosen = setting == kNoMicrophoneLine || microphones.empty() ? 0 : 1;
    for (const MicrophoneLine& line : microphones) {
        if (line.id == setting) chosen = static_cast<int>(microphoneIds_.size());
        microphoneIds_.push_back(line.id);
        microphoneBox_->addItem(QString::fromStdString(line.name));
    }
    microphoneBox_->setCurrentIndex(chosen);
}

std::string CSourceDialog::MicrophoneSetting() const {
    const int line = microphoneBox_->currentIndex();
    return line > 0 && line < static_cast<int>(microphoneIds_.size()) ? microphoneIds_[line]
                                                                      : kNoMicrophoneLine;
}

void CSourceDialog::SetLevelSource(std::function<double()> level) {
    levelSource_ = std::move(level);
}

int CSourceDialog::DoModal() {
    if (!RunHandler()) return exec();
    show();
    const int result = RunHandler()(*this);
    hide();
    return result;
}

void CSourceDialog::SetRunHandler(std::function<int(CSourceDialog&)> handler) {
    RunHandler() = std::move(handler);
}

void CSourceDialog::SetRecordingSize(const RoadConfig& road) {
    const auto& sizes = RecordingSizes();
    const auto found = std::find(sizes.begin(), sizes.end(), road.recording);
    sizeBox_->setCurrentIndex(found == sizes.end() ? 0 : static_cast<int>(found - sizes.begin()));
}

void CSourceDialog::OnOk() {
    selection_ = comboBox_->currentIndex();
    const int size = sizeBox_->currentIndex();
    if (size >= 0 && size < static_cast<int>(RecordingSizes().size()))
        chosenRoad_ = RoadConfig::ForRecordingSize(RecordingSizes()[size]);
    accept();
}

QRegion CSourceDialog::DialogRegion() {
    // The top corners are quarter circles of radius 5; each row of the top band loses the
    // pixels outside its circle at both ends.
    constexpr int kRadius = 5;
    QRegion region(0, kRadius, kWidth, kHeight - kRadius);
    for (int y = 0; y < kRadius; ++y) {
        const double dy = kRadius - y - 0.5;
        const int inset =
            kRadius - static_cast<int>(std::lround(std::sqrt(kRadius * kRadius - dy * dy)));
        region += QRegion(inset, y, kWidth - 2 * inset, 1);
    }
    return region;
}

void CSourceDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBaseColour);
    painter.drawPixmap(0, 0, background_);

    painter.setFont(DialogFont(16, 800));
    painter.setPen(kTitleColour);
    painter.drawText(kTitleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     tr("Webcam Source Select"));

    painter.setPen(kMeterFrame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kMeterPlace.adjusted(0, 0, -1, -1));
    const QRect inside = kMeterPlace.adjusted(2, 2, -2, -2);
    painter.fillRect(QRect(inside.topLeft(),
                           QSize(static_cast<int>(std::lround(inside.width() * shownLevel_)),
                                 inside.height())),
                     kMeterBar);
}

void CSourceDialog::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // The window system moves the window where it can; otherwise the window follows the mouse.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragGrabOffset_ = event->globalPosition().toPoint() - pos();
}

void CSourceDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragGrabOffset_);
    QDialog::mouseMoveEvent(event);
}

void CSourceDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}

}  // namespace app
