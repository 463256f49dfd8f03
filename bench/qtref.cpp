// SPDX-License-Identifier: GPL-3.0-or-later
// The reference of the program benchmarks: the least a Qt Widgets program of the same
// shape does. A window of four labels with a 500 ms timer, shown at once. It prints
// "ticked" once its timer has ticked, as the program's probe does.
//   --first-tick   ends the moment the first tick has filled the labels
//   --good-moon    also a second window of two labels with a one-second timer
//   --in-tray      the window stays hidden; the timer still works the clock texts out
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <utility>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QList<QLabel*> labels;
    for (int i = 0; i < 4; ++i) {
        labels << new QLabel(&window);
        layout->addWidget(labels.last());
    }
    const bool firstTick = arguments.contains(QStringLiteral("--first-tick"));
    const bool inTray = arguments.contains(QStringLiteral("--in-tray"));
    QString hidden;
    auto tick = [&] {
        const QDateTime now = QDateTime::currentDateTime();
        if (inTray) {
            hidden = now.toString(QStringLiteral("h:mm AP MM/dd/yyyy"));
            return;
        }
        labels[0]->setText(now.toString(QStringLiteral("h:mm AP")));
        labels[1]->setText(now.toString(QStringLiteral("MM/dd/yyyy")));
        // A clock 18 times as fast: its minutes change every 3 1/3 seconds.
        labels[2]->setText(
            QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch() * 18).toString(QStringLiteral("h:mm AP")));
        labels[3]->setText(now.toString(QStringLiteral("MM/dd/0003")));
        if (firstTick)
            std::_Exit(0);
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, tick);
    QObject::connect(&timer, &QTimer::timeout, [said = false]() mutable {
        if (!std::exchange(said, true)) {
            std::fputs("ticked\n", stdout);
            std::fflush(stdout);
        }
    });
    timer.start(500);
    QTimer::singleShot(0, tick);
    if (!inTray)
        window.show();

    QWidget second;
    auto* secondLayout = new QVBoxLayout(&second);
    auto* wait = new QLabel(&second);
    auto* moment = new QLabel(&second);
    secondLayout->addWidget(wait);
    secondLayout->addWidget(moment);
    QTimer secondTimer;
    // A countdown whose seconds change at every tick, as the program's does.
    QObject::connect(&secondTimer, &QTimer::timeout, [&] {
        const QTime now = QDateTime::currentDateTime().time();
        wait->setText(QStringLiteral("%1 HOURS  %2 MINUTES  %3 SECONDS")
                          .arg(23 - now.hour())
                          .arg(59 - now.minute())
                          .arg(59 - now.second()));
        moment->setText(QStringLiteral("TOMORROW AT 12:00 AM"));
    });
    if (arguments.contains(QStringLiteral("--good-moon"))) {
        secondTimer.start(1000);
        second.show();
    }
    return QApplication::exec();
}
