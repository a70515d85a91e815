// The print preview opened on a window, as the analysis windows open it.
#pragma once

#include "print/frmPrintPreview.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace vernalt::test {

// Hands `source` over to the preview and waits until the preview has drawn it.
inline frmPrintPreview* openPreview(QWidget* source, const QString& formName) {
    frmPrintPreview* preview = showPrintPreview(source, formName);
    QEventLoop loop;
    QObject::connect(preview, &frmPrintPreview::previewDrawn, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0) << "the preview was never drawn";
    return preview;
}

} // namespace vernalt::test
