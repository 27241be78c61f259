#include "controls/CThumbNailControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <memory>

namespace controls {

namespace itemgrid {

int Columns(int clientWidth, int itemWidth) {
    const int cell = itemWidth + kGap;
    return cell > 0 ? clientWidth / cell : 0;
}

bool StartsNewRow(int itemWidth, int x, int clientWidth) {
    return (itemWidth + kGap) * 0.8 > clientWidth - x;
}

Placement PlaceItems(int itemCount, QSize itemSize, int clientWidth, QPoint scrollOffset) {
    Placement placement;
    placement.places.reserve(itemCount);
    int x = 0;
    int y = 0;
    for (int index = 0; index < itemCount; ++index) {
        if (x == 0) ++placement.rows;
        placement.places.push_back(scrollOffset + QPoint(x + kGap, y + kGap));
        x += itemSize.width() + kGap;
        if (StartsNewRow(itemSize.width(), x, clientWidth)) {
            x = 0;
            y += itemSize.height() + kGap;
        }
    }
    return placement;
}

namespace {
// A bar is set up only for an overflow of more than the gap. The range is five quarters of the
// overflow (plus a margin) with a page of one quarter, so the largest position is v + 1.
std::optional<BarRange> RangeForOverflow(int overflow) {
    if (overflow <= kGap) return std::nullopt;
    const double v = overflow + 14;
    return BarRange{static_cast<int>(v * 1.25), static_cast<int>(v * 0.25)};
}
}  // namespace

std::optional<BarRange> HorizontalRange(int columns, int itemWidth, int itemCount,
                                        int clientWidth) {
    if (itemCount < columns) return std::nullopt;
    return RangeForOverflow(columns * (itemWidth + kGap) - clientWidth + kGap);
}

std::optional<BarRange> VerticalRange(int rows, int itemHeight, int clientHeight) {
    return RangeForOverflow(rows * (itemHeight + kGap) - clientHeight + 2 * kGap);
}

int WheelScroll(int wheelDelta) {
    return wheelDelta / kWheelNotch * kWheelStep;
}

QSize ThumbnailBitmapSize(QSize itemSize) {
    return {static_cast<int>(itemSize.width() * 0.9f), static_cast<int>(itemSize.height() * 0.9f)};
}

}  // namespace itemgrid

namespace {
constexpr QRgb kGridBackground = qRgb(250, 250, 250);
constexpr QRgb kThumbnailFill = qRgb(230, 230, 230);
constexpr QRgb kThumbnailHoverFill = qRgb(180, 190, 210);
constexpr QRgb kThumbnailBorder = qRgb(33, 33, 33);
constexpr QRgb kThumbnailHoverBorder = qRgb(10, 35, 105);
constexpr QPoint kLiftStep(-2, -2);
}  // namespace

// GridItem

void GridItem::PlaceAt(QPoint rest) {
    restPlace = rest;
    move(rest + lift);
}

void GridItem::Lift() {
    lift += kLiftStep;
    move(pos() + kLiftStep);
}

void GridItem::Sink() {
    lift -= kLiftStep;
    move(pos() - kLiftStep);
}

// ScrollingItemGrid

ScrollingItemGrid::ScrollingItemGrid(QWidget* parent)
    : QWidget(parent),
      viewport(new QWidget(this)),
      horizontalBar(new QScrollBar(Qt::Horizontal, this)),
      verticalBar(new QScrollBar(Qt::Vertical, this)) {
    for (QScrollBar* bar : {horizontalBar, verticalBar}) {
        bar->hide();
        bar->setRange(0, 0);
        bar->setSingleStep(itemgrid::kLineStep);
        bar->installEventFilter(this);
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, bar](int action) { OnBarAction(bar, action); });
    }
    connect(horizontalBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        scrollX = -position;
        ArrangeItems();
    });
    connect(verticalBar, &QAbstractSlider::valueChanged, this, [this](int position) {
        scrollY = -position;
        ArrangeItems();
    });
    LayOutViewport();
}

ScrollingItemGrid::~ScrollingItemGrid() = default;

// Worked out from the control's size rather than read from the viewport, whose resize may still be
// pending while the control is hidden.
QRect ScrollingItemGrid::ClientRect() const {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QRect(0, 0, width() - (verticalBar->isHidden() ? 0 : extent),
                 height() - (horizontalBar->isHidden() ? 0 : extent));
}

void ScrollingItemGrid::StoreItemSize(int width, int height) {
    itemWidth = width;
    itemHeight = height;
    columns = itemgrid::Columns(ClientRect().width(), itemWidth);
}

void ScrollingItemGrid::ArrangeItems() {
    const itemgrid::Placement placement = itemgrid::PlaceItems(
        ItemCount(), QSize(itemWidth, itemHeight), ClientRect().width(), QPoint(scrollX, scrollY));
    rows = placement.rows;
    for (int index = 0; index < ItemCount(); ++index)
        ItemAt(index)->PlaceAt(placement.places[index]);
}

void ScrollingItemGrid::UpdateScrollBars() {
    // The horizontal bar comes first: showing it takes height from the client area.
    if (const auto range =
            itemgrid::HorizontalRange(columns, itemWidth, ItemCount(), ClientRect().width()))
        ApplyRange(horizontalBar, *range);
    if (const auto range = itemgrid::VerticalRange(rows, itemHeight, ClientRect().height()))
        ApplyRange(verticalBar, *range);
}

