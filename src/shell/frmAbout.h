// The About box: the program's name, version and purpose. Shown modal over the
// analysis window that asked for it; "OK", Enter and Esc close it.
#pragma once

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace vernalt {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* owner = nullptr);

    // Shows a new About box modal, centred on `owner`, and returns when it is closed.
    static void showFor(QWidget* owner);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    std::array<QFrame*, 2> Line1{}; // etched separator: white line, grey line over it
    QPushButton* cmdOK = nullptr;

  public slots:
    void cmdOK_Click();

    // Esc presses "OK" too.
    void reject() override;
};

} // namespace vernalt
