// Helpers for tests that run the real windows on the offscreen platform: a screen
// of a chosen size, a start-up folder with a coded skin, and a watcher that
// answers message boxes and popup menus the way a player would.
#pragma once

#include "support/ui_skin_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryFile>
#include <QTest>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace tesseron::test {

// Runs the event loop until `pred` holds; false after `timeoutMs`.
template <typename Pred>
bool WaitUntil(Pred pred, int timeoutMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

// Must run before the QApplication exists: the offscreen platform with one screen.
inline void UseOffscreenScreen(int width, int height) {
    static QTemporaryFile config(QDir::tempPath() + QStringLiteral("/tesseron-screens-XXXXXX.json"));
    config.open();
    config.write(QStringLiteral("{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,\"height\":%2,"
                                "\"logicalDpi\":96,\"logicalBpp\":32,\"dpr\":1}]}")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    config.flush();
    const std::string platform = "offscreen:configfile=" + config.fileName().toStdString();
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

// A start-up folder: the coded skin as "Scoarching red.skn" and a whole high-score file.
class GameDir {
public:
    GameDir() {
        WriteFile(skin_.Path(QStringLiteral("Scoarching red.skn")), skin_.Lines().join(QStringLiteral("\r\n")).toLatin1());
        WriteFile(skin_.Path(QStringLiteral("Vexil.hig")), QByteArray(31 * 108, '\0'));
        previous_ = QDir::currentPath();
    }
    ~GameDir() { QDir::setCurrent(previous_); }

    // Makes the folder the working directory, as the game is started in it.
    void Enter() const { QDir::setCurrent(skin_.Base()); }
    QString Base() const { return skin_.Base(); }
    QString Path(const QString& name) const { return skin_.Path(name); }
    void Remove(const QString& name) const { QFile::remove(Path(name)); }

private:
    CodedSkinDir skin_;
    QString previous_;
};

struct SeenMessage {
    QMessageBox::Icon icon;
    QString text;
    int buttons;
    QWidget* parent;  // the window it was shown over
};

// Polls for modal message boxes and popup menus, notes them and closes them after
// `delayMs`, pressing the box's OK button.
class ModalWatcher {
public:
    explicit ModalWatcher(int delayMs = 0) : delay_(delayMs) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    std::vector<SeenMessage> messages;
    std::vector<QStringList> menus;

private:
    void Poll() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || Handled(w)) continue;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                handled_.append(w);
                messages.push_back({box->icon(), box->text(), int(box->buttons().size()), box->parentWidget()});
                QTimer::singleShot(delay_, box, [box] {
                    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                        ok->click();
                    else
                        box->reject();
                });
            } else if (auto* menu = qobject_cast<QMenu*>(w)) {
                handled_.append(w);
                QStringList items;
                for (QAction* a : menu->actions()) items << a->text();
                menus.push_back(items);
                QTimer::singleShot(delay_, menu, [menu] { menu->close(); });
            }
        }
        // Forget what was closed: a menu opens again, a box's address may be reused.
        handled_.removeIf([](const QPointer<QWidget>& w) { return w.isNull() || !w->isVisible(); });
    }

    bool Handled(QWidget* w) const {
        for (const QPointer<QWidget>& h : handled_)
            if (h.data() == w) return true;
        return false;
    }

    int delay_;
    QTimer timer_;
    QList<QPointer<QWidget>> handled_;
};

}  // namespace tesseron::test
