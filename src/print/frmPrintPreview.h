// The print preview: a picture of an analysis window on white, with the
// button-face grey left out, and its two print commands. One preview exists at
// a time; the analysis windows reach it through showPrintPreview().
// By keyboard: the first command has the focus once the picture is drawn, Tab
// and the arrow keys go from command to command, Enter runs one, Esc closes.
// Life cycle, drawing and printing are all in frmPrintPreview.cpp.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <memory>

class QAction;
class QLabel;
class QPrinter;

namespace vernalt {

class frmPrintPreview;

// The names an analysis window gives itself when it hands over to the preview;
// they tell the preview which window's size to take.
inline const QString PreviewFromLogWindow = QStringLiteral("Main");
inline const QString PreviewFromSnagWindow = QStringLiteral("Main2");

// What the "Print Preview" menu items of the log window (formName "Main") and
// of the snag window (formName "Main2") call: names the source window to the
// preview, puts the picture of `source`'s client area into it and shows it
// modeless, creating the preview first when there is none. Every later call
// replaces the name and the picture and shows the preview again.
// Returns the preview window.
frmPrintPreview* showPrintPreview(QWidget* source, const QString& formName);

// The window a preview named `formName` takes its size from: the log window
// for exactly "Main" (letter case counts), the snag window for anything else.
// Null when that window is not open.
QWidget* previewSourceWindow(const QString& formName);

// A box that holds a picture and shows it at its top left on white.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

class frmPrintPreview : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmPrintPreview(QWidget* parent = nullptr);
    ~frmPrintPreview() override;

    // Controls, under the program's names.
    PictureBox* picPrintPreview = nullptr;  // the picture of the analysis window; hidden
    PictureBox* picPrintPreview2 = nullptr; // the picture of this window that is printed; hidden
    QLabel* lblFormToPrint = nullptr;       // hidden; "Main" or "Main2"
    QAction* mnuPrint = nullptr;            // "Print Portrait"
    QAction* mnuPrintLandscape = nullptr;   // "Print Landscape"

    // What the preview shows at this moment (white where nothing is drawn).
    const QImage& shownPicture() const;
    // True while an activation waits for the clock and draws.
    bool isDrawing() const { return drawing_; }

  signals:
    // An activation has finished drawing the picture.
    void previewDrawn();

  public slots:
    // Runs whenever the preview becomes the active window: takes the source
    // window's size, waits for the clock's next whole second while other events
    // go on, then draws the picture. The print commands are off meanwhile.
    void Form_Activate();
    void mnuPrint_Click();
    void mnuPrintLandscape_Click();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* menuBar, QEvent* event) override;

  private:
    void buildLayout();
    // Puts the focus on a print command.
    void focusCommand(QAction* command);
    void DrawPreview();
    void waitForNextSecond();
    // Prints what the preview shows, in the given orientation; reports failures.
    void printPreview(bool landscape);
    QPrinter& printer();

    PictureBox* surface_ = nullptr; // the window's drawing surface
    std::unique_ptr<QPrinter> printer_;
    bool drawing_ = false;
};

} // namespace vernalt
