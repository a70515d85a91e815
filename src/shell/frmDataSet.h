// The data-set window: loaded (never shown) the first time an import of either
// analysis window succeeds; it keeps the name of the database the import used.
// Its grid follows the window's size.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

namespace vernalt {

class Grid;

// The grid's size for a window whose outer size is `window` (twips):
// (width - 360) x (height - 645), never below zero.
QSize dataSetGridTwips(QSize window);

class frmDataSet : public QWidget {
    Q_OBJECT
  public:
    // The one data-set window, loaded (hidden) on first use, now pointing at
    // `databaseName`.
    static frmDataSet* load(const QString& databaseName);
    // The loaded data-set window, or nullptr.
    static frmDataSet* instance();

    explicit frmDataSet(QWidget* parent = nullptr);
    ~frmDataSet() override;

    const QString& databaseName() const { return databaseName_; }
    void setDatabaseName(const QString& name) { databaseName_ = name; }

    Grid* grdDataSet = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Load();
    void Form_Resize();
    QString databaseName_; // the database name of the data control datDataSet
};

} // namespace vernalt