void ScrollingItemGrid::ApplyRange(QScrollBar* bar, const itemgrid::BarRange& range) {
    bar->setPageStep(range.page);
    bar->setRange(0, range.LargestPosition());
    if (bar->isHidden()) {
        bar->show();
        LayOutViewport();
    }
}

void ScrollingItemGrid::OnBarAction(QScrollBar* bar, int action) {
    // The bar's page step is its thumb size; a click in the trough moves a fixed 20 positions.
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(bar->value() + itemgrid::kPageStep);
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(bar->value() - itemgrid::kPageStep);
}

void ScrollingItemGrid::ScrollByWheel(int wheelDelta) {
    verticalBar->setValue(verticalBar->value() - itemgrid::WheelScroll(wheelDelta));
}

void ScrollingItemGrid::DiscardItem(GridItem* item) {
    item->hide();
    item->deleteLater();
}

void ScrollingItemGrid::LayOutViewport() {
    const QRect client = ClientRect();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    viewport->setGeometry(client);
    verticalBar->setGeometry(width() - extent, 0, extent, client.height());
    horizontalBar->setGeometry(0, height() - extent, client.width(), extent);
}

bool ScrollingItemGrid::eventFilter(QObject* watched, QEvent* event) {
    // The wheel scrolls the same way over the bars as over the items.
    if (event->type() == QEvent::Wheel && (watched == horizontalBar || watched == verticalBar)) {
        ScrollByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ScrollingItemGrid::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), QColor(kGridBackground));
}

void ScrollingItemGrid::resizeEvent(QResizeEvent*) {
    LayOutViewport();
    columns = itemgrid::Columns(ClientRect().width(), itemWidth);
    ArrangeItems();
}

void ScrollingItemGrid::wheelEvent(QWheelEvent* event) {
    ScrollByWheel(event->angleDelta().y());
    event->accept();
}

// CThumbnailButton

CThumbnailButton::CThumbnailButton(const QString& path, QSize bitmapSize, QWidget* parent)
    : GridItem(parent), path(path) {
    setMouseTracking(true);
    const QImage picture(path, "BMP");
    if (picture.isNull()) return;
    bitmap = bitmapSize.isEmpty()
                 ? picture
                 : picture.scaled(bitmapSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void CThumbnailButton::CancelHover() {
    hovered = false;
    update();
}

void CThumbnailButton::mouseMoveEvent(QMouseEvent*) {
    if (hovered) return;
    hovered = true;
    pressed = false;
    Lift();
    update();
}

void CThumbnailButton::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        GridItem::mousePressEvent(event);
        return;
    }
    if (hovered && !pressed) {
        pressed = true;
        Sink();
    }
    // Last: a receiver may remove the item.
    if (button == Qt::LeftButton)
        emit LeftClicked(this);
    else
        emit RightClicked(this);
}

void CThumbnailButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        GridItem::mouseReleaseEvent(event);
        return;
    }
    if (pressed && hovered) {
        pressed = false;
        Lift();
    }
}

void CThumbnailButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        GridItem::mouseDoubleClickEvent(event);
}

void CThumbnailButton::leaveEvent(QEvent*) {
    // After CancelHover the button no longer waits for the pointer to leave.
    if (!hovered) return;
    if (!pressed) Sink();
    pressed = false;
    hovered = false;
    update();
}

void CThumbnailButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(1, 1, width() - 1, height() - 1),
                     QColor(hovered ? kThumbnailHoverFill : kThumbnailFill));
    painter.setPen(QColor(hovered ? kThumbnailHoverBorder : kThumbnailBorder));
    painter.drawRect(0, 0, width() - 1, height() - 1);
    if (HasBitmap())
        painter.drawImage((width() - bitmap.width()) / 2, (height() - bitmap.height()) / 2, bitmap);
}

// CThumbNailControl

CThumbNailControl::CThumbNailControl(QWidget* parent) : ScrollingItemGrid(parent) {}

CThumbNailControl::~CThumbNailControl() {
    while (!items.empty()) {
        delete items.back();
        items.pop_back();
    }
}

void CThumbNailControl::SetItemSize(int width, int height) {
    for (CThumbnailButton* item : items) DiscardItem(item);
    items.clear();
    StoreItemSize(width, height);
}

CThumbnailButton* CThumbNailControl::AddItem(const QString& path) {
    auto item = std::make_unique<CThumbnailButton>(
        path, itemgrid::ThumbnailBitmapSize(QSize(ItemWidth(), ItemHeight())));
    if (!item->HasBitmap()) return nullptr;
    item->setParent(Viewport());
    item->setGeometry(0, 0, ItemWidth(), ItemHeight());
    connect(item.get(), &CThumbnailButton::LeftClicked, this, &CThumbNailControl::ItemLeftClicked);
    connect(item.get(), &CThumbnailButton::RightClicked, this,
            &CThumbNailControl::ItemRightClicked);
    item->show();
    items.push_back(item.release());
    ArrangeItems();
    UpdateScrollBars();
    return items.back();
}

// Emptying the grid keeps the item size, the scroll bars and the offsets.
void CThumbNailControl::RemoveAllItems() {
    SetItemSize(ItemWidth(), ItemHeight());
}

}  // namespace controls
