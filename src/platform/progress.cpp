#include "platform/progress.h"

#include "platform/value.h"

#include <QApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// 1234567 -> "1,234,567".
QString grouped(qint64 n) {
    QString digits = numberText(double(n < 0 ? -n : n));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return n < 0 ? u'-' + digits : digits;
}

} // namespace

ProgressPace& progressPace() {
    static ProgressPace pace;
    return pace;
}

QString progressText(const QString& doing, qint64 done, qint64 total) {
    return u"Status: "_s + doing + u' ' + grouped(done) + u" of "_s + grouped(total) +
           u" records"_s;
}

Progress::Progress(QLabel* panel) : panel_(panel), pace_(progressPace()) {
    clock_.start();
}

void Progress::end() {
    hourglass_.end();
    if (panel_ && !shown_.isNull() && panel_->text() == shown_)
        panel_->setText(before_);
    shown_ = QString();
    ended_ = true;
}

void Progress::look(const QString& doing, qint64 done, qint64 total) {
    looked_ = done;
    if (ended_ || total < pace_.minTotal || clock_.elapsed() < pace_.intervalMs)
        return;
    if (panel_) {
        if (shown_.isNull())
            before_ = panel_->text();
        shown_ = progressText(doing, done, total);
        panel_->setText(shown_);
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    clock_.restart();
}

} // namespace vernalt
