#include "app/CAboutDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "controls/ProgramResources.h"

namespace app {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Brisotel"));
    setWindowIcon(controls::ApplicationIcon());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(controls::ApplicationIcon().pixmap(48, 48));
    auto* version = new QLabel(tr("Brisotel Version 1.0"), this);
    version->setObjectName(QStringLiteral("version"));
    auto* about =
        new QLabel(tr("Live webcam preview, video recording and snapshots."), this);
    about->setObjectName(QStringLiteral("about"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(about, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace app
