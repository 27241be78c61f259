#pragma once

#include <QDialog>

namespace app {

// The About box: the application icon, the product line, one line about the program, and OK.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace app
