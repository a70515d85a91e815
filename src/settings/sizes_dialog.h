// What the plot-sizes and the log-lengths window share: a fixed-size dialog
// window that Esc closes as Cancel does and Enter confirms as OK does, and the
// OK that checks every box before one transaction writes them all.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace vernalt {

class SizesDialog : public QWidget {
    Q_OBJECT
  protected:
    // A window titled `title`, of the dialog font, deleted when closed.
    SizesDialog(const QString& title, int widthTwips, int heightTwips);

    // Esc closes the window as Cancel does: nothing is written. Enter in a box
    // presses the default button.
    void keyPressEvent(QKeyEvent* event) override;

    // Makes `ok` the default button: Enter in a box presses it, and Enter on a
    // button that has the focus presses that button, as in any dialog.
    void setDefaultButton(QPushButton* ok);

    // " - <title> Procedure '<procedure>'", the tag of the common error report.
    QString tag(const QString& procedure) const;

    // A box and what a message calls it: "Section (English)".
    struct NamedBox {
        QLineEdit* box;
        QString name;
    };
    // True when every box holds a positive number. Else the first box that does
    // not is named in "<name> must be a positive number." and gets the focus
    // with its text selected.
    bool checkBoxes(const std::vector<NamedBox>& boxes);

    // Runs `write` in one transaction. A failure rolls every row back, is
    // reported (tagged cmdOK_Click) and gives false.
    bool writeAll(const std::function<void()>& write);

  private:
    QPushButton* default_ = nullptr;
};

} // namespace vernalt
