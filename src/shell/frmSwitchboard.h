// The start-up switchboard: asks which habitat component is to be analysed and
// opens the log window or the snag-and-tree window. Closing it ("Exit" or the
// close box) unloads every other loaded window, which ends the program.
#pragma once

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QPushButton;

namespace vernalt {

class frmSwitchboard : public QWidget {
    Q_OBJECT
  public:
    explicit frmSwitchboard(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdLogs = nullptr;
    QPushButton* cmdTrees = nullptr;
    QPushButton* cmdExit = nullptr;

  public slots:
    void cmdLogs_Click();
    void cmdTrees_Click();
    void cmdExit_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Unload();
    void centreOnScreen();
    bool centred_ = false;
    // Creates an analysis window through its factory, stores it in `ref`
    // before it loads, shows it and hides the switchboard.
    void openAnalysisWindow(QWidget* (*create)(), QPointer<QWidget>& ref);
};

// Start-up: creates the switchboard into gSwitchboard and shows it; the
// program then lives in its events.
void Main();

} // namespace vernalt
