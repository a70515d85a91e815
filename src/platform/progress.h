// Feedback while a long step works through many records (an import, marking the
// strip widths, a metric run): the hourglass pointer for the whole step and,
// every so often, "Status: Importing 250,000 of 1,000,000 records" in a status
// panel, with the window's pending paint events handled. User input waits until
// the step is over, so nothing the user does can re-enter it.
#pragma once

#include "platform/hourglass.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QLabel;

namespace vernalt {

// How eagerly the progress is shown: only for steps of at least `minTotal`
// records, looked at every `records` records done, and shown when `intervalMs`
// have passed since it was last shown. Tests make it eager.
struct ProgressPace {
    qint64 minTotal = 20'000;
    qint64 records = 1024;
    int intervalMs = 100;
};
ProgressPace& progressPace();

// "Status: Importing 250,000 of 1,000,000 records".
QString progressText(const QString& doing, qint64 done, qint64 total);

class Progress {
  public:
    // The hourglass until destroyed; the texts go to `panel` (none when null).
    explicit Progress(QLabel* panel);
    ~Progress() { end(); }
    // Ends the feedback: the normal pointer, and a panel still showing a
    // progress text gets back the text it had before, so that the caller's
    // final status is the only one left. Nothing is shown after.
    void end();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // `done` of `total` records of the work `doing` ("Importing"). Cheap enough
    // to call for every record; `done` may start again from 0 for a next part.
    void step(const QString& doing, qint64 done, qint64 total) {
        if (done >= looked_ && done - looked_ < pace_.records)
            return;
        look(doing, done, total);
    }

  private:
    void look(const QString& doing, qint64 done, qint64 total);

    Hourglass hourglass_;
    QPointer<QLabel> panel_;
    ProgressPace pace_;
    QString before_, shown_; // the panel's text before the first showing, the last shown
    QElapsedTimer clock_;
    qint64 looked_ = 0; // the records done when last looked at
    bool ended_ = false;
};

} // namespace vernalt
